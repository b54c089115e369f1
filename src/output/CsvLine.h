#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace zoruka {

// One CSV line as the exports write it: every field in double quotes, separated by commas,
// ended by CR LF. A double quote inside a field (only a player's name may hold one) is doubled.
std::string csvLine(std::initializer_list<std::string_view> fields);
std::string csvLine(std::span<const std::string> fields);

} // namespace zoruka
