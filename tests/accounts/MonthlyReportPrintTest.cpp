#include "accounts/print/MonthlyReportPrint.h"
#include "output/PageExtent.h"
#include "output/PrintInspection.h"
#include "output/PrintOperationsJson.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace zoruka;
using namespace zoruka::test;

const std::string kFont = "ＭＳＰ ゴシック";
constexpr ReportParts kListOnly{false, false};

CashBookRow entry(std::string day, std::string kind, std::string name, long long amount,
                  std::string note = "")
{
    return {std::move(day),  std::move(kind), kind == "1" ? "10200" : "20100",
            std::move(name), amount,          0,
            std::move(note)};
}

// The report of April "10" with these entries, their running balance, totals and item totals.
MonthlyReport reportOf(std::vector<CashBookRow> rows, std::vector<Payment> payments = {})
{
    MonthlyReport report{"ゾルカ会", {"10", "04", "01"}, {}, {}, std::move(payments)};
    long long balance = 0;
    for (CashBookRow& row : rows) {
        const bool income = row.kind == "1";
        balance += income ? row.amount : -row.amount;
        (income ? report.book.income : report.book.expense) += row.amount;
        row.balance = balance;
    }
    report.book.rows = std::move(rows);
    report.totals = monthTotals(report.book, report.month);
    return report;
}

std::vector<CashBookRow> entries(int count)
{
    std::vector<CashBookRow> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back(entry(std::to_string(10 + i / 3), i % 2 == 0 ? "1" : "2", "費目", 100));
    }
    return rows;
}

std::vector<Payment> payers(const std::string& day, const std::string& item, int count)
{
    std::vector<Payment> payments;
    for (int i = 1; i <= count; ++i) {
        payments.push_back({day, "1", "10300", item, "会員" + std::to_string(i), 500});
    }
    return payments;
}

std::vector<PrintPage> pagesOf(const PrintResult& result)
{
    EXPECT_EQ(result.code, PrintResult::kPrinted);
    EXPECT_EQ(result.documents.size(), 1u);
    EXPECT_EQ(result.documents.front().orientation, Orientation::Portrait);
    return result.documents.front().pages;
}

template <typename Op> std::vector<Op> opsOn(const PrintPage& page)
{
    return opsOf<Op>(PrintDocument{Paper::A4, Orientation::Portrait, {page}});
}

// Texts as "x,y:text".
std::vector<std::string> textsOn(const PrintPage& page)
{
    std::vector<std::string> texts;
    for (const PrintText& text : opsOn<PrintText>(page)) {
        char at[32];
        std::snprintf(at, sizeof at, "%g,%g:", text.x, text.y);
        texts.push_back(at + text.text);
    }
    return texts;
}

std::vector<std::string> textsAt(const PrintPage& page, double x)
{
    std::vector<std::string> texts;
    for (const PrintText& text : opsOn<PrintText>(page)) {
        if (text.x == x) {
            texts.push_back(text.text);
        }
    }
    return texts;
}

TEST(MonthlyReportPrint, APageIsDrawnExactlyAsLaidOut)
{
    const PrintResult result =
        printMonthlyReport(reportOf({entry("01", "1", "月会費", 12345, "4月分")}), kListOnly);
    const std::vector<PrintPage> pages = pagesOf(result);
    ASSERT_EQ(pages.size(), 1u);

    auto text = [](double x, double y, std::string s, double size = 10) -> PrintOperation {
        return PrintText{x, y, std::move(s), kFont, size, kPaletteBlack};
    };
    auto amount = [](double x, double y, std::string s) -> PrintOperation {
        PrintText ending{x, y, std::move(s), kFont, 10, kPaletteBlack};
        ending.endsAtX = true;
        return ending;
    };
    auto frame = [](double top) {
        std::vector<PrintOperation> ops{PrintBox{10, top, 185, top + 7, 3, kPaletteBlack}};
        for (const double x : {25, 65, 90, 115, 140}) {
            ops.push_back(PrintLine{x, top, x, top + 7, 3, kPaletteBlack});
        }
        return ops;
    };
    std::vector<PrintOperation> expected = {
        text(80, 10, "ゾルカ会", 12), text(140, 15, "10年 04月　収支報告書"),
        text(15, 23, "日付"),         text(37, 23, "摘　　要"),
        text(72, 23, "収　入"),       text(97, 23, "支　出"),
        text(122, 23, "残　高"),      text(152, 23, "備　　考"),
    };
    const auto append = [&](const std::vector<PrintOperation>& ops) {
        expected.insert(expected.end(), ops.begin(), ops.end());
    };
    append(frame(21));
    append({text(15, 30, "01日"), text(27, 30, "月会費"), amount(89, 30, "12,345"),
            amount(139, 30, "12,345"), text(142, 30, "4月分")});
    append(frame(28));
    append({text(27, 37, "合計"), amount(89, 37, "12,345"), amount(114, 37, "0")});
    append(frame(35));

    const auto& drawn = pages[0].operations;
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_TRUE(drawn[i] == expected[i])
            << "operation " << i << ": "
            << printOperationsJson({{Paper::A4, Orientation::Portrait, {{{drawn[i]}}}}});
    }
}

