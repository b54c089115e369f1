#include "store/Database.h"

#include "store/DatabaseClaims.h"
#include "store/LayoutUpgrade.h"
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

// The connection settings of every file: the file may come from anywhere, so its schema must
// not run functions or corrupt itself.
void configure(sqlite3* db, std::chrono::milliseconds busyTimeout)
{
    sqlite3_busy_timeout(db, static_cast<int>(busyTimeout.count()));
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
}

} // namespace

void Database::Closer::operator()(sqlite3* db) const { sqlite3_close_v2(db); }

Database Database::open(const DatabaseLocation& location, std::chrono::milliseconds busyTimeout)
{
    return Database(location, busyTimeout, Mode::Use);
}

Database Database::openOrCreate(const DatabaseLocation& location,
                                std::chrono::milliseconds busyTimeout)
{
    return Database(location, busyTimeout, Mode::Create);
}

Database Database::openAsIs(const DatabaseLocation& location, std::chrono::milliseconds busyTimeout)
{
    return Database(location, busyTimeout, Mode::AsIs);
}

Database Database::copyInMemory(const fs::path& file)
{
    std::error_code ignored;
    if (!fs::is_regular_file(file, ignored)) {
        throw StoreError::cannotOpen();
    }
    checkHeader(file);
    sqlite3* source = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &source,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_EXRESCODE, nullptr);
    const std::unique_ptr<sqlite3, Closer> sourceOwner(source);
    if (rc != SQLITE_OK) {
        throw StoreError::fromSqlite(rc);
    }
    configure(source, kBusyTimeout);
    sqlite3* memory = nullptr;
    sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE, nullptr);
    Database copy(memory);
    sqlite3_backup* backup = sqlite3_backup_init(memory, "main", source, "main");
    if (backup == nullptr) {
        throw StoreError::fromSqlite(sqlite3_extended_errcode(memory));
    }
    sqlite3_backup_step(backup, -1);
    const int copied = sqlite3_backup_finish(backup);
    if (copied != SQLITE_OK) {
        throw StoreError::fromSqlite(copied);
    }
    return copy;
}

Database::Database(sqlite3* db) : m_db(db) { configure(db, kBusyTimeout); }

Database::Database(const DatabaseLocation& location, std::chrono::milliseconds busyTimeout,
                   Mode mode)
{
    const fs::path& path = location.file();
    // A read-only location is never created nor written, not even to set an empty file up.
    if (location.readOnly() && mode == Mode::Create) {
        mode = Mode::Use;
    }
    std::error_code ignored;
    const fs::file_status status = fs::status(path, ignored);
    int flags = SQLITE_OPEN_READWRITE;
    if (!fs::exists(status)) {
        if (mode != Mode::Create) {
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
            m_writeRefusal = std::make_shared<const StoreError>(StoreError::readOnly());
        }
    }
    const DatabaseClaim* claim = findClaim(path);
    if (claim && claim->damage && mode != Mode::AsIs) {
        throw *claim->damage;
    }
    if (!m_writeRefusal && anotherCopyWrites(path)) {
        flags = SQLITE_OPEN_READONLY;
        m_writeRefusal = std::make_shared<const StoreError>(StoreError::otherCopyWrites());
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
    configure(db, busyTimeout);

    if (mode == Mode::Create && isEmpty()) {
        // Asked again under the write lock: another copy starting at the same moment may have
        // set the file up meanwhile.
        Transaction transaction(*this);
        if (isEmpty()) {
            createSchema(db);
            transaction.commit();
        }
    }
    if (layoutVersion() < kSchemaVersion && mode != Mode::AsIs) {
        upgradeLayout(*this);
    }
}

Database::~Database() = default;
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;

bool Database::isEmpty()
{
    // Not the page count: a write transaction on a new file has already made its first page.
    Statement contents(handle(), "SELECT (SELECT count(*) FROM sqlite_schema) + a.application_id + "
                                 "v.user_version FROM pragma_application_id AS a, "
                                 "pragma_user_version AS v");
    return contents.step() && contents.number(0) == 0;
}

long long Database::layoutVersion()
{
    Statement header(handle(), "SELECT a.application_id, v.user_version "
                               "FROM pragma_application_id AS a, pragma_user_version AS v");
    header.step();
    const long long version = header.number(1);
    if (header.number(0) != kApplicationId || version < 1) {
        throw StoreError::notOurs();
    }
    if (version > kSchemaVersion) {
        throw StoreError::newerVersion();
    }
    return version;
}

TableCursor Database::table(std::string_view tableName)
{
    return TableCursor(handle(), schemaTable(tableName), m_writeRefusal);
}

bool Database::readOnly() const { return sqlite3_db_readonly(handle(), "main") == 1; }

} // namespace zoruka
