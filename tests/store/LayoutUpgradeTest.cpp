#include "StoreTestSupport.h"

#include "store/LayoutUpgrade.h"
#include "store/Schema.h"
#include "store/SortKeys.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

namespace fs = std::filesystem;

// The statements the program wrote a new file with before version 3; `readingCollation` is how
// the reading index sorted: by code point in version 1, by a collation of the program in 2.
std::string earlierLayout(int version, const std::string& readingCollation)
{
    return R"(BEGIN;
CREATE TABLE "マスタ" ("マ_番号" TEXT NOT NULL DEFAULT '', "マ_連番" TEXT NOT NULL DEFAULT '',
  "マ_名称" TEXT NOT NULL DEFAULT '', "マ_略称" TEXT NOT NULL DEFAULT '',
  "マ_教科" TEXT NOT NULL DEFAULT '', "マ_備考" TEXT NOT NULL DEFAULT '');
CREATE UNIQUE INDEX "Key_マスタ" ON "マスタ" ("マ_番号", "マ_連番");
CREATE INDEX "Idx_マ名称" ON "マスタ" ("マ_番号", "マ_名称");
CREATE INDEX "Idx_マ教科" ON "マスタ" ("マ_番号", "マ_教科");
CREATE TABLE "費目" ("費_収支区分" TEXT NOT NULL DEFAULT '', "費_費目番号" TEXT NOT NULL DEFAULT '',
  "費_名称" TEXT NOT NULL DEFAULT '', "費_略称" TEXT NOT NULL DEFAULT '',
  "費_備考" TEXT NOT NULL DEFAULT '');
CREATE UNIQUE INDEX "Key_費目" ON "費目" ("費_収支区分", "費_費目番号");
CREATE INDEX "Idx_費目名" ON "費目" ("費_収支区分", "費_名称");
CREATE TABLE "会員" ("会_氏名" TEXT NOT NULL DEFAULT '', "会_氏名カナ" TEXT NOT NULL DEFAULT '',
  "会_年齢" TEXT NOT NULL DEFAULT '', "会_性別" TEXT NOT NULL DEFAULT '',
  "会_有効F" INTEGER NOT NULL DEFAULT 0, "会_出力順" INTEGER NOT NULL DEFAULT 0,
  "会_郵便1" TEXT NOT NULL DEFAULT '', "会_郵便2" TEXT NOT NULL DEFAULT '',
  "会_住所1" TEXT NOT NULL DEFAULT '', "会_住所2" TEXT NOT NULL DEFAULT '',
  "会_電話" TEXT NOT NULL DEFAULT '', "会_備考" TEXT NOT NULL DEFAULT '');
CREATE UNIQUE INDEX "Key_会員" ON "会員" ("会_氏名");
CREATE INDEX "Idx_カナ" ON "会員" ("会_氏名カナ")" +
           readingCollation + R"();
CREATE INDEX "Idx_出力順" ON "会員" ("会_出力順", "会_氏名");
CREATE TABLE "出納帳" ("出_年" TEXT NOT NULL DEFAULT '', "出_月" TEXT NOT NULL DEFAULT '',
  "出_日" TEXT NOT NULL DEFAULT '', "出_収支区分" TEXT NOT NULL DEFAULT '',
  "出_費目番号" TEXT NOT NULL DEFAULT '', "出_金額" INTEGER NOT NULL DEFAULT 0,
  "出_備考" TEXT NOT NULL DEFAULT '');
CREATE UNIQUE INDEX "Key_出納帳" ON "出納帳" ("出_年", "出_月", "出_日", "出_収支区分", "出_費目番号");
CREATE TABLE "出納明細" ("明_年" TEXT NOT NULL DEFAULT '', "明_月" TEXT NOT NULL DEFAULT '',
  "明_日" TEXT NOT NULL DEFAULT '', "明_収支区分" TEXT NOT NULL DEFAULT '',
  "明_費目番号" TEXT NOT NULL DEFAULT '', "明_氏名" TEXT NOT NULL DEFAULT '',
  "明_金額" INTEGER NOT NULL DEFAULT 0, "明_備考" TEXT NOT NULL DEFAULT '');
CREATE UNIQUE INDEX "Key_明細" ON "出納明細" ("明_年", "明_月", "明_日", "明_収支区分", "明_費目番号", "明_氏名");
CREATE TABLE "練習予定" ("練_年" TEXT NOT NULL DEFAULT '', "練_月" TEXT NOT NULL DEFAULT '',
  "練_日" TEXT NOT NULL DEFAULT '');
CREATE UNIQUE INDEX "Key_練習予定" ON "練習予定" ("練_年", "練_月", "練_日");
INSERT INTO "費目" VALUES ('1', '10100', '前月繰越', '', ''), ('2', '20900', '次月繰越', '', '');
PRAGMA application_id = )" +
           std::to_string(kApplicationId) + "; PRAGMA user_version = " + std::to_string(version) +
           "; COMMIT;";
}

