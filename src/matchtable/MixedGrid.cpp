#include "matchtable/MixedGrid.h"

#include "matchtable/TableGrid.h"

namespace zoruka {

GridModel mixedGrid(const MatchTable& table)
{
    const RunParameters& params = table.params;
    GridModel grid = tableGrid(3, params.games, 4 * params.courts + 2, CellAlignment::Centre);
    grid.fixedRows = 3;
    for (std::size_t column = 1; column < grid.columnTwips.size(); ++column) {
        grid.columnTwips[column] = 500;
    }
    for (int court = 1; court <= params.courts; ++court) {
        for (int k = 0; k < 4; ++k) {
            const int column = 4 * court - 3 + k;
            grid.cell(0, column) = {"コート" + std::to_string(court), CellAlignment::Centre, true};
            grid.cell(1, column) = {k < 2 ? "A面" : "B面", CellAlignment::Centre, true};
            grid.cell(2, column) = {k % 2 == 0 ? "男" : "女", CellAlignment::Centre, true};
        }
    }
    grid.mergedRows = {0, 1};

    for (int game = 1; game <= table.builtGames(); ++game) {
        for (int slot = 1; slot <= 2 * params.courts; ++slot) {
            const Pair pair = table.results.pair(game, slot);
            grid.cell(game + 2, 2 * slot - 1) = {playerText(table.roster, 0, pair.first),
                                                 CellAlignment::Centre};
            grid.cell(game + 2, 2 * slot) = {playerText(table.roster, 1, pair.second),
                                             CellAlignment::Centre, false, true};
        }
    }
    return grid;
}

} // namespace zoruka
