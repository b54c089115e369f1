#include "StoreTestSupport.h"

#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zoruka {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

constexpr std::chrono::milliseconds kShortWait{50};

const std::string kNotOurs =
    "データベースファイル「ゾルカv3.mdb」はこのプログラムのものではないため開けません。";
const std::string kLocked = "データベースファイル「ゾルカv3.mdb」はほかのプログラムが使用中です。"
                            "しばらくしてからやり直してください。";
const std::string kReadOnly =
    "データベースファイル「ゾルカv3.mdb」は読み取り専用のため書き込めません。";

std::vector<std::string> sorted(std::vector<std::string> rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

TEST(DatabaseFile, FirstStartCreatesTheTablesTheirIndexesAndTheCarryForwardItems)
{
    TempFolder folder;
    Database::openOrCreate(folder.location());
    const fs::path file = folder.databaseFile();
    EXPECT_EQ(file.filename(), "ゾルカv3.mdb");

    EXPECT_EQ(sorted(test::queryFile(file, "SELECT name FROM sqlite_master WHERE type = 'table'")),
              sorted({"マスタ", "費目", "会員", "出納帳", "出納明細", "練習予定", "参加者"}));
    EXPECT_EQ(sorted(test::queryFile(
                  file, "SELECT i.name, i.\"unique\", (SELECT group_concat(name, ',') FROM "
                        "(SELECT name FROM pragma_index_info(i.name) ORDER BY seqno)) "
                        "FROM sqlite_master AS t, pragma_index_list(t.name) AS i "
                        "WHERE t.type = 'table'")),
              sorted({"Key_マスタ|1|マ_番号,マ_連番", "Idx_マ名称|0|マ_番号,マ_名称",
                      "Idx_マ教科|0|マ_番号,マ_教科", "Key_費目|1|費_収支区分,費_費目番号",
                      "Idx_費目名|0|費_収支区分,費_名称", "Key_会員|1|会_氏名",
                      "Idx_カナ|0|会_氏名カナ順,会_氏名カナ", "Idx_出力順|0|会_出力順,会_氏名",
                      "Key_出納帳|1|出_年,出_月,出_日,出_収支区分,出_費目番号",
                      "Key_明細|1|明_年,明_月,明_日,明_収支区分,明_費目番号,明_氏名",
                      "Key_練習予定|1|練_年,練_月,練_日", "Key_参加者|1|参_年,参_月,参_日,参_順"}));
    EXPECT_EQ(test::queryFile(file, "SELECT c.name FROM sqlite_master AS t, pragma_table_info("
                                    "t.name) AS c WHERE t.type = 'table' AND c.type = 'INTEGER'"),
              (std::vector<std::string>{"会_有効F", "会_出力順", "出_金額", "明_金額", "参_順",
                                        "参_ゲストF"}));
    EXPECT_EQ(test::queryFile(file, "SELECT * FROM 費目 ORDER BY 1, 2"),
              (std::vector<std::string>{"1|10100|前月繰越||", "2|20900|次月繰越||"}));
    EXPECT_EQ(test::queryFile(file, "PRAGMA user_version"),
              std::vector<std::string>{std::to_string(kSchemaVersion)});
    EXPECT_EQ(test::queryFile(file, "PRAGMA application_id"),
              std::vector<std::string>{std::to_string(kApplicationId)});

    // Starting again finds the file as it is: the items are not added twice.
    Database::openOrCreate(folder.location());
    EXPECT_EQ(test::queryFile(file, "SELECT count(*) FROM 費目"), std::vector<std::string>{"2"});
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(DatabaseFile, AnEmptyFileIsSetUpAtStartButAMissingOneIsNotCreatedLater)
{
    TempFolder folder;
    EXPECT_EQ(test::storeErrorOf([&] { Database::open(folder.location()); }),
              "データベースファイル「ゾルカv3.mdb」が見つかりません。");
    EXPECT_FALSE(fs::exists(folder.databaseFile()));

    test::writeFile(folder.databaseFile(), "");
    EXPECT_EQ(test::storeErrorOf([&] { Database::open(folder.location()); }), kNotOurs);
    Database::openOrCreate(folder.location());
    Database::open(folder.location());

    EXPECT_EQ(test::storeErrorOf(
                  [&] { Database::openOrCreate(DatabaseLocation(folder.path() / "無い")); }),
              "データベースファイル「ゾルカv3.mdb」を作成できませんでした。");
}

TEST(DatabaseFile, StartFolderStaysWhereTheProgramStarted)
{
    const DatabaseLocation& atStart = DatabaseLocation::startFolder();
    const fs::path startFile = atStart.file();
    EXPECT_TRUE(startFile.is_absolute());
    EXPECT_EQ(startFile.filename(), "ゾルカv3.mdb");

    TempFolder elsewhere;
    const fs::path before = fs::current_path();
    fs::current_path(elsewhere.path());
    EXPECT_EQ(DatabaseLocation::startFolder().file(), startFile);
    const DatabaseLocation relative(".");
    fs::current_path(before);
    EXPECT_EQ(relative.file().parent_path().lexically_normal(),
              (elsewhere.path() / ".").lexically_normal());
}

TEST(DatabaseFile, FilesOfOtherProgramsAreRefusedAndLeftByteForByte)
{
    TempFolder folder;
    const fs::path file = folder.databaseFile();
    const std::string jetHeader =
        std::string("\x00\x01\x00\x00Standard Jet DB\x00", 20) + std::string(2028, '\x5a');
    std::vector<std::string> samples = {jetHeader, "garbage", std::string(4096, '\xff')};
    {
        TempFolder other;
        test::RawConnection db(other.databaseFile());
        db.execute("CREATE TABLE 会員 (名前 TEXT); INSERT INTO 会員 VALUES ('x')");
        samples.push_back(test::fileBytes(other.databaseFile()));
    }
    for (const std::string& bytes : samples) {
        test::writeFile(file, bytes);
        EXPECT_EQ(test::storeErrorOf([&] { Database::open(folder.location()); }), kNotOurs);
        EXPECT_EQ(test::storeErrorOf([&] { Database::openOrCreate(folder.location()); }), kNotOurs);
        EXPECT_EQ(test::fileBytes(file), bytes);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(DatabaseFile, AFileOfANewerVersionIsRefusedUnchanged)
{
    TempFolder folder;
    Database::openOrCreate(folder.location());
    test::RawConnection(folder.databaseFile())
        .execute("PRAGMA user_version = " + std::to_string(kSchemaVersion + 1));
    const std::string bytes = test::fileBytes(folder.databaseFile());

    EXPECT_EQ(
        test::storeErrorOf([&] { Database::openOrCreate(folder.location()); }),
        "データベースファイル「ゾルカv3.mdb」は新しい版のプログラムで作られたため開けません。");
    EXPECT_EQ(test::fileBytes(folder.databaseFile()), bytes);
}

TEST(DatabaseFile, ALockedFileIsReportedAfterWaitingAndKeepsItsRows)
{
    TempFolder folder;
    {
        Database database = Database::openOrCreate(folder.location());
        test::enterCash(database, "26/04/01", "1", "10100", "1000");
    }
    test::RawConnection other(folder.databaseFile());

    other.execute("BEGIN EXCLUSIVE");
    EXPECT_EQ(test::storeErrorOf([&] { Database::open(folder.location(), kShortWait); }), kLocked);
    other.execute("ROLLBACK");

    // While another program is writing, reading goes on but writing is refused.
    other.execute("BEGIN IMMEDIATE");
    Database database = Database::open(folder.location(), kShortWait);
    TableCursor cash = database.table("出納帳");
    cash.setIndex("Key_出納帳");
    cash.seek(Seek::Equal, {"26", "04", "01", "1", "10100"});
    EXPECT_EQ(cash.number("出_金額"), 1000);
    EXPECT_EQ(test::storeErrorOf([&] { Transaction transaction(database); }), kLocked);
    EXPECT_EQ(test::storeErrorOf([&] { test::enterCash(database, "26/04/01", "1", "10100", "5"); }),
              kLocked);
    other.execute("ROLLBACK");

    EXPECT_EQ(test::queryFile(folder.databaseFile(), "SELECT 出_金額 FROM 出納帳"),
              std::vector<std::string>{"1000"});
}

TEST(DatabaseFile, AReadOnlyFileCanBeReadButNotWritten)
{
    TempFolder folder;
    {
        Database database = Database::openOrCreate(folder.location());
        test::enterCash(database, "26/04/01", "1", "10100", "1000");
    }
    fs::permissions(folder.databaseFile(), fs::perms::owner_read | fs::perms::group_read);
    const std::string bytes = test::fileBytes(folder.databaseFile());

    Database database = Database::openOrCreate(folder.location());
    EXPECT_TRUE(database.readOnly());
    TableCursor cash = database.table("出納帳");
    cash.setIndex("Key_出納帳");
    cash.seek(Seek::AtLeast, {"26", "04", "", "", ""});
    EXPECT_EQ(cash.value("出_金額"), "1000");
    EXPECT_EQ(test::storeErrorOf([&] { Transaction transaction(database); }), kReadOnly);
    EXPECT_EQ(test::storeErrorOf([&] { test::enterCash(database, "26/04/02", "1", "10100", "5"); }),
              kReadOnly);
    EXPECT_EQ(test::storeErrorOf([&] { cash.deleteRow(); }), kReadOnly);
    EXPECT_EQ(test::fileBytes(folder.databaseFile()), bytes);
}

TEST(DatabaseFile, AReadOnlyLocationReadsAFileOfAnyNameAndNeverWritesOrCreatesIt)
{
    TempFolder folder;
    {
        Database database = Database::openOrCreate(folder.location());
        test::enterCash(database, "26/04/01", "1", "10100", "1000");
    }
    const fs::path copy = folder.path() / "前年度.mdb";
    fs::copy_file(folder.databaseFile(), copy);
    const std::string bytes = test::fileBytes(copy);

    const DatabaseLocation location = DatabaseLocation::readOnlyFile(copy);
    Database database = Database::openOrCreate(location);
    EXPECT_TRUE(database.readOnly());
    TableCursor cash = database.table("出納帳");
    cash.setIndex("Key_出納帳");
    cash.seek(Seek::Equal, {"26", "04", "01", "1", "10100"});
    EXPECT_EQ(cash.value("出_金額"), "1000");
    EXPECT_EQ(test::storeErrorOf([&] { test::enterCash(database, "26/04/02", "1", "10100", "5"); }),
              kReadOnly);
    EXPECT_EQ(test::fileBytes(copy), bytes);

    const fs::path missing = folder.path() / "none.mdb";
    EXPECT_THROW(Database::openOrCreate(DatabaseLocation::readOnlyFile(missing)), StoreError);
    EXPECT_FALSE(fs::exists(missing));
}

} // namespace
} // namespace zoruka
