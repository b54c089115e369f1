#include "store/Backups.h"

#include "common/SystemErrorText.h"
#include "store/Database.h"
#include "store/DatabaseClaims.h"
#include "store/DurableFiles.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <memory>

namespace zoruka {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".mdb";
// A backup being written; never listed, so a crash half-way leaves nothing that looks whole.
constexpr std::string_view kPartSuffix = ".part";

std::string_view labelOf(BackupReason reason)
{
    switch (reason) {
    case BackupReason::DailyStart:
        return "起動時";
    case BackupReason::BeforeClosing:
        return "月締め前";
    case BackupReason::BeforeUpgrade:
        return "更新前";
    case BackupReason::BeforeRestore:
        return "復元前";
    case BackupReason::Manual:
        return "手動";
    }
    return "";
}

// "ゾルカv3_"
std::string namePrefix() { return fs::path(kDatabaseFileName).stem().string() + "_"; }

// "yyyymmdd_hhmmss" in local time.
std::string stampOf(BackupClock::time_point time)
{
    const std::time_t seconds = BackupClock::to_time_t(time);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d_%H%M%S", &local);
    return text;
}

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The backup a file name stands for, or nothing for any other name.
std::optional<BackupFile> asBackup(const fs::path& path)
{
    const std::string name = path.filename().string();
    const std::string prefix = namePrefix();
    constexpr std::size_t kStampLength = 15;
    if (name.size() < prefix.size() + kStampLength + 2 + kExtension.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) != 0) {
        return std::nullopt;
    }
    const std::string stamp = name.substr(prefix.size(), kStampLength);
    const std::size_t labelStart = prefix.size() + kStampLength + 1;
    if (!allDigits(stamp.substr(0, 8)) || stamp[8] != '_' || !allDigits(stamp.substr(9)) ||
        name[labelStart - 1] != '_') {
        return std::nullopt;
    }
    std::string label = name.substr(labelStart, name.size() - kExtension.size() - labelStart);
    if (const auto counter = label.rfind('_');
        counter != std::string::npos && allDigits(label.substr(counter + 1))) {
        label.erase(counter);
    }
    return BackupFile{path, stamp, label};
}

// A name in `folder` no file has yet.
fs::path freeName(const fs::path& folder, const std::string& stamp, std::string_view label)
{
    const std::string base = namePrefix() + stamp + "_" + std::string(label);
    fs::path candidate = folder / (base + std::string(kExtension));
    std::error_code error;
    for (int counter = 2; fs::exists(candidate, error); ++counter) {
        candidate = folder / (base + "_" + std::to_string(counter) + std::string(kExtension));
    }
    return candidate;
}

std::string sqliteReason(int resultCode)
{
    switch (resultCode & 0xFF) {
    case SQLITE_FULL:
        return systemErrorText(ENOSPC);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_READONLY:
        return systemErrorText(EACCES);
    default:
        return sqlite3_errstr(resultCode);
    }
}

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};

// Copies the database of `source` into a new file at `target` with the online backup.
void copyDatabase(Database& source, const fs::path& target)
{
    sqlite3* opened = nullptr;
    int rc = sqlite3_open_v2(target.c_str(), &opened,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXRESCODE,
                             nullptr);
    std::unique_ptr<sqlite3, Closer> copy(opened);
    if (rc == SQLITE_OK) {
        sqlite3_backup* backup = sqlite3_backup_init(copy.get(), "main", source.handle(), "main");
        if (backup == nullptr) {
            rc = sqlite3_extended_errcode(copy.get());
        } else {
            sqlite3_backup_step(backup, -1);
            rc = sqlite3_backup_finish(backup);
        }
    }
    if (rc == SQLITE_OK) {
        rc = sqlite3_close(copy.release());
    }
    if (rc != SQLITE_OK) {
        throw StoreError::backupFailed(sqliteReason(rc));
    }
}

// Writes `target` through a temporary name with `write`, which gets the temporary path; nothing is
// left behind when it throws.
template <typename Write> void writeWhole(const fs::path& target, Write write)
{
    const fs::path part = target.string() + std::string(kPartSuffix);
    std::error_code error;
    fs::remove(part, error);
    try {
        write(part);
    } catch (...) {
        fs::remove(part, error);
        throw;
    }
    fs::rename(part, target, error);
    if (error) {
        fs::remove(part, error);
        throw StoreError::backupFailed(systemErrorText(error.value()));
    }
    syncFolder(target.parent_path());
}

