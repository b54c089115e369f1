#include "matchtable/TableGrid.h"

namespace zoruka {

GridModel tableGrid(int headerRows, int games, int columns, CellAlignment labelAlignment)
{
    GridModel grid(headerRows + games, columns);
    for (int row = 0; row < headerRows; ++row) {
        for (int column = 0; column < columns; ++column) {
            grid.cell(row, column).header = true;
        }
    }
    for (int row = 0; row < grid.rows; ++row) {
        grid.cell(row, 0).header = true;
    }
    grid.columnTwips[0] = 800;
    grid.cell(0, 0) = {"コート", CellAlignment::Centre, true};
    grid.cell(headerRows - 1, 0) = {"試合", CellAlignment::Centre, true};
    for (int game = 1; game <= games; ++game) {
        grid.cell(headerRows + game - 1, 0) = {"第" + std::to_string(game) + "試合", labelAlignment,
                                               true};
    }
    return grid;
}

std::string pairText(int first, int second)
{
    return std::to_string(first) + "-" + std::to_string(second);
}

} // namespace zoruka
