#include "matchtable/TeamGrid.h"

#include "matchtable/FixedPairGenerator.h"
#include "matchtable/TableGrid.h"

#include <functional>

namespace zoruka {

namespace {

// Two header rows: `courtHeading(c)` over both columns of court c, then "Aﾁｰﾑ" and "Bﾁｰﾑ".
GridModel teamsGrid(const RunParameters& params,
                    const std::function<std::string(int court)>& courtHeading)
{
    GridModel grid = tableGrid(2, params.games, 2 * params.courts + 1, CellAlignment::Centre);
    for (int court = 1; court <= params.courts; ++court) {
        for (int side = 0; side < 2; ++side) {
            const int column = 2 * court - 1 + side;
            grid.cell(0, column) = {courtHeading(court), CellAlignment::Centre, true};
            grid.cell(1, column) = {side == 0 ? "Aﾁｰﾑ" : "Bﾁｰﾑ", CellAlignment::Centre, true};
        }
    }
    grid.mergedRows = {0};
    return grid;
}

} // namespace

GridModel teamGrid(const MatchTable& table)
{
    GridModel grid =
        teamsGrid(table.params, [](int court) { return std::to_string(court) + "コート"; });
    sizeColumnsForNames(grid, table.roster);
    for (int game = 1; game <= table.builtGames(); ++game) {
        for (int slot = 1; slot <= 2 * table.params.courts; ++slot) {
            const Pair pair = table.results.pair(game, slot);
            // Odd slots hold the A team's pairs, even slots the B team's.
            grid.cell(game + 1,
                      slot) = {pairText(table.roster, 1 - slot % 2, pair.first, pair.second),
                               CellAlignment::Centre};
        }
    }
    return grid;
}

GridModel fixedPairGrid(const MatchTable& table)
{
    GridModel grid =
        teamsGrid(table.params, [](int court) { return "コート" + std::to_string(court); });
    sizeColumnsForNames(grid, table.roster);
    for (int game = 1; game <= table.builtGames(); ++game) {
        for (int court = 1; court <= storedCourts(table, game); ++court) {
            const Pair match = table.results.pair(game, court);
            grid.cell(game + 1, 2 * court - 1) = {playerText(table.roster, 0, match.first),
                                                  CellAlignment::Centre};
            grid.cell(game + 1, 2 * court) = {playerText(table.roster, 1, match.second),
                                              CellAlignment::Centre};
        }
    }
    return grid;
}

} // namespace zoruka
