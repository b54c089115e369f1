#include "matchtable/TableGrid.h"

#include "matchtable/RestRotation.h"

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

std::string playerText(const Roster& roster, int group, int number)
{
    return roster.nameOrNumber(group, number);
}

std::string pairText(const Roster& roster, int group, int first, int second)
{
    if (!roster.names(group)) {
        return pairText(first, second);
    }
    return roster.nameOrNumber(group, first) + "・" + roster.nameOrNumber(group, second);
}

std::string restsText(const Roster& roster, int group, const std::vector<int>& rests)
{
    if (!roster.names(group)) {
        return restListText(rests);
    }
    std::string text;
    for (const int player : rests) {
        text += (text.empty() ? "" : "、") + roster.nameOrNumber(group, player);
    }
    return text;
}

void sizeColumnsForNames(GridModel& grid, const Roster& roster)
{
    // The width of a mixed doubles table's number columns, which the view widens for names.
    constexpr int kNameColumnTwips = 500;
    if (roster.empty()) {
        return;
    }
    for (std::size_t column = 1; column < grid.columnTwips.size(); ++column) {
        if (grid.columnTwips[column] == 0) {
            grid.columnTwips[column] = kNameColumnTwips;
        }
    }
}

} // namespace zoruka
