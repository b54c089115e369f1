#include "output/TableCsv.h"

#include "common/NumberFormat.h"
#include "output/CsvLine.h"
#include "output/TableLabels.h"

namespace zoruka {

namespace {

// A spreadsheet user sees the table's size again at the top of every screenful of ten games.
constexpr int kGamesPerSizeLine = 10;

} // namespace

std::string tableCsv(const MatchTable& table, std::string_view sizeLine,
                     std::string_view headerLine,
                     const std::function<std::string(int game)>& lastSlotField)
{
    const int slots = 2 * table.params.courts;
    std::string csv;
    for (int game = 1; game <= table.builtGames(); ++game) {
        if (game % kGamesPerSizeLine == 1) {
            csv += sizeLine;
            if (game == 1) {
                csv += headerLine;
            }
        }
        const std::string label = gameLabel(game);
        for (int slot = 1; slot <= slots; ++slot) {
            const Pair pair = table.results.pair(game, slot);
            const std::string first = twoCharField(pair.first);
            const std::string second = twoCharField(pair.second);
            const std::string side = courtSideLabel(slot);
            if (slot == slots && lastSlotField) {
                csv += csvLine({label, first, second, side, lastSlotField(game)});
            } else {
                csv += csvLine({label, first, second, side});
            }
        }
    }
    return csv;
}

} // namespace zoruka
