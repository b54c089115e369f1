#pragma once

#include "matchtable/ResultStore.h"
#include "output/TextEncoding.h"

#include <optional>
#include <string>
#include <string_view>

namespace zoruka {

// The mixed doubles export screen's message-box title and its message once the file is written.
namespace mixed_csv {

inline constexpr std::string_view kTitle = "MixダブルスゾルカCSV";
inline constexpr std::string_view kDone = "Mixダブルスゾルカ抜出処理は終了しました";

} // namespace mixed_csv

// The mixed doubles table as the CSV export writes it (UTF-8, lines ended by CR LF, every field
// quoted, four fields on every line): before games 1, 11, 21, ... a size line ("", "男  8 名",
// "女  8 名", "（  2 面 )"), after the first one only the header line ("試合番号", "ベア男性",
// "ベア女性", "コート番号"), then one line per pair slot in slot order (game "第  1 試合", man
// " 3", woman " 8", court side " 1-B"). Numbers are two-character fields. No built game, no
// lines. With a roster (see tableCsv) the header gains "男性氏名", "女性氏名", each pair line the
// man's and the woman's names, and the roster follows with "男" and "女" before the numbers.
std::string mixedCsv(const MatchTable& table);

// Writes mixedCsv() in `encoding` to `path` as writeTextFile() does; returns nothing when done,
// else the message to show.
std::optional<std::string> writeMixedCsv(const MatchTable& table, const std::string& path,
                                         TextEncoding encoding);

} // namespace zoruka
