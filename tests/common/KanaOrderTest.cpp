#include "common/KanaOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using zoruka::compareReadings;
using zoruka::kanaSortKey;

TEST(KanaOrder, HiraganaFullAndHalfWidthKatakanaSoundAlike)
{
    EXPECT_EQ(kanaSortKey("やまだ"), kanaSortKey("ヤマダ"));
    EXPECT_EQ(kanaSortKey("ﾔﾏﾀﾞ"), kanaSortKey("ヤマダ"));
    EXPECT_EQ(kanaSortKey("ﾎﾟｰﾙ"), kanaSortKey("ポール"));
    EXPECT_EQ(kanaSortKey("ｳﾞｨ"), kanaSortKey("ヴィ"));
    EXPECT_EQ(kanaSortKey("ﾂﾞ"), kanaSortKey("ヅ"));
    EXPECT_EQ(kanaSortKey("ｯ"), kanaSortKey("ッ"));
}

TEST(KanaOrder, ReadingsSortBySoundWhateverTheirForm)
{
    std::vector<std::string> readings{"さとう", "ｶﾄｳ",    "アオキ", "がくと",
                                      "かとう", "いとう", "ｱｵｷ"};
    std::sort(readings.begin(), readings.end(),
              [](const std::string& a, const std::string& b) { return compareReadings(a, b) < 0; });
    const std::vector<std::string> bySound{"アオキ", "ｱｵｷ",    "いとう", "かとう",
                                           "ｶﾄｳ",    "がくと", "さとう"};
    EXPECT_EQ(readings, bySound);
}

TEST(KanaOrder, OnlyIdenticalReadingsAreEqual)
{
    EXPECT_EQ(compareReadings("やまだ", "やまだ"), 0);
    EXPECT_NE(compareReadings("やまだ", "ヤマダ"), 0);
    EXPECT_LT(compareReadings("", "あ"), 0);
    EXPECT_LT(compareReadings("Abe", "あべ"), 0); // letters before kana, as their code points
}

} // namespace
