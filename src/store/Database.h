#pragma once

#include "store/DatabaseLocation.h"
#include "store/TableCursor.h"

#include <chrono>
#include <memory>
#include <string_view>

struct sqlite3;

namespace zoruka {

// An open connection to the club database, for one operation: open it, work through TableCursors
// (several rows at once inside a Transaction), and let it go. The file keeps its single-file
// rollback journal, so it stays one file that can be copied around.
//
// Every failure the user must hear about throws StoreError (see there); nothing is changed then.
class Database {
public:
    // How long an operation waits for another program that holds the file before giving up.
    static constexpr std::chrono::milliseconds kBusyTimeout{1500};

    // Opens the existing file. Throws StoreError when the file is missing, is not a database of
    // this program (the file is not touched then), comes from a newer version of the program,
    // cannot be read, or stays locked by another program for `busyTimeout`.
    // A file without write permission, or of a read-only location, opens for reading; writing to
    // it throws StoreError.
    static Database open(const DatabaseLocation& location,
                         std::chrono::milliseconds busyTimeout = kBusyTimeout);

    // As open(), but first creates the file when there is none (or it is empty), in one
    // transaction: the six tables with their indexes and the two carry-forward expense items.
    // The program calls this once while starting.
    static Database openOrCreate(const DatabaseLocation& location,
                                 std::chrono::milliseconds busyTimeout = kBusyTimeout);

    ~Database();
    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;

    // A cursor over one of the six tables, by its name; it must not outlive this database.
    // Throws std::invalid_argument for any other name.
    TableCursor table(std::string_view tableName);

    bool readOnly() const;
    sqlite3* handle() const { return m_db.get(); }

private:
    struct Closer {
        void operator()(sqlite3* db) const;
    };

    Database(const DatabaseLocation& location, std::chrono::milliseconds busyTimeout, bool create);
    bool isEmpty();
    void checkIsOurs();

    std::unique_ptr<sqlite3, Closer> m_db;
};

} // namespace zoruka
