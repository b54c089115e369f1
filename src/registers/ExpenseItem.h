#pragma once

#include <string>
#include <string_view>

namespace zoruka {

// Directions of an expense item (費_収支区分) and of a cash-book entry.
inline constexpr std::string_view kIncome = "1";
inline constexpr std::string_view kExpense = "2";

// The carry-forward items, kept by the month-end closing.
inline constexpr std::string_view kCarryInItem = "10100";  // income
inline constexpr std::string_view kCarryOutItem = "20900"; // expense

// One row of 費目: an income or expense line of the cash book, identified by its direction and
// its five-digit code.
struct ExpenseItem {
    std::string direction; // kIncome or kExpense
    std::string code;
    std::string name;
    std::string shortName;
    std::string remark;

    bool operator==(const ExpenseItem&) const = default;
};

// "収入" for kIncome, "支出" for any other direction.
std::string_view directionName(std::string_view direction);

} // namespace zoruka
