#pragma once

#include "accounts/MonthClosing.h"
#include "common/GridModel.h"

namespace zoruka {

// The grid 出納 of the month-end closing: the yellow header row "費目", "収入額", "支出額", "合計"
// over 2000, 1500, 1500 and 1500 twips; from row 1 the income items (name, total under 収入額),
// the row "（収入合計）" with the income total under 合計, then the expense items (total under
// 支出額) and "（支出合計）". Amounts are in the "#,###,##0" pattern; amounts and the total labels
// are right-aligned. The grid has at least 100 rows and grows to hold every item.
GridModel closingGrid(const MonthTotals& totals);

} // namespace zoruka
