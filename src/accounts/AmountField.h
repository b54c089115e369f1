#pragma once

#include <optional>
#include <string_view>

namespace zoruka {

// The largest amount, either way, that an amount field of the cash book accepts.
inline constexpr long long kMaxAmount = 9'999'999'999;

// An amount field of the cash book as typed: blank counts as 0, otherwise whole yen, plainly or
// with grouping commas ("12,345"), negative allowed, full-width digits accepted, at most
// kMaxAmount either way. Nothing for any other text (letters, fractions, larger numbers).
std::optional<long long> readAmountField(std::string_view typed);

} // namespace zoruka
