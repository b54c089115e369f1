#include "accounts/print/FeeCheckListPrint.h"
#include "output/PageExtent.h"
#include "output/PrintInspection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace zoruka;
using namespace zoruka::test;

const std::string kFont = "ＭＳＰ ゴシック";

FeeCheckList checkList(int members, std::vector<int> days)
{
    FeeCheckList list{"ゾルカ会", {"10", "04", "01"}, std::move(days), {}};
    for (int member = 1; member <= members; ++member) {
        list.names.push_back("会員" + std::to_string(member));
    }
    return list;
}

// Every page of the print, each its own document of one page.
std::vector<PrintPage> pagesOf(const PrintResult& result)
{
    std::vector<PrintPage> pages;
    for (const PrintDocument& document : result.documents) {
        EXPECT_EQ(document.pages.size(), 1u);
        EXPECT_EQ(document.orientation, Orientation::Portrait);
        pages.insert(pages.end(), document.pages.begin(), document.pages.end());
    }
    return pages;
}

template <typename Op> std::vector<Op> opsOn(const PrintPage& page)
{
    return opsOf<Op>(PrintDocument{Paper::A4, Orientation::Portrait, {page}});
}

// The page's texts as "x,y,size:text".
std::vector<std::string> textsOn(const PrintPage& page)
{
    std::vector<std::string> texts;
    for (const PrintText& text : opsOn<PrintText>(page)) {
        EXPECT_EQ(text.font, kFont);
        char at[48];
        std::snprintf(at, sizeof at, "%g,%g,%g:", text.x, text.y, text.size);
        texts.push_back(at + text.text);
    }
    return texts;
}

// The names listed on the page, in order.
std::vector<std::string> namesOn(const PrintPage& page)
{
    std::vector<std::string> names;
    for (const PrintText& text : opsOn<PrintText>(page)) {
        if (text.x == 12) {
            names.push_back(text.text);
        }
    }
    return names;
}

// x of the vertical lines and y of the horizontal ones, in drawing order.
std::pair<std::vector<double>, std::vector<double>> rulesOn(const PrintPage& page)
{
    std::vector<double> columns;
    std::vector<double> rows;
    for (const PrintLine& line : opsOn<PrintLine>(page)) {
        if (line.x1 == line.x2) {
            EXPECT_EQ(std::pair(line.y1, line.y2), std::pair(15.0, 279.0));
            columns.push_back(line.x1);
        } else {
            EXPECT_EQ(std::pair(line.x1, line.x2), std::pair(10.0, 190.0));
            rows.push_back(line.y1);
        }
    }
    return {columns, rows};
}

std::vector<double> steps(double from, double step, int count)
{
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(from + step * i);
    }
    return values;
}

TEST(FeeCheckListPrint, APageWithFewPracticeDaysIsDrawnAsLaidOut)
{
    FeeCheckList list = checkList(2, {5, 12, 19, 26});
    list.names[1] = "佐藤*";
    const std::vector<PrintPage> pages = pagesOf(printFeeCheckList(list));
    ASSERT_EQ(pages.size(), 1u);

    // "mm月dd日" at 9 pt would end past its column's line: 8.4 pt keeps it inside, on the
    // baseline the 9-point text would have.
    EXPECT_EQ(textsOn(pages[0]), (std::vector<std::string>{
                                     "80,5,14:ゾルカ会",
                                     "140,10,10:10年 04月　会費",
                                     "20,16.5,10:氏　　名",
                                     "41,17.1862,8.4:04月05日",
                                     "56,17.1862,8.4:04月12日",
                                     "71,17.1862,8.4:04月19日",
                                     "86,17.1862,8.4:04月26日",
                                     "12,23,10:会員1",
                                     "12,29,10:佐藤*",
                                 }));
    const auto [columns, rows] = rulesOn(pages[0]);
    std::vector<double> expectedColumns{40};
    for (double x : steps(55, 15, 10)) {
        expectedColumns.push_back(x);
    }
    EXPECT_EQ(columns, expectedColumns);
    EXPECT_EQ(rows, steps(21, 6, 43));
    EXPECT_EQ(opsOn<PrintBox>(pages[0]), (std::vector<PrintBox>{{10, 15, 190, 279, 1, 0}}));
}

