#pragma once

namespace zoruka {

class Database;

// Holds one consistent view of the file for the reads of one operation: begun on construction,
// ended when the object goes away. Without it every step of a walk takes and lets go of the
// file's read lock, which costs several times the reading itself; inside it a walk over many
// rows (a fiscal year of the cash book) is fast and sees no write another program makes
// meanwhile. Nothing may be written inside it, and it does not nest with Transaction.
class ReadTransaction {
public:
    // Throws StoreError when the file cannot be read.
    explicit ReadTransaction(Database& database);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    Database& m_database;
};

} // namespace zoruka
