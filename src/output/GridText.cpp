#include "output/GridText.h"

#include "common/TextWidth.h"

#include <algorithm>

namespace zoruka {

namespace {

bool mergesRow(const GridModel& grid, int row)
{
    return std::find(grid.mergedRows.begin(), grid.mergedRows.end(), row) != grid.mergedRows.end();
}

// The text shown at a cell: empty where it continues the merged cell on its left.
std::string shownText(const GridModel& grid, int row, int column)
{
    const std::string& text = grid.cell(row, column).text;
    if (column > 0 && mergesRow(grid, row) && !text.empty() &&
        grid.cell(row, column - 1).text == text) {
        return {};
    }
    return text;
}

} // namespace

std::string gridText(const GridModel& grid)
{
    std::vector<int> widths(static_cast<std::size_t>(grid.columns), 0);
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            auto& width = widths[static_cast<std::size_t>(column)];
            width = std::max(width, displayWidth(grid.cell(row, column).text));
        }
    }
    std::string text;
    for (int row = 0; row < grid.rows; ++row) {
        std::string line;
        for (int column = 0; column < grid.columns; ++column) {
            if (column > 0) {
                line += "  ";
            }
            line +=
                padRight(shownText(grid, row, column), widths[static_cast<std::size_t>(column)]);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

} // namespace zoruka
