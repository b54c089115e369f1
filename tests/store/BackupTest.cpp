#include "OtherCopy.h"
#include "StoreTestSupport.h"

#include "store/DatabaseStart.h"
#include "store/Restore.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/WriterLock.h"

#include <gtest/gtest.h>

#include <functional>

namespace zoruka {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> amounts(const fs::path& file)
{
    return test::queryFile(file, "SELECT 出_日 || ':' || 出_金額 FROM 出納帳 ORDER BY 1");
}

class BackupTest : public ::testing::Test {
protected:
    BackupTest()
    {
        startDatabase(m_folder.location(), test::morningOf(2026, 4, 1));
        enter("01", "1000");
    }

    void enter(const std::string& day, const std::string& amount)
    {
        Database database = Database::open(m_folder.location());
        test::enterCash(database, "26/04/" + day, "1", "10200", amount);
    }

    fs::path file() const { return m_folder.databaseFile(); }
    fs::path backups() const { return m_folder.path() / "バックアップ"; }

    test::TempFolder m_folder;
};

TEST_F(BackupTest, TheFirstStartOfEachDayKeepsTheNewestThirtyAndLeavesOtherFiles)
{
    EXPECT_EQ(test::fileNames(backups()),
              std::vector<std::string>{"ゾルカv3_20260401_090000_起動時.mdb"});
    test::writeFile(backups() / "メモ.txt", "手書きの控え");
    test::writeFile(backups() / "ゾルカv3_古い写し.mdb", "");
    startDatabase(m_folder.location(), test::morningOf(2026, 4, 1) + std::chrono::hours(3));
    EXPECT_EQ(test::fileNames(backups()).size(), 3u) << "a second start the same day";

    for (int day = 2; day <= 31; ++day) {
        startDatabase(m_folder.location(), test::morningOf(2026, 5, day));
    }
    const std::vector<BackupFile> kept = listBackups(backups());
    ASSERT_EQ(kept.size(), 30u);
    EXPECT_EQ(kept.front().path.filename(), "ゾルカv3_20260531_090000_起動時.mdb");
    EXPECT_EQ(kept.back().path.filename(), "ゾルカv3_20260502_090000_起動時.mdb");
    EXPECT_EQ(kept.front().shownTime(), "2026/05/31 09:00:00");
    EXPECT_EQ(kept.front().label, "起動時");
    EXPECT_TRUE(fs::exists(backups() / "メモ.txt"));
    EXPECT_TRUE(fs::exists(backups() / "ゾルカv3_古い写し.mdb"));
    // Each is a complete database of its own.
    EXPECT_EQ(amounts(kept.front().path), std::vector<std::string>{"01:1000"});
    EXPECT_EQ(test::queryFile(kept.front().path, "PRAGMA integrity_check"),
              std::vector<std::string>{"ok"});
}

TEST_F(BackupTest, ABackupIsRestoredAfterTheCurrentFileIsSavedInOneRename)
{
    const fs::path usb = m_folder.path() / "USB";
    const fs::path saved =
        writeBackup(m_folder.location(), usb, BackupReason::Manual, test::morningOf(2026, 4, 1));
    EXPECT_EQ(saved.filename(), "ゾルカv3_20260401_090000_手動.mdb");
    enter("02", "2000");

    restoreBackup(m_folder.location(), saved, test::morningOf(2026, 4, 3));
    EXPECT_EQ(amounts(file()), std::vector<std::string>{"01:1000"});
    const fs::path before = backups() / "ゾルカv3_20260403_090000_復元前.mdb";
    EXPECT_EQ(amounts(before), (std::vector<std::string>{"01:1000", "02:2000"}));
    EXPECT_EQ(test::fileNames(m_folder.path()),
              (std::vector<std::string>{"USB", "ゾルカv3.mdb", "バックアップ"}));
    // This copy stays the writer of the restored file.
    EXPECT_TRUE(WriterLock::isTaken(file()));
    enter("03", "3000");
    EXPECT_EQ(amounts(file()), (std::vector<std::string>{"01:1000", "03:3000"}));
}

TEST_F(BackupTest, AnUnfitBackupIsRefusedAndTheFileStaysAsItWas)
{
    const fs::path good = writeBackup(m_folder.location(), m_folder.path() / "USB",
                                      BackupReason::Manual, test::morningOf(2026, 4, 1));
    const fs::path cut = m_folder.path() / "USB" / "切れた.mdb";
    fs::copy_file(good, cut);
    fs::resize_file(cut, fs::file_size(cut) - 100);
    const fs::path newer = m_folder.path() / "USB" / "新しい.mdb";
    fs::copy_file(good, newer);
    test::RawConnection(newer).execute("PRAGMA user_version = " +
                                       std::to_string(kSchemaVersion + 1));
    const fs::path foreign = m_folder.path() / "USB" / "ほか.mdb";
    test::writeFile(foreign, "SQLite format 3 ではない");

    const std::string bytes = test::fileBytes(file());
    const std::vector<std::string> before = test::fileNames(backups());
    for (const auto& [backup, finding] :
         {std::pair{cut, "ファイルが途中で切れているか、余分なデータが付いています。"},
          std::pair{newer, "新しい版のプログラムで作られています。"},
          std::pair{foreign, "このプログラムのデータベースではありません。"},
          std::pair{file(), "いま使っているデータベースファイルです。"}}) {
        EXPECT_EQ(test::storeErrorOf([&] { restoreBackup(m_folder.location(), backup); }),
                  "バックアップ「" + backup.filename().string() + "」は復元に使えません。\n・" +
                      finding);
    }
    EXPECT_TRUE(test::fileBytes(file()) == bytes);
    EXPECT_EQ(test::fileNames(backups()), before);
    EXPECT_EQ(test::fileNames(m_folder.path()),
              (std::vector<std::string>{"USB", "ゾルカv3.mdb", "バックアップ"}));
}

TEST_F(BackupTest, ADamagedFileIsSavedByteForByteAndReplaced)
{
    const fs::path good = writeBackup(m_folder.location(), m_folder.path() / "USB",
                                      BackupReason::Manual, test::morningOf(2026, 4, 1));
    fs::resize_file(file(), fs::file_size(file()) - 1);
    const std::string damaged = test::fileBytes(file());
    EXPECT_NE(test::storeErrorOf([&] { startDatabase(m_folder.location()); }), "(no StoreError)");

    restoreBackup(m_folder.location(), good, test::morningOf(2026, 4, 2));
    EXPECT_TRUE(test::fileBytes(backups() / "ゾルカv3_20260402_090000_復元前.mdb") == damaged);
    EXPECT_EQ(amounts(file()), std::vector<std::string>{"01:1000"});
    enter("02", "2000");
}

TEST_F(BackupTest, AnEarlierLayoutIsUpgradedOnceRestored)
{
    const fs::path earlier = m_folder.path() / "以前.mdb";
    fs::copy_file(file(), earlier);
    {
        test::RawConnection old(earlier);
        old.execute("DROP INDEX Idx_カナ; ALTER TABLE 会員 DROP COLUMN 会_氏名カナ順; "
                    "CREATE INDEX Idx_カナ ON 会員 (会_氏名カナ); PRAGMA user_version = 1");
    }
    EXPECT_EQ(backupProblems(earlier), std::vector<std::string>{});
    restoreBackup(m_folder.location(), earlier);
    EXPECT_EQ(test::queryFile(file(), "PRAGMA user_version"),
              std::vector<std::string>{std::to_string(kSchemaVersion)});
}

TEST_F(BackupTest, ClosingAndRestoringAreRefusedBesideAnotherWriter)
{
    test::TempFolder other;
    test::OtherCopy first(other.path());
    ASSERT_EQ(first.report(), "writer\n");
    startDatabase(other.location());
    const std::string refusal = StoreError::otherCopyWrites().what();
    EXPECT_EQ(test::storeErrorOf([&] { backupBeforeClosing(other.location()); }), refusal);
    EXPECT_EQ(test::storeErrorOf(
                  [&] { restoreBackup(other.location(), listBackups(backups()).front().path); }),
              refusal);
}

} // namespace
} // namespace zoruka
