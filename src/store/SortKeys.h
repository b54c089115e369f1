#pragma once

#include <string_view>

struct sqlite3;

namespace zoruka {

class Database;

// Gives every row of `table` whose `keyColumn` does not hold kanaSortKey() of its `column` the
// right key: rows added or changed by another SQLite tool, which knows nothing of the key, take
// their place in the order of sound. Returns how many rows changed. The caller holds the write
// transaction. Throws StoreError.
int fillSortKeys(sqlite3* db, std::string_view table, std::string_view column,
                 std::string_view keyColumn);

// fillSortKeys() for every sort key of schemaTables(), in one transaction that is only begun when
// a key is wrong, so that a file in order is not written to. Throws StoreError.
int refreshSortKeys(Database& database);

} // namespace zoruka