const char* const kMembers = R"(
INSERT INTO "会員" ("会_氏名", "会_氏名カナ", "会_出力順") VALUES
  ('佐藤', 'さとう', 3), ('加藤', 'ｶﾄｳ', 1), ('青木', 'アオキ', 2), ('伊藤', 'いとう', 4);
INSERT INTO "出納帳" VALUES ('26', '04', '01', '1', '10200', 12000, '会費');
INSERT INTO "出納明細" VALUES ('26', '04', '01', '1', '10200', '佐藤', 3000, '');
INSERT INTO "練習予定" VALUES ('26', '04', '05');
)";

// Every row of every table of the earlier layouts, as plain sqlite3 reads them.
std::vector<std::string> everyRow(const fs::path& file)
{
    std::vector<std::string> rows;
    for (const char* table : {"マスタ", "費目", "出納帳", "出納明細", "練習予定"}) {
        for (const std::string& row :
             test::queryFile(file, std::string("SELECT * FROM \"") + table + "\"")) {
            rows.push_back(std::string(table) + ":" + row);
        }
    }
    for (const std::string& row : test::queryFile(
             file, "SELECT 会_氏名, 会_氏名カナ, 会_出力順 FROM 会員 ORDER BY 会_氏名")) {
        rows.push_back("会員:" + row);
    }
    return rows;
}

std::vector<std::string> membersBySound(Database& database)
{
    TableCursor members = database.table("会員");
    members.setIndex("Idx_カナ");
    members.seek(Seek::AtLeast, {""});
    std::vector<std::string> names;
    for (; !members.eof(); members.moveNext()) {
        names.push_back(members.value("会_氏名"));
    }
    return names;
}

const std::vector<std::string> kBySound = {"青木", "伊藤", "加藤", "佐藤"};

