#pragma once

#include "matchtable/ResultStore.h"
#include "output/TextEncoding.h"

#include <optional>
#include <string>
#include <string_view>

namespace zoruka {

// The doubles export screen's message-box title and its message once the file is written.
namespace doubles_csv {

inline constexpr std::string_view kTitle = "ゾルカ出力";
inline constexpr std::string_view kDone = "ゾルカ抜出処理は終了しました";

} // namespace doubles_csv

// The doubles table as the CSV export writes it (UTF-8, lines ended by CR LF, every field
// quoted): before games 1, 11, 21, ... a size line (" 9 名", "（  2 面 )"), after the first one
// only the header line, then one line per pair slot in slot order (game "第  1 試合", members
// " 3", " 8", court side " 1-B"); the last slot's line of a game carries the game's rests
// ("3,8,12", at most 20) as a fifth field. Numbers are two-character fields. No built game,
// no lines. With a roster (see tableCsv) the header gains "氏名１", "氏名２", "休憩者", every pair
// line the fifth field (empty but on a game's last line), the two names and, on a game's last
// line, the names of its rests; the roster follows.
std::string doublesCsv(const MatchTable& table);

// Writes doublesCsv() in `encoding` to `path` as writeTextFile() does; returns nothing when done,
// else the message to show.
std::optional<std::string> writeDoublesCsv(const MatchTable& table, const std::string& path,
                                           TextEncoding encoding);

} // namespace zoruka