TEST(MonthlyReportPrint, TheDayStandsOnTheFirstEntryOfEachDay)
{
    const MonthlyReport report =
        reportOf({entry("01", "1", "前月繰越", 5000), entry("01", "2", "コート代", 3000),
                  entry("05", "1", "参加費", 1500), entry("05", "2", "シャトル代", 800)});
    const std::vector<PrintPage> pages = pagesOf(printMonthlyReport(report, kListOnly));
    EXPECT_EQ(textsAt(pages[0], 15), (std::vector<std::string>{"日付", "01日", "05日"}));
    // Expenses go under 支出; the balance runs on.
    EXPECT_EQ(textsAt(pages[0], 114), (std::vector<std::string>{"3,000", "800", "3,800"}));
    EXPECT_EQ(textsAt(pages[0], 139),
              (std::vector<std::string>{"5,000", "2,000", "3,500", "2,700"}));
}

TEST(MonthlyReportPrint, AmountsTooLongForTheFieldArePrintedWhole)
{
    const MonthlyReport report = reportOf({entry("02", "2", "会場費", 1234567890)});
    const std::vector<PrintPage> pages = pagesOf(printMonthlyReport(report, kListOnly));
    EXPECT_EQ(textsAt(pages[0], 139), (std::vector<std::string>{"-1,234,567,890"}));
}

TEST(MonthlyReportPrint, SevenPayersGoFiveOnTheItemLineAndTwoOnTheNext)
{
    const MonthlyReport report =
        reportOf({entry("08", "1", "参加費", 3500)}, payers("08", "参加費", 7));
    const std::vector<PrintPage> pages = pagesOf(printMonthlyReport(report, {true, false}));
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<std::string> texts = textsOn(pages[0]);
    // List heading on line 1, the entry on 2, the total on 3, a gap on 4; the payment lines 5
    // and 6 have their texts on their lower edges, 56 and 63.
    EXPECT_EQ(std::vector<std::string>(texts.end() - 10, texts.end()),
              (std::vector<std::string>{"15,56:08日", "27,56:参加費", "89,56:500", "92,56:会員1",
                                        "112,56:会員2", "132,56:会員3", "152,56:会員4",
                                        "172,56:会員5", "92,63:会員6", "112,63:会員7"}));
}

TEST(MonthlyReportPrint, EveryEntryOfTheDetailGetsItsItemLine)
{
    std::vector<Payment> payments = payers("08", "参加費", 2);
    payments.push_back({"08", "1", "10400", "合宿費", "会員1", 9000});
    for (Payment& payment : payers("15", "参加費", 1)) {
        payments.push_back(payment);
    }
    const MonthlyReport report = reportOf({entry("08", "1", "参加費", 1000)}, payments);
    const std::vector<PrintPage> pages = pagesOf(printMonthlyReport(report, {true, false}));
    const std::vector<std::string> texts = textsOn(pages[0]);
    EXPECT_EQ(
        std::vector<std::string>(texts.end() - 12, texts.end()),
        (std::vector<std::string>{"15,56:08日", "27,56:参加費", "89,56:500", "92,56:会員1",
                                  "112,56:会員2", "27,63:合宿費", "89,63:9,000", "92,63:会員1",
                                  "15,70:15日", "27,70:参加費", "89,70:500", "92,70:会員1"}));
}

