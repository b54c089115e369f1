#include "AccountsTestSupport.h"

#include "accounts/MonthClosing.h"
#include "store/Backups.h"
#include "store/StoreError.h"

namespace zoruka {
namespace {

namespace fs = std::filesystem;

class ClosingBackupTest : public test::AccountsTest {
protected:
    void close() { writeCarryForward(location(), *firstOfMonth("26", "04"), 3000, ""); }
    fs::path backups() const { return location().file().parent_path() / "バックアップ"; }
};

TEST_F(ClosingBackupTest, TheFileBeforeTheClosingIsBackedUpFirst)
{
    {
        Database database = open();
        test::enterCash(database, "26/04/10", "1", "10200", "3000");
    }
    close();
    const std::vector<BackupFile> made = listBackups(backups());
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made.front().label, "月締め前");
    EXPECT_EQ(test::queryFile(made.front().path, "SELECT 出_費目番号 FROM 出納帳"),
              std::vector<std::string>{"10200"});
    EXPECT_EQ(cashRows().size(), 3u);
}

TEST_F(ClosingBackupTest, WithoutItsBackupTheClosingWritesNothing)
{
    test::writeFile(backups(), "フォルダの代わりのファイル");
    try {
        close();
        ADD_FAILURE() << "closed";
    } catch (const StoreError& error) {
        EXPECT_STREQ(error.what(),
                     "バックアップを作成できませんでした（途中にフォルダでないものがあり"
                     "ます）。");
    }
    EXPECT_EQ(cashRows(), std::vector<std::string>{});
}

} // namespace
} // namespace zoruka
