#pragma once

#include "accounts/CashBookMonth.h"
#include "accounts/EntryDate.h"
#include "accounts/MonthClosing.h"
#include "accounts/MonthPayments.h"
#include "store/DatabaseLocation.h"

#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// The texts of the monthly report screen.
namespace monthly_report {
inline constexpr std::string_view kTitle = "月次報告書";
inline constexpr std::string_view kBadMonth = "年月を正しく選択して下さい";
} // namespace monthly_report

// One month of the books as the monthly report shows and prints it.
struct MonthlyReport {
    std::string clubName;
    EntryDate month; // its first day
    CashBookMonth book;
    MonthTotals totals;
    std::vector<Payment> payments;
};

// Reads the month of `first` afresh: the club name, the cash book with its totals per item and
// the payers of its entries. Throws StoreError.
MonthlyReport readMonthlyReport(const DatabaseLocation& location, const EntryDate& first);

} // namespace zoruka
