#include "AccountsTestSupport.h"

#include "accounts/ClosingGrid.h"
#include "accounts/MonthClosing.h"

namespace zoruka {
namespace {

class MonthClosingTest : public test::AccountsTest {
protected:
    void enter(const std::string& date, const std::string& kind, const std::string& item,
               const std::string& amount)
    {
        Database database = open();
        test::enterCash(database, date, kind, item, amount);
    }
    MonthTotals totals(const char* yy, const char* mm) const
    {
        return monthTotals(readCashBookMonth(location(), yy, mm), *firstOfMonth(yy, mm));
    }
    void close(const char* yy, const char* mm, long long amount, const char* note = "")
    {
        writeCarryForward(location(), *firstOfMonth(yy, mm), amount, note);
    }
};

TEST_F(MonthClosingTest, TotalsEachItemOnceInOrderOfFirstAppearance)
{
    enter("26/04/01", "1", "10100", "5,000");
    enter("26/04/03", "1", "10300", "1500");
    enter("26/04/03", "2", "20200", "8000");
    enter("26/04/10", "1", "10200", "36000");
    enter("26/04/10", "2", "20100", "4500");
    enter("26/04/17", "1", "10300", "2000");
    enter("26/04/17", "2", "20200", "8000");
    enter("26/05/01", "1", "10300", "99");
    const MonthTotals april = totals("26", "04");
    EXPECT_EQ(april.incomeTotal, 44500);
    EXPECT_EQ(april.expenseTotal, 20500);
    EXPECT_EQ(april.carryForward(), 24000);

    const GridModel grid = closingGrid(april);
    EXPECT_EQ(grid.rows, 100);
    EXPECT_EQ(grid.columnTwips, (std::vector<int>{2000, 1500, 1500, 1500}));
    EXPECT_EQ(test::filledRows(grid), (std::vector<std::string>{
                                          "費目|収入額|支出額|合計",
                                          "前月繰越|5,000||",
                                          "参加費|3,500||",
                                          "月会費|36,000||",
                                          "（収入合計）|||44,500",
                                          "コート代||16,000|",
                                          "シャトル代||4,500|",
                                          "（支出合計）|||20,500",
                                      }));
    EXPECT_EQ(grid.cell(4, 0).alignment, CellAlignment::Right);
    EXPECT_EQ(grid.cell(4, 3).alignment, CellAlignment::Right);
    EXPECT_EQ(grid.cell(5, 2).alignment, CellAlignment::Right);
    EXPECT_EQ(grid.cell(5, 0).alignment, CellAlignment::Default);
}

TEST_F(MonthClosingTest, AnEmptyMonthProposesZeroAndCarriesZero)
{
    const MonthTotals june = totals("26", "06");
    EXPECT_EQ(june.carryForward(), 0);
    EXPECT_EQ(test::filledRows(closingGrid(june)),
              (std::vector<std::string>{"費目|収入額|支出額|合計", "（収入合計）|||0",
                                        "（支出合計）|||0"}));
    EXPECT_FALSE(isClosed(location(), *firstOfMonth("26", "06")));
    close("26", "06", june.carryForward());
    EXPECT_EQ(cashRows(), (std::vector<std::string>{"26|06|30|2|20900|0|", "26|07|01|1|10100|0|"}));
}

TEST_F(MonthClosingTest, FebruaryClosesOnItsLastDayOfTheYear)
{
    close("24", "02", 1000);
    close("26", "02", 2000);
    EXPECT_EQ(cashRows(), (std::vector<std::string>{
                              "24|02|29|2|20900|1000|",
                              "24|03|01|1|10100|1000|",
                              "26|02|28|2|20900|2000|",
                              "26|03|01|1|10100|2000|",
                          }));
}

TEST_F(MonthClosingTest, DecemberCarriesIntoJanuaryOfTheNextYear)
{
    close("20", "12", 12345, "年越し");
    EXPECT_EQ(cashRows(), (std::vector<std::string>{"20|12|31|2|20900|12345|年越し",
                                                    "21|01|01|1|10100|12345|年越し"}));
    const CashBookMonth january = readCashBookMonth(location(), "21", "01");
    ASSERT_EQ(january.rows.size(), 1u);
    EXPECT_EQ(january.rows[0].itemName, "前月繰越");
    EXPECT_EQ(january.rows[0].balance, 12345);
}

TEST_F(MonthClosingTest, ClosingAgainCarriesTheWholeBalanceAnew)
{
    enter("26/04/10", "1", "10200", "32000");
    EXPECT_FALSE(isClosed(location(), *firstOfMonth("26", "04")));
    close("26", "04", totals("26", "04").carryForward(), "初回");
    EXPECT_TRUE(isClosed(location(), *firstOfMonth("26", "04")));

    // The carry-out is listed with the month but left out of what it proposes to carry.
    const MonthTotals closed = totals("26", "04");
    EXPECT_EQ(closed.expense, (std::vector<ItemTotal>{{"20900", "次月繰越", 32000}}));
    EXPECT_EQ(closed.carryForward(), 32000);

    // A late receipt: the whole new balance is carried, not the difference.
    enter("26/04/20", "1", "10300", "1000");
    EXPECT_EQ(totals("26", "04").carryForward(), 33000);
    close("26", "04", totals("26", "04").carryForward(), "再処理");
    EXPECT_EQ(totals("26", "04").carryForward(), 33000);
    EXPECT_EQ(cashRows(), (std::vector<std::string>{
                              "26|04|10|1|10200|32000|",
                              "26|04|20|1|10300|1000|",
                              "26|04|30|2|20900|33000|再処理",
                              "26|05|01|1|10100|33000|再処理",
                          }));
    EXPECT_EQ(readCashBookMonth(location(), "26", "05").rows.at(0).balance, 33000);

    // Only the carry-out of the month's last day is its own.
    enter("26/04/29", "2", "20900", "500");
    EXPECT_EQ(totals("26", "04").carryForward(), 32500);
}

TEST_F(MonthClosingTest, EitherCarryEntryMarksTheMonthClosed)
{
    enter("26/05/01", "1", "10100", "100");
    EXPECT_TRUE(isClosed(location(), *firstOfMonth("26", "04")));
    EXPECT_FALSE(isClosed(location(), *firstOfMonth("26", "05")));
    enter("26/05/31", "2", "20900", "100");
    EXPECT_TRUE(isClosed(location(), *firstOfMonth("26", "05")));
}

TEST_F(MonthClosingTest, ANegativeBalanceIsCarriedNegative)
{
    enter("26/04/10", "2", "20200", "8,000");
    const long long carried = totals("26", "04").carryForward();
    EXPECT_EQ(carried, -8000);
    close("26", "04", carried);
    EXPECT_EQ(cashRows(),
              (std::vector<std::string>{"26|04|10|2|20200|8000|", "26|04|30|2|20900|-8000|",
                                        "26|05|01|1|10100|-8000|"}));
    const CashBookMonth april = readCashBookMonth(location(), "26", "04");
    EXPECT_EQ(april.rows.back().balance, 0);
}

TEST(ClosingGrid, GrowsToHoldEveryItem)
{
    MonthTotals totals;
    totals.income.resize(80, ItemTotal{"10200", "月会費", 1});
    totals.expense.resize(40, ItemTotal{"20100", "シャトル代", 1});
    const GridModel grid = closingGrid(totals);
    EXPECT_EQ(grid.rows, 123);
    EXPECT_EQ(grid.cell(122, 0).text, "（支出合計）");
}

} // namespace
} // namespace zoruka
