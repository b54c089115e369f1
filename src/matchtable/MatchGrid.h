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

// What a match-table screen shows in its grid: cell texts, the yellow header cells, column
// widths in twips (0 = the grid's default) and which rows and columns merge equal neighbours.
// Rows and columns count from 0.
struct MatchGrid {
    int rows = 0;
    int columns = 0;
    int fixedRows = 1;
    int fixedColumns = 1;
    std::vector<GridCell> cells; // row-major
    std::vector<int> columnTwips;
    std::vector<int> mergedRows;
    std::vector<int> mergedColumns;

    MatchGrid() = default;
    MatchGrid(int rowCount, int columnCount)
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

// A match-table grid of `headerRows` header rows, one row per game and `columns` columns: the
// header rows and column 0 yellow, column 0 800 twips wide, "コート" at the top and "試合" in the
// last header row of column 0, and "第g試合" labels below.
MatchGrid tableGrid(int headerRows, int games, int columns, CellAlignment labelAlignment);

// "3-7".
std::string pairText(int first, int second);

// Pixels for a width in twips (1/1440 inch) at `dotsPerInch`.
inline int twipsToPixels(int twips, double dotsPerInch)
{
    return static_cast<int>(twips * dotsPerInch / 1440.0 + 0.5);
}

} // namespace zoruka
