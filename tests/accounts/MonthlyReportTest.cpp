#include "AccountsTestSupport.h"

#include "accounts/MonthlyReport.h"

namespace zoruka {
namespace {

class MonthlyReportTest : public test::AccountsTest {};

TEST_F(MonthlyReportTest, ReadsTheMonthsBookTotalsAndPayersWithTheirItemNames)
{
    {
        Database database = open();
        test::enterCash(database, "26/04/01", "1", "10200", "1000");
        test::enterCash(database, "26/04/08", "1", "10300", "1000");
        test::enterCash(database, "26/04/08", "2", "20100", "700");
        test::enterDetail(database, "26/03/31", "1", "10200", "前月の人");
        test::enterDetail(database, "26/04/08", "1", "10300", "山田");
        test::enterDetail(database, "26/04/01", "1", "10200", "佐藤");
        test::enterDetail(database, "26/04/08", "1", "10300", "佐藤");
        test::enterDetail(database, "26/04/08", "1", "10999", "鈴木");
        test::enterDetail(database, "26/05/01", "1", "10200", "翌月の人");
    }
    const MonthlyReport report = readMonthlyReport(location(), {"26", "04", "01"});
    EXPECT_EQ(report.month.text(), "26/04/01");
    EXPECT_EQ(report.book.rows.size(), 3u);
    EXPECT_EQ(report.book.income, 2000);
    EXPECT_EQ(report.totals.income.size() + report.totals.expense.size(), 3u);
    EXPECT_EQ(report.payments, (std::vector<Payment>{
                                   {"01", "1", "10200", "月会費", "佐藤", 500},
                                   {"08", "1", "10300", "参加費", "佐藤", 500},
                                   {"08", "1", "10300", "参加費", "山田", 500},
                                   {"08", "1", "10999", "", "鈴木", 500},
                               }));
}

} // namespace
} // namespace zoruka
