#pragma once

#include <string>
#include <string_view>

namespace zoruka {

// The order of name readings as a Japanese user expects it: by sound, whether the reading was
// typed in hiragana, full-width katakana or half-width katakana (あ, ア and ｱ sort together; ア
// before カ before サ; カ before ガ before キ).

// The reading as full-width katakana (half-width voiced marks joined to their kana), in UTF-8;
// other characters stay as they are. Compared byte by byte, as any database compares text, these
// keys put readings in order of sound; readings that sound the same are then ordered by their own
// bytes, so that only identical texts rank equal.
std::string kanaSortKey(std::string_view reading);

} // namespace zoruka
