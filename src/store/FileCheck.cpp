#include "store/FileCheck.h"

#include "store/Database.h"
#include "store/LayoutCheck.h"
#include "store/Schema.h"
#include "store/Statement.h"
#include "store/StoreError.h"

namespace zoruka {

namespace {

long long pragmaNumber(Database& database, const char* pragma)
{
    Statement statement(database.handle(), pragma);
    statement.step();
    return statement.number(0);
}

std::vector<std::string> integrityProblems(Database& database, std::uintmax_t fileSize)
{
    // Read before the size: the first read rolls back what a crashed writer left half-done.
    const long long pageSize = pragmaNumber(database, "PRAGMA page_size");
    const long long pages = pragmaNumber(database, "PRAGMA page_count");
    if (static_cast<std::uintmax_t>(pageSize * pages) != fileSize) {
        return {"ファイルが途中で切れているか、余分なデータが付いています。"};
    }
    Statement check(database.handle(), "PRAGMA quick_check");
    int errors = 0;
    while (check.step()) {
        errors += check.text(0) == "ok" ? 0 : 1;
    }
    if (errors > 0) {
        return {"ファイルの中身が壊れています（検査で" + std::to_string(errors) +
                "件の誤りが見つかりました）。"};
    }
    return {};
}

} // namespace

std::vector<std::string> damageFindings(Database& database, std::uintmax_t fileSize)
{
    try {
        std::vector<std::string> findings = integrityProblems(database, fileSize);
        if (findings.empty() && database.layoutVersion() == kSchemaVersion) {
            findings = layoutProblems(database.handle());
        }
        return findings;
    } catch (const StoreError& error) {
        // SQLite refused to read on (a damaged page on the way to the list of tables).
        if (!error.damage()) {
            throw;
        }
        return error.findings();
    }
}

} // namespace zoruka
