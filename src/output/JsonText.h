#pragma once

#include <string>
#include <string_view>

namespace zoruka {

// `text` as a JSON string, in double quotes: quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view text);

} // namespace zoruka
