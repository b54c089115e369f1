#pragma once

#include "store/DatabaseLocation.h"
#include "store/TableCursor.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string_view>

struct sqlite3;

namespace zoruka {

class StoreError;

// An open connection to the club database, for one operation: open it, work through TableCursors
// (several rows at once inside a Transaction), and let it go. The file keeps its single-file
// rollback journal, so it stays one file that can be copied around.
//
// Opening follows what the program learned of the file when it started on it (startDatabase()):
// a damaged file is not opened at all, and while another copy of the program is the file's
// writer this copy opens it read-only. Every failure the user must hear about throws StoreError
// (see there); nothing is changed then.
class Database {
public:
    // How long an operation waits for another program that holds the file before giving up.
    static constexpr std::chrono::milliseconds kBusyTimeout{1500};

    // Opens the existing file; a file of an earlier layout is upgraded (upgradeLayout()). Throws
    // StoreError when the file is missing, is not a database of this program (the file is not
    // touched then), comes from a newer version of the program, was found damaged when the
    // program started, cannot be read, or stays locked by another program for `busyTimeout`.
    // A file without write permission, one another copy of the program writes, or one of a
    // read-only location (DatabaseLocation::readOnlyFile()) opens for reading; writing to it
    // throws its writeRefusal().
    static Database open(const DatabaseLocation& location,
                         std::chrono::milliseconds busyTimeout = kBusyTimeout);

    // As open(), but first creates the file when there is none (or it holds nothing), in one
    // transaction that asks again whether it is empty: the tables with their indexes and the two
    // carry-forward expense items. A read-only location is never created.
    static Database openOrCreate(const DatabaseLocation& location,
                                 std::chrono::milliseconds busyTimeout = kBusyTimeout);

    // As open(), for looking at the file before anything is written to it: a file of an earlier
    // layout stays as it is, and one found damaged before opens all the same.
    static Database openAsIs(const DatabaseLocation& location,
                             std::chrono::milliseconds busyTimeout = kBusyTimeout);

    // An in-memory copy of the database file `file` (of any name), taken with SQLite's online
    // backup through a read-only connection: to check a backup, or to try its upgrade, without
    // touching it. Throws StoreError: notOurs() for a file that is not an SQLite database.
    static Database copyInMemory(const std::filesystem::path& file);

    ~Database();
    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;

    // The layout version of the file. Throws StoreError::notOurs() for a database of another
    // program and StoreError::newerVersion() for a layout newer than kSchemaVersion.
    long long layoutVersion();

    // A cursor over one of the tables, by its name; it must not outlive this database.
    // Throws std::invalid_argument for any other name.
    TableCursor table(std::string_view tableName);

    bool readOnly() const;
    // Why this copy may not write the file: StoreError::readOnly() for a file marked read-only,
    // StoreError::otherCopyWrites() while another copy is its writer; nullptr when it may.
    const std::shared_ptr<const StoreError>& writeRefusal() const { return m_writeRefusal; }
    sqlite3* handle() const { return m_db.get(); }

private:
    enum class Mode { Use, Create, AsIs };

    struct Closer {
        void operator()(sqlite3* db) const;
    };

    Database(const DatabaseLocation& location, std::chrono::milliseconds busyTimeout, Mode mode);
    explicit Database(sqlite3* db);
    bool isEmpty();

    std::unique_ptr<sqlite3, Closer> m_db;
    std::shared_ptr<const StoreError> m_writeRefusal;
};

} // namespace zoruka
