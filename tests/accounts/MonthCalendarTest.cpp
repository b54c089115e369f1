#include "accounts/MonthCalendar.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

TEST(MonthCalendar, PreviousAndNextMonthCrossTheYear)
{
    EXPECT_EQ(previousMonth({"09", "01", "01"}).text(), "08/12/01");
    EXPECT_EQ(previousMonth({"10", "04", "01"}).text(), "10/03/01");
    EXPECT_EQ(previousMonth({"00", "01", "01"}).text(), "99/12/01");
    EXPECT_EQ(nextMonth({"08", "12", "01"}).text(), "09/01/01");
    EXPECT_EQ(nextMonth({"10", "04", "01"}).text(), "10/05/01");
}

TEST(MonthCalendar, AMonthStartingOnSaturdayWithThirtyOneDaysUsesSixWeeks)
{
    // 1 May 2010 was a Saturday.
    const CalendarWeeks weeks = calendarWeeks({"10", "05", "01"});
    EXPECT_EQ(weeks[0], (std::array<int, 7>{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(weeks[1], (std::array<int, 7>{2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(weeks[5], (std::array<int, 7>{30, 31, 0, 0, 0, 0, 0}));
}

TEST(MonthCalendar, FebruaryStartingOnSundayFillsFourWeeksExactly)
{
    // 1 February 2015 was a Sunday; 2016 is a leap year starting February on a Monday.
    const CalendarWeeks weeks = calendarWeeks({"15", "02", "01"});
    EXPECT_EQ(weeks[0][0], 1);
    EXPECT_EQ(weeks[3][6], 28);
    EXPECT_EQ(weeks[4], (std::array<int, 7>{}));
    EXPECT_EQ(weeks[5], (std::array<int, 7>{}));
    const CalendarWeeks leap = calendarWeeks({"16", "02", "01"});
    EXPECT_EQ(leap[0][1], 1);
    EXPECT_EQ(leap[4], (std::array<int, 7>{28, 29, 0, 0, 0, 0, 0}));
}

} // namespace
} // namespace zoruka