TEST(MonthlyReportPrint, WithoutDetailAndSummaryTheListAndItsTotalAreAll)
{
    const MonthlyReport report = reportOf(entries(3), payers("10", "参加費", 4));
    const std::vector<PrintPage> pages = pagesOf(printMonthlyReport(report, kListOnly));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(textsOn(pages[0]).back(), "114,51:100");
    EXPECT_EQ(opsOn<PrintBox>(pages[0]).size(), 5u);
}

TEST(MonthlyReportPrint, TheSummaryFollowsTwoLinesBelowWhenItFits)
{
    // Lines: heading 1, entries 2 … 31, total 32; the summary from 35: heading, two items and
    // the total on line 38, the last whose frame ends (at 287) within the printable area.
    const MonthlyReport report = reportOf(entries(30));
    const std::vector<PrintPage> pages = pagesOf(printMonthlyReport(report, {false, true}));
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<std::string> texts = textsOn(pages[0]);
    EXPECT_EQ(
        std::vector<std::string>(texts.end() - 10, texts.end()),
        (std::vector<std::string>{"37,261:摘　　要", "72,261:収　入", "97,261:支　出",
                                  "27,268:費目", "89,268:1,500", "27,275:費目", "114,275:1,500",
                                  "27,282:合計", "89,282:1,500", "114,282:1,500"}));
    const std::vector<PrintBox> boxes = opsOn<PrintBox>(pages[0]);
    EXPECT_EQ(boxes.back(), (PrintBox{20, 280, 117, 287, 3, kPaletteBlack}));
}

TEST(MonthlyReportPrint, TheSummaryMovesWholeToANewPageWhenItWouldNotFit)
{
    // One entry more and the summary's total would end below the printable area.
    const MonthlyReport report = reportOf(entries(31));
    const std::vector<PrintPage> pages = pagesOf(printMonthlyReport(report, {false, true}));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(textsOn(pages[1]),
              (std::vector<std::string>{"80,10:ゾルカ会", "140,15:10年 04月　収支報告書",
                                        "37,23:摘　　要", "72,23:収　入", "97,23:支　出",
                                        "27,30:費目", "89,30:1,600", "27,37:費目", "114,37:1,500",
                                        "27,44:合計", "89,44:1,600", "114,44:1,500"}));
}

TEST(MonthlyReportPrint, LongReportsKeepEveryPageWithinThePrintableArea)
{
    std::vector<Payment> payments = payers("10", "参加費", 23);
    for (int day = 11; day < 40; ++day) {
        for (Payment& payment : payers(std::to_string(day), "月会費", 6)) {
            payments.push_back(payment);
        }
    }
    std::vector<CashBookRow> rows = entries(100);
    for (int i = 0; i < 45; ++i) {
        rows.push_back({"30", "2", std::to_string(20300 + i), "雑費", 10, 0, ""});
    }
    const std::vector<PrintPage> pages =
        pagesOf(printMonthlyReport(reportOf(rows, payments), {true, true}));
    ASSERT_GE(pages.size(), 8u);

    int listHeadings = 0;
    for (const PrintPage& page : pages) {
        EXPECT_LE(lowestPoint(page), kA4PrintableBottom);
        const std::vector<std::string> texts = textsOn(page);
        ASSERT_GE(texts.size(), 3u);
        EXPECT_EQ(texts[0], "80,10:ゾルカ会");
        EXPECT_EQ(texts[1], "140,15:10年 04月　収支報告書");
        listHeadings += texts[2] == "15,23:日付" ? 1 : 0;
    }
    // 145 entries and the total, 37 to a page under the list heading.
    EXPECT_EQ(listHeadings, 4);
    // The second page goes on with the 38th entry on line 2, below the list heading.
    EXPECT_EQ(textsOn(pages[1]).at(8), "27,30:費目");
}

} // namespace
