#pragma once

#include "store/DatabaseLocation.h"

#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// One entry of the cash book (出納帳) as the month's list shows it.
struct CashBookRow {
    std::string day;      // "dd"
    std::string kind;     // kIncome "1" or kExpense "2"
    std::string itemCode; // 出_費目番号
    std::string itemName; // 費_名称 of kind + code; empty when the item is not registered
    long long amount = 0;
    long long balance = 0; // running balance after this row, from 0 at the start of the month
    std::string note;
};

// Every entry of one month in key order (day, then kind, then item code), with the month's
// totals of income and expense.
struct CashBookMonth {
    std::vector<CashBookRow> rows;
    long long income = 0;
    long long expense = 0;
};

// Reads the entries of month `mm` of year `yy` (two-digit texts) in one opening of the database.
// A month without entries gives no rows and zero totals. Throws StoreError.
CashBookMonth readCashBookMonth(const DatabaseLocation& location, std::string_view yy,
                                std::string_view mm);

} // namespace zoruka
