#pragma once

#include "store/Database.h"

#include <functional>
#include <string_view>

namespace zoruka {

// Whether any row of the table satisfies `matches`, walking the whole table in the order of its
// key index. For references through columns that no index leads with (an item code in the cash
// book, a member name in the fee detail).
bool anyRow(Database& database, std::string_view table,
            const std::function<bool(const TableCursor&)>& matches);

} // namespace zoruka