TEST(FeeCheckListPrint, FortyThreeMembersFillAPageAndTheFortyFourthOpensTheNext)
{
    const std::vector<PrintPage> full = pagesOf(printFeeCheckList(checkList(43, {5})));
    ASSERT_EQ(full.size(), 1u);
    EXPECT_EQ(namesOn(full[0]).size(), 43u);
    EXPECT_EQ(textsOn(full[0]).back(), "12,275,10:会員43");

    const std::vector<PrintPage> pages = pagesOf(printFeeCheckList(checkList(44, {5})));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(namesOn(pages[1]), (std::vector<std::string>{"会員44"}));
    // The second page carries the whole heading and grid again.
    const std::vector<std::string> first = textsOn(pages[0]);
    const std::vector<std::string> second = textsOn(pages[1]);
    EXPECT_EQ(std::vector<std::string>(second.begin(), second.begin() + 4),
              std::vector<std::string>(first.begin(), first.begin() + 4));
    EXPECT_EQ(second.back(), "12,23,10:会員44");
    EXPECT_EQ(rulesOn(pages[1]), rulesOn(pages[0]));
    EXPECT_EQ(opsOn<PrintBox>(pages[1]).size(), 1u);
}

TEST(FeeCheckListPrint, ManyMembersFollowOnePageAfterAnother)
{
    const std::vector<PrintPage> pages = pagesOf(printFeeCheckList(checkList(130, {})));
    ASSERT_EQ(pages.size(), 4u);
    std::vector<std::string> names;
    for (const PrintPage& page : pages) {
        const std::vector<std::string> onPage = namesOn(page);
        names.insert(names.end(), onPage.begin(), onPage.end());
    }
    EXPECT_EQ(names, checkList(130, {}).names);
}

TEST(FeeCheckListPrint, TwelveDaysTakeNarrowColumnsAndOneRun)
{
    std::vector<int> days;
    for (int day = 1; day <= 12; ++day) {
        days.push_back(day + 2);
    }
    const std::vector<PrintPage> pages = pagesOf(printFeeCheckList(checkList(3, days)));
    // Days 1 … 15 fit the first run; the second would have no day and is left out.
    ASSERT_EQ(pages.size(), 1u);

    EXPECT_EQ(rulesOn(pages[0]).first.size(), 16u);
    EXPECT_EQ(rulesOn(pages[0]).first.back(), 190);
    std::vector<std::string> headings;
    for (const PrintText& text : opsOn<PrintText>(pages[0])) {
        if (text.y == 17) {
            EXPECT_EQ(text.size, 8);
            headings.push_back(std::to_string(static_cast<int>(text.x * 10)) + ":" + text.text);
        }
    }
    ASSERT_EQ(headings.size(), 12u);
    EXPECT_EQ(headings.front(), "425:3日");
    EXPECT_EQ(headings[7], "1125:10日");
    EXPECT_EQ(headings.back(), "1525:14日"); // column 12; columns 13 to 15 stay empty
}

TEST(FeeCheckListPrint, MoreThanFifteenDaysListTheMembersAgainForTheLaterDays)
{
    std::vector<int> days;
    for (int day = 1; day <= 18; ++day) {
        days.push_back(day);
    }
    const std::vector<PrintPage> pages = pagesOf(printFeeCheckList(checkList(44, days)));
    ASSERT_EQ(pages.size(), 4u);
    for (const std::size_t page : {0u, 2u}) {
        EXPECT_EQ(namesOn(pages[page]).size(), 43u);
        EXPECT_EQ(namesOn(pages[page + 1]), (std::vector<std::string>{"会員44"}));
    }
    const auto headings = [](const PrintPage& page) {
        std::vector<std::string> found;
        for (const PrintText& text : opsOn<PrintText>(page)) {
            if (text.y == 17) {
                found.push_back(text.text);
            }
        }
        return found;
    };
    EXPECT_EQ(headings(pages[1]).size(), 15u);
    EXPECT_EQ(headings(pages[1]).back(), "15日");
    EXPECT_EQ(headings(pages[3]), (std::vector<std::string>{"16日", "17日", "18日"}));
    EXPECT_EQ(opsOn<PrintText>(pages[3])[3].x, 42.5);
}

TEST(FeeCheckListPrint, WithoutMembersOrDaysTheEmptyTableIsStillPrinted)
{
    const std::vector<PrintPage> pages = pagesOf(printFeeCheckList(checkList(0, {})));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(textsOn(pages[0]).size(), 3u);
    EXPECT_EQ(rulesOn(pages[0]).first.size(), 11u);
}

TEST(FeeCheckListPrint, NothingIsDrawnBelowTheTable)
{
    for (const int days : {0, 10, 11, 31}) {
        std::vector<int> practice;
        for (int day = 1; day <= days; ++day) {
            practice.push_back(day);
        }
        for (const PrintPage& page : pagesOf(printFeeCheckList(checkList(100, practice)))) {
            EXPECT_LE(lowestPoint(page), 279) << days << " days";
        }
    }
}

} // namespace
