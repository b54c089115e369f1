#include "output/MixedPrint.h"

#include "output/DoublesPrint.h"
#include "output/GameBlockSheets.h"
#include "output/RosterLegend.h"
#include "output/SheetHeading.h"
#include "output/TableLabels.h"

namespace zoruka {

namespace {

constexpr double kHeadingTop = 4;
constexpr double kKindHeadingX = 10;
constexpr double kMenHeadingX = 45;
constexpr double kWomenHeadingX = 80;
constexpr double kCourtsHeadingX = 110;
constexpr double kNumberRise = 7.7;

std::vector<HeadingField> headingFields(const RunParameters& params)
{
    return {
        {kKindHeadingX, "Ｍｉｘダブルス"},
        {kMenHeadingX, "男性 " + participantsLabel(params.men)},
        {kWomenHeadingX, "女性 " + participantsLabel(params.women), kPaletteLightRed},
        {kCourtsHeadingX, courtsLabel(params.courts)},
    };
}

} // namespace

PrintResult printMixed(const MatchTable& table)
{
    const RunParameters& params = table.params;
    const int slots = 2 * params.courts;
    const double blockHeight = GameBlockSheets::rowsHeight(slots);
    // The limit and empty-table messages are the doubles print's own, under this print's title.
    if (blockHeight > mixed_print::kTallestBlock) {
        return PrintResult::refusal(mixed_print::kTitle, doubles_print::kBeyondLimit);
    }
    const int games = table.builtGames();
    if (games == 0) {
        return PrintResult::refusal(mixed_print::kTitle, doubles_print::kNothingToPrint);
    }
    GameBlockSheets sheets = sheetsWithLegend(blockHeight, kNumberRise,
                                              [fields = headingFields(params)](PrintBuilder& out) {
                                                  drawSheetHeading(out, kHeadingTop, fields);
                                              },
                                              table.roster, {{"男性"}, {"女性", kPaletteLightRed}});
    for (int game = 1; game <= games; ++game) {
        // The outline closes the last slot row, so only the rows above it are ruled.
        sheets.addBlock(game,
                        GameBlockSheets::pairSlotRows(table.results, game, slots, kPaletteLightRed),
                        slots - 1);
    }
    PrintResult result;
    result.documents = sheets.finish();
    return result;
}

} // namespace zoruka
