#pragma once

#include "matchtable/ResultStore.h"
#include "output/PrintResult.h"

#include <string_view>

namespace zoruka {

namespace fixed_pair_print {

inline constexpr std::string_view kTitle = "団体・ゾルカ出力";
inline constexpr std::string_view kBeyondLimit = "出力可能限度を超えています";
inline constexpr std::string_view kNothingToPrint =
    "印刷するゾルカがありません。先に設定を押してください";

// The most courts whose blocks (C x 10 + 8 mm) fit on a sheet.
inline constexpr int kMaxCourts = 16;

} // namespace fixed_pair_print

// The fixed-pair team-versus-team table as printed sheets (A4 landscape, each sheet a document
// of its own; see GameBlockSheets.h): a heading "対抗戦・ゾルカ　" with the A pairs, the B pairs
// (light red) and the courts, then one block per built game with a row per court: the A pair's
// number in black, the B pair's in light red and the court number. A game that could not be
// completed keeps its C rows; the courts it never filled show only their number. Blocks of up to
// 7 courts stand in two rows of five to a sheet, taller ones in one row.
// Code kPrinted; kRefused with a message under fixed_pair_print::kTitle for more than kMaxCourts
// courts (kBeyondLimit) or when no game has been built (kNothingToPrint).
PrintResult printFixedPairs(const MatchTable& table);

} // namespace zoruka
