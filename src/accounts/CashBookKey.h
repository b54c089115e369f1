#pragma once

#include "accounts/EntryDate.h"

#include <string>
#include <vector>

namespace zoruka {

// The key of a cash-book entry (index Key_出納帳): date, kind and item code. Its fee detail rows
// (出納明細) carry the same five values ahead of the member name.
struct CashBookKey {
    EntryDate date;
    std::string kind; // kIncome "1" or kExpense "2"
    std::string itemCode;

    // The key values in index order: year, month, day, kind, item code.
    std::vector<std::string> values() const { return {date.yy, date.mm, date.dd, kind, itemCode}; }

    bool operator==(const CashBookKey&) const = default;
};

} // namespace zoruka
