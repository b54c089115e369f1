#pragma once

#include "accounts/FiscalYear.h"
#include "store/DatabaseLocation.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// The texts of the annual report screen.
namespace annual_report {
inline constexpr std::string_view kTitle = "年間収支報告書";
inline constexpr std::string_view kBadYear = "年度を正しく選択して下さい";
inline constexpr std::string_view kCarryIn = "前年度繰越金";
inline constexpr std::string_view kIncomeTotal = "収入合計";
inline constexpr std::string_view kExpenseTotal = "支出合計";
inline constexpr std::string_view kBalance = "当年度収支差額";
inline constexpr std::string_view kCarryOut = "次年度繰越金";
} // namespace annual_report

// Twelve amounts, one per month of a fiscal year in its order (index 0 is its start month).
using MonthAmounts = std::array<long long, 12>;

// One item's year: its amount in each month and in the whole year.
struct AnnualItem {
    std::string code;
    std::string name; // 費_名称; the code itself when the item is not registered
    MonthAmounts months{};
    long long total = 0;

    bool operator==(const AnnualItem&) const = default;
};

// Income or expense of the year: its items in item-code order, and their sums per month and
// for the year.
struct AnnualSide {
    std::vector<AnnualItem> items;
    MonthAmounts months{};
    long long total = 0;

    bool operator==(const AnnualSide&) const = default;
};

// The club's year as the general meeting approves it. The carry-forward entries of the month-end
// closing (items kCarryInItem and kCarryOutItem) are no income or expense of the year: the
// carry-in entries of its first month are what the year starts with, and what it ends with
// follows from that and the year's balance.
struct AnnualReport {
    std::string clubName;
    FiscalYear year;
    AnnualSide income;
    AnnualSide expense; // every kind other than income, as the cash book counts it
    long long carryIn = 0;

    // The year's surplus, negative for a deficit.
    long long balance() const { return income.total - expense.total; }
    // Each month's income less its expense.
    MonthAmounts monthlyBalance() const;
    // What the year hands to the next one.
    long long carryOut() const { return carryIn + balance(); }
};

// "4月" … "3月": the months of the year in its order, as headings.
std::vector<std::string> monthHeadings(const FiscalYear& year);

// Reads the year afresh, in one walk over its months of the cash book. Throws StoreError.
AnnualReport readAnnualReport(const DatabaseLocation& location, const FiscalYear& year);

} // namespace zoruka
