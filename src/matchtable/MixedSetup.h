#pragma once

#include "matchtable/CountFields.h"

#include <string>
#include <string_view>

namespace zoruka {

// The checks the mixed doubles screen (and the command line) runs before building a table.
namespace mixed_setup {

inline constexpr std::string_view kTitle = "Mixダブルスゾルカ";
inline constexpr std::string_view kChooseMen = "男性の人数を選択してください";
inline constexpr std::string_view kChooseWomen = "女性の人数を選択してください";
inline constexpr std::string_view kChooseCourts = "使用するコート数を選択してください";
inline constexpr std::string_view kChooseGames = "設定する試合数を選択してください";
inline constexpr std::string_view kTooFewMen =
    "男性数が少なく設定できません、コート数を少なく指定してください";
inline constexpr std::string_view kTooFewWomen =
    "女性数が少なく設定できません、コート数を少なく指定してください";
inline constexpr std::string_view kPrinted = "Mixダブルスゾルカは出力されました";

enum Field { Men, Women, Courts, Games, FieldCount };

using Check = SetupCheck<FieldCount>;

// Tests the four typed counts in screen order (each a whole number 0..50), then that there are
// at least 2 x C men and 2 x C women.
Check check(std::string_view men, std::string_view women, std::string_view courts,
            std::string_view games);

} // namespace mixed_setup

} // namespace zoruka