// Plain sqlite3, with nothing of this program registered, reads and writes every table and
// finds every index whole.
void expectPlainSqliteUsesEveryTable(const fs::path& file)
{
    test::RawConnection plain(file);
    for (const TableDef& table : schemaTables()) {
        EXPECT_NO_THROW(plain.rows("SELECT count(*) FROM \"" + std::string(table.name) + "\""))
            << table.name;
    }
    EXPECT_EQ(plain.rows("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    plain.execute("INSERT INTO 会員 (会_氏名, 会_氏名カナ) VALUES ('外部', 'がいぶ')");
    plain.execute("DELETE FROM 会員 WHERE 会_氏名 = '外部'");
}

TEST(FileLayout, ANewFileNeedsNothingOfThisProgram)
{
    test::TempFolder folder;
    {
        Database database = Database::openOrCreate(folder.location());
        for (const auto& [name, reading] : std::vector<std::pair<std::string, std::string>>{
                 {"佐藤", "さとう"}, {"加藤", "ｶﾄｳ"}, {"青木", "アオキ"}, {"伊藤", "いとう"}}) {
            TableCursor member = database.table("会員");
            member.editOrAddNew({name});
            member.setValue("会_氏名カナ", reading);
            member.update();
        }
    }
    expectPlainSqliteUsesEveryTable(folder.databaseFile());
    EXPECT_EQ(test::queryFile(folder.databaseFile(),
                              "SELECT 会_氏名 FROM 会員 ORDER BY 会_氏名カナ順, 会_氏名カナ"),
              kBySound);
}

class EarlierLayout : public ::testing::TestWithParam<std::pair<int, std::string>> {};

TEST_P(EarlierLayout, IsUpgradedWhenOpenedWithEveryRowKept)
{
    const auto& [version, collation] = GetParam();
    test::TempFolder folder;
    const fs::path file = folder.databaseFile();
    {
        test::RawConnection earlier(file);
        earlier.addCollation("KANA");
        earlier.execute(earlierLayout(version, collation));
        earlier.execute(kMembers);
    }
    const std::vector<std::string> rows = everyRow(file);

    Database database = Database::open(folder.location());
    EXPECT_EQ(test::queryFile(file, "PRAGMA user_version"),
              std::vector<std::string>{std::to_string(kSchemaVersion)});
    EXPECT_EQ(everyRow(file), rows);
    EXPECT_EQ(membersBySound(database), kBySound);
    expectPlainSqliteUsesEveryTable(file);
}

INSTANTIATE_TEST_SUITE_P(Versions, EarlierLayout,
                         ::testing::Values(std::pair{1, std::string()},
                                           std::pair{2, std::string(" COLLATE KANA")}));

TEST(FileLayout, AVersionThreeFileGainsTheAttendanceTableAndKeepsItsRows)
{
    test::TempFolder folder;
    const fs::path file = folder.databaseFile();
    Database::openOrCreate(folder.location());
    {
        test::RawConnection earlier(file);
        earlier.execute("DROP TABLE 参加者; PRAGMA user_version = 3");
        earlier.execute(kMembers);
    }
    const std::vector<std::string> rows = everyRow(file);
    Database database = Database::open(folder.location());
    EXPECT_EQ(everyRow(file), rows);
    EXPECT_EQ(test::queryFile(file, "PRAGMA user_version"), std::vector<std::string>{"4"});
    TableCursor attendance = database.table("参加者");
    attendance.editOrAddNew({"26", "04", "05", "1"});
    attendance.setValue("参_氏名", "佐藤");
    attendance.update();
    expectPlainSqliteUsesEveryTable(file);
}

TEST(FileLayout, AnEarlierFileMissingATableIsNotUpgraded)
{
    test::TempFolder folder;
    const fs::path file = folder.databaseFile();
    {
        test::RawConnection earlier(file);
        earlier.addCollation("KANA");
        earlier.execute(earlierLayout(2, " COLLATE KANA"));
        earlier.execute("DROP TABLE 練習予定");
    }
    const std::string bytes = test::fileBytes(file);
    try {
        Database::open(folder.location());
        ADD_FAILURE() << "opened";
    } catch (const StoreError& error) {
        EXPECT_STREQ(error.what(), "データベースファイル「ゾルカv3.mdb」が壊れています。\n"
                                   "・表「練習予定」がありません。");
    }
    EXPECT_TRUE(test::fileBytes(file) == bytes);
}

TEST(FileLayout, RowsWrittenByAnotherToolGetTheirSortKeys)
{
    test::TempFolder folder;
    Database database = Database::openOrCreate(folder.location());
    test::RawConnection(folder.databaseFile()).execute(kMembers);
    EXPECT_EQ(refreshSortKeys(database), 4);
    EXPECT_EQ(membersBySound(database), kBySound);

    const std::string bytes = test::fileBytes(folder.databaseFile());
    EXPECT_EQ(refreshSortKeys(database), 0);
    EXPECT_TRUE(test::fileBytes(folder.databaseFile()) == bytes);
}

} // namespace
} // namespace zoruka
