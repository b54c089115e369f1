#include "common/NumberFormat.h"
#include "common/StartupValues.h"
#include "common/TextWidth.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;

TEST(Formatting, TwoCharacterFieldsPadOneDigitAndCutLongerNumbers)
{
    EXPECT_EQ(twoCharField(0), " 0");
    EXPECT_EQ(twoCharField(7), " 7");
    EXPECT_EQ(twoCharField(50), "50");
    EXPECT_EQ(twoCharField(123), "12");
}

TEST(Formatting, AmountsAreGroupedByThousands)
{
    EXPECT_EQ(formatAmount(0), "0");
    EXPECT_EQ(formatAmount(999), "999");
    EXPECT_EQ(formatAmount(1000), "1,000");
    EXPECT_EQ(formatAmount(1234567), "1,234,567");
    EXPECT_EQ(formatAmount(-5000), "-5,000");
}

TEST(Formatting, StartupValuesHoldTodayAndTheWeekdayNames)
{
    const StartupValues values = StartupValues::forDate({2010, 6, 2});
    EXPECT_EQ(values.today, "10/06/02");
    EXPECT_EQ(values.thisYear, "2010");
    EXPECT_EQ(values.weekdayNames[0], "日");
    EXPECT_EQ(values.weekdayNames[6], "土");
    EXPECT_EQ(formatShortDate({2026, 12, 31}), "26/12/31");
}

TEST(Formatting, DisplayWidthCountsWideCharactersTwice)
{
    EXPECT_EQ(displayWidth("1-2"), 3);
    EXPECT_EQ(displayWidth("第1試合"), 7);
    EXPECT_EQ(displayWidth("ﾌｧｲﾙ"), 4); // half-width katakana
    EXPECT_EQ(padRight("A面", 5), "A面  ");
}

} // namespace
