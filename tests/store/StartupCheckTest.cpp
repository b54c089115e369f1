#include "StoreTestSupport.h"

#include "store/DatabaseStart.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace zoruka {
namespace {

namespace fs = std::filesystem;

const std::string kDamaged = "データベースファイル「ゾルカv3.mdb」が壊れています。\n・";
const std::string kRestoreDayOne =
    "\nこのファイルには書き込みません。メニューの「バックアップ」で、最新のバックアップ「ゾルカv3_"
    "20260401_090000_起動時.mdb」（2026/04/01 09:00:00）から復元してください。";

void overwrite(const fs::path& file, std::streamoff offset, const std::string& bytes)
{
    std::fstream stream(file, std::ios::binary | std::ios::in | std::ios::out);
    stream.seekp(offset);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct Damage {
    const char* name;
    std::function<void(const fs::path& file)> apply;
    std::string finding; // the start of the message's finding
};

class DamagedFile : public ::testing::TestWithParam<Damage> {};

// The file of a day's work is damaged overnight: the next start names what is wrong and the
// backup to restore, and neither writes to the file nor backs it up.
TEST_P(DamagedFile, IsNamedPreciselyAndNeverWritten)
{
    test::TempFolder folder;
    const fs::path file = folder.databaseFile();
    ASSERT_EQ(startDatabase(folder.location(), test::morningOf(2026, 4, 1)),
              std::vector<std::string>{});
    {
        Database database = Database::open(folder.location());
        for (const char* day : {"01", "02", "03"}) {
            test::enterCash(database, std::string("26/04/") + day, "1", "10200", "3000");
        }
    }
    GetParam().apply(file);
    const std::string bytes = test::fileBytes(file);
    const std::vector<std::string> backups = test::fileNames(folder.path() / "バックアップ");

    const std::string message =
        test::storeErrorOf([&] { startDatabase(folder.location(), test::morningOf(2026, 4, 2)); });
    EXPECT_EQ(message.substr(0, kDamaged.size() + GetParam().finding.size()),
              kDamaged + GetParam().finding);
    EXPECT_EQ(message.substr(message.size() - kRestoreDayOne.size()), kRestoreDayOne);
    EXPECT_EQ(test::storeErrorOf([&] { Database::open(folder.location()); }), message);
    EXPECT_TRUE(test::fileBytes(file) == bytes);
    EXPECT_EQ(test::fileNames(folder.path() / "バックアップ"), backups);
    EXPECT_EQ(test::fileNames(folder.path()),
              (std::vector<std::string>{"ゾルカv3.mdb", "バックアップ"}));
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedFile,
    ::testing::Values(
        Damage{
            "DroppedTable",
            [](const fs::path& file) { test::RawConnection(file).execute("DROP TABLE 出納明細"); },
            "表「出納明細」がありません。"},
        Damage{"DroppedColumn",
               [](const fs::path& file) {
                   test::RawConnection(file).execute("ALTER TABLE 会員 DROP COLUMN 会_備考");
               },
               "表「会員」に列「会_備考」がありません。"},
        Damage{"DroppedIndex",
               [](const fs::path& file) {
                   test::RawConnection(file).execute("DROP INDEX Key_出納帳");
               },
               "索引「Key_出納帳」がありません。"},
        Damage{"DamagedPage",
               [](const fs::path& file) {
                   const std::string root = test::queryFile(
                       file, "SELECT rootpage FROM sqlite_schema WHERE name = '出納帳'")[0];
                   overwrite(file, (std::stoll(root) - 1) * 4096 + 8, std::string(64, '\xff'));
               },
               "ファイルの中身が壊れています"},
        Damage{"CutShortByOneByte",
               [](const fs::path& file) { fs::resize_file(file, fs::file_size(file) - 1); },
               "ファイルが途中で切れているか、余分なデータが付いています。"},
        Damage{"OurIdButNoTables",
               [](const fs::path& file) {
                   fs::remove(file);
                   test::RawConnection(file).execute(
                       "PRAGMA application_id = " + std::to_string(kApplicationId) +
                       "; PRAGMA user_version = " + std::to_string(kSchemaVersion));
               },
               "表がひとつもありません。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupCheck, WithoutAUsableBackupTheMessageSaysSo)
{
    test::TempFolder folder;
    {
        test::RawConnection file(folder.databaseFile());
        file.execute("PRAGMA application_id = " + std::to_string(kApplicationId) +
                     "; PRAGMA user_version = " + std::to_string(kSchemaVersion));
    }
    fs::create_directory(folder.path() / "バックアップ");
    test::writeFile(folder.path() / "バックアップ" / "ゾルカv3_20260401_090000_起動時.mdb", "壊れ");
    EXPECT_EQ(test::storeErrorOf([&] { startDatabase(folder.location()); }),
              kDamaged + "表がひとつもありません。\nこのファイルには書き込みません。"
                         "復元に使えるバックアップがありません。");
}

} // namespace
} // namespace zoruka
