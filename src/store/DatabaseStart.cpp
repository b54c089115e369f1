#include "store/DatabaseStart.h"

#include "store/Database.h"
#include "store/DatabaseClaims.h"
#include "store/FileCheck.h"
#include "store/LayoutUpgrade.h"
#include "store/Restore.h"
#include "store/Schema.h"
#include "store/SortKeys.h"
#include "store/StoreError.h"

#include <fcntl.h>
#include <unistd.h>

namespace zoruka {

namespace {

namespace fs = std::filesystem;

// The writer's claim needs a file to lock: on the first start an empty one, which creation then
// fills. An existing file is not touched.
void claimWriter(const fs::path& file, DatabaseClaim& claim)
{
    if (claim.lock && claim.lock->holds(file)) {
        return;
    }
    claim.lock.reset();
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        std::error_code error;
        if (!fs::exists(file, error)) {
            throw StoreError::cannotCreate();
        }
    } else {
        ::close(fd);
    }
    try {
        claim.lock = WriterLock::take(file);
        claim.otherCopyWrites = !claim.lock;
    } catch (const StoreError&) {
        // Not writable for this user: SQLite opens it read-only, and says so on a write.
        claim.otherCopyWrites = false;
    }
}

// Records that the file is damaged, with what to do, and returns the error to throw.
const StoreError& damaged(const DatabaseLocation& location, DatabaseClaim& claim,
                          const std::vector<std::string>& findings)
{
    claim.damage = StoreError::damaged(findings, restoreAdvice(location));
    return *claim.damage;
}

} // namespace

std::vector<std::string> startDatabase(const DatabaseLocation& location,
                                       BackupClock::time_point now)
{
    const fs::path& file = location.file();
    DatabaseClaim& claim = claimFor(file);
    claim.damage.reset();
    claimWriter(file, claim);
    std::vector<std::string> notices;
    if (claim.otherCopyWrites) {
        notices.emplace_back(database_start::kOtherCopy);
    }

    std::error_code error;
    if (fs::file_size(file, error) == 0 && !error) {
        if (claim.otherCopyWrites) {
            return notices; // the writer is setting it up at this moment
        }
        Database::openOrCreate(location);
    }
    try {
        Database database = Database::openAsIs(location);
        const std::uintmax_t size = fs::file_size(file, error);
        if (auto findings = damageFindings(database, error ? 0 : size); !findings.empty()) {
            throw damaged(location, claim, findings);
        }
        if (const auto& refusal = database.writeRefusal()) {
            if (!claim.otherCopyWrites) {
                notices.emplace_back(refusal->what());
            }
            return notices;
        }
        if (database.layoutVersion() < kSchemaVersion) {
            makeAutomaticBackup(location, BackupReason::BeforeUpgrade, now);
            upgradeLayout(database);
        }
        refreshSortKeys(database);
    } catch (const StoreError& error) {
        if (error.damage() && !claim.damage) {
            throw damaged(location, claim, error.findings());
        }
        throw;
    }

    if (!hasBackupOfDay(location, BackupReason::DailyStart, now)) {
        try {
            makeAutomaticBackup(location, BackupReason::DailyStart, now);
        } catch (const StoreError& error) {
            notices.push_back(std::string(database_start::kNoDailyBackup) + error.what());
        }
    }
    return notices;
}

} // namespace zoruka
