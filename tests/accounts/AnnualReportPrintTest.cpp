#include "accounts/print/AnnualReportPrint.h"
#include "accounts/print/AnnualChart.h"
#include "output/PageExtent.h"
#include "output/PrintInspection.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

using test::opsOf;

AnnualItem item(std::string code, std::string name, long long perMonth)
{
    AnnualItem result{std::move(code), std::move(name), {}, 0};
    result.months.fill(perMonth);
    result.total = perMonth * 12;
    return result;
}

// A year of `incomeItems` and `expenseItems` items, each 1,000 a month.
AnnualReport reportWith(int incomeItems, int expenseItems)
{
    AnnualReport report;
    report.clubName = "ゾルカ会";
    report.year = {2025, 4};
    report.carryIn = 50000;
    for (const auto& [side, count, first] : {std::tuple{&report.income, incomeItems, 10200},
                                             std::tuple{&report.expense, expenseItems, 20100}}) {
        for (int i = 0; i < count; ++i) {
            side->items.push_back(
                item(std::to_string(first + i), "費目" + std::to_string(i), 1000));
            for (long long& month : side->months) {
                month += 1000;
            }
            side->total += 12000;
        }
    }
    return report;
}

std::vector<std::string> textsOf(const PrintPage& page)
{
    std::vector<std::string> texts;
    for (const PrintText& text : opsOf<PrintText>({Paper::A4, Orientation::Portrait, {page}})) {
        texts.push_back(text.text);
    }
    return texts;
}

bool holds(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(AnnualReportPrint, OnePageHoldsTheStatementBothTablesTheChartAndTheSignatures)
{
    const PrintResult result = printAnnualReport(reportWith(2, 3));
    ASSERT_EQ(result.code, PrintResult::kPrinted);
    ASSERT_EQ(result.documents.size(), 1u);
    EXPECT_EQ(result.documents[0].orientation, Orientation::Portrait);
    ASSERT_EQ(result.documents[0].pages.size(), 1u);
    const std::vector<std::string> texts = textsOf(result.documents[0].pages[0]);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 13),
              (std::vector<std::string>{
                  "2025年度　年間収支報告書", "2025年04月01日～2026年03月31日", "ゾルカ会",
                  "前年度繰越金", "50,000", "収入合計", "24,000", "支出合計", "36,000",
                  "当年度収支差額", "-12,000", "次年度繰越金", "38,000"}));
    for (const char* text : {"収入の部", "支出の部", "費目", "4月", "3月", "合計",
                             "月別の収入と支出", "会計監査", "印", "当年度収支差額", "-1,000"}) {
        EXPECT_TRUE(holds(texts, text)) << text;
    }
    EXPECT_FALSE(holds(texts, "1 / 1"));
    EXPECT_LE(test::lowestPoint(result.documents[0].pages[0]), kA4PrintableBottom);
}

TEST(AnnualReportPrint, LongTablesGoOnOverPagesBelowTheirHeadingAgain)
{
    const PrintResult result = printAnnualReport(reportWith(40, 60));
    const std::vector<PrintPage>& pages = result.documents.at(0).pages;
    ASSERT_EQ(pages.size(), 4u);
    int itemRows = 0;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const std::vector<std::string> texts = textsOf(pages[page]);
        EXPECT_LE(test::lowestPoint(pages[page]), kA4PrintableBottom) << page;
        EXPECT_EQ(texts.back(), std::to_string(page + 1) + " / 4");
        if (page > 0) {
            EXPECT_EQ(texts.front(), "2025年度　年間収支報告書　ゾルカ会");
        }
        for (const std::string& text : texts) {
            itemRows += text.starts_with("費目") && text != "費目" ? 1 : 0;
        }
    }
    EXPECT_EQ(itemRows, 100);
    // The income table ends on the second page, which goes on below its caption and heading.
    const std::vector<std::string> second = textsOf(pages[1]);
    EXPECT_EQ(second.at(1), "収入の部");
    EXPECT_EQ(second.at(2), "費目");
    EXPECT_TRUE(holds(second, "支出の部"));
    EXPECT_TRUE(holds(textsOf(pages[3]), "会計監査"));
}

TEST(AnnualChart, AxesRunInRoundStepsOverEveryAmountAndZero)
{
    EXPECT_EQ(chartScale(0, 0), (ChartScale{0, 5000, 1000}));
    EXPECT_EQ(chartScale(0, 111000), (ChartScale{0, 150000, 50000}));
    EXPECT_EQ(chartScale(3000, 36000), (ChartScale{0, 40000, 10000}));
    EXPECT_EQ(chartScale(-12000, 48000), (ChartScale{-20000, 60000, 20000}));
    EXPECT_EQ(chartScale(-7, -3), (ChartScale{-8, 0, 2}));
    EXPECT_EQ(chartScale(0, 1), (ChartScale{0, 1, 1}));
}

TEST(AnnualChart, EveryMonthWithAnAmountHasItsBarFromZero)
{
    AnnualReport report = reportWith(1, 1);
    report.income.months[4] = 0;
    report.expense.months[5] = -500;
    PrintBuilder builder(Orientation::Portrait);
    drawAnnualChart(builder, report, {10, 100, 200, 170});
    const std::vector<PrintBox> boxes = opsOf<PrintBox>(builder.finish().at(0));
    std::vector<PrintBox> bars;
    std::copy_if(boxes.begin(), boxes.end(), std::back_inserter(bars),
                 [](const PrintBox& box) { return box.x1 > 29; });
    // Two key boxes above the plot, then 23 bars.
    ASSERT_EQ(bars.size(), 25u);
    const double zero = bars[2].y2;
    for (std::size_t i = 2; i < bars.size(); ++i) {
        EXPECT_TRUE(bars[i].y1 == zero || bars[i].y2 == zero) << i;
        EXPECT_GE(bars[i].y1, 108);
        EXPECT_LE(bars[i].y2, 164);
    }
    EXPECT_EQ(bars[2].fill, kPaletteLightBlue);
    EXPECT_EQ(bars[3].fill, kPaletteLightRed);
    // September's expense of -500 hangs below zero.
    EXPECT_EQ(bars[12].y1, zero);
    EXPECT_GT(bars[12].y2, zero);
}

} // namespace
} // namespace zoruka
