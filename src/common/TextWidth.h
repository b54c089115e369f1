#pragma once

#include <string>
#include <string_view>

namespace zoruka {

// Columns a UTF-8 text takes on a terminal: East Asian wide and full-width characters count two.
int displayWidth(std::string_view text);

// `text` followed by blanks up to `width` display columns.
std::string padRight(std::string_view text, int width);

} // namespace zoruka
