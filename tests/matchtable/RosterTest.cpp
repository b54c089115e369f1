#include "matchtable/Roster.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;

std::string repeated(std::string_view text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

struct BadList {
    const char* name;
    std::vector<std::string> men;
    std::vector<std::string> women;
    std::string message;
};

class BadNameLists : public testing::TestWithParam<BadList> {};

TEST_P(BadNameLists, AreRefusedWithTheirMessage)
{
    const Roster roster = Roster(GetParam().men, GetParam().women);
    EXPECT_EQ(rosterProblem(roster, {{0, "男性", 3}, {1, "女性", 2}}), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Mixed, BadNameLists,
    testing::Values(
        BadList{"TooFew",
                {"山田", "佐藤"},
                {"鈴木", "高橋"},
                "男性の名前は3人分必要です（2人分あります）"},
        BadList{"TooMany",
                {"山田", "佐藤", "田中"},
                {"鈴木", "高橋", "伊藤"},
                "女性の名前は2人分必要です（3人分あります）"},
        BadList{"Blank", {"山田", "\u3000 ", "田中"}, {"鈴木", "高橋"}, "男性の2番の名前が空です"},
        BadList{"Duplicate",
                {"山田", "佐藤", "田中"},
                {"鈴木", "佐藤"},
                "名前「佐藤」が男性の2番と女性の2番に重複しています"},
        BadList{"ThousandCharacters",
                {"山田", "佐藤", repeated("長", 1000)},
                {"鈴木", "高橋"},
                "男性の3番の名前が長すぎます（40文字まで）"},
        BadList{"Tab",
                {"山田", "佐\t藤", "田中"},
                {"鈴木", "高橋"},
                "男性の2番の名前に制御文字が含まれています"},
        BadList{"Escape",
                {"山田", "佐藤", "田中"},
                {"鈴木", "\x1b[31m高橋"},
                "女性の2番の名前に制御文字が含まれています"},
        BadList{"LineSeparator",
                {"山田", "佐藤", "田中"},
                {"鈴木\u2028", "高橋"},
                "女性の1番の名前に制御文字が含まれています"},
        BadList{"NotUtf8",
                {"\x82\xA0", "佐藤", "田中"},
                {"鈴木", "高橋"},
                "男性の1番の名前がUTF-8の文字ではありません"},
        BadList{"Overlong",
                {"山田", "\xC0\xAF", "田中"},
                {"鈴木", "高橋"},
                "男性の2番の名前がUTF-8の文字ではありません"}),
    [](const testing::TestParamInfo<BadList>& info) { return std::string(info.param.name); });

TEST(Roster, ListOfTheRightSizeIsAcceptedUpToTheLongestName)
{
    const Roster roster =
        Roster({"山田", repeated("長", 40), "O'Neil \"Jr\", Ann"}, {"鈴木", "高橋"});
    EXPECT_EQ(rosterProblem(roster, {{0, "男性", 3}, {1, "女性", 2}}), std::nullopt);
    // Only the listed groups are looked at; pairs count as "組".
    EXPECT_EQ(rosterProblem(roster, {{1, "Bチーム", 3, "組"}}),
              "Bチームの名前は3組分必要です（2組分あります）");
    EXPECT_EQ(rosterProblem(Roster{}, {{0, "参加者", 0}}), std::nullopt);
}

TEST(Roster, NumbersWithoutANameShowAsNumbers)
{
    const Roster roster = Roster({"山田", ""});
    EXPECT_EQ(roster.nameOrNumber(0, 1), "山田");
    EXPECT_EQ(roster.nameOrNumber(0, 2), "2");
    EXPECT_EQ(roster.nameOrNumber(0, 3), "3");
    EXPECT_EQ(roster.nameOrNumber(1, 1), "1");
    EXPECT_TRUE(roster.names(0));
    EXPECT_FALSE(roster.names(1));
    EXPECT_TRUE(Roster{}.empty());
}

TEST(NameLines, DropTheMarkLineEndsBlanksAndTrailingBlankLines)
{
    EXPECT_EQ(nameLines("\xEF\xBB\xBF山田 太郎\r\n\u3000佐藤 \r\n\r\n鈴木\n\n\r\n"),
              (std::vector<std::string>{"山田 太郎", "佐藤", "", "鈴木"}));
    EXPECT_EQ(nameLines("山田"), std::vector<std::string>{"山田"});
    EXPECT_EQ(nameLines(""), std::vector<std::string>{});
    EXPECT_EQ(nameLines("\n\n"), std::vector<std::string>{});
}

} // namespace
