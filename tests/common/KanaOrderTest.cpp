#include "common/KanaOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using zoruka::kanaSortKey;

// The order the member list gives: by key, then by the reading's own bytes.
bool readingBefore(const std::string& a, const std::string& b)
{
    return std::pair(kanaSortKey(a), a) < std::pair(kanaSortKey(b), b);
}

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
    std::sort(readings.begin(), readings.end(), readingBefore);
    const std::vector<std::string> bySound{"アオキ", "ｱｵｷ",    "いとう", "かとう",
                                           "ｶﾄｳ",    "がくと", "さとう"};
    EXPECT_EQ(readings, bySound);
}

TEST(KanaOrder, KeysAreKatakanaTextThatSortsByCodePoint)
{
    EXPECT_EQ(kanaSortKey("ﾔﾏﾀﾞ やまだ Abe"), "ヤマダ ヤマダ Abe");
    EXPECT_TRUE(readingBefore("", "あ"));
    EXPECT_TRUE(readingBefore("Abe", "あべ")); // letters before kana, as their code points
    EXPECT_TRUE(readingBefore("ヤマダ", "やまだ") != readingBefore("やまだ", "ヤマダ"));
    EXPECT_TRUE(readingBefore("ん", "𠮷")); // beyond the basic plane, four bytes
}

} // namespace
