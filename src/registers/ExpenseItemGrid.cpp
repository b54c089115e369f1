#include "registers/ExpenseItemGrid.h"

#include "registers/ListGrid.h"

namespace zoruka {

GridModel expenseItemGrid(const std::vector<ExpenseItem>& items)
{
    GridModel grid =
        listGrid({"区分", "NO", "名称", "略称"}, {1000, 1000, 3500, 1500}, 50, items.size());
    int row = 1;
    for (const ExpenseItem& item : items) {
        grid.cell(row, 0) = {std::string(directionName(item.direction)), CellAlignment::Centre};
        grid.cell(row, 1).text = item.code;
        grid.cell(row, 2).text = item.name;
        grid.cell(row, 3).text = item.shortName;
        ++row;
    }
    return grid;
}

} // namespace zoruka
