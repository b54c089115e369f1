#pragma once

#include "matchtable/ResultStore.h"
#include "output/PrintResult.h"

#include <string_view>

namespace zoruka {

namespace team_print {

inline constexpr std::string_view kTitle = "団体・ゾルカ出力";
inline constexpr std::string_view kBeyondLimit = "出力可能限度を超えています";
inline constexpr std::string_view kNothingToPrint =
    "印刷するゾルカがありません。先に設定を押してください";

// The most courts whose blocks (2 x C x 10 + 8 mm) fit on a sheet.
inline constexpr int kMaxCourts = 8;

} // namespace team_print

// The team match table as printed sheets (A4 landscape, each sheet a document of its own; see
// GameBlockSheets.h): a heading "団体戦　" with the A-team size, the B-team size (light red) and
// the courts, then one block per built game with a row per pair slot: the A pair of court c in
// black with " c-A", the B pair below it in light red with " c-B". Blocks of up to 3 courts stand
// in two rows of five to a sheet, taller ones in one row.
// Code kPrinted; kRefused with a message under team_print::kTitle for more than kMaxCourts courts
// (kBeyondLimit) or when no game has been built (kNothingToPrint).
PrintResult printTeam(const MatchTable& table);

} // namespace zoruka
