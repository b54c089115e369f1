#include "store/TableCursor.h"

#include "common/AmountText.h"
#include "common/KanaOrder.h"
#include "store/SqlText.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <charconv>
#include <stdexcept>

namespace zoruka {

namespace {

// The stored form of a value. Number columns hold plain digits, which always bind as a number.
std::string cellFor(const ColumnDef& column, std::string_view text)
{
    if (column.type == ColumnType::Text) {
        return std::string(text);
    }
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        return "0";
    }
    const std::optional<long long> amount = parseAmountText(text);
    if (!amount) {
        throw StoreError::notANumber(column.name, text);
    }
    return std::to_string(*amount);
}

long long cellNumber(const std::string& cell)
{
    long long number = 0;
    std::from_chars(cell.data(), cell.data() + cell.size(), number);
    return number;
}

} // namespace

TableCursor::TableCursor(sqlite3* db, const TableDef& table,
                         std::shared_ptr<const StoreError> writeRefusal)
    : m_db(db), m_table(&table), m_writeRefusal(std::move(writeRefusal)),
      m_row(table.columns.size())
{
}

void TableCursor::setIndex(std::string_view indexName)
{
    m_index = &m_table->index(indexName);
    m_keyColumns.clear();
    for (const std::string_view column : m_table->storedIndexColumns(*m_index)) {
        m_keyColumns.push_back(columnPosition(column));
    }
    m_next.reset();
    m_mode = Mode::Browse;
    m_current = false;
    m_noMatch = false;
    m_eof = true;
}

void TableCursor::seek(Seek comparison, const std::vector<std::string>& keyValues)
{
    if (m_index == nullptr) {
        throw std::logic_error("seek on table " + std::string(m_table->name) +
                               " before an index was chosen");
    }
    if (keyValues.size() != m_index->columns.size()) {
        throw std::invalid_argument("index " + std::string(m_index->name) + " takes " +
                                    std::to_string(m_index->columns.size()) + " key values");
    }
    // One cell per stored column: a reading sorted by sound comes after its key.
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < keyValues.size(); ++i) {
        const ColumnDef& column = m_table->columns[columnPosition(m_index->columns[i])];
        std::string cell = cellFor(column, keyValues[i]);
        if (!column.sortKeyColumn.empty()) {
            cells.push_back(kanaSortKey(cell));
        }
        cells.push_back(std::move(cell));
    }
    const char* op = comparison == Seek::Equal     ? " = "
                     : comparison == Seek::AtLeast ? " >= "
                                                   : " > ";
    Statement statement(m_db, selectSql("(" + m_table->indexTerms(*m_index) + ")" + op + "(" +
                                        placeholders(cells.size()) + ")"));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        bindCell(statement, static_cast<int>(i + 1), m_keyColumns[i], cells[i]);
    }
    m_mode = Mode::Browse;
    fetch(statement);
    m_noMatch = !m_current;
}

void TableCursor::moveNext()
{
    if (m_eof) {
        return;
    }
    m_mode = Mode::Browse;
    if (!m_next) {
        // The rowid breaks ties between equal keys of a non-unique index, so every row is
        // visited once; it also lets the walk continue from a row that was just deleted.
        m_next.emplace(m_db, selectSql("(" + m_table->indexTerms(*m_index) + ", rowid) > (" +
                                       placeholders(m_keyColumns.size() + 1) + ")"));
    }
    int parameter = 1;
    for (const std::size_t column : m_keyColumns) {
        bindCell(*m_next, parameter++, column, m_row[column]);
    }
    m_next->bind(parameter, m_rowId);
    fetch(*m_next);
}

void TableCursor::addNew()
{
    m_buffer.clear();
    for (const ColumnDef& column : m_table->columns) {
        m_buffer.push_back(column.type == ColumnType::Text ? "" : "0");
    }
    m_mode = Mode::Adding;
}

void TableCursor::edit()
{
    if (!m_current) {
        throw std::logic_error("edit on table " + std::string(m_table->name) +
                               " without a current row");
    }
    m_buffer = m_row;
    m_mode = Mode::Editing;
}

