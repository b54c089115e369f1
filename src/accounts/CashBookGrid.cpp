#include "accounts/CashBookGrid.h"

#include "common/NumberFormat.h"
#include "registers/ExpenseItem.h"
#include "registers/ListGrid.h"

namespace zoruka {

GridModel cashBookGrid(const CashBookMonth& month)
{
    GridModel grid = listGrid({"日付", "費目ｺｰﾄﾞ", "費目", "収入", "支出", "残高", "備考"},
                              {500, 1000, 2000, 1000, 1000, 1000, 2000}, 100, month.rows.size());
    int row = 1;
    for (const CashBookRow& entry : month.rows) {
        const GridCell amount{formatAmount(entry.amount), CellAlignment::Right};
        grid.cell(row, 0).text = entry.day;
        grid.cell(row, 1).text = entry.itemCode;
        grid.cell(row, 2).text = entry.itemName;
        grid.cell(row, entry.kind == kIncome ? 3 : 4) = amount;
        grid.cell(row, 5) = {formatAmount(entry.balance), CellAlignment::Right};
        grid.cell(row, 6).text = entry.note;
        ++row;
    }
    return grid;
}

} // namespace zoruka
