#include "store/ReadTransaction.h"

#include "store/Database.h"
#include "store/Statement.h"

#include <sqlite3.h>

namespace zoruka {

ReadTransaction::ReadTransaction(Database& database) : m_database(database)
{
    execute(database.handle(), "BEGIN DEFERRED");
}

ReadTransaction::~ReadTransaction()
{
    // Nothing was written, so ending it cannot fail in a way that loses anything.
    if (sqlite3_get_autocommit(m_database.handle()) == 0) {
        sqlite3_exec(m_database.handle(), "COMMIT", nullptr, nullptr, nullptr);
    }
}

} // namespace zoruka
