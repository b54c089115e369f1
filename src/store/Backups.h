#pragma once

#include "store/DatabaseLocation.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

namespace backups {

// The folder of the automatic backups, beside the database file.
inline constexpr std::string_view kFolderName = "バックアップ";
// How many backups that folder keeps; older ones are deleted.
inline constexpr std::size_t kKept = 30;

} // namespace backups

using BackupClock = std::chrono::system_clock;

// Why a backup was made; its label ends the backup's name.
enum class BackupReason {
    DailyStart,    // "起動時": the first start of a day
    BeforeClosing, // "月締め前": just before a month-end closing
    BeforeUpgrade, // "更新前": before the file's layout is upgraded
    BeforeRestore, // "復元前": the file a restore replaces
    Manual,        // "手動": made from the backup screen
};

// A backup file: "ゾルカv3_yyyymmdd_hhmmss_<label>.mdb", named by the local date and time it was
// made (a second one in the same second ends "_2", "_3", ...).
struct BackupFile {
    std::filesystem::path path;
    std::string stamp; // "yyyymmdd_hhmmss"
    std::string label; // "起動時", "手動", ...

    // "yyyy/mm/dd hh:mm:ss"
    std::string shownTime() const;
};

// Where the automatic backups of the database go: "バックアップ" beside it.
std::filesystem::path backupFolder(const DatabaseLocation& location);

// The backups in `folder`, newest first; files not named like a backup are left out.
std::vector<BackupFile> listBackups(const std::filesystem::path& folder);

// Writes a backup of the database into `folder` (created when missing) with SQLite's online
// backup: one complete, consistent file, written under a temporary name and renamed only when
// whole. Returns its path. Throws StoreError and leaves nothing behind: the database's own
// refusals (missing, foreign, found damaged when the program started) or backupFailed().
std::filesystem::path writeBackup(const DatabaseLocation& location,
                                  const std::filesystem::path& folder, BackupReason reason,
                                  BackupClock::time_point now = BackupClock::now());

// writeBackup() into backupFolder(), then deletes all but the newest backups::kKept there. Only
// a copy of the program that may write the database makes them: the others are refused with its
// writeRefusal().
std::filesystem::path makeAutomaticBackup(const DatabaseLocation& location, BackupReason reason,
                                          BackupClock::time_point now = BackupClock::now());

// Saves the database file as it is into backupFolder() as a "復元前" backup, whatever its state:
// with the online backup where SQLite reads it, byte for byte when it was found damaged or SQLite
// cannot read it, together with the journal a crash left beside it (which belongs to it, and to
// no other file). Returns its path. Throws
// StoreError::backupFailed().
std::filesystem::path saveAsItIs(const DatabaseLocation& location, BackupClock::time_point now);

// Whether backupFolder() holds a backup made for `reason` on the (local) day of `now`.
bool hasBackupOfDay(const DatabaseLocation& location, BackupReason reason,
                    BackupClock::time_point now);

// The backup a month-end closing makes just before it writes (makeAutomaticBackup()). Throws
// StoreError: the closing must not go on without it.
void backupBeforeClosing(const DatabaseLocation& location);

} // namespace zoruka
