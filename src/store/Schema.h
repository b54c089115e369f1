#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// Marks a file as a club database of this program (SQLite's application_id header field).
inline constexpr std::int32_t kApplicationId = 0x5A524B33; // "ZRK3"
// The layout written by this program (user_version); a later layout raises it and adds an
// upgrade step (LayoutUpgrade.h).
inline constexpr int kSchemaVersion = 4;

enum class ColumnType {
    Text,   // stored as typed; a new row holds empty text
    Number, // a whole number; a new row holds 0
};

struct ColumnDef {
    std::string_view name;
    ColumnType type;
    // A reading sorted by sound: the column of this name keeps its kanaSortKey() (KanaOrder.h),
    // written by the store with every change of the reading, and indexes on the reading sort by
    // that key first. The file then needs nothing of this program to be read in any SQLite tool.
    std::string_view sortKeyColumn = {};
};

struct IndexDef {
    std::string_view name;
    std::vector<std::string_view> columns; // in index order
    bool unique;
};

struct TableDef {
    std::string_view name;
    std::vector<ColumnDef> columns;
    std::vector<IndexDef> indexes; // the first is the unique key index of the table

    std::vector<std::string_view> columnNames() const;
    // Position of a column, or -1 when the table has none of that name.
    int columnIndex(std::string_view column) const;
    // Throws std::invalid_argument for an index name the table does not have.
    const IndexDef& index(std::string_view indexName) const;
    const IndexDef& keyIndex() const { return indexes.front(); }
    // The columns the file's index holds, in order: the index's columns, each reading sorted by
    // sound preceded by its key column.
    std::vector<std::string_view> storedIndexColumns(const IndexDef& index) const;
    // storedIndexColumns() as quoted SQL terms: what its CREATE INDEX, its comparisons and its
    // ORDER BY must all say for SQLite to walk it.
    std::string indexTerms(const IndexDef& index) const;
};

// The tables of the club database, their columns and indexes: what a new file is created with and
// what the start-up check expects of every file.
const std::vector<TableDef>& schemaTables();

// Throws std::invalid_argument for a name that is not one of the tables.
const TableDef& schemaTable(std::string_view tableName);

} // namespace zoruka
