#pragma once

#include "accounts/CashBookMonth.h"
#include "accounts/EntryDate.h"
#include "store/DatabaseLocation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// The texts of the month-end closing screen.
namespace month_closing {
inline constexpr std::string_view kTitle = "月締処理";
inline constexpr std::string_view kBadMonth = "年月を正しく選択して下さい";
inline constexpr std::string_view kBadCarryForward = "繰越額を正しく入力してください";
inline constexpr std::string_view kAskRerun =
    "指定月の月締め繰越処理は完了しています、再処理を行いますか？";
inline constexpr std::string_view kConfirm = "入力内容で更新します。";
inline constexpr std::string_view kDone = "出納帳の繰越をしました。";
} // namespace month_closing

// One item's total over a month.
struct ItemTotal {
    std::string itemCode;
    std::string itemName; // empty when the item is not registered
    long long amount = 0;

    bool operator==(const ItemTotal&) const = default;
};

// A month of the cash book totalled per item, each kind's items in order of first appearance.
// Every entry counts, the carry-in and carry-out entries included.
struct MonthTotals {
    std::vector<ItemTotal> income;
    std::vector<ItemTotal> expense; // every kind other than income
    long long incomeTotal = 0;
    long long expenseTotal = 0;
    // The month's own carry-out entry (kCarryOutItem on its last day), 0 before a closing.
    long long carriedOut = 0;

    // The balance to carry into the next month: every entry but the month's own carry-out, so
    // that closing again carries the balance anew (a late receipt included) instead of the
    // difference; negative when expenses exceed income.
    long long carryForward() const { return incomeTotal - (expenseTotal - carriedOut); }
};

// The totals of `month`, the cash book of the month whose first day is `first`.
MonthTotals monthTotals(const CashBookMonth& month, const EntryDate& first);

// Whether the month (given by its first day) has been closed: its carry-out entry (kCarryOutItem
// on its last day) or the carry-in entry of the next month (kCarryInItem on its 1st) exists.
// Throws StoreError.
bool isClosed(const DatabaseLocation& location, const EntryDate& month);

// Writes the carry-out entry of the month (given by its first day) and the carry-in entry of the
// next month, both of `amount` with `note`, adding them or replacing the earlier ones, in one
// transaction, after a backup of the database (backupBeforeClosing()). Throws StoreError, and
// then neither is written.
void writeCarryForward(const DatabaseLocation& location, const EntryDate& month, long long amount,
                       std::string_view note);

} // namespace zoruka
