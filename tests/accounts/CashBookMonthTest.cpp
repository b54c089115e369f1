#include "AccountsTestSupport.h"

#include "accounts/CashBookGrid.h"
#include "accounts/CashBookMonth.h"

namespace zoruka {
namespace {

class CashBookMonthTest : public test::AccountsTest {
protected:
    CashBookMonth month(std::string_view yy, std::string_view mm) const
    {
        return readCashBookMonth(location(), yy, mm);
    }
};

TEST_F(CashBookMonthTest, ListsTheMonthInKeyOrderWithARunningBalance)
{
    {
        Database database = open();
        test::enterCash(database, "26/03/31", "1", "10200", "999"); // the month before
        test::enterCash(database, "26/04/15", "2", "20100", "4500");
        test::enterCash(database, "26/04/01", "1", "10100", "12345");
        test::enterCash(database, "26/04/15", "1", "10200", "36000");
        test::enterCash(database, "26/04/30", "2", "20900", "43845");
        test::enterCash(database, "26/05/01", "1", "10100", "43845"); // the month after
    }
    const CashBookMonth april = month("26", "04");
    EXPECT_EQ(april.income, 48345);
    EXPECT_EQ(april.expense, 48345);
    EXPECT_EQ(test::filledRows(cashBookGrid(april)), (std::vector<std::string>{
                                                         "日付|費目ｺｰﾄﾞ|費目|収入|支出|残高|備考",
                                                         "01|10100|前月繰越|12,345||12,345|",
                                                         "15|10200|月会費|36,000||48,345|",
                                                         "15|20100|シャトル代||4,500|43,845|",
                                                         "30|20900|次月繰越||43,845|0|",
                                                     }));
}

TEST_F(CashBookMonthTest, AMonthWithoutEntriesIsEmpty)
{
    const CashBookMonth june = month("26", "06");
    EXPECT_TRUE(june.rows.empty());
    EXPECT_EQ(june.income, 0);
    EXPECT_EQ(june.expense, 0);
    EXPECT_EQ(test::filledRows(cashBookGrid(june)).size(), 1u);
}

TEST_F(CashBookMonthTest, ShowsAnUnregisteredItemWithoutAName)
{
    {
        Database database = open();
        test::enterCash(database, "26/04/02", "2", "29999", "100");
    }
    const CashBookMonth april = month("26", "04");
    ASSERT_EQ(april.rows.size(), 1u);
    EXPECT_EQ(april.rows[0].itemName, "");
    EXPECT_EQ(april.rows[0].balance, -100);
}

TEST(CashBookGrid, IsTheCashBookLayout)
{
    CashBookMonth month;
    month.rows.push_back({"03", "2", "20100", "シャトル代", 123'456'789, -123'456'789, "羽"});
    const GridModel grid = cashBookGrid(month);
    EXPECT_EQ(grid.rows, 100);
    EXPECT_EQ(grid.columns, 7);
    EXPECT_EQ(grid.fixedRows, 1);
    EXPECT_EQ(grid.fixedColumns, 0);
    EXPECT_EQ(grid.columnTwips, (std::vector<int>{500, 1000, 2000, 1000, 1000, 1000, 2000}));
    for (int column = 0; column < 7; ++column) {
        EXPECT_TRUE(grid.cell(0, column).header);
        EXPECT_EQ(grid.cell(0, column).alignment, CellAlignment::Centre);
    }
    // Large amounts are shown whole, never cut to a fixed field.
    EXPECT_EQ(grid.cell(1, 4).text, "123,456,789");
    EXPECT_EQ(grid.cell(1, 4).alignment, CellAlignment::Right);
    EXPECT_EQ(grid.cell(1, 5).text, "-123,456,789");
    EXPECT_EQ(grid.cell(1, 5).alignment, CellAlignment::Right);
    EXPECT_EQ(grid.cell(1, 3).text, "");
}

TEST(CashBookGrid, GrowsToHoldEveryEntryOfABusyMonth)
{
    CashBookMonth month;
    month.rows.resize(150, CashBookRow{"10", "1", "10200", "月会費", 1, 0, ""});
    const GridModel grid = cashBookGrid(month);
    EXPECT_EQ(grid.rows, 151);
    EXPECT_EQ(grid.cell(150, 1).text, "10200");
}

} // namespace
} // namespace zoruka
