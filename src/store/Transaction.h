#pragma once

namespace zoruka {

class Database;

// Makes the writes of one operation all or nothing: begun on construction, kept by commit(),
// rolled back when the object goes away without a successful commit (an exception half-way).
// Transactions do not nest.
class Transaction {
public:
    // Takes the write lock up front, so that a file held by another program is reported before
    // anything is written. Throws StoreError when the file is read-only (its writeRefusal()) or
    // stays locked.
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Throws StoreError when the writes cannot be made durable; they are rolled back then.
    void commit();

private:
    Database& m_database;
    bool m_open = true;
};

} // namespace zoruka
