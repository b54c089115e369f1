#pragma once

#include "accounts/AnnualReport.h"
#include "output/PrintResult.h"

namespace zoruka {

// The annual report (年間収支報告書) for the general meeting, as one print document on A4
// portrait in "ＭＳＰ ゴシック":
// - the first page opens with "yyyy年度　年間収支報告書" (16 pt, centred), the club name (12 pt,
//   left) and the period (right); every later page with the year, the title and the club name in
//   one line of 9 pt;
// - the statement: "前年度繰越金", "収入合計", "支出合計", "当年度収支差額" and "次年度繰越金"
//   with their amounts, framed;
// - "収入の部" and "支出の部": a framed table each with a heading row ("費目", "4月" … "3月",
//   "合計"), one row per item with its months (blank where it has none) and its year, and the
//   total row ("収入合計", "支出合計"); the expense table ends with "収支差額" per month. A table
//   that reaches the foot of a page goes on at the top of the next below its heading row again;
// - the bar chart of the months (drawAnnualChart), then the lines where the treasurer and two
//   auditors date, sign and seal; each starts a new page when it would not end on this one;
// - with more than one page, "n / N" at the foot of each.
// Every text stays inside its column and on the paper: one too wide for its room is printed
// smaller and then cut with "…" (fitText). Always code kPrinted.
PrintResult printAnnualReport(const AnnualReport& report);

} // namespace zoruka