fs::path newBackupName(const fs::path& folder, BackupReason reason, BackupClock::time_point now)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw StoreError::backupFailed(systemErrorText(error.value()));
    }
    return freeName(folder, stampOf(now), labelOf(reason));
}

} // namespace

std::string BackupFile::shownTime() const
{
    return stamp.substr(0, 4) + "/" + stamp.substr(4, 2) + "/" + stamp.substr(6, 2) + " " +
           stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
}

fs::path backupFolder(const DatabaseLocation& location)
{
    return location.file().parent_path() / backups::kFolderName;
}

std::vector<BackupFile> listBackups(const fs::path& folder)
{
    std::vector<BackupFile> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (auto backup = asBackup(entry->path()); backup && entry->is_regular_file(error)) {
            found.push_back(std::move(*backup));
        }
    }
    std::sort(found.begin(), found.end(), [](const BackupFile& a, const BackupFile& b) {
        return std::pair(a.stamp, a.path.filename()) > std::pair(b.stamp, b.path.filename());
    });
    return found;
}

fs::path writeBackup(const DatabaseLocation& location, const fs::path& folder, BackupReason reason,
                     BackupClock::time_point now)
{
    if (const DatabaseClaim* claim = findClaim(location.file()); claim && claim->damage) {
        throw *claim->damage;
    }
    Database source = Database::openAsIs(location);
    const fs::path target = newBackupName(folder, reason, now);
    writeWhole(target, [&](const fs::path& part) { copyDatabase(source, part); });
    return target;
}

fs::path saveAsItIs(const DatabaseLocation& location, BackupClock::time_point now)
{
    const fs::path target = newBackupName(backupFolder(location), BackupReason::BeforeRestore, now);
    const auto copyBytes = [&](const fs::path& part) {
        std::error_code error;
        fs::remove(part, error);
        fs::copy_file(location.file(), part, error);
        if (error) {
            throw StoreError::backupFailed(systemErrorText(error.value()));
        }
    };
    writeWhole(target, [&](const fs::path& part) {
        // A damaged file is kept exactly as it was found, for whoever looks into it later.
        if (const DatabaseClaim* claim = findClaim(location.file()); claim && claim->damage) {
            copyBytes(part);
            return;
        }
        try {
            Database source = Database::openAsIs(location);
            copyDatabase(source, part);
        } catch (const StoreError&) {
            copyBytes(part);
        }
    });
    const fs::path journal = location.file().string() + "-journal";
    std::error_code error;
    if (fs::exists(journal, error)) {
        fs::rename(journal, target.string() + "-journal", error);
        if (error) {
            throw StoreError::backupFailed(systemErrorText(error.value()));
        }
    }
    return target;
}

fs::path makeAutomaticBackup(const DatabaseLocation& location, BackupReason reason,
                             BackupClock::time_point now)
{
    if (const auto refusal = Database::openAsIs(location).writeRefusal()) {
        throw *refusal;
    }
    const fs::path folder = backupFolder(location);
    fs::path made = writeBackup(location, folder, reason, now);
    const std::vector<BackupFile> all = listBackups(folder);
    for (std::size_t i = backups::kKept; i < all.size(); ++i) {
        std::error_code ignored;
        fs::remove(all[i].path, ignored);
        fs::remove(all[i].path.string() + "-journal", ignored);
    }
    return made;
}

bool hasBackupOfDay(const DatabaseLocation& location, BackupReason reason,
                    BackupClock::time_point now)
{
    const std::string day = stampOf(now).substr(0, 8);
    const std::vector<BackupFile> all = listBackups(backupFolder(location));
    return std::any_of(all.begin(), all.end(), [&](const BackupFile& backup) {
        return backup.label == labelOf(reason) && backup.stamp.compare(0, 8, day) == 0;
    });
}

void backupBeforeClosing(const DatabaseLocation& location)
{
    makeAutomaticBackup(location, BackupReason::BeforeClosing);
}

} // namespace zoruka
