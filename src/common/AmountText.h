#pragma once

#include <optional>
#include <string_view>

namespace zoruka {

// Reads a whole amount as typed or as shown in the "#,###,##0" pattern: "12345", "12,345",
// "-5,000". Surrounding blanks are ignored; commas may stand between digits.
// Returns nothing for empty text, fractions, letters, a misplaced sign or comma, or more than
// fifteen digits.
std::optional<long long> parseAmountText(std::string_view text);

} // namespace zoruka
