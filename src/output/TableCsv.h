#pragma once

#include "matchtable/ResultStore.h"

#include <functional>
#include <string>
#include <string_view>

namespace zoruka {

namespace table_csv {

// Shown instead of writing a file when no game of the table has been built.
inline constexpr std::string_view kNothingToExport =
    "出力するゾルカがありません。先に設定を押してください";

} // namespace table_csv

// The pair lines of a court table's CSV export (doubles, mixed doubles), for every built game:
// before games 1, 11, 21, ... the line `sizeLine`, after the first of them only `headerLine`
// (both complete lines with their CR LF), then one line per pair slot 1 .. 2 x C in slot order
// with the fields game ("第  1 試合"), member 1 (" 3"), member 2 (" 8") and court side (" 1-B").
// When `lastSlotField` is given, the line of the last slot of game g carries lastSlotField(g) as
// a fifth field. No built game, no lines.
std::string tableCsv(const MatchTable& table, std::string_view sizeLine,
                     std::string_view headerLine,
                     const std::function<std::string(int game)>& lastSlotField = {});

} // namespace zoruka
