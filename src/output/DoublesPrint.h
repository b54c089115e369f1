#pragma once

#include "matchtable/ResultStore.h"
#include "output/PrintResult.h"

#include <string_view>

namespace zoruka {

namespace doubles_print {

inline constexpr std::string_view kTitle = "ゾルカ出力";
inline constexpr std::string_view kBeyondLimit =
    "出力可能限度を超えています、CSVファイルに出力し編集してください";
inline constexpr std::string_view kNothingToPrint =
    "印刷するゾルカがありません。先に設定を押してください";

// Tables with this many courts or more are refused: their blocks do not fit on a sheet.
inline constexpr int kRefusedCourts = 9;

} // namespace doubles_print

// The doubles table as printed sheets (A4 landscape, each sheet a document of its own): a heading
// with the participants and courts, then one framed block per built game, five blocks to a row,
// two rows to a sheet while a block is less than 86 mm tall and one row otherwise. A block lists
// the pairs slot by slot with their court side, and below them the resting players (at most 20,
// four to a line, five when more than 12 rest).
// Code kPrinted; kPrintedWithoutRests when blocks with rests would be 185 mm or taller, so the
// rests are left out; kRefused with a message under doubles_print::kTitle for 9 or more courts
// (kBeyondLimit) or when no game has been built (kNothingToPrint).
PrintResult printDoubles(const MatchTable& table);

} // namespace zoruka
