#include "store/Transaction.h"

#include "store/Database.h"
#include "store/Statement.h"
#include "store/StoreError.h"

#include <sqlite3.h>

namespace zoruka {

Transaction::Transaction(Database& database) : m_database(database)
{
    if (database.writeRefusal()) {
        throw *database.writeRefusal();
    }
    if (database.readOnly()) {
        throw StoreError::readOnly();
    }
    execute(database.handle(), "BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    // sqlite3 may already have rolled back by itself after a failed write (disk full, I/O error).
    if (m_open && sqlite3_get_autocommit(m_database.handle()) == 0) {
        sqlite3_exec(m_database.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::commit()
{
    execute(m_database.handle(), "COMMIT");
    m_open = false;
}

} // namespace zoruka
