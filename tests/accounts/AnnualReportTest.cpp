#include "accounts/AccountsTestSupport.h"

#include "accounts/AnnualReport.h"
#include "accounts/AnnualReportGrid.h"
#include "registers/ClubSettings.h"

namespace zoruka {
namespace {

using test::filledRows;

class AnnualReportTest : public test::AccountsTest {
protected:
    void
    enter(const std::vector<std::tuple<std::string, std::string, std::string, long long>>& rows)
    {
        Database database = open();
        for (const auto& [date, kind, item, amount] : rows) {
            test::enterCash(database, date, kind, item, std::to_string(amount));
        }
    }
};

// Fiscal year 2025 from April: its first month carries 50,000 in, August has no entry, January
// lies in the next calendar year, and March closes with a carry-out. The months around it and
// the carry entries inside it count for nothing.
TEST_F(AnnualReportTest, AYearWithCarryForwardsAtBothEndsAndAnEmptyMonth)
{
    club_settings::save(location(), {"ゾルカ会", "", "", "", ""});
    enter({{"25/03/31", "2", "20900", 50000}, // the year before
           {"25/04/01", "1", "10100", 50000},
           {"25/04/10", "1", "10200", 12000},
           {"25/04/20", "2", "20200", 8000},
           {"25/05/31", "2", "20900", 54000},
           {"25/06/01", "1", "10100", 54000},
           {"25/06/05", "1", "10200", 12000},
           {"25/07/07", "2", "20500", 1500}, // an item no longer registered
           {"26/01/15", "1", "10300", 3000},
           {"26/03/05", "2", "20200", 8000},
           {"26/03/31", "2", "20900", 59500},
           {"26/04/01", "1", "10100", 59500}}); // the year after

    const AnnualReport report = readAnnualReport(location(), {2025, 4});
    EXPECT_EQ(report.clubName, "ゾルカ会");
    EXPECT_EQ(report.carryIn, 50000);
    EXPECT_EQ(report.income.items,
              (std::vector<AnnualItem>{
                  {"10200", "月会費", {12000, 0, 12000, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 24000},
                  {"10300", "参加費", {0, 0, 0, 0, 0, 0, 0, 0, 0, 3000, 0, 0}, 3000}}));
    EXPECT_EQ(report.expense.items,
              (std::vector<AnnualItem>{
                  {"20200", "コート代", {8000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8000}, 16000},
                  {"20500", "20500", {0, 0, 0, 1500, 0, 0, 0, 0, 0, 0, 0, 0}, 1500}}));
    EXPECT_EQ(report.income.total, 27000);
    EXPECT_EQ(report.expense.total, 17500);
    EXPECT_EQ(report.income.months[4], 0);
    EXPECT_EQ(report.expense.months[4], 0);
    EXPECT_EQ(report.balance(), 9500);
    EXPECT_EQ(report.carryOut(), 59500);

    EXPECT_EQ(filledRows(annualReportGrid(report)),
              (std::vector<std::string>{
                  "費目|4月|5月|6月|7月|8月|9月|10月|11月|12月|1月|2月|3月|合計",
                  "前年度繰越金|||||||||||||50,000", "月会費|12,000||12,000||||||||||24,000",
                  "参加費||||||||||3,000|||3,000",
                  "収入合計|12,000|0|12,000|0|0|0|0|0|0|3,000|0|0|27,000",
                  "コート代|8,000|||||||||||8,000|16,000", "20500||||1,500|||||||||1,500",
                  "支出合計|8,000|0|0|1,500|0|0|0|0|0|0|0|8,000|17,500",
                  "当年度収支差額|4,000|0|12,000|-1,500|0|0|0|0|0|3,000|0|-8,000|9,500",
                  "次年度繰越金|||||||||||||59,500"}));
}

TEST_F(AnnualReportTest, ACalendarYearAndAYearWithoutEntries)
{
    enter({{"25/12/31", "1", "10200", 1000}, {"26/01/01", "1", "10200", 2000}});
    const AnnualReport calendar = readAnnualReport(location(), {2026, 1});
    ASSERT_EQ(calendar.income.items.size(), 1u);
    EXPECT_EQ(calendar.income.items[0].months[0], 2000);
    EXPECT_EQ(monthHeadings(calendar.year).front(), "1月");
    EXPECT_EQ(monthHeadings(calendar.year).back(), "12月");

    const AnnualReport empty = readAnnualReport(location(), {2030, 4});
    EXPECT_TRUE(empty.income.items.empty());
    EXPECT_TRUE(empty.expense.items.empty());
    EXPECT_EQ(empty.carryOut(), 0);
    EXPECT_EQ(filledRows(annualReportGrid(empty)).size(), 6u);
}

} // namespace
} // namespace zoruka
