#pragma once

#include "matchtable/CountFields.h"

#include <string>
#include <string_view>

namespace zoruka {

// The checks the doubles screen (and the command line) runs before building a table.
namespace doubles_setup {

inline constexpr std::string_view kTitle = "練習ゾルカ";
inline constexpr std::string_view kChooseParticipants = "参加人数を選択してください";
inline constexpr std::string_view kChooseCourts = "使用するコート数を選択してください";
inline constexpr std::string_view kChooseGames = "設定する試合数を選択してください";
inline constexpr std::string_view kTooFewParticipants =
    "参加者数が少なく設定できません、コート数を少なく指定してください";
inline constexpr std::string_view kPrinted = "ゾルカは出力されました";

enum Field { Participants, Courts, Games, FieldCount };

using Check = SetupCheck<FieldCount>;

// Tests the three typed counts in screen order (each a whole number 0..50), then that
// 2 courts-sides x 2 players per court fit into the participants.
Check check(std::string_view participants, std::string_view courts, std::string_view games);

} // namespace doubles_setup

} // namespace zoruka
