#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"
#include "output/PrintResult.h"

#include <string_view>

namespace zoruka {

namespace player_sheets {

inline constexpr std::string_view kTitle = "個人表";
inline constexpr std::string_view kPrinted = "個人表は出力されました";

} // namespace player_sheets

// The players' own view of a table ("個人表"), on A4 portrait sheets of two columns, each sheet a
// document of its own: under the heading ("個人表　ダブルス") and the columns' headings ("試合",
// "コート", "ペア", "対戦相手"), an entry per player (fixed pairs: per pair), group by group in
// number order: its number and name ("男  7 山田太郎", the second group of a two-group kind in
// light red), then a line per built game with the game ("第  1 試合"), court and side (" 2-B";
// fixed pairs the court), partner and opponents by name ("佐藤", "鈴木・高橋"; a number without a
// name as its number), or "休憩" when the player rests. Every text is fitted to its column. An
// entry never breaks across columns; two columns hold up to fifty players of a table of a few
// games, and longer tables take more sheets.
// kRefused with doubles_print::kNothingToPrint under kTitle when no game has been built.
PrintResult printPlayerSheets(MatchKind kind, const MatchTable& table);

} // namespace zoruka
