#pragma once

#include "store/Schema.h"
#include "store/Statement.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace zoruka {

class StoreError;

// How seek() compares the key values with the rows of the index.
enum class Seek {
    Equal,   // "="
    AtLeast, // ">="
    After,   // ">"
};

// A cursor over one table, walked in the order of a chosen index: seek, read the current row's
// columns by name, move to the next row, and add, edit or delete rows. Obtained from
// Database::table(); it must not outlive its Database.
//
// Values are texts. A text column stores exactly the text given; a number column stores the
// text as a whole number ("12,345" → 12345, "-5,000" → -5000, empty text → 0) and reads back
// as plain digits ("12345").
//
// Caller mistakes throw std::invalid_argument (a table, index or column name not in the schema,
// the wrong number of key values) or std::logic_error (no index chosen, reading or editing with
// no current row, setValue() or update() without addNew()/edit()). Failures of the file throw
// StoreError.
class TableCursor {
public:
    // With a `writeRefusal`, every update() and deleteRow() throws it and writes nothing.
    TableCursor(sqlite3* db, const TableDef& table,
                std::shared_ptr<const StoreError> writeRefusal = nullptr);

    // Chooses the index that seek() and moveNext() follow, by its name. There is no current row
    // until the next seek().
    void setIndex(std::string_view indexName);

    // Positions on the first row, in index order, whose key compares as asked with `keyValues`,
    // one value per column of the index. The whole key is compared as a tuple, with empty text
    // before any other text, so that (">=", "26", "04", "", "", "") finds the first row of April
    // 2026 and ("=", ...) needs every column to match. Values for number columns convert as in
    // setValue(). When no row qualifies, noMatch() and eof() are both true and there is no
    // current row.
    void seek(Seek comparison, const std::vector<std::string>& keyValues);
    bool noMatch() const { return m_noMatch; }

    // True when the walk has gone past the last row of the index (or a seek found nothing).
    bool eof() const { return m_eof; }
    // The next row in index order. After deleteRow() that is the row after the deleted one; at
    // the end it stays at the end. A pending addNew()/edit() is abandoned.
    void moveNext();

    // Starts a new row: every column empty (number columns 0) until set.
    void addNew();
    // Starts changing the current row.
    void edit();
    // Writes the new or changed row, which then becomes the current row. A key that another
    // row already holds throws StoreError and writes nothing.
    void update();
    // Removes the current row; moveNext() then continues after it.
    void deleteRow();

    // Seeks "=" on the table's key index with the full key; on no match starts a new row with
    // the key columns set, otherwise edits the row found. Set the data columns, then update():
    // a second entry for the same key thus replaces the first. Leaves the key index chosen.
    void editOrAddNew(const std::vector<std::string>& key);

    // The column of the current row, or of the row being added or edited.
    std::string value(std::string_view column) const;
    // A number column as a number. Throws std::invalid_argument for a text column.
    long long number(std::string_view column) const;
    // Sets a column of the row being added or edited. Text that is not a whole number, given to
    // a number column, throws StoreError and changes nothing.
    void setValue(std::string_view column, std::string_view text);
    void setValue(std::string_view column, long long number);

private:
    enum class Mode { Browse, Adding, Editing };

    // Sets a column of the row being added or edited, and the sort key it keeps.
    void setCell(std::size_t position, std::string_view text);
    std::size_t columnPosition(std::string_view column) const;
    std::string selectSql(std::string_view condition) const;
    void bindCell(Statement& statement, int parameter, std::size_t column,
                  const std::string& cell) const;
    void fetch(Statement& statement);

    sqlite3* m_db;
    const TableDef* m_table;
    std::shared_ptr<const StoreError> m_writeRefusal;
    const IndexDef* m_index = nullptr;
    std::vector<std::size_t> m_keyColumns; // positions of the stored index columns in the table
    std::optional<Statement> m_next;       // prepared once per index, used by every moveNext()

    // The current row, or after deleteRow() the row that was deleted, which still marks the
    // place in the index (unless eof); number columns hold their plain digits.
    std::vector<std::string> m_row;
    long long m_rowId = 0;
    bool m_current = false; // m_row is a row in the table

    Mode m_mode = Mode::Browse;
    std::vector<std::string> m_buffer; // the row being added or edited
    bool m_noMatch = false;
    bool m_eof = true;
};

} // namespace zoruka
