#include "OtherCopy.h"
#include "StoreTestSupport.h"

#include "store/DatabaseStart.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/Transaction.h"
#include "store/WriterLock.h"

#include <gtest/gtest.h>

#include <functional>

namespace zoruka {
namespace {

namespace fs = std::filesystem;
using test::OtherCopy;

const std::string kOtherCopyWrites =
    "データベースファイル「ゾルカv3.mdb」は別のゾルカが使用中のため書き込めません。登録や更新をする"
    "には、別のゾルカを終了してから、このゾルカを起動し直してください。";

void addMember(Database& database, const std::string& name)
{
    TableCursor members = database.table("会員");
    members.editOrAddNew({name});
    members.update();
}

// How this test process reaches the file the other copy started on.
struct Path {
    const char* name;
    std::function<DatabaseLocation(const test::TempFolder& folder)> reach;
};

class SecondCopy : public ::testing::TestWithParam<Path> {};

TEST_P(SecondCopy, OnlyReadsAndSaysWhy)
{
    test::TempFolder folder;
    OtherCopy first(folder.path());
    ASSERT_EQ(first.report(), "writer\n");
    const DatabaseLocation second = GetParam().reach(folder);
    const std::string bytes = test::fileBytes(folder.databaseFile());

    EXPECT_EQ(startDatabase(second),
              std::vector<std::string>{std::string(database_start::kOtherCopy)});
    Database database = Database::open(second);
    EXPECT_TRUE(database.readOnly());
    TableCursor items = database.table("費目");
    items.setIndex("Key_費目");
    items.seek(Seek::Equal, {"1", "10100"});
    EXPECT_EQ(items.value("費_名称"), "前月繰越");
    EXPECT_EQ(test::storeErrorOf([&] { Transaction transaction(database); }), kOtherCopyWrites);
    EXPECT_EQ(test::storeErrorOf([&] { addMember(database, "佐藤"); }), kOtherCopyWrites);
    EXPECT_EQ(test::storeErrorOf([&] { items.deleteRow(); }), kOtherCopyWrites);
    EXPECT_TRUE(test::fileBytes(folder.databaseFile()) == bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SecondCopy,
    ::testing::Values(Path{"SameFolder",
                           [](const test::TempFolder& folder) { return folder.location(); }},
                      Path{"LinkedFolder",
                           [](const test::TempFolder& folder) {
                               const fs::path link = folder.path() / "別名";
                               fs::create_directory_symlink(folder.path(), link);
                               return DatabaseLocation(link);
                           }},
                      Path{"HardLinkedFile",
                           [](const test::TempFolder& folder) {
                               const fs::path other = folder.path() / "別の場所";
                               fs::create_directory(other);
                               fs::create_hard_link(folder.databaseFile(),
                                                    other / kDatabaseFileName);
                               return DatabaseLocation(other);
                           }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriterClaim, ACrashedCopyLeavesNoLockAndNoHalfWrite)
{
    test::TempFolder folder;
    {
        OtherCopy crashing(folder.path(), true);
        ASSERT_EQ(crashing.report(), "writer\n");
        EXPECT_TRUE(WriterLock::isTaken(folder.databaseFile()));
        crashing.kill();
    }
    EXPECT_TRUE(fs::exists(folder.databaseFile().string() + "-journal"));
    EXPECT_FALSE(WriterLock::isTaken(folder.databaseFile()));
    EXPECT_EQ(startDatabase(folder.location()), std::vector<std::string>{});
    Database database = Database::open(folder.location());
    EXPECT_FALSE(database.writeRefusal());
    EXPECT_EQ(test::queryFile(folder.databaseFile(), "SELECT count(*) FROM 会員"),
              std::vector<std::string>{"0"});
    addMember(database, "佐藤");
}

TEST(WriterClaim, CopiesStartingTogetherOnANewFileMakeItOnceWithOneWriter)
{
    test::TempFolder folder;
    std::string reports;
    {
        OtherCopy first(folder.path());
        OtherCopy second(folder.path());
        reports = first.report() + second.report();
    }
    const std::string notice = std::string(database_start::kOtherCopy) + "\n";
    EXPECT_TRUE(reports == "writer\n" + notice || reports == notice + "writer\n") << reports;
    EXPECT_EQ(test::queryFile(folder.databaseFile(), "SELECT count(*) FROM 費目"),
              std::vector<std::string>{"2"});
}

TEST(WriterClaim, WithoutAStartAProcessStillNeverWritesBesideTheWriter)
{
    test::TempFolder folder;
    OtherCopy first(folder.path());
    ASSERT_EQ(first.report(), "writer\n");
    Database database = Database::open(folder.location());
    EXPECT_EQ(test::storeErrorOf([&] { addMember(database, "佐藤"); }), kOtherCopyWrites);
}

} // namespace
} // namespace zoruka
