#pragma once

#include "accounts/MonthlyReport.h"
#include "output/PrintResult.h"

namespace zoruka {

// The parts printed after the list of entries.
struct ReportParts {
    bool payments = true; // the payers of each entry
    bool summary = true;  // the month's amount per item
};

// The monthly income and expense report as one print document: A4 portrait, "ＭＳＰ ゴシック"
// 10 pt. Every page opens with the club name (12 pt at 80, 10) and "yy年 mm月　収支報告書"
// (at 140, 15); below them lines 7 mm apart, line n spanning y 7n + 14 … 7n + 21, from line 1.
//
// - The list: a heading line ("日付", "摘　　要", "収　入", "支　出", "残　高", "備　　考") at the
//   top of each of its pages, then one framed line per entry (frame x 10 … 185, dividers at 25,
//   65, 90, 115, 140; line width 3): "dd日" on the first entry of a day, the item name, the amount
//   under 収入 or 支出, the balance and the note; then the total line "合計" with the month's
//   income and expense.
// - The payments (parts.payments), after one empty line: per entry a line with its day (when it
//   changes), item name and fee, and the payers' names five to a line at x 92, 112, … 172; texts
//   stand on their line's lower edge.
// - The summary (parts.summary), after two empty lines: a heading line and one line per item
//   (income items, then expense items) and "合計", framed x 20 … 117 with dividers at 65 and 90.
//   It starts on a new page when it would not end on the current one.
// Amounts are "#,###,##0" right-justified in nine characters, their field starting 9 mm right of
// the column (income 67, expense 92, balance 117). Every text is fitted into its column, a payer's
// name into its 20 mm slot (less a gap that keeps neighbours apart) and the club name onto the
// paper, by PrintBuilder::textWithin(). A line that would reach below kA4PrintableBottom starts a
// new page instead, with the list's heading line while the list goes on and the summary's heading
// line while the summary does.
// Always code kPrinted.
PrintResult printMonthlyReport(const MonthlyReport& report, ReportParts parts);

} // namespace zoruka
