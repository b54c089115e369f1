#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// One CSV line as the exports write it: every field in double quotes, separated by commas,
// ended by CR LF. A double quote inside a field is doubled, as spreadsheets read it; line breaks
// inside a field stay inside its quotes.
std::string csvLine(std::initializer_list<std::string_view> fields);
std::string csvLine(const std::vector<std::string>& fields);

} // namespace zoruka
