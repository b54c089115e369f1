#include "StoreTestSupport.h"

#include "common/AmountText.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

using test::enterCash;

class TableCursorTest : public ::testing::Test {
protected:
    TableCursorTest() : m_database(Database::openOrCreate(m_folder.location())) {}

    TableCursor cashBook()
    {
        TableCursor cash = m_database.table("出納帳");
        cash.setIndex("Key_出納帳");
        return cash;
    }

    // "dd kind item amount" of every row from the cursor on while the month stays `month`.
    static std::string walkMonth(TableCursor& cash, const std::string& month)
    {
        std::string rows;
        for (; !cash.eof() && cash.value("出_月") == month; cash.moveNext()) {
            rows += cash.value("出_日") + " " + cash.value("出_収支区分") + " " +
                    cash.value("出_費目番号") + " " + cash.value("出_金額") + "\n";
        }
        return rows;
    }

    std::vector<std::string> query(const std::string& sql)
    {
        return test::queryFile(m_folder.databaseFile(), sql);
    }

    test::TempFolder m_folder;
    Database m_database;
};

TEST_F(TableCursorTest, MonthScanStartsAtTheMonthsFirstRowAndStopsAtItsEnd)
{
    enterCash(m_database, "26/05/01", "1", "10100", "9");
    enterCash(m_database, "26/04/15", "2", "20100", "300");
    enterCash(m_database, "26/03/31", "2", "20900", "8");
    enterCash(m_database, "26/04/01", "2", "20100", "200");
    enterCash(m_database, "26/04/01", "1", "10200", "100");
    enterCash(m_database, "25/04/10", "1", "10200", "7");

    TableCursor cash = cashBook();
    cash.seek(Seek::AtLeast, {"26", "04", "", "", ""});
    EXPECT_FALSE(cash.noMatch());
    EXPECT_EQ(walkMonth(cash, "04"), "01 1 10200 100\n"
                                     "01 2 20100 200\n"
                                     "15 2 20100 300\n");
    EXPECT_EQ(cash.value("出_月"), "05");
}

TEST_F(TableCursorTest, ScanOfAMonthWithoutRowsEndsAtOnce)
{
    enterCash(m_database, "26/05/01", "1", "10100", "9");

    TableCursor cash = cashBook();
    cash.seek(Seek::AtLeast, {"26", "04", "", "", ""});
    EXPECT_EQ(walkMonth(cash, "04"), "");

    cash.seek(Seek::AtLeast, {"26", "06", "", "", ""});
    EXPECT_TRUE(cash.noMatch());
    EXPECT_TRUE(cash.eof());
    EXPECT_EQ(walkMonth(cash, "06"), "");
    cash.moveNext();
    EXPECT_TRUE(cash.eof());
}

TEST_F(TableCursorTest, SeekComparesTheWholeKey)
{
    enterCash(m_database, "26/04/01", "1", "10200", "1");
    enterCash(m_database, "26/04/01", "2", "20100", "2");
    enterCash(m_database, "26/04/02", "1", "10200", "3");
    TableCursor cash = cashBook();

    cash.seek(Seek::Equal, {"26", "04", "01", "2", "20100"});
    EXPECT_EQ(cash.value("出_金額"), "2");
    cash.seek(Seek::AtLeast, {"26", "04", "01", "2", "20100"});
    EXPECT_EQ(cash.value("出_金額"), "2");
    cash.seek(Seek::After, {"26", "04", "01", "2", "20100"});
    EXPECT_EQ(cash.value("出_金額"), "3");
    cash.seek(Seek::After, {"26", "04", "01", "", ""});
    EXPECT_EQ(cash.value("出_金額"), "1");

    // "=" needs every column: empty trailing values do not make it a prefix search.
    cash.seek(Seek::Equal, {"26", "04", "01", "", ""});
    EXPECT_TRUE(cash.noMatch());
    EXPECT_TRUE(cash.eof());
    cash.seek(Seek::After, {"26", "04", "02", "1", "10200"});
    EXPECT_TRUE(cash.noMatch());
}

