#include "output/FixedPairPrint.h"

#include "common/NumberFormat.h"
#include "matchtable/FixedPairGenerator.h"
#include "output/GameBlockSheets.h"
#include "output/RosterLegend.h"
#include "output/SheetHeading.h"
#include "output/TableLabels.h"

namespace zoruka {

namespace {

constexpr double kHeadingTop = 4;
constexpr double kNumberRise = 7.5;

std::vector<HeadingField> heading(const RunParameters& params)
{
    return {
        {10, "対抗戦・ゾルカ　"},
        {50, "Ａチーム  " + twoCharField(params.teamA) + " ペア"},
        {100, "Ｂチーム " + twoCharField(params.teamB) + " ペア", kPaletteLightRed},
        {145, courtsLabel(params.courts)},
    };
}

std::vector<GameBlockSheets::Row> courtRows(const MatchTable& table, int game)
{
    const int stored = storedCourts(table, game);
    std::vector<GameBlockSheets::Row> rows;
    for (int court = 1; court <= table.params.courts; ++court) {
        GameBlockSheets::Row row;
        row.label = twoCharField(court);
        if (court <= stored) {
            const Pair match = table.results.pair(game, court);
            row.first = twoCharField(match.first);
            row.second = twoCharField(match.second);
            row.secondColour = kPaletteLightRed;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

PrintResult printFixedPairs(const MatchTable& table)
{
    const RunParameters& params = table.params;
    if (params.courts > fixed_pair_print::kMaxCourts) {
        return PrintResult::refusal(fixed_pair_print::kTitle, fixed_pair_print::kBeyondLimit);
    }
    const int games = table.builtGames();
    if (games == 0) {
        return PrintResult::refusal(fixed_pair_print::kTitle, fixed_pair_print::kNothingToPrint);
    }
    GameBlockSheets sheets =
        sheetsWithLegend(GameBlockSheets::rowsHeight(params.courts), kNumberRise,
                         [fields = heading(params)](PrintBuilder& out) {
                             drawSheetHeading(out, kHeadingTop, fields);
                         },
                         table.roster, {{"Aチーム"}, {"Bチーム", kPaletteLightRed}});
    for (int game = 1; game <= games; ++game) {
        // The outline closes the last court row, so only the rows above it are ruled.
        sheets.addBlock(game, courtRows(table, game), params.courts - 1);
    }
    PrintResult result;
    result.documents = sheets.finish();
    return result;
}

} // namespace zoruka
