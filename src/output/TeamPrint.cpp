#include "output/TeamPrint.h"

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
        {10, "団体戦　"},
        {30, "Ａチーム  " + participantsLabel(params.teamA)},
        {75, "Ｂチーム " + participantsLabel(params.teamB), kPaletteLightRed},
        {115, courtsLabel(params.courts)},
    };
}

// A rows are the pair slots of the A team; each B row, numbers and label, is light red.
std::vector<GameBlockSheets::Row> teamRows(const ResultStore& results, int game, int slots)
{
    std::vector<GameBlockSheets::Row> rows =
        GameBlockSheets::pairSlotRows(results, game, slots, kPaletteBlack);
    for (std::size_t b = 1; b < rows.size(); b += 2) {
        rows[b].firstColour = rows[b].secondColour = rows[b].labelColour = kPaletteLightRed;
    }
    return rows;
}

} // namespace

PrintResult printTeam(const MatchTable& table)
{
    const RunParameters& params = table.params;
    if (params.courts > team_print::kMaxCourts) {
        return PrintResult::refusal(team_print::kTitle, team_print::kBeyondLimit);
    }
    const int games = table.builtGames();
    if (games == 0) {
        return PrintResult::refusal(team_print::kTitle, team_print::kNothingToPrint);
    }
    const int slots = 2 * params.courts;
    GameBlockSheets sheets =
        sheetsWithLegend(GameBlockSheets::rowsHeight(slots), kNumberRise,
                         [fields = heading(params)](PrintBuilder& out) {
                             drawSheetHeading(out, kHeadingTop, fields);
                         },
                         table.roster, {{"Aチーム"}, {"Bチーム", kPaletteLightRed}});
    for (int game = 1; game <= games; ++game) {
        // The last ruled line lies on the outline's bottom edge, as the sheet has always drawn it.
        sheets.addBlock(game, teamRows(table.results, game, slots), slots);
    }
    PrintResult result;
    result.documents = sheets.finish();
    return result;
}

} // namespace zoruka
