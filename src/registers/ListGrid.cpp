#include "registers/ListGrid.h"

#include <algorithm>

namespace zoruka {

GridModel listGrid(const std::vector<std::string_view>& headers, const std::vector<int>& twips,
                   int minimumRows, std::size_t dataRows)
{
    const int rows = std::max(minimumRows, static_cast<int>(dataRows) + 1);
    GridModel grid(rows, static_cast<int>(headers.size()));
    grid.fixedRows = 1;
    grid.fixedColumns = 0;
    grid.columnTwips = twips;
    for (int column = 0; column < grid.columns; ++column) {
        GridCell& cell = grid.cell(0, column);
        cell.text = headers[static_cast<std::size_t>(column)];
        cell.alignment = CellAlignment::Centre;
        cell.header = true;
    }
    return grid;
}

} // namespace zoruka
