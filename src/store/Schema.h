#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// Marks a file as a club database of this program (SQLite's application_id header field).
inline constexpr std::int32_t kApplicationId = 0x5A524B33; // "ZRK3"
// The layout written by this program (user_version); a later layout raises it and migrates.
inline constexpr int kSchemaVersion = 2;
// The collation that sorts name readings by sound (see KanaOrder.h); every connection has it.
inline constexpr std::string_view kReadingCollation = "KANA";

enum class ColumnType {
    Text,   // stored as typed; a new row holds empty text
    Number, // a whole number; a new row holds 0
};

struct ColumnDef {
    std::string_view name;
    ColumnType type;
    bool readingOrder = false; // indexes sort it by sound (kReadingCollation)
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
    // The index's columns as SQL terms, quoted and with their collation: what its CREATE INDEX,
    // its comparisons and its ORDER BY must all say for SQLite to walk it.
    std::string indexTerms(const IndexDef& index) const;
};

// The six tables of the club database, their columns and indexes.
const std::vector<TableDef>& schemaTables();

// Throws std::invalid_argument for a name that is not one of the six tables.
const TableDef& schemaTable(std::string_view tableName);

} // namespace zoruka
