#include "store/SchemaCreation.h"

#include "store/Schema.h"
#include "store/SqlText.h"
#include "store/Statement.h"
#include "store/TableCursor.h"

#include <string>

namespace zoruka {

namespace {

std::string createTableSql(const TableDef& table)
{
    std::string sql = "CREATE TABLE " + quotedName(table.name) + " (";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnDef& column = table.columns[i];
        // NOT NULL keeps every key comparable: a NULL inside a row value would drop the row
        // from every range seek.
        sql += (i == 0 ? "" : ", ") + quotedName(column.name) +
               (column.type == ColumnType::Text ? " TEXT NOT NULL DEFAULT ''"
                                                : " INTEGER NOT NULL DEFAULT 0");
    }
    return sql + ")";
}

std::string createIndexSql(const TableDef& table, const IndexDef& index)
{
    return std::string(index.unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") +
           quotedName(index.name) + " ON " + quotedName(table.name) + " (" +
           table.indexTerms(index) + ")";
}

void addExpenseItem(sqlite3* db, std::string_view kind, std::string_view code,
                    std::string_view name)
{
    TableCursor items(db, schemaTable("費目"));
    items.editOrAddNew({std::string(kind), std::string(code)});
    items.setValue("費_名称", name);
    items.update();
}

} // namespace

void createSchema(sqlite3* db)
{
    for (const TableDef& table : schemaTables()) {
        execute(db, createTableSql(table).c_str());
        for (const IndexDef& index : table.indexes) {
            execute(db, createIndexSql(table, index).c_str());
        }
    }
    addExpenseItem(db, "1", "10100", "前月繰越");
    addExpenseItem(db, "2", "20900", "次月繰越");
    execute(db, ("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
    execute(db, ("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
}

} // namespace zoruka
