#include "registers/RegisterTestSupport.h"
#include "store/StoreTestSupport.h"

#include "registers/ExpenseItemRegister.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

using namespace expense_items;
using Removal = ExpenseItemRegister::Removal;

ExpenseItem item(const std::string& direction, const std::string& code, const std::string& name,
                 const std::string& shortName = "", const std::string& remark = "")
{
    return {direction, code, name, shortName, remark};
}

class ExpenseItemRegisterTest : public ::testing::Test {
protected:
    ExpenseItemRegisterTest()
    {
        Database database = Database::openOrCreate(m_folder.location());
        test::enterItem(database, "1", "10200", "月会費", "月");
        test::enterItem(database, "2", "20100", "シャトル代", "羽");
        test::enterItem(database, "1", "10300", "参加費", "参");
    }

    std::vector<std::string> itemRows()
    {
        return test::queryFile(m_folder.databaseFile(), "SELECT * FROM 費目 ORDER BY 1, 2");
    }

    static std::vector<std::string> codes(const std::vector<ExpenseItem>& items)
    {
        std::vector<std::string> result;
        for (const ExpenseItem& listed : items) {
            result.push_back(listed.direction + ":" + listed.code);
        }
        return result;
    }

    test::TempFolder m_folder;
    ExpenseItemRegister m_register{m_folder.location()};
};

TEST_F(ExpenseItemRegisterTest, BothFieldsEmptyMarksBothButNamesOnlyTheCode)
{
    const CheckReport report = m_register.check(item("1", "", ""));
    EXPECT_EQ(report.failed, (std::vector<bool>{true, true}));
    EXPECT_EQ(report.message, "費目番号を入力してください");

    EXPECT_EQ(m_register.check(item("2", "20200", " 　")).message, "費目名称を入力してください");
}

TEST_F(ExpenseItemRegisterTest, TheCarryForwardItemsCannotBeSavedInEitherDirection)
{
    for (const char* direction : {"1", "2"}) {
        for (const char* code : {"10100", "20900"}) {
            const CheckReport report = m_register.check(item(direction, code, "繰越"));
            EXPECT_EQ(report.failed, (std::vector<bool>{true, false}));
            EXPECT_EQ(report.message, "繰越金に関する更新は出来ません");
        }
    }
}

// A padded or mistyped code would slip past the carry-forward guard and sort apart from the
// others, so a code is five digits.
TEST_F(ExpenseItemRegisterTest, ACodeIsFiveDigits)
{
    for (const char* code :
         {"1010", "101000", " 10100", "10100 ", "1O200", "１０２００", "-1020"}) {
        const CheckReport report = m_register.check(item("1", code, "名"));
        EXPECT_EQ(report.failed, (std::vector<bool>{true, false})) << code;
        EXPECT_EQ(report.message, "費目番号は5桁の数字を入力してください") << code;
    }
    EXPECT_TRUE(m_register.check(item("1", "00001", "名")).ok());
}

// The cash book picks an item by its name within the direction; a second item of the same name
// could never be picked.
TEST_F(ExpenseItemRegisterTest, ANameIsUniqueWithinItsDirection)
{
    CheckReport report = m_register.check(item("1", "10400", "参加費"));
    EXPECT_EQ(report.failed, (std::vector<bool>{false, true}));
    EXPECT_EQ(report.message, "同じ収支区分に同じ名称の費目があります、別の名称を入力してください");
    EXPECT_EQ(m_register.check(item("1", "10100", "前月繰越")).message,
              "繰越金に関する更新は出来ません");

    EXPECT_TRUE(m_register.check(item("2", "20400", "参加費")).ok());
    EXPECT_TRUE(m_register.check(item("1", "10300", "参加費", "変更")).ok());
}

