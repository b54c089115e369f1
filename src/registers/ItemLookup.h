#pragma once

#include "store/DatabaseLocation.h"

#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// The expense-item lookups shared by the cash-book screens and reports: the item names of a
// direction for a list, and the translation between an item's name and its code within a
// direction (kIncome "1" or kExpense "2"). Every call opens the database afresh, so it sees every
// item written before it; StoreError from the file reaches the caller.
class ItemLookup {
public:
    explicit ItemLookup(DatabaseLocation location);

    // Operation 1: the names (費_名称) of the direction's items in item-code order; empty when
    // the direction has none.
    std::vector<std::string> names(std::string_view direction) const;

    // Operation 2: the code of the direction's item with that name, or empty text when there is
    // none. Names are unique within a direction (the register refuses a second one).
    std::string codeOf(std::string_view direction, std::string_view name) const;

    // Operation 3: the name of the item with that direction and code, or empty text when there is
    // none.
    std::string nameOf(std::string_view direction, std::string_view code) const;

private:
    DatabaseLocation m_location;
};

} // namespace zoruka
