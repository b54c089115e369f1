#include "accounts/EntryDate.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

TEST(EntryDate, AcceptsShortAndLongYearsWithOrWithoutLeadingZeros)
{
    const EntryDate fifthOfApril{"26", "04", "05"};
    for (const char* typed : {"26/04/05", "26/4/5", "2026/04/05", "2026/4/5", " 26/04/05 ",
                              "２６／０４／０５", "２０２６/4/5"}) {
        EXPECT_EQ(parseEntryDate(typed), fifthOfApril) << typed;
    }
    EXPECT_EQ(parseEntryDate("8/1/31"), (EntryDate{"08", "01", "31"}));
    EXPECT_EQ(parseEntryDate("2000/01/01"), (EntryDate{"00", "01", "01"}));
    EXPECT_EQ(parseEntryDate("2099/12/31"), (EntryDate{"99", "12", "31"}));
    EXPECT_EQ(parseEntryDate("26/04/05")->text(), "26/04/05");
}

TEST(EntryDate, RefusesTextThatIsNoDateOfTheseYears)
{
    for (const char* typed :
         {"",           "26",          "26/04",     "26/04/05/01", "26-04-05",
          "260405",     "26/04/",      "/04/05",    "26/4a/5",     "26/+4/5",
          "26/-4/5",    "26/04/05x",   "a6/04/05",  "226/04/05",   "1999/04/05",
          "2100/01/01", "02026/04/05", "26/004/05", "26/13/01",    "26/00/10",
          "26/04/00",   "26/04/31",    "26/02/30",  "26/02/29",    "2100/02/29"}) {
        EXPECT_FALSE(parseEntryDate(typed).has_value()) << typed;
    }
}

TEST(EntryDate, KnowsLeapYears)
{
    EXPECT_TRUE(parseEntryDate("24/02/29").has_value());
    EXPECT_TRUE(parseEntryDate("2000/02/29").has_value());
    EXPECT_FALSE(parseEntryDate("25/02/29").has_value());
}

TEST(EntryDate, FirstOfMonthNeedsAYearAndMonthThatFormADate)
{
    EXPECT_EQ(firstOfMonth("26", "04"), (EntryDate{"26", "04", "01"}));
    EXPECT_FALSE(firstOfMonth("26", "13").has_value());
    EXPECT_FALSE(firstOfMonth("", "04").has_value());
    EXPECT_FALSE(firstOfMonth("２６年", "04").has_value());
}

TEST(EntryDate, MonthEndsFollowTheCalendar)
{
    const auto ends = [](const char* date) { return monthEnds(*parseEntryDate(date)); };
    EXPECT_EQ(ends("24/02/01").lastDay, (EntryDate{"24", "02", "29"}));
    EXPECT_EQ(ends("26/02/10").lastDay, (EntryDate{"26", "02", "28"}));
    EXPECT_EQ(ends("26/02/10").nextFirst, (EntryDate{"26", "03", "01"}));
    EXPECT_EQ(ends("26/04/01").lastDay, (EntryDate{"26", "04", "30"}));
    EXPECT_EQ(ends("20/12/01").lastDay, (EntryDate{"20", "12", "31"}));
    EXPECT_EQ(ends("20/12/01").nextFirst, (EntryDate{"21", "01", "01"}));
}

TEST(EntryDate, YearChoicesReachTheCurrentYear)
{
    const std::vector<std::string> listed = yearChoices("15");
    ASSERT_EQ(listed.size(), 13u);
    EXPECT_EQ(listed.front(), "08");
    EXPECT_EQ(listed.back(), "20");
    EXPECT_EQ(yearChoices("26").back(), "26");
    EXPECT_EQ(yearChoices("26").size(), 19u);
    EXPECT_EQ(twoDigitChoices(12).front(), "01");
    EXPECT_EQ(twoDigitChoices(31).back(), "31");
}

} // namespace
} // namespace zoruka
