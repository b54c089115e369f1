#include "accounts/MonthlyReport.h"

#include "accounts/ClubName.h"

namespace zoruka {

MonthlyReport readMonthlyReport(const DatabaseLocation& location, const EntryDate& first)
{
    MonthlyReport report;
    report.clubName = readClubName(location);
    report.month = first;
    report.book = readCashBookMonth(location, first.yy, first.mm);
    report.totals = monthTotals(report.book, first);
    report.payments = readMonthPayments(location, first);
    return report;
}

} // namespace zoruka