TEST_F(TableCursorTest, SecondIndexesWalkEqualKeysOnceAndNumbersInNumericOrder)
{
    const std::vector<std::pair<std::string, std::string>> members = {
        {"佐藤", "10"}, {"鈴木", "2"}, {"高橋", "2"}, {"田中", "-1"}};
    for (const auto& [name, order] : members) {
        TableCursor member = m_database.table("会員");
        member.editOrAddNew({name});
        member.setValue("会_氏名カナ", "サトウ");
        member.setValue("会_出力順", order);
        member.update();
    }

    TableCursor member = m_database.table("会員");
    member.setIndex("Idx_出力順");
    member.seek(Seek::AtLeast, {"2", ""});
    std::string walked;
    for (; !member.eof(); member.moveNext()) {
        walked += member.value("会_出力順") + member.value("会_氏名") + " ";
    }
    EXPECT_EQ(walked, "2鈴木 2高橋 10佐藤 ");

    member.setIndex("Idx_カナ");
    member.seek(Seek::Equal, {"サトウ"});
    int count = 0;
    for (; !member.eof(); member.moveNext()) {
        ++count;
    }
    EXPECT_EQ(count, 4);
}

TEST_F(TableCursorTest, ReadingIndexWalksMembersBySoundWhateverTheKanaForm)
{
    for (const auto& [name, reading] : std::vector<std::pair<std::string, std::string>>{
             {"佐藤", "さとう"}, {"加藤", "ｶﾄｳ"}, {"青木", "アオキ"}, {"伊藤", "いとう"}}) {
        TableCursor member = m_database.table("会員");
        member.editOrAddNew({name});
        member.setValue("会_氏名カナ", reading);
        member.update();
    }
    TableCursor member = m_database.table("会員");
    member.setIndex("Idx_カナ");
    member.seek(Seek::AtLeast, {""});
    std::string walked;
    for (; !member.eof(); member.moveNext()) {
        walked += member.value("会_氏名");
    }
    EXPECT_EQ(walked, "青木伊藤加藤佐藤");

    member.seek(Seek::Equal, {"ｶﾄｳ"});
    ASSERT_FALSE(member.noMatch());
    EXPECT_EQ(member.value("会_氏名"), "加藤");
}

TEST_F(TableCursorTest, ASecondEntryForTheSameKeyReplacesTheFirst)
{
    enterCash(m_database, "26/04/01", "1", "10200", "1000");
    enterCash(m_database, "26/04/01", "1", "10200", "1500");
    EXPECT_EQ(query("SELECT 出_年, 出_月, 出_日, 出_収支区分, 出_費目番号, 出_金額 FROM 出納帳"),
              std::vector<std::string>{"26|04|01|1|10200|1500"});

    // Adding a row whose key exists is refused and writes nothing.
    TableCursor cash = cashBook();
    cash.addNew();
    for (const auto& [column, text] : {std::pair{"出_年", "26"},
                                       {"出_月", "04"},
                                       {"出_日", "01"},
                                       {"出_収支区分", "1"},
                                       {"出_費目番号", "10200"}}) {
        cash.setValue(column, text);
    }
    try {
        cash.update();
        ADD_FAILURE() << "duplicate key was written";
    } catch (const StoreError& error) {
        EXPECT_STREQ(error.what(), "同じキーの行がすでにあるため書き込めません。");
    }
    EXPECT_EQ(query("SELECT count(*) FROM 出納帳"), std::vector<std::string>{"1"});
}

TEST_F(TableCursorTest, DeletingWhileWalkingVisitsEveryRowOnce)
{
    for (const char* day : {"01", "02", "03", "04", "05"}) {
        enterCash(m_database, std::string("26/04/") + day, "1", "10200", day);
    }
    enterCash(m_database, "26/05/01", "1", "10200", "99");

    TableCursor cash = cashBook();
    cash.seek(Seek::AtLeast, {"26", "04", "", "", ""});
    std::string visited;
    for (; !cash.eof() && cash.value("出_月") == "04"; cash.moveNext()) {
        visited += cash.value("出_日") + " ";
        if (cash.number("出_金額") % 2 == 1) {
            cash.deleteRow();
        }
    }
    EXPECT_EQ(visited, "01 02 03 04 05 ");
    EXPECT_EQ(query("SELECT 出_金額 FROM 出納帳 ORDER BY 1"),
              (std::vector<std::string>{"2", "4", "99"}));
}

