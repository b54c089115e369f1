#include "output/DoublesPrint.h"

#include "common/NumberFormat.h"
#include "output/ExportedRests.h"
#include "output/GameBlockSheets.h"
#include "output/RosterLegend.h"
#include "output/SheetHeading.h"
#include "output/TableLabels.h"

#include <string>

namespace zoruka {

namespace {

constexpr double kHeadingTop = 5;
constexpr double kCourtsHeadingX = 40;
constexpr double kNumberRise = 7.5;
constexpr double kRestHeaderHeight = 10;
constexpr double kRestLineHeight = 6;
constexpr double kRestDropLimit = 185;

constexpr int kManyRests = 12;

struct BlockShape {
    double height = 0;
    int restsPerLine = 4;
    bool withRests = true;
};

BlockShape blockShape(const RunParameters& params)
{
    BlockShape shape;
    shape.restsPerLine = params.resting > kManyRests ? 5 : 4;
    // Room is kept for every rest, although a block prints only the first 20.
    const int restLines =
        params.resting == 0 ? 1 : (params.resting + shape.restsPerLine - 1) / shape.restsPerLine;
    const double pairsHeight = GameBlockSheets::rowsHeight(2 * params.courts);
    shape.height = pairsHeight + kRestHeaderHeight + (restLines - 1) * kRestLineHeight;
    if (shape.height >= kRestDropLimit) {
        shape.withRests = false;
        shape.height = pairsHeight;
    }
    return shape;
}

void drawRests(PrintBuilder& out, GameBlockSheets::Corner block, int courts, int restsPerLine,
               const std::vector<int>& rests)
{
    const double restTop = block.y + 2 * courts * GameBlockSheets::kRowHeight + kRestHeaderHeight;
    out.setFontSize(14);
    out.text(block.x + 37, restTop, "休憩");

    const std::size_t perLine = static_cast<std::size_t>(restsPerLine);
    out.setFontSize(perLine == 4 ? 14 : 12);
    for (std::size_t first = 0; first < rests.size(); first += perLine) {
        std::string line;
        for (std::size_t i = first; i < rests.size() && i < first + perLine; ++i) {
            line += (i == first ? "" : ",") + twoCharField(rests[i]);
        }
        const double lineIndex = static_cast<double>(first / perLine);
        // Five two-digit rests would reach into the label column.
        out.textWithin(block.x + 2, restTop + lineIndex * kRestLineHeight - 1, line,
                       block.x + GameBlockSheets::kLabelColumnX - GameBlockSheets::kLineReach);
    }
}

} // namespace

PrintResult printDoubles(const MatchTable& table)
{
    if (table.params.courts >= doubles_print::kRefusedCourts) {
        return PrintResult::refusal(doubles_print::kTitle, doubles_print::kBeyondLimit);
    }
    const std::vector<std::vector<int>> rests = exportedRests(table);
    if (rests.empty()) {
        return PrintResult::refusal(doubles_print::kTitle, doubles_print::kNothingToPrint);
    }
    const RunParameters& params = table.params;
    const BlockShape shape = blockShape(params);
    const std::vector<HeadingField> heading = {
        {GameBlockSheets::kLeftMargin, participantsLabel(params.participants)},
        {kCourtsHeadingX, courtsLabel(params.courts)},
    };
    GameBlockSheets sheets = sheetsWithLegend(
        shape.height, kNumberRise,
        [heading](PrintBuilder& out) { drawSheetHeading(out, kHeadingTop, heading); }, table.roster,
        {{"参加者"}});
    const int slots = 2 * params.courts;
    for (std::size_t g = 0; g < rests.size(); ++g) {
        const int game = static_cast<int>(g) + 1;
        // The line under the last pair row divides the pairs from the rests.
        const GameBlockSheets::Corner block = sheets.addBlock(
            game, GameBlockSheets::pairSlotRows(table.results, game, slots, kPaletteBlack), slots);
        if (shape.withRests) {
            drawRests(sheets.out(), block, params.courts, shape.restsPerLine, rests[g]);
        }
    }
    PrintResult result;
    result.code = shape.withRests ? PrintResult::kPrinted : PrintResult::kPrintedWithoutRests;
    result.documents = sheets.finish();
    return result;
}

} // namespace zoruka
