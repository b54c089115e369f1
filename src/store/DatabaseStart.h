#pragma once

#include "store/Backups.h"
#include "store/DatabaseLocation.h"

#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

namespace database_start {

inline constexpr std::string_view kOtherCopy =
    "データベースファイル「ゾルカv3.mdb」は別のゾルカが使用中です。このゾルカでは表示はできますが、"
    "登録や更新はできません。登録や更新をするには、別のゾルカを終了してから、このゾルカを起動し直し"
    "てください。";
inline constexpr std::string_view kNoDailyBackup = "本日分のバックアップを作成できませんでした。";

} // namespace database_start

// What the program does with its database file while it starts, in this order:
// 1. creates it on the first start;
// 2. claims it as the file's one writer (WriterLock), or learns that another copy of the program
//    is the writer, and then only reads it for the whole run;
// 3. checks it (damageFindings()) before anything is written to it;
// 4. saves a backup ("更新前") and upgrades a file of an earlier layout;
// 5. gives rows that other tools wrote their sort keys;
// 6. makes the day's first backup ("起動時"), keeping the newest backups::kKept.
// What it learns holds for the rest of the run: every later Database::open() of the file follows
// it. Returns what the user should be told, in order: kOtherCopy, the read-only file's
// StoreError::readOnly(), or kNoDailyBackup with the reason. Throws StoreError when the file
// cannot be used: damaged() naming what is wrong and restoreAdvice() (the file is then never
// written to in this run, and no screen opens it), or a refusal of Database::open().
std::vector<std::string> startDatabase(const DatabaseLocation& location,
                                       BackupClock::time_point now = BackupClock::now());

} // namespace zoruka
