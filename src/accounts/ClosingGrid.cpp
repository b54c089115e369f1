#include "accounts/ClosingGrid.h"

#include "common/NumberFormat.h"
#include "registers/ListGrid.h"

namespace zoruka {

namespace {

GridCell amountCell(long long amount) { return {formatAmount(amount), CellAlignment::Right}; }

// Writes one kind's items, with their amounts in `column`, and its total row from `row`;
// returns the row after them.
int addKind(GridModel& grid, int row, const std::vector<ItemTotal>& items, int column,
            std::string_view totalLabel, long long total)
{
    for (const ItemTotal& item : items) {
        grid.cell(row, 0).text = item.itemName;
        grid.cell(row, column) = amountCell(item.amount);
        ++row;
    }
    grid.cell(row, 0) = {std::string(totalLabel), CellAlignment::Right};
    grid.cell(row, 3) = amountCell(total);
    return row + 1;
}

} // namespace

GridModel closingGrid(const MonthTotals& totals)
{
    GridModel grid = listGrid({"費目", "収入額", "支出額", "合計"}, {2000, 1500, 1500, 1500}, 100,
                              totals.income.size() + totals.expense.size() + 2);
    const int next = addKind(grid, 1, totals.income, 1, "（収入合計）", totals.incomeTotal);
    addKind(grid, next, totals.expense, 2, "（支出合計）", totals.expenseTotal);
    return grid;
}

} // namespace zoruka
