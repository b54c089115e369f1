#pragma once

#include "accounts/AnnualReport.h"
#include "common/GridModel.h"

namespace zoruka {

// The year on the annual report screen: the yellow header row "費目", the twelve months ("4月"
// … "3月") and "合計" over 2000, 12 × 900 and 1200 twips; then "前年度繰越金" with the carry-in
// under 合計, the income items and "収入合計", the expense items and "支出合計", each with its
// monthly amounts and its year, "当年度収支差額" per month and for the year, and
// "次年度繰越金". Amounts are in the "#,###,##0" pattern and right-aligned; an item's months
// without any amount stay blank, so that the months it has stand out.
GridModel annualReportGrid(const AnnualReport& report);

} // namespace zoruka
