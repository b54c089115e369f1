#pragma once

#include <string>
#include <string_view>

namespace zoruka {

// The code points of a UTF-8 text. Malformed bytes are read leniently, one character each, so
// that any text can be measured or keyed.
std::u32string decodeUtf8(std::string_view text);

// Code points as UTF-8; byte-wise comparison of the result keeps the order of the code points.
std::string encodeUtf8(std::u32string_view text);

} // namespace zoruka
