// Every printed sheet measured with the fonts it is printed in: no text crosses a column line or
// a frame, runs into another text or leaves the paper.
#include "PrintedExtents.h"

#include "accounts/print/FeeCheckListPrint.h"
#include "accounts/print/MonthlyReportPrint.h"
#include "matchtable/DoublesGenerator.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/NumberedNames.h"
#include "matchtable/TeamGenerator.h"
#include "output/DoublesPrint.h"
#include "output/FixedPairPrint.h"
#include "output/MixedPrint.h"
#include "output/PlayerSheetsPrint.h"
#include "output/TeamPrint.h"
#include "output/TextFit.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace zoruka;
using test::faultsOf;

// The longest text a screen's text box takes (QLineEdit's limit).
constexpr std::size_t kLongestField = 32767;

std::string repeated(std::string_view text, std::size_t times)
{
    std::string result;
    for (std::size_t i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

TEST(PrintedWidth, IsTheWidthTheRendererPrints)
{
    const test::PrintedExtents extents;
    for (const char* text : {"0123456789", " 9", "12,13,14,15,16", "山田太郎", "ヤマダ　タロウ",
                             "やまだ", "Abc xyz-(1)", "ｱｲｳｴｵ", "04月05日", "…", "Ｍｉｘダブルス"}) {
        for (const char* font : {"HG丸ゴシックM - PRO", "ＭＳＰ ゴシック"}) {
            for (const double size : {6.3, 10.0, 20.0}) {
                // The device draws the font at a whole number of its dots per em.
                const double width = printedWidth(text, size);
                const double dotsPerEm = size / 72 * extents.dotsPerInch();
                EXPECT_NEAR(width, extents.width(font, size, QString::fromUtf8(text)),
                            width * 0.5 / dotsPerEm + 0.001)
                    << text << " in " << font << " at " << size;
            }
        }
    }
}

struct SheetCase {
    const char* name;
    std::function<MatchTable()> table;
    std::function<PrintResult(const MatchTable&)> print;
};

class MatchTableSheets : public testing::TestWithParam<SheetCase> {};

TEST_P(MatchTableSheets, EveryNumberEndsInsideItsCell)
{
    const PrintResult result = GetParam().print(GetParam().table());
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(faultsOf(result.documents), std::vector<std::string>{});
}

// `table` with every number named `name` and the number, in both groups.
MatchTable named(const MatchTable& table, MatchKind kind, const std::string& name)
{
    return test::withNumberedNames(table, kind, name, name);
}

INSTANTIATE_TEST_SUITE_P(
    Legends, MatchTableSheets,
    testing::Values(
        SheetCase{"Doubles",
                  [] {
                      return named(DoublesGenerator::generate(50, 3, 12), MatchKind::Doubles,
                                   "長谷川三郎");
                  },
                  printDoubles},
        SheetCase{
            "DoublesTall",
            [] { return named(DoublesGenerator::generate(50, 8, 10), MatchKind::Doubles, "Mw"); },
            printDoubles},
        SheetCase{
            "Mixed",
            [] { return named(MixedGenerator::generate(50, 50, 4, 10), MatchKind::Mixed, "山田"); },
            printMixed},
        SheetCase{"Team",
                  [] {
                      return named(TeamGenerator::generate(50, 50, 8, 10), MatchKind::Team,
                                   repeated("長", 38));
                  },
                  printTeam},
        SheetCase{"Fixed",
                  [] {
                      return named(FixedPairGenerator::generate(20, 20, 16, 10),
                                   MatchKind::FixedPairs, "山田・佐藤");
                  },
                  printFixedPairs},
        SheetCase{"PlayerSheets",
                  [] {
                      return named(MixedGenerator::generate(30, 30, 6, 12), MatchKind::Mixed,
                                   "長谷川三郎丸");
                  },
                  [](const MatchTable& t) { return printPlayerSheets(MatchKind::Mixed, t); }},
        SheetCase{"PlayerSheetsLongNames",
                  [] {
                      return named(FixedPairGenerator::generate(25, 25, 12, 8),
                                   MatchKind::FixedPairs, repeated("長", 38));
                  },
                  [](const MatchTable& t) { return printPlayerSheets(MatchKind::FixedPairs, t); }}),
    [](const testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TwoDigitNumbers, MatchTableSheets,
    testing::Values(
        SheetCase{"Doubles20", [] { return DoublesGenerator::generate(20, 4, 12); }, printDoubles},
        // Five rests to a line in the smaller size.
        SheetCase{"Doubles30", [] { return DoublesGenerator::generate(30, 2, 10); }, printDoubles},
        SheetCase{"Doubles50", [] { return DoublesGenerator::generate(50, 8, 10); }, printDoubles},
        SheetCase{"Mixed", [] { return MixedGenerator::generate(24, 20, 8, 10); }, printMixed},
        SheetCase{"Team", [] { return TeamGenerator::generate(50, 50, 8, 10); }, printTeam},
        SheetCase{"Fixed", [] { return FixedPairGenerator::generate(50, 50, 16, 10); },
                  printFixedPairs}),
    [](const testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

MonthlyReport reportWith(const std::string& name, const std::string& note)
{
    MonthlyReport report{name, {"10", "04", "01"}, {}, {}, {}};
    long long balance = 0;
    const auto add = [&](std::string day, std::string kind, std::string item, long long yen) {
        balance += kind == "1" ? yen : -yen;
        (kind == "1" ? report.book.income : report.book.expense) += yen;
        report.book.rows.push_back({day, kind, "10200", item, yen, balance, note});
    };
    add("01", "1", "前月繰越", 9'999'999'999);
    add("10", "1", name, 9'999'999'999);
    add("12", "2", name, 9'999'999'999);
    report.totals = monthTotals(report.book, report.month);
    // Seven payers: a full line and two on the next.
    for (int i = 0; i < 7; ++i) {
        report.payments.push_back({"10", "1", "10200", name, name + std::to_string(i), 3000});
    }
    return report;
}

struct ReportCase {
    const char* name;
    std::string text;
};

class ReportSheets : public testing::TestWithParam<ReportCase> {};

TEST_P(ReportSheets, EveryNameAndNoteFitsItsColumnOrSlot)
{
    const std::string& text = GetParam().text;
    EXPECT_EQ(faultsOf(printMonthlyReport(reportWith(text, text), {true, true}).documents),
              std::vector<std::string>{});

    FeeCheckList list{text, {"10", "04", "01"}, {5, 12, 19, 26}, {}};
    for (int i = 0; i < 50; ++i) {
        list.names.push_back(text + "*");
    }
    EXPECT_EQ(faultsOf(printFeeCheckList(list).documents), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(LongTexts, ReportSheets,
                         testing::Values(ReportCase{"FiveCharacters", "山田太郎丸"},
                                         ReportCase{"SixCharacters", "長谷川太郎丸"},
                                         ReportCase{"SevenCharacters", "長谷川三郎丸子"},
                                         ReportCase{"TwentyTwoCharacters", repeated("備", 22)},
                                         ReportCase{"Latin", repeated("Mw", 40)},
                                         ReportCase{"LongestField", repeated("長", kLongestField)}),
                         [](const testing::TestParamInfo<ReportCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(PayerNames, EveryPayerStaysReadable)
{
    const MonthlyReport report = reportWith("長谷川三郎丸子", "");
    const PrintResult result = printMonthlyReport(report, {true, false});
    int payers = 0;
    for (const PrintDocument& document : result.documents) {
        for (const PrintPage& page : document.pages) {
            for (const PrintOperation& operation : page.operations) {
                const auto* text = std::get_if<PrintText>(&operation);
                if (text && text->text.starts_with("長谷川三郎丸子") && text->text.size() > 21) {
                    ++payers;
                    EXPECT_GE(text->size, kSmallestTextSize);
                    EXPECT_EQ(text->text.find("…"), std::string::npos) << text->text;
                }
            }
        }
    }
    EXPECT_EQ(payers, 7);
}

TEST(CheckListSheets, MonthAndDayHeadingsStayInTheirColumns)
{
    for (const std::vector<int>& days :
         {std::vector<int>{1, 5, 12, 19, 26, 27, 28, 29, 30, 31},
          std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 31}}) {
        const FeeCheckList list{"ゾルカ会", {"10", "12", "01"}, days, {"山田太郎"}};
        EXPECT_EQ(faultsOf(printFeeCheckList(list).documents), std::vector<std::string>{});
    }
}

} // namespace
