#include "store/Database.h"

#include "store/Schema.h"
#include "store/SchemaCreation.h"
#include "store/Statement.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include <sqlite3.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace zoruka {

namespace {

namespace fs = std::filesystem;

// Anything that does not start like an SQLite database (an old Access file, stray bytes) is
// refused before sqlite3 sees it, so that nothing can ever be written into it. An empty file
// passes: it holds nothing to lose.
void checkHeader(const fs::path& path)
{
    static constexpr char kMagic[16] = "SQLite format 3";
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw StoreError::cannotOpen();
    }
    char header[sizeof kMagic] = {};
    file.read(header, sizeof header);
    if (file.gcount() == 0) {
        return;
    }
    if (file.gcount() != sizeof header || std::memcmp(header, kMagic, sizeof header) != 0) {
        throw StoreError::notOurs();
    }
}

// A file marked read-only is opened for reading only, even for a user who could write it
// anyway (an administrator), so that the mark protects it.
bool markedWritable(const fs::file_status& status)
{
    constexpr auto anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & anyWrite) != fs::perms::none;
}

} // namespace

void Database::Closer::operator()(sqlite3* db) const { sqlite3_close_v2(db); }

Database Database::open(const DatabaseLocation& location, std::chrono::milliseconds busyTimeout)
{
    return Database(location, busyTimeout, false);
}

Database Database::openOrCreate(const DatabaseLocation& location,
                                std::chrono::milliseconds busyTimeout)
{
    return Database(location, busyTimeout, true);
}

Database::Database(const DatabaseLocation& location, std::chrono::milliseconds busyTimeout,
                   bool create)
{
    const fs::path& path = location.file();
    // A read-only location is never created nor written, not even to set an empty file up.
    create = create && !location.readOnly();
    std::error_code ignored;
    const fs::file_status status = fs::status(path, ignored);
    int flags = SQLITE_OPEN_READWRITE;
    if (!fs::exists(status)) {
        if (!create) {
            throw StoreError::missing();
        }
        flags |= SQLITE_OPEN_CREATE;
    } else {
        if (!fs::is_regular_file(status)) {
            throw StoreError::notOurs();
        }
        checkHeader(path);
        if (location.readOnly() || !markedWritable(status)) {
            flags = SQLITE_OPEN_READONLY;
        }
    }

    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_EXRESCODE, nullptr);
    // sqlite3 hands out a connection even when opening fails, and it must be closed.
    m_db.reset(db);
    if (rc != SQLITE_OK && (flags & SQLITE_OPEN_CREATE) != 0) {
        throw StoreError::cannotCreate();
    }
    if (rc != SQLITE_OK) {
        throw StoreError::fromSqlite(rc);
    }
    sqlite3_busy_timeout(db, static_cast<int>(busyTimeout.count()));
    // The file may come from anywhere: its schema must not run functions or corrupt itself.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    addReadingCollation(db);

    if (create && isEmpty()) {
        Transaction transaction(*this);
        createSchema(db);
        transaction.commit();
    }
    checkIsOurs();
}

Database::~Database() = default;
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;

bool Database::isEmpty()
{
    Statement pageCount(handle(), "PRAGMA page_count");
    return pageCount.step() && pageCount.number(0) == 0;
}

void Database::checkIsOurs()
{
    long long version = 0;
    {
        Statement header(handle(), "SELECT a.application_id, v.user_version "
                                   "FROM pragma_application_id AS a, pragma_user_version AS v");
        header.step();
        if (header.number(0) != kApplicationId) {
            throw StoreError::notOurs();
        }
        version = header.number(1);
    }
    if (version > kSchemaVersion) {
        throw StoreError::newerVersion();
    }
    if (version < 1) {
        throw StoreError::notOurs();
    }
    if (version < kSchemaVersion) {
        Transaction transaction(*this);
        migrateSchema(handle(), version);
        transaction.commit();
    }
}

TableCursor Database::table(std::string_view tableName)
{
    return TableCursor(handle(), schemaTable(tableName));
}

bool Database::readOnly() const { return sqlite3_db_readonly(handle(), "main") == 1; }

} // namespace zoruka
