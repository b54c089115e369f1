#include "store/SortKeys.h"

#include "common/KanaOrder.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/SqlText.h"
#include "store/Statement.h"
#include "store/Transaction.h"

#include <string>
#include <utility>
#include <vector>

namespace zoruka {

namespace {

// The rowid and right key of every row whose key is wrong.
std::vector<std::pair<long long, std::string>>
wrongKeys(sqlite3* db, std::string_view table, std::string_view column, std::string_view keyColumn)
{
    Statement rows(db, "SELECT rowid, " + quotedName(column) + ", " + quotedName(keyColumn) +
                           " FROM " + quotedName(table));
    std::vector<std::pair<long long, std::string>> wrong;
    while (rows.step()) {
        std::string key = kanaSortKey(rows.text(1));
        if (key != rows.text(2)) {
            wrong.emplace_back(rows.number(0), std::move(key));
        }
    }
    return wrong;
}

struct SortKey {
    std::string_view table;
    std::string_view column;
    std::string_view keyColumn;
};

std::vector<SortKey> schemaSortKeys()
{
    std::vector<SortKey> keys;
    for (const TableDef& table : schemaTables()) {
        for (const ColumnDef& column : table.columns) {
            if (!column.sortKeyColumn.empty()) {
                keys.push_back({table.name, column.name, column.sortKeyColumn});
            }
        }
    }
    return keys;
}

} // namespace

int fillSortKeys(sqlite3* db, std::string_view table, std::string_view column,
                 std::string_view keyColumn)
{
    const auto wrong = wrongKeys(db, table, column, keyColumn);
    Statement update(db, "UPDATE " + quotedName(table) + " SET " + quotedName(keyColumn) +
                             " = ? WHERE rowid = ?");
    for (const auto& [rowId, key] : wrong) {
        update.bind(1, key);
        update.bind(2, rowId);
        update.run();
    }
    return static_cast<int>(wrong.size());
}

int refreshSortKeys(Database& database)
{
    const std::vector<SortKey> keys = schemaSortKeys();
    sqlite3* db = database.handle();
    bool allRight = true;
    for (const SortKey& key : keys) {
        allRight = allRight && wrongKeys(db, key.table, key.column, key.keyColumn).empty();
    }
    if (allRight) {
        return 0;
    }
    Transaction transaction(database);
    int changed = 0;
    for (const SortKey& key : keys) {
        changed += fillSortKeys(db, key.table, key.column, key.keyColumn);
    }
    transaction.commit();
    return changed;
}

} // namespace zoruka
