#pragma once

#include "matchtable/BalancedTables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zoruka {

// The checks of a lineup change ("途中変更") of a built table, made by the screens and the
// command line after the kind's own check of the new counts.
namespace lineup_setup {

inline constexpr std::string_view kChooseFromGame = "変更する試合を選択してください";
inline constexpr std::string_view kLeavingNumbers =
    "抜ける人の番号を、参加人数までの数字をカンマで区切って入力してください";
inline constexpr std::string_view kSameCourts = "途中変更ではコート数は変えられません";
inline constexpr std::string_view kGamesFromChange = "試合数は変更する試合より少なくできません";
inline constexpr std::string_view kNothingBuilt =
    "変更するゾルカがありません。先に設定を押してください";

// `fromGame` must be a game 2 .. built + 1 of `previous` (built + 1 adds games), at most the new
// games; `params` (already checked by the kind's setup check) must keep the courts; `leaving` is
// per rotation group a list of numbers 1 .. new size, separated by commas ("3,8"; blank: none),
// and enough players must stay to fill the courts (the kind's own refusal when not). Returns the
// change or the message refusing it.
std::variant<LineupChange, std::string> check(MatchKind kind, const MatchTable& previous,
                                              std::string_view fromGame,
                                              const RunParameters& params,
                                              const std::array<std::string_view, 2>& leaving);

// The numbers of a "3,8"-style list, each 1 .. `most`, without repeats (blank: none); nothing
// when the text is not such a list.
std::optional<std::vector<int>> parseNumberList(std::string_view text, int most);

} // namespace lineup_setup

} // namespace zoruka
