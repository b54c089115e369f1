// The annual report measured with the fonts it is printed in: whatever the names, amounts and
// number of items, no text crosses a column line or a frame, runs into another text or leaves
// the paper.
#include "PrintedExtents.h"

#include "accounts/print/AnnualReportPrint.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;

std::string repeated(std::string_view text, std::size_t times)
{
    std::string result;
    for (std::size_t i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

struct YearCase {
    const char* name;
    std::string text; // the club name and every item's name
    long long amount; // each item's amount in every month
    int items;        // of each side
};

class AnnualSheets : public testing::TestWithParam<YearCase> {};

TEST_P(AnnualSheets, EveryTextStaysInsideItsColumnAndOnThePaper)
{
    const YearCase& year = GetParam();
    AnnualReport report;
    report.clubName = year.text;
    report.year = {2025, 4};
    report.carryIn = -year.amount;
    for (AnnualSide* side : {&report.income, &report.expense}) {
        for (int i = 0; i < year.items; ++i) {
            AnnualItem item{std::to_string(10200 + i), year.text, {}, 0};
            item.months.fill(year.amount);
            item.months[7] = 0;
            item.total = year.amount * 11;
            side->items.push_back(item);
            for (std::size_t month = 0; month < 12; ++month) {
                side->months[month] += item.months[month];
            }
            side->total += item.total;
        }
    }
    report.expense.months[3] *= -1;
    EXPECT_EQ(test::faultsOf(printAnnualReport(report).documents), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Years, AnnualSheets,
    testing::Values(YearCase{"Typical", "月会費", 36000, 4},
                    YearCase{"SixDigitMonths", "体育館使用料", 999999, 6},
                    YearCase{"HugeAmounts", "合宿費", 9'999'999'999, 2},
                    YearCase{"LongNames", repeated("消耗品費（ガット）", 6), 1500, 8},
                    YearCase{"Latin", repeated("Mw", 60), 120000, 3},
                    YearCase{"ManyItems", "費目", 100, 70},
                    YearCase{"LongestField", repeated("長", 32767), 1, 1}),
    [](const testing::TestParamInfo<YearCase>& info) { return std::string(info.param.name); });

} // namespace
