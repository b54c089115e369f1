#include "store/LayoutCheck.h"

#include "store/Schema.h"
#include "store/Statement.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>

namespace zoruka {

namespace {

std::string quoted(std::string_view name) { return "「" + std::string(name) + "」"; }

std::string declaredType(ColumnType type) { return type == ColumnType::Text ? "TEXT" : "INTEGER"; }

// Column name → declared type, of a table of the file; empty when there is no such table.
std::map<std::string, std::string> fileColumns(sqlite3* db, std::string_view table)
{
    Statement columns(db, "SELECT name, upper(type) FROM pragma_table_info(?)");
    columns.bind(1, table);
    std::map<std::string, std::string> found;
    while (columns.step()) {
        found.emplace(columns.text(0), columns.text(1));
    }
    return found;
}

// The columns of an index of `table`, joined by ","; nothing when the table has no such index.
std::optional<std::string> fileIndex(sqlite3* db, std::string_view table, std::string_view index,
                                     bool unique)
{
    Statement list(db, "SELECT \"unique\" FROM pragma_index_list(?) WHERE name = ?");
    list.bind(1, table);
    list.bind(2, index);
    if (!list.step()) {
        return std::nullopt;
    }
    std::string columns = (list.number(0) != 0) == unique ? "" : "(unique differs)";
    Statement info(db, "SELECT name FROM pragma_index_info(?) ORDER BY seqno");
    info.bind(1, index);
    while (info.step()) {
        columns += info.text(0) + ",";
    }
    return columns;
}

std::string joined(const std::vector<std::string_view>& names)
{
    std::string text;
    for (const std::string_view name : names) {
        text += std::string(name) + ",";
    }
    return text;
}

void checkTable(sqlite3* db, const TableDef& table, std::vector<std::string>& problems)
{
    const auto columns = fileColumns(db, table.name);
    if (columns.empty()) {
        problems.push_back("表" + quoted(table.name) + "がありません。");
        return;
    }
    for (const ColumnDef& column : table.columns) {
        const auto found = columns.find(std::string(column.name));
        if (found == columns.end()) {
            problems.push_back("表" + quoted(table.name) + "に列" + quoted(column.name) +
                               "がありません。");
        } else if (found->second != declaredType(column.type)) {
            problems.push_back("表" + quoted(table.name) + "の列" + quoted(column.name) +
                               "の型が違います。");
        }
    }
    for (const IndexDef& index : table.indexes) {
        const auto found = fileIndex(db, table.name, index.name, index.unique);
        if (!found) {
            problems.push_back("索引" + quoted(index.name) + "がありません。");
        } else if (*found != joined(table.storedIndexColumns(index))) {
            problems.push_back("索引" + quoted(index.name) + "の内容が違います。");
        }
    }
}

} // namespace

std::vector<std::string> layoutProblems(sqlite3* db)
{
    const bool anyTable =
        std::any_of(schemaTables().begin(), schemaTables().end(),
                    [&](const TableDef& table) { return !fileColumns(db, table.name).empty(); });
    if (!anyTable) {
        return {"表がひとつもありません。"};
    }
    std::vector<std::string> problems;
    for (const TableDef& table : schemaTables()) {
        checkTable(db, table, problems);
    }
    return problems;
}

} // namespace zoruka
