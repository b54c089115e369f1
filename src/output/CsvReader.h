#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// The records of a CSV file (UTF-8 text) as spreadsheets write it: fields separated by commas,
// records ended by CR LF, LF or CR; a field in double quotes may hold commas, line breaks and
// doubled quotes (""), which stand for one. Blanks around a field are kept. Empty lines are left
// out; a quote that is never closed runs to the end of the text.
std::vector<std::vector<std::string>> readCsv(std::string_view text);

} // namespace zoruka