void TableCursor::update()
{
    if (m_mode == Mode::Browse) {
        throw std::logic_error("update on table " + std::string(m_table->name) +
                               " without addNew() or edit()");
    }
    if (m_writeRefusal) {
        throw *m_writeRefusal;
    }
    const std::vector<std::string_view> names = m_table->columnNames();
    const std::string table = quotedName(m_table->name);
    std::string sql;
    if (m_mode == Mode::Adding) {
        sql = "INSERT INTO " + table + " (" + quotedNames(names) + ") VALUES (" +
              placeholders(names.size()) + ")";
    } else {
        sql = "UPDATE " + table + " SET (" + quotedNames(names) + ") = (" +
              placeholders(names.size()) + ") WHERE rowid = ?";
    }
    Statement statement(m_db, sql);
    for (std::size_t column = 0; column < names.size(); ++column) {
        bindCell(statement, static_cast<int>(column + 1), column, m_buffer[column]);
    }
    if (m_mode == Mode::Editing) {
        statement.bind(static_cast<int>(names.size() + 1), m_rowId);
    }
    statement.run();
    if (m_mode == Mode::Adding) {
        m_rowId = sqlite3_last_insert_rowid(m_db);
    }
    m_row = std::move(m_buffer);
    m_mode = Mode::Browse;
    m_current = true;
    m_noMatch = false;
    m_eof = false;
}

void TableCursor::deleteRow()
{
    if (!m_current) {
        throw std::logic_error("deleteRow on table " + std::string(m_table->name) +
                               " without a current row");
    }
    if (m_writeRefusal) {
        throw *m_writeRefusal;
    }
    Statement statement(m_db, "DELETE FROM " + quotedName(m_table->name) + " WHERE rowid = ?");
    statement.bind(1, m_rowId);
    statement.run();
    m_mode = Mode::Browse;
    m_current = false;
}

void TableCursor::editOrAddNew(const std::vector<std::string>& key)
{
    setIndex(m_table->keyIndex().name);
    seek(Seek::Equal, key);
    if (!m_noMatch) {
        edit();
        return;
    }
    addNew();
    for (std::size_t i = 0; i < key.size(); ++i) {
        setCell(columnPosition(m_index->columns[i]), key[i]);
    }
}

std::string TableCursor::value(std::string_view column) const
{
    const std::size_t position = columnPosition(column);
    if (m_mode != Mode::Browse) {
        return m_buffer[position];
    }
    if (!m_current) {
        throw std::logic_error("reading " + std::string(column) + " without a current row");
    }
    return m_row[position];
}

long long TableCursor::number(std::string_view column) const
{
    if (m_table->columns[columnPosition(column)].type != ColumnType::Number) {
        throw std::invalid_argument(std::string(column) + " is not a number column");
    }
    return cellNumber(value(column));
}

void TableCursor::setValue(std::string_view column, std::string_view text)
{
    const std::size_t position = columnPosition(column);
    if (m_mode == Mode::Browse) {
        throw std::logic_error("setting " + std::string(column) + " without addNew() or edit()");
    }
    setCell(position, text);
}

void TableCursor::setValue(std::string_view column, long long number)
{
    setValue(column, std::to_string(number));
}

void TableCursor::setCell(std::size_t position, std::string_view text)
{
    const ColumnDef& column = m_table->columns[position];
    m_buffer[position] = cellFor(column, text);
    if (!column.sortKeyColumn.empty()) {
        m_buffer[columnPosition(column.sortKeyColumn)] = kanaSortKey(m_buffer[position]);
    }
}

std::size_t TableCursor::columnPosition(std::string_view column) const
{
    const int position = m_table->columnIndex(column);
    if (position < 0) {
        throw std::invalid_argument("table " + std::string(m_table->name) + " has no column " +
                                    std::string(column));
    }
    return static_cast<std::size_t>(position);
}

std::string TableCursor::selectSql(std::string_view condition) const
{
    return "SELECT rowid, " + quotedNames(m_table->columnNames()) + " FROM " +
           quotedName(m_table->name) + " INDEXED BY " + quotedName(m_index->name) + " WHERE " +
           std::string(condition) + " ORDER BY " + m_table->indexTerms(*m_index) +
           ", rowid LIMIT 1";
}

void TableCursor::bindCell(Statement& statement, int parameter, std::size_t column,
                           const std::string& cell) const
{
    if (m_table->columns[column].type == ColumnType::Number) {
        statement.bind(parameter, cellNumber(cell));
    } else {
        statement.bind(parameter, cell);
    }
}

void TableCursor::fetch(Statement& statement)
{
    m_current = statement.step();
    if (m_current) {
        m_rowId = statement.number(0);
        for (std::size_t i = 0; i < m_row.size(); ++i) {
            const int result = static_cast<int>(i + 1);
            m_row[i] = m_table->columns[i].type == ColumnType::Number
                           ? std::to_string(statement.number(result))
                           : statement.text(result);
        }
    }
    // Reset at once: a statement left pending would hold a read lock on the file.
    statement.reset();
    m_eof = !m_current;
}

} // namespace zoruka
