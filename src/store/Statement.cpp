#include "store/Statement.h"

#include "store/StoreError.h"

#include <sqlite3.h>

#include <utility>

namespace zoruka {

Statement::Statement(sqlite3* db, std::string_view sql)
{
    const int rc =
        sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        throw StoreError::fromSqlite(rc);
    }
}

Statement::~Statement() { sqlite3_finalize(m_stmt); }

Statement::Statement(Statement&& other) noexcept : m_stmt(std::exchange(other.m_stmt, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_stmt = std::exchange(other.m_stmt, nullptr);
    }
    return *this;
}

void Statement::bind(int parameter, std::string_view text)
{
    const int rc = sqlite3_bind_text(m_stmt, parameter, text.data(), static_cast<int>(text.size()),
                                     SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) {
        throw StoreError::fromSqlite(rc);
    }
}

void Statement::bind(int parameter, long long number)
{
    const int rc = sqlite3_bind_int64(m_stmt, parameter, number);
    if (rc != SQLITE_OK) {
        throw StoreError::fromSqlite(rc);
    }
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    // Resetting releases the locks the failed statement may hold before the caller reports it.
    sqlite3_reset(m_stmt);
    throw StoreError::fromSqlite(rc);
}

void Statement::run()
{
    while (step()) {
    }
    reset();
}

void Statement::reset() { sqlite3_reset(m_stmt); }

std::string Statement::text(int column) const
{
    const auto* bytes = sqlite3_column_text(m_stmt, column);
    if (bytes == nullptr) {
        return {};
    }
    return {reinterpret_cast<const char*>(bytes),
            static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column))};
}

long long Statement::number(int column) const { return sqlite3_column_int64(m_stmt, column); }

void execute(sqlite3* db, const char* sql)
{
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        throw StoreError::fromSqlite(rc);
    }
}

} // namespace zoruka
