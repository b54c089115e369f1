#pragma once

#include "matchtable/CountFields.h"

#include <string>
#include <string_view>

namespace zoruka {

// The checks the fixed-pair team-versus-team screen (and the command line) runs before
// building a table.
namespace fixed_pair_setup {

inline constexpr std::string_view kTitle = "団体戦・ゾルカ作成";
inline constexpr std::string_view kChooseParticipants = "参加人数を選択してください";
inline constexpr std::string_view kChooseCourts = "使用するコート数を選択してください";
inline constexpr std::string_view kChooseGames = "設定する試合数を選択してください";
inline constexpr std::string_view kTooFewA =
    "Aチームの参加ペアが少なく設定できません、コート数を少なく指定してください";
inline constexpr std::string_view kTooFewB =
    "Bチームの参加ペアが少なく設定できません、コート数を少なく指定してください";
inline constexpr std::string_view kPrinted = "ゾルカは出力されました";

enum Field { PairsA, PairsB, Courts, Games, FieldCount };

using Check = SetupCheck<FieldCount>;

// Tests the four typed counts in screen order (each a whole number 0..50), then that each team
// has a pair for every court.
Check check(std::string_view pairsA, std::string_view pairsB, std::string_view courts,
            std::string_view games);

} // namespace fixed_pair_setup

} // namespace zoruka