TEST_F(ExpenseItemRegisterTest, SavingAnExistingKeyEditsItAndTheOtherDirectionAddsARow)
{
    m_register.save(item("1", "10300", "参加費（一般）", "一般", "毎回"));
    m_register.save(item("2", "10300", "返金", "返", ""));
    m_register.save(item("2", "20200", "ボール代", "", "'); DROP TABLE 費目; --"));
    EXPECT_EQ(itemRows(), (std::vector<std::string>{"1|10100|前月繰越||", "1|10200|月会費|月|",
                                                    "1|10300|参加費（一般）|一般|毎回",
                                                    "2|10300|返金|返|", "2|20100|シャトル代|羽|",
                                                    "2|20200|ボール代||'); DROP TABLE 費目; --",
                                                    "2|20900|次月繰越||"}));
    EXPECT_EQ(m_register.find("1", "10300"), item("1", "10300", "参加費（一般）", "一般", "毎回"));
    EXPECT_EQ(m_register.find("1", "10400"), std::nullopt);
}

TEST_F(ExpenseItemRegisterTest, TheFilterListsAllIncomeOrExpenseItemsInKeyOrder)
{
    EXPECT_EQ(codes(m_register.list(Filter::All)),
              (std::vector<std::string>{"1:10100", "1:10200", "1:10300", "2:20100", "2:20900"}));
    EXPECT_EQ(codes(m_register.list(Filter::Income)),
              (std::vector<std::string>{"1:10100", "1:10200", "1:10300"}));
    EXPECT_EQ(codes(m_register.list(Filter::Expense)),
              (std::vector<std::string>{"2:20100", "2:20900"}));
    EXPECT_EQ(m_register.list(Filter::Income)[1], item("1", "10200", "月会費", "月"));
}

TEST_F(ExpenseItemRegisterTest, DeletingRemovesOnlyThatItem)
{
    EXPECT_EQ(m_register.remove("2", "20100"), Removal::Deleted);
    EXPECT_EQ(codes(m_register.list(Filter::All)),
              (std::vector<std::string>{"1:10100", "1:10200", "1:10300", "2:20900"}));
    EXPECT_EQ(m_register.remove("2", "20100"), Removal::NotRegistered);
    EXPECT_EQ(m_register.remove("2", "10200"), Removal::NotRegistered);
}

// The month-end closing writes its entries under these two items and needs their names.
TEST_F(ExpenseItemRegisterTest, TheCarryForwardItemsAreNotDeleted)
{
    EXPECT_EQ(m_register.remove("1", "10100"), Removal::CarryForward);
    EXPECT_EQ(m_register.remove("2", "20900"), Removal::CarryForward);
    EXPECT_EQ(itemRows().size(), 5u);
}

// Cash-book rows and their fee detail show the item's name; deleting it would leave them
// nameless.
TEST_F(ExpenseItemRegisterTest, AnItemTheCashBookUsesIsNotDeleted)
{
    {
        Database database = Database::open(m_folder.location());
        test::enterCash(database, "26/04/05", "1", "10200", "3000");
        // Detail rows are stored before their cash-book entry.
        test::enterDetail(database, "26/05/10", "2", "20100", "山田");
        test::enterCash(database, "26/04/06", "2", "10300", "100");
    }
    EXPECT_EQ(m_register.remove("1", "10200"), Removal::InUse);
    EXPECT_EQ(m_register.remove("2", "20100"), Removal::InUse);
    EXPECT_EQ(itemRows().size(), 5u);

    // An entry of the other direction with the same code is another item's.
    EXPECT_EQ(m_register.remove("1", "10300"), Removal::Deleted);
}

TEST_F(ExpenseItemRegisterTest, AReadOnlyFileRefusesChangesAndKeepsItsBytes)
{
    namespace fs = std::filesystem;
    fs::permissions(m_folder.databaseFile(), fs::perms::owner_read);
    const std::string bytes = test::fileBytes(m_folder.databaseFile());
    EXPECT_EQ(codes(m_register.list(Filter::Expense)),
              (std::vector<std::string>{"2:20100", "2:20900"}));
    EXPECT_THROW(m_register.save(item("2", "20200", "ボール代")), StoreError);
    EXPECT_THROW(m_register.remove("2", "20100"), StoreError);
    EXPECT_EQ(test::fileBytes(m_folder.databaseFile()), bytes);
}

} // namespace
} // namespace zoruka
