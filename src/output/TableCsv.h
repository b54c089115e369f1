#pragma once

#include "matchtable/ResultStore.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

namespace table_csv {

// Shown instead of writing a file when no game of the table has been built.
inline constexpr std::string_view kNothingToExport =
    "出力するゾルカがありません。先に設定を押してください";

} // namespace table_csv

// How a court table's CSV export names the players when the table has a roster.
struct CsvNames {
    std::vector<std::string> header; // the fields the header line gains for the names
    std::array<int, 2> memberGroups; // the roster groups of member 1 and member 2
    // The first field of the roster section's lines per group ("男", "女"); none for a table of
    // one group.
    std::vector<std::string> groupLabels;
};

// The lines of a court table's CSV export (doubles, mixed doubles), for every built game: before
// games 1, 11, 21, ... the line `sizeLine` (complete, with its CR LF), after the first of them
// only the header line of `header`, then one line per pair slot 1 .. 2 x C in slot order with the
// fields game ("第  1 試合"), member 1 (" 3"), member 2 (" 8") and court side (" 1-B"). With
// `lastSlotRests`, the line of the last slot of game g carries the rests lastSlotRests(g) as a
// fifth field ("3,8,12"). No built game, no lines.
// With a roster, those fields stay as they are and each line goes on after them: with
// `lastSlotRests` first the fifth field (empty but on the last slot's line), then the names of
// member 1 and member 2 (empty for a number without a name), then with `lastSlotRests` the names
// of the rests (of group 0) on the last slot's line ("山田、佐藤"); the header line gains
// `names.header`. After the games come an empty line, the roster's header ("番号", "氏名", after
// "区分" with group labels) and a line per number of every named group (" 7", "山田太郎").
std::string tableCsv(const MatchTable& table, std::string_view sizeLine,
                     const std::vector<std::string>& header, const CsvNames& names,
                     const std::function<std::vector<int>(int game)>& lastSlotRests = {});

} // namespace zoruka
