#pragma once

#include <string>
#include <vector>

namespace zoruka {

enum class CellAlignment { Default, Centre, CentreBottom, LeftBottom, Right };

struct GridCell {
    std::string text;
    CellAlignment alignment = CellAlignment::Default;
    bool header = false;   // drawn yellow
    bool lightRed = false; // text in light red (women of a mixed table)
};

// What a screen shows in a grid (match tables, register lists, cash book, closing, calendar):
// cell texts, the yellow header cells, column widths in twips (0 = the grid's default) and which
// rows and columns merge equal neighbours. Rows and columns count from 0.
struct GridModel {
    int rows = 0;
    int columns = 0;
    int fixedRows = 1;
    int fixedColumns = 1;
    std::vector<GridCell> cells; // row-major
    std::vector<int> columnTwips;
    std::vector<int> mergedRows;
    std::vector<int> mergedColumns;

    GridModel() = default;
    GridModel(int rowCount, int columnCount)
        : rows(rowCount), columns(columnCount),
          cells(static_cast<std::size_t>(rowCount * columnCount)),
          columnTwips(static_cast<std::size_t>(columnCount), 0)
    {
    }

    GridCell& cell(int row, int column)
    {
        return cells[static_cast<std::size_t>(row * columns + column)];
    }
    const GridCell& cell(int row, int column) const
    {
        return cells[static_cast<std::size_t>(row * columns + column)];
    }
};

// Pixels for a width in twips (1/1440 inch) at `dotsPerInch`.
inline int twipsToPixels(int twips, double dotsPerInch)
{
    return static_cast<int>(twips * dotsPerInch / 1440.0 + 0.5);
}

} // namespace zoruka
