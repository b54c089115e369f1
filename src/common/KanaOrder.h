#pragma once

#include <string>
#include <string_view>

namespace zoruka {

// The order of name readings as a Japanese user expects it: by sound, whether the reading was
// typed in hiragana, full-width katakana or half-width katakana (あ, ア and ｱ sort together; ア
// before カ before サ; カ before ガ before キ). Readings that sound the same are then ordered by
// their bytes, so that only identical texts compare equal.

// The reading as full-width katakana code points (half-width voiced marks joined to their kana);
// other characters stay as they are.
std::u32string kanaSortKey(std::string_view reading);

// Negative, zero or positive as `a` sorts before, with or after `b`.
int compareReadings(std::string_view a, std::string_view b);

} // namespace zoruka
