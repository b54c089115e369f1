#pragma once

#include "accounts/CashBookMonth.h"
#include "common/GridModel.h"

namespace zoruka {

// The month grid 出納 of the cash book: the yellow header row "日付", "費目ｺｰﾄﾞ", "費目", "収入",
// "支出", "残高", "備考" over 500, 1000, 2000, 1000, 1000, 1000 and 2000 twips, then one row per
// entry from row 1: day, item code, item name, the amount under 収入 or 支出 by its kind, the
// running balance and the note. Amounts are in the "#,###,##0" pattern and right-aligned.
// The grid has at least 100 rows (the header included) and more when the month has more
// entries, so that every entry is shown.
GridModel cashBookGrid(const CashBookMonth& month);

} // namespace zoruka
