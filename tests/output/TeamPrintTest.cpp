#include "output/TeamPrint.h"
#include "matchtable/TeamGenerator.h"
#include "output/PrintInspection.h"
#include "output/PrintOperationsJson.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;
using namespace zoruka::test;

MatchTable team(int teamA, int teamB, int courts, int games)
{
    return TeamGenerator::generate(teamA, teamB, courts, games);
}

using Corners = std::vector<std::pair<double, double>>;

TEST(TeamPrint, FirstBlockAndHeadingAreDrawnExactlyAsLaidOut)
{
    const PrintResult result = printTeam(team(2, 3, 1, 1));
    ASSERT_EQ(result.code, PrintResult::kPrinted);
    EXPECT_TRUE(result.message.empty());
    ASSERT_EQ(result.documents.size(), 1u);
    EXPECT_EQ(result.documents[0].paper, Paper::A4);
    EXPECT_EQ(result.documents[0].orientation, Orientation::Landscape);
    ASSERT_EQ(result.documents[0].pages.size(), 1u);

    const std::string font = "HG丸ゴシックM - PRO";
    auto text = [&](double x, double y, std::string s, double size,
                    int colour = kPaletteBlack) -> PrintOperation {
        return PrintText{x, y, std::move(s), font, size, colour};
    };
    auto line = [](double x1, double y1, double x2, double y2, int width) -> PrintOperation {
        return PrintLine{x1, y1, x2, y2, width, kPaletteBlack};
    };
    const int red = kPaletteLightRed;
    // One court, a = 28, the block at (5, 16); game 1 is A pair 1-2 against B pair 1-2.
    const std::vector<PrintOperation> expected = {
        text(10, 4, "団体戦　", 16),
        text(30, 4, "Ａチーム   2 名", 16),
        text(75, 4, "Ｂチーム  3 名", 16, red),
        text(115, 4, "（  1 面 )", 16),
        PrintBox{5, 16, 55, 44, 4, kPaletteBlack},
        line(5, 24, 55, 24, 3),
        line(21, 24, 21, 44, 3),
        line(37, 16, 37, 44, 4),
        line(5, 34, 55, 34, 3),
        line(5, 44, 55, 44, 3),
        text(5, 11, "第  1 試合", 10),
        text(11, 19, "ペア番号", 14),
        text(40, 19, "コート", 14),
        text(13, 26.5, " 1", 20),
        text(29, 26.5, " 2", 20),
        text(42, 28, " 1-A", 14),
        text(13, 36.5, " 1", 20, red),
        text(29, 36.5, " 2", 20, red),
        text(42, 38, " 1-B", 14, red),
    };
    const auto& drawn = result.documents[0].pages[0].operations;
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_TRUE(drawn[i] == expected[i])
            << "operation " << i << ": "
            << printOperationsJson({{Paper::A4, Orientation::Landscape, {{{drawn[i]}}}}});
    }
}

TEST(TeamPrint, ThreeCourtsStandInTwoRowsOfFiveToASheet)
{
    // a = 68 < 86: game 6 opens the second row at 16 + 68 + 10 = 94, game 11 the next sheet.
    const PrintResult result = printTeam(team(13, 13, 3, 12));
    ASSERT_EQ(result.documents.size(), 2u);
    EXPECT_EQ(blockCorners(result.documents[0]), (Corners{{5, 16},
                                                          {62, 16},
                                                          {119, 16},
                                                          {176, 16},
                                                          {233, 16},
                                                          {5, 94},
                                                          {62, 94},
                                                          {119, 94},
                                                          {176, 94},
                                                          {233, 94}}));
    EXPECT_EQ(blockCorners(result.documents[1]), (Corners{{5, 16}, {62, 16}}));
    const PrintBox block = opsOf<PrintBox>(result.documents[0]).front();
    EXPECT_EQ(block.y2 - block.y1, 68);
    EXPECT_NE(findText(result.documents[1], "第 11 試合"), std::nullopt);
}

TEST(TeamPrint, FourCourtsOrMoreStandInOneRowToASheet)
{
    // C = 4: a = 88 >= 86; C = 8: a = 168, the tallest block printed.
    for (const auto& [courts, height] : {std::pair{4, 88.0}, std::pair{8, 168.0}}) {
        const PrintResult result = printTeam(team(2 * courts + 4, 2 * courts + 5, courts, 6));
        ASSERT_EQ(result.code, PrintResult::kPrinted) << courts;
        ASSERT_EQ(result.documents.size(), 2u) << courts;
        EXPECT_EQ(blockCorners(result.documents[0]),
                  (Corners{{5, 16}, {62, 16}, {119, 16}, {176, 16}, {233, 16}}));
        EXPECT_EQ(blockCorners(result.documents[1]), (Corners{{5, 16}}));
        const PrintBox block = opsOf<PrintBox>(result.documents[1]).front();
        EXPECT_EQ(block.y2 - block.y1, height);
        EXPECT_NE(findText(result.documents[1], "第  6 試合"), std::nullopt);
    }
}

TEST(TeamPrint, EverySheetOpensWithTheHeadingAndTheBTeamInRed)
{
    const PrintResult result = printTeam(team(30, 20, 4, 11));
    ASSERT_EQ(result.documents.size(), 3u);
    for (const PrintDocument& sheet : result.documents) {
        EXPECT_EQ(sheet.orientation, Orientation::Landscape);
        ASSERT_EQ(sheet.pages.size(), 1u);
        const auto& first = std::get<PrintText>(sheet.pages[0].operations.front());
        EXPECT_EQ(first.text, "団体戦　");
        const std::optional<PrintText> a = findText(sheet, "Ａチーム  30 名");
        const std::optional<PrintText> b = findText(sheet, "Ｂチーム 20 名");
        const std::optional<PrintText> courts = findText(sheet, "（  4 面 )");
        ASSERT_TRUE(a && b && courts);
        EXPECT_EQ(a->colour, kPaletteBlack);
        EXPECT_EQ(b->colour, kPaletteLightRed);
        EXPECT_EQ(courts->colour, kPaletteBlack);
        EXPECT_EQ(b->size, 16);
    }
}

TEST(TeamPrint, NineCourtsOrMoreAreRefusedWithTheLimitMessage)
{
    for (const int courts : {9, 12}) {
        const PrintResult result = printTeam(team(2 * courts, 2 * courts, courts, 2));
        EXPECT_EQ(result.code, PrintResult::kRefused);
        EXPECT_TRUE(result.documents.empty());
        EXPECT_EQ(result.title, "団体・ゾルカ出力");
        EXPECT_EQ(result.message, "出力可能限度を超えています");
    }
}

TEST(TeamPrint, NoBuiltGameIsRefusedRatherThanReportedAsPrinted)
{
    for (const MatchTable& table : {MatchTable{}, team(4, 4, 0, 3), team(4, 4, 1, 0)}) {
        const PrintResult result = printTeam(table);
        EXPECT_TRUE(result.refused());
        EXPECT_TRUE(result.documents.empty());
        EXPECT_EQ(result.title, "団体・ゾルカ出力");
        EXPECT_EQ(result.message, "印刷するゾルカがありません。先に設定を押してください");
    }
}

} // namespace
