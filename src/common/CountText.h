#pragma once

#include <optional>
#include <string_view>

namespace zoruka {

// Reads a count typed or chosen in a combo box: a whole decimal number from 0 to `maximum`.
// Surrounding blanks (trimmedBlanks()) are ignored and full-width digits (as typed through an IME)
// are accepted. Returns nothing for empty text, signs, fractions, letters or values above
// `maximum`.
std::optional<int> parseCount(std::string_view text, int maximum);

} // namespace zoruka
