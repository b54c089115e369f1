#include "AccountsTestSupport.h"

#include "accounts/AmountField.h"
#include "accounts/CashBook.h"
#include "store/StoreError.h"

#include <filesystem>

namespace zoruka {
namespace {

using namespace cash_book;

class CashBookTest : public test::AccountsTest {
protected:
    CashBook book() const { return CashBook(location()); }
    CashBook::Check check(const std::string& date, const std::string& kind, const std::string& item,
                          const std::string& amount)
    {
        return book().check({date, kind, item, amount, "メモ"});
    }
    void store(const std::string& date, const std::string& kind, const std::string& item,
               const std::string& amount, const std::string& note = "")
    {
        CashBook::Check result = book().check({date, kind, item, amount, note});
        ASSERT_TRUE(result.report.ok()) << result.report.message;
        book().store(result.entry);
    }
    static CashBookKey key(const std::string& date, const std::string& kind,
                           const std::string& item)
    {
        return {*parseEntryDate(date), kind, item};
    }
};

TEST_F(CashBookTest, CheckTurnsTheFieldsIntoAnEntry)
{
    const CashBook::Check result = check("2026/4/5", "2", "シャトル代", "１２，３４５");
    ASSERT_TRUE(result.report.ok());
    EXPECT_EQ(result.entry, (CashBookEntry{key("26/04/05", "2", "20100"), 12345, "メモ"}));
    EXPECT_EQ(check("26/04/05", "1", "月会費", "").entry.amount, 0);
    EXPECT_EQ(check("26/04/05", "1", "月会費", "-500").entry.amount, -500);
}

TEST_F(CashBookTest, CheckMarksEveryWrongFieldAndKeepsTheFirstMessage)
{
    CashBook::Check result = check("26/02/30", "1", "シャトル代", "12a");
    EXPECT_EQ(result.report.failed, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(result.report.message, "正しい日付を入力してください");

    result = check("26/02/28", "1", "", "1.5");
    EXPECT_EQ(result.report.failed, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(result.report.message, "正しい費目を選択してください");

    result = check("26/02/28", "2", "コート代", "10,000,000,000");
    EXPECT_EQ(result.report.failed, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(result.report.message, "金額を正しく入力してください");
}

TEST(AmountField, TakesWholeYenEitherWay)
{
    EXPECT_EQ(readAmountField(""), 0);
    EXPECT_EQ(readAmountField(" 12,345 "), 12345);
    EXPECT_EQ(readAmountField("-9,999,999,999"), -kMaxAmount);
    EXPECT_FALSE(readAmountField("10000000000").has_value());
    EXPECT_FALSE(readAmountField("0.5").has_value());
    EXPECT_FALSE(readAmountField("円").has_value());
}

TEST_F(CashBookTest, StoringTheSameDateKindAndItemReplacesAmountAndNote)
{
    store("26/04/10", "1", "月会費", "3000", "4月分");
    store("26/04/10", "2", "シャトル代", "3000", "同じ日の支出");
    store("26/04/10", "1", "月会費", "36,000", "4月分 12名");
    EXPECT_EQ(cashRows(), (std::vector<std::string>{"26|04|10|1|10200|36000|4月分 12名",
                                                    "26|04|10|2|20100|3000|同じ日の支出"}));
    EXPECT_EQ(book().find(key("26/04/10", "1", "10200")),
              (CashBookEntry{key("26/04/10", "1", "10200"), 36000, "4月分 12名"}));
    EXPECT_FALSE(book().find(key("26/04/11", "1", "10200")).has_value());
}

TEST_F(CashBookTest, DeletingTakesTheEntryAndExactlyItsDetailRows)
{
    store("26/04/10", "1", "月会費", "1000");
    store("26/04/10", "1", "参加費", "500");
    {
        Database database = open();
        test::enterDetail(database, "26/04/10", "1", "10200", "山田");
        test::enterDetail(database, "26/04/10", "1", "10200", "佐藤");
        test::enterDetail(database, "26/04/10", "1", "10300", "山田");
        test::enterDetail(database, "26/04/10", "2", "10200", "山田");
        test::enterDetail(database, "26/04/11", "1", "10200", "山田");
        test::enterDetail(database, "26/05/10", "1", "10200", "山田");
    }
    EXPECT_TRUE(book().remove(key("26/04/10", "1", "10200")));
    EXPECT_EQ(cashRows(), (std::vector<std::string>{"26|04|10|1|10300|500|"}));
    EXPECT_EQ(detailRows(), (std::vector<std::string>{
                                "26|04|10|1|10300|山田|500|",
                                "26|04|10|2|10200|山田|500|",
                                "26|04|11|1|10200|山田|500|",
                                "26|05|10|1|10200|山田|500|",
                            }));
}

TEST_F(CashBookTest, DeletingAMissingEntryChangesNothing)
{
    {
        Database database = open();
        test::enterDetail(database, "26/04/10", "1", "10200", "山田");
    }
    EXPECT_FALSE(book().remove(key("26/04/10", "1", "10200")));
    EXPECT_EQ(detailRows().size(), 1u);
}

TEST_F(CashBookTest, MovingTakesTheEntryAndItsDetailToTheNewKey)
{
    store("26/04/10", "2", "シャトル代", "4500", "12本");
    store("26/04/10", "1", "参加費", "1000");
    {
        Database database = open();
        test::enterDetail(database, "26/04/10", "2", "20100", "山田");
        test::enterDetail(database, "26/04/10", "2", "20100", "佐藤");
        test::enterDetail(database, "26/04/10", "1", "10300", "山田");
    }
    const CashBookEntry moved{key("26/05/02", "2", "20200"), 5000, "訂正"};
    EXPECT_EQ(book().move(key("26/04/10", "2", "20100"), moved), CashBook::Move::Moved);
    EXPECT_EQ(cashRows(),
              (std::vector<std::string>{"26|04|10|1|10300|1000|", "26|05|02|2|20200|5000|訂正"}));
    EXPECT_EQ(detailRows(), (std::vector<std::string>{
                                "26|04|10|1|10300|山田|500|",
                                "26|05|02|2|20200|佐藤|500|",
                                "26|05|02|2|20200|山田|500|",
                            }));
}

TEST_F(CashBookTest, MovingOntoAnEntryOrFromAMissingOneChangesNothing)
{
    store("26/04/10", "2", "シャトル代", "4500");
    store("26/04/11", "2", "シャトル代", "300");
    {
        Database database = open();
        test::enterDetail(database, "26/04/10", "2", "20100", "山田");
    }
    const std::vector<std::string> cash = cashRows();
    const std::vector<std::string> detail = detailRows();
    EXPECT_EQ(book().move(key("26/04/10", "2", "20100"), {key("26/04/11", "2", "20100"), 1, ""}),
              CashBook::Move::Occupied);
    EXPECT_EQ(book().move(key("26/04/12", "2", "20100"), {key("26/04/13", "2", "20100"), 1, ""}),
              CashBook::Move::Missing);
    EXPECT_EQ(cashRows(), cash);
    EXPECT_EQ(detailRows(), detail);
}

TEST_F(CashBookTest, PayersStoredForTheNewKeyStayWhenTheEntryMovesThere)
{
    store("26/04/10", "1", "月会費", "3000");
    {
        Database database = open();
        test::enterDetail(database, "26/04/10", "1", "10200", "山田");
        test::enterDetail(database, "26/04/11", "1", "10200", "佐藤");
    }
    EXPECT_EQ(book().move(key("26/04/10", "1", "10200"), {key("26/04/11", "1", "10200"), 500, ""}),
              CashBook::Move::Moved);
    EXPECT_EQ(detailRows(), (std::vector<std::string>{"26|04|11|1|10200|佐藤|500|"}));
}

TEST_F(CashBookTest, AMissingFileIsReportedAndNotCreated)
{
    std::filesystem::remove(m_folder.databaseFile());
    EXPECT_THROW(book().store({key("26/04/10", "1", "10200"), 1, ""}), StoreError);
    EXPECT_THROW(book().remove(key("26/04/10", "1", "10200")), StoreError);
    EXPECT_FALSE(std::filesystem::exists(m_folder.databaseFile()));
}

} // namespace
} // namespace zoruka
