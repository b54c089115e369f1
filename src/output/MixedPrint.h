#pragma once

#include "matchtable/ResultStore.h"
#include "output/PrintResult.h"

#include <string_view>

namespace zoruka {

namespace mixed_print {

inline constexpr std::string_view kTitle = "Mixダブルスゾルカ出力";

// The tallest block a sheet holds, millimetres: eight courts.
inline constexpr double kTallestBlock = 170;

} // namespace mixed_print

// The mixed doubles table as printed sheets (A4 landscape, each sheet a document of its own; see
// GameBlockSheets.h): a heading "Ｍｉｘダブルス" with the men, the women (in light red) and the
// courts, then one block per built game, 2 x C x 10 + 8 mm tall, listing each pair slot's man
// (black) and woman (light red) and its court side. Blocks under 86 mm stand in two rows of five
// to a sheet, taller ones in one row.
// Code kPrinted; kRefused with a message under mixed_print::kTitle when the block would be taller
// than kTallestBlock, more than 8 courts (doubles_print::kBeyondLimit), or when no game has been
// built (doubles_print::kNothingToPrint).
PrintResult printMixed(const MatchTable& table);

} // namespace zoruka
