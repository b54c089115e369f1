#pragma once

#include "store/Backups.h"
#include "store/DatabaseLocation.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zoruka {

// What makes `backup` unfit to restore, one sentence each in Japanese: not a database of this
// program, made by a newer version, or damaged (damageFindings() on a copy in memory, upgraded
// first when it has an earlier layout). Empty when it can be restored. Never changes the file.
std::vector<std::string> backupProblems(const std::filesystem::path& backup);

// The newest backup in backupFolder() with no backupProblems(), or nothing.
std::optional<BackupFile> latestUsableBackup(const DatabaseLocation& location);

// What to do about a damaged database file: restore the latest usable backup, named, or there is
// none. Ends the message of StoreError::damaged().
std::string restoreAdvice(const DatabaseLocation& location);

// Puts `backup` in the place of the database file. The backup is checked first
// (backupProblems()), then the current file is saved as a backup itself ("復元前" in
// backupFolder(); a damaged one byte for byte, with the journal a crash left beside it), the
// backup is copied beside the database and checked again, and that copy takes the database's
// name in one rename, this copy of the program keeping the writer's claim on it. A file of an
// earlier layout is then upgraded. Throws StoreError, and then the database file is as it was:
// the backup's problems, another copy being the writer (otherCopyWrites()), or restoreFailed().
void restoreBackup(const DatabaseLocation& location, const std::filesystem::path& backup,
                   BackupClock::time_point now = BackupClock::now());

} // namespace zoruka
