#include "common/TypedNumber.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

std::string statusOf(std::string_view text, long long minimum = 0, long long maximum = 9'999'999)
{
    const TypedNumber number = readWholeNumber(text, minimum, maximum);
    switch (number.status) {
    case NumberStatus::Empty:
        return "empty";
    case NumberStatus::NotANumber:
        return "not a number";
    case NumberStatus::OutOfRange:
        return "out of range";
    case NumberStatus::Ok:
        return std::to_string(number.value);
    }
    return "?";
}

TEST(TypedNumber, WholeNumbersAreReadPlainWithCommasOrInFullWidth)
{
    EXPECT_EQ(statusOf("3000"), "3000");
    EXPECT_EQ(statusOf("12,345"), "12345");
    EXPECT_EQ(statusOf("１２，０００"), "12000");
    EXPECT_EQ(statusOf("  500\t"), "500");
    EXPECT_EQ(statusOf("　８００　"), "800");
    EXPECT_EQ(statusOf("0"), "0");
    EXPECT_EQ(statusOf("9,999,999"), "9999999");
}

TEST(TypedNumber, BlankIsEmptyAndTextIsNotANumber)
{
    EXPECT_EQ(statusOf(""), "empty");
    EXPECT_EQ(statusOf("  　"), "empty");
    for (const char* text : {"abc", "x", "12a", "1-2", "--5", "5-", "1e3", "+", "-", ".", "¥500"}) {
        EXPECT_EQ(statusOf(text), "not a number") << text;
    }
}

// A number that is not acceptable gets the range message, not "enter a number".
TEST(TypedNumber, NegativesFractionsAndHugeValuesAreOutOfRange)
{
    for (const char* text :
         {"-1", "-5,000", "1.5", "0.5", "3.", "－２", "10,000,000", "12345678901234567890"}) {
        EXPECT_EQ(statusOf(text), "out of range") << text;
    }
    EXPECT_EQ(statusOf("-1", -5, 5), "-1");
    EXPECT_EQ(statusOf("81", 0, 80), "out of range");
}

TEST(TypedNumber, DigitsAreOnlyDigits)
{
    EXPECT_TRUE(isDigits("0123"));
    EXPECT_TRUE(isDigits("１２３"));
    EXPECT_TRUE(isDigits(" 456 "));
    for (const char* text : {"", " ", "12-3", "1.5", "-1", "12 3", "abc", "1,234"}) {
        EXPECT_FALSE(isDigits(text)) << text;
    }
    EXPECT_EQ(normalisedInput("　０１２－３ "), "012-3");
}

} // namespace
} // namespace zoruka
