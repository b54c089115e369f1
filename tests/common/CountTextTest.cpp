#include "common/CountText.h"

#include <gtest/gtest.h>

namespace {

using zoruka::parseCount;

TEST(CountText, AcceptsWholeNumbersWithinTheLimit)
{
    EXPECT_EQ(parseCount("0", 50), 0);
    EXPECT_EQ(parseCount("50", 50), 50);
    EXPECT_EQ(parseCount(" 9 ", 50), 9);
    EXPECT_EQ(parseCount("07", 50), 7);
    EXPECT_EQ(parseCount("１２", 50), 12);    // full-width digits typed through an IME
    EXPECT_EQ(parseCount("　９\t　", 50), 9); // ideographic spaces, as an IME types them
}

TEST(CountText, RefusesEverythingElse)
{
    for (const char* text : {"", " ", "51", "-1", "+3", "2.5", "1e1", "abc", "9人", "1 2",
                             "99999999999999999999", "\xEF\xBC", "　", "1　2"}) {
        EXPECT_FALSE(parseCount(text, 50).has_value()) << '"' << text << '"';
    }
}

} // namespace
