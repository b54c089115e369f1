#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zoruka {

// One CSV line as the exports write it: every field in double quotes, separated by commas,
// ended by CR LF. The fields never hold a double quote, so none is escaped.
std::string csvLine(std::initializer_list<std::string_view> fields);

} // namespace zoruka
