#pragma once

struct sqlite3;

namespace zoruka {

// Writes the tables and indexes of schemaTables(), the two carry-forward expense items ("10100"
// "前月繰越" income, "20900" "次月繰越" expense), the application id and the schema version into
// an empty database. The caller holds the write transaction. Throws StoreError.
void createSchema(sqlite3* db);

} // namespace zoruka
