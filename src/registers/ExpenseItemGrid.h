#pragma once

#include "common/GridModel.h"
#include "registers/ExpenseItem.h"

#include <vector>

namespace zoruka {

// The list grid 費目一覧: the header "区分", "NO", "名称", "略称" over 1000, 1000, 3500 and 1500
// twips, at least 50 rows, then one row per item from row 1: "収入" or "支出" (centred), code,
// name, short name.
GridModel expenseItemGrid(const std::vector<ExpenseItem>& items);

} // namespace zoruka
