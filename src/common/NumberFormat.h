#pragma once

#include <string>

namespace zoruka {

// A number in the "#0" pattern right-aligned in a two-character field: " 7", "12".
// Like the fixed field it fills, a number of three or more digits keeps its first two characters.
std::string twoCharField(int number);

// Whole yen in the "#,###,##0" pattern: "0", "1,234", "-5,000".
std::string formatAmount(long long yen);

} // namespace zoruka
