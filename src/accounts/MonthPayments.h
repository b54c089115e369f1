#pragma once

#include "accounts/EntryDate.h"
#include "store/DatabaseLocation.h"

#include <string>
#include <vector>

namespace zoruka {

// One payer of a cash-book entry (a row of 出納明細).
struct Payment {
    std::string day;       // "dd"
    std::string kind;      // kIncome or kExpense
    std::string itemCode;  // 明_費目番号
    std::string itemName;  // 費_名称 of kind + code; empty when the item is not registered
    std::string name;      // the member who paid
    long long fee = 0;     // the per-head fee
    std::string note = {}; // 明_備考

    bool operator==(const Payment&) const = default;
};

// The payers of every entry of the month of `first`, in key order: day, kind, item code, name.
// Throws StoreError.
std::vector<Payment> readMonthPayments(const DatabaseLocation& location, const EntryDate& first);

} // namespace zoruka