TEST_F(TableCursorTest, AmountTextsAreStoredAsNumbers)
{
    enterCash(m_database, "26/04/01", "1", "10200", "12,345");
    enterCash(m_database, "26/04/02", "2", "20900", "-5,000");
    enterCash(m_database, "26/04/03", "1", "10200", " 7 ");
    enterCash(m_database, "26/04/04", "1", "10200", "");
    EXPECT_EQ(
        query("SELECT typeof(出_金額), 出_金額 FROM 出納帳 ORDER BY 出_日"),
        (std::vector<std::string>{"integer|12345", "integer|-5000", "integer|7", "integer|0"}));
    EXPECT_EQ(query("SELECT sum(出_金額) FROM 出納帳"), std::vector<std::string>{"7352"});

    TableCursor cash = cashBook();
    cash.seek(Seek::Equal, {"26", "04", "01", "1", "10200"});
    EXPECT_EQ(cash.value("出_金額"), "12345");
    cash.edit();
    for (const char* bad : {"12a", "1.5", "1,,000", "--5", "１２"}) {
        try {
            cash.setValue("出_金額", bad);
            ADD_FAILURE() << bad << " was taken as a number";
        } catch (const StoreError& error) {
            EXPECT_EQ(error.what(),
                      "「出_金額」の値「" + std::string(bad) + "」は数値ではありません。");
        }
    }
    EXPECT_EQ(cash.value("出_金額"), "12345");
}

TEST(AmountText, AcceptsPlainAndGroupedWholeAmounts)
{
    EXPECT_EQ(parseAmountText("0"), 0);
    EXPECT_EQ(parseAmountText("1,234,567"), 1234567);
    EXPECT_EQ(parseAmountText("\t-12"), -12);
    EXPECT_EQ(parseAmountText("999999999999999"), 999999999999999);
    for (const char* bad : {"", " ", "-", ",1", "1,", "+1", "1 2", "1e3", "9999999999999999"}) {
        EXPECT_EQ(parseAmountText(bad), std::nullopt) << bad;
    }
}

TEST_F(TableCursorTest, NamesWithQuotesAndSqlAreStoredAsTyped)
{
    const std::vector<std::string> names = {"O'Brien \"Bob\"", "100%_会員",
                                            "'; DROP TABLE 会員; --"};
    for (const std::string& name : names) {
        TableCursor member = m_database.table("会員");
        member.editOrAddNew({name});
        member.setValue("会_備考", name);
        member.update();
    }
    EXPECT_EQ(query("SELECT 会_氏名 FROM 会員 WHERE 会_氏名 = 会_備考 ORDER BY rowid"), names);

    TableCursor member = m_database.table("会員");
    member.setIndex("Key_会員");
    for (const std::string& name : names) {
        member.seek(Seek::Equal, {name});
        EXPECT_FALSE(member.noMatch()) << name;
    }
    member.seek(Seek::Equal, {"100%"});
    EXPECT_TRUE(member.noMatch());
}

TEST_F(TableCursorTest, NamesOutsideTheSchemaAndMisuseAreCallerErrors)
{
    EXPECT_THROW(m_database.table("出納帳; DROP TABLE 会員"), std::invalid_argument);
    TableCursor cash = m_database.table("出納帳");
    EXPECT_THROW(cash.seek(Seek::Equal, {"26"}), std::logic_error);
    EXPECT_THROW(cash.setIndex("Key_会員"), std::invalid_argument);
    cash.setIndex("Key_出納帳");
    EXPECT_THROW(cash.seek(Seek::Equal, {"26", "04"}), std::invalid_argument);
    EXPECT_THROW(cash.value("出_金額"), std::logic_error);
    EXPECT_THROW(cash.setValue("出_金額", "1"), std::logic_error);
    cash.addNew();
    EXPECT_THROW(cash.setValue("金額", "1"), std::invalid_argument);
    EXPECT_THROW(cash.number("出_備考"), std::invalid_argument);
}

} // namespace
} // namespace zoruka
