#include "store/LayoutUpgrade.h"

#include "store/Database.h"
#include "store/LayoutCheck.h"
#include "store/Schema.h"
#include "store/SortKeys.h"
#include "store/Statement.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include <iterator>
#include <string>

namespace zoruka {

namespace {

// One change of the layout: brings a file of any earlier version to `toVersion`. A step says its
// own statements, as they were when it was written, and never reads schemaTables(), which
// describes only the newest layout.
struct UpgradeStep {
    int toVersion;
    void (*run)(sqlite3* db);
};

// Version 3: readings sort by a key column the store keeps, where they used to need a collation
// of this program that no other SQLite tool has. (Version 2 only rebuilt the reading index, which
// this step replaces, so a first-version file takes this step alone.)
void keepReadingSortKey(sqlite3* db)
{
    execute(db, "DROP INDEX IF EXISTS \"Idx_カナ\"");
    execute(db, "ALTER TABLE \"会員\" ADD COLUMN \"会_氏名カナ順\" TEXT NOT NULL DEFAULT ''");
    execute(db, "CREATE INDEX \"Idx_カナ\" ON \"会員\" (\"会_氏名カナ順\", \"会_氏名カナ\")");
    fillSortKeys(db, "会員", "会_氏名カナ", "会_氏名カナ順");
}

// Version 4: the attendance of each day (参加者), which numbers the players of its match tables.
void addAttendance(sqlite3* db)
{
    execute(db, "CREATE TABLE IF NOT EXISTS \"参加者\" (\"参_年\" TEXT NOT NULL DEFAULT '', "
                "\"参_月\" TEXT NOT NULL DEFAULT '', \"参_日\" TEXT NOT NULL DEFAULT '', "
                "\"参_順\" INTEGER NOT NULL DEFAULT 0, \"参_氏名\" TEXT NOT NULL DEFAULT '', "
                "\"参_ゲストF\" INTEGER NOT NULL DEFAULT 0, \"参_性別\" TEXT NOT NULL DEFAULT '', "
                "\"参_チーム\" TEXT NOT NULL DEFAULT '')");
    execute(db, "CREATE UNIQUE INDEX IF NOT EXISTS \"Key_参加者\" ON \"参加者\" "
                "(\"参_年\", \"参_月\", \"参_日\", \"参_順\")");
}

// Oldest first. A new table is a step of its CREATE TABLE and CREATE INDEX statements.
constexpr UpgradeStep kUpgradeSteps[] = {
    {3, keepReadingSortKey},
    {4, addAttendance},
};
static_assert(std::end(kUpgradeSteps)[-1].toVersion == kSchemaVersion);

} // namespace

long long storedVersion(sqlite3* db)
{
    Statement version(db, "PRAGMA user_version");
    version.step();
    return version.number(0);
}

void upgradeLayout(Database& database)
{
    sqlite3* db = database.handle();
    Transaction transaction(database);
    const long long version = storedVersion(db);
    if (version >= kSchemaVersion) {
        return;
    }
    for (const UpgradeStep& step : kUpgradeSteps) {
        if (step.toVersion > version) {
            step.run(db);
        }
    }
    execute(db, ("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
    if (const auto problems = layoutProblems(db); !problems.empty()) {
        throw StoreError::damaged(problems);
    }
    transaction.commit();
}

} // namespace zoruka
