#pragma once

struct sqlite3;

namespace zoruka {

class Database;

// The layout version written in the file (user_version). Throws StoreError.
long long storedVersion(sqlite3* db);

// Brings a file of an earlier layout of this program to kSchemaVersion, through the ordered
// upgrade steps of LayoutUpgrade.cpp (a new layout raises kSchemaVersion and adds its step there).
// Every step the file still needs runs in one transaction that reads the version again inside it,
// so that a file another copy upgraded meanwhile is left alone, and that is committed only when
// layoutProblems() then finds nothing. The caller has made sure the file is intact.
// Throws StoreError, and then the file is as it was: StoreError::damaged() when the upgraded
// layout is still incomplete.
void upgradeLayout(Database& database);

} // namespace zoruka
