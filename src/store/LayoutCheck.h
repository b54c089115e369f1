#pragma once

#include <string>
#include <vector>

struct sqlite3;

namespace zoruka {

// What the file lacks of the layout of schemaTables(), one sentence each in Japanese ("表「出納帳」
// がありません。"), tables in schema order: a missing table, a missing column or one of another
// type, a missing index or one over other columns. Empty when the whole layout is there. What the
// layout does not name (a table or index another tool added) is left alone; a file with none of
// the tables is told in one sentence. Only reads.
// Throws StoreError when the file's own list of tables cannot be read.
std::vector<std::string> layoutProblems(sqlite3* db);

} // namespace zoruka
