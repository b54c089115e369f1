#include "matchtable/DoublesGrid.h"

#include "matchtable/RestRotation.h"
#include "matchtable/TableGrid.h"
#include "matchtable/TableRests.h"

#include <algorithm>

namespace zoruka {

namespace {

void layOutHeader(GridModel& grid, const RunParameters& params)
{
    const int restColumn = 2 * params.courts + 1;
    grid.columnTwips[static_cast<std::size_t>(restColumn)] = 500 + 200 * params.resting;
    for (int side = 1; side <= 2 * params.courts; ++side) {
        const int court = (side + 1) / 2;
        grid.cell(0, side) = {std::to_string(court) + "コート", CellAlignment::CentreBottom, true};
        grid.cell(1, side) = {side % 2 == 1 ? "A面" : "B面", CellAlignment::CentreBottom, true};
    }
    grid.cell(1, restColumn) = {"休憩", CellAlignment::Centre, true};
    grid.mergedRows = {0, 1};
    grid.mergedColumns = {restColumn};
}

// The players of every built game in the order their courts are shown: the rotation's order, or
// for a table that chose its own rests the order of its slots.
std::vector<std::vector<int>> courtOrder(const MatchTable& table)
{
    const RunParameters& params = table.params;
    const int built = table.builtGames();
    if (table.rests.empty()) {
        return RestRotation::games(params.participants, params.onCourt, built);
    }
    std::vector<std::vector<int>> order;
    for (int game = 1; game <= built; ++game) {
        std::vector<int>& players = order.emplace_back();
        for (int slot = 1; slot <= 2 * params.courts; ++slot) {
            const Pair pair = table.results.pair(game, slot);
            players.insert(players.end(), {pair.first, pair.second});
        }
    }
    return order;
}

void fillGame(GridModel& grid, const MatchTable& table, int game, const std::vector<int>& playing,
              const std::vector<int>& rests)
{
    const int sides = 2 * table.params.courts;
    const int row = game + 1;
    std::vector<int> written;
    int column = 1;
    for (int player : playing) {
        if (std::find(written.begin(), written.end(), player) != written.end()) {
            continue;
        }
        for (int slot = 1; slot <= sides; ++slot) {
            const Pair pair = table.results.pair(game, slot);
            if (pair.first != player && pair.second != player) {
                continue;
            }
            const Pair opponents = table.results.pair(game, slot % 2 == 1 ? slot + 1 : slot - 1);
            grid.cell(row, column++) = {pairText(table.roster, 0, pair.first, pair.second),
                                        CellAlignment::Centre, false};
            grid.cell(row,
                      column++) = {pairText(table.roster, 0, opponents.first, opponents.second),
                                   CellAlignment::Centre, false};
            written.insert(written.end(),
                           {pair.first, pair.second, opponents.first, opponents.second});
            break;
        }
    }
    grid.cell(row, sides + 1) = {restsText(table.roster, 0, rests), CellAlignment::LeftBottom,
                                 false};
}

} // namespace

GridModel doublesGrid(const MatchTable& table)
{
    const RunParameters& params = table.params;
    GridModel grid = tableGrid(2, params.games, 2 * params.courts + 2, CellAlignment::CentreBottom);
    layOutHeader(grid, params);
    sizeColumnsForNames(grid, table.roster);

    const auto order = courtOrder(table);
    const auto rests = tableRests(table, MatchKind::Doubles, 0);
    for (std::size_t g = 0; g < order.size(); ++g) {
        fillGame(grid, table, static_cast<int>(g) + 1, order[g], rests[g]);
    }
    return grid;
}

} // namespace zoruka
