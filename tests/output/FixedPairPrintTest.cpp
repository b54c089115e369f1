#include "output/FixedPairPrint.h"
#include "matchtable/FixedPairGenerator.h"
#include "output/PrintInspection.h"
#include "output/PrintOperationsJson.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;
using namespace zoruka::test;

MatchTable fixedPairs(int pairsA, int pairsB, int courts, int games)
{
    return FixedPairGenerator::generate(pairsA, pairsB, courts, games);
}

using Corners = std::vector<std::pair<double, double>>;

const Corners kOneRow{{5, 16}, {62, 16}, {119, 16}, {176, 16}, {233, 16}};

TEST(FixedPairPrint, FirstBlockAndHeadingAreDrawnExactlyAsLaidOut)
{
    const PrintResult result = printFixedPairs(fixedPairs(2, 3, 2, 1));
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
    // Two courts, a = 28, the block at (5, 16); game 1 is A1-B1 and A2-B2.
    const std::vector<PrintOperation> expected = {
        text(10, 4, "対抗戦・ゾルカ　", 16),
        text(50, 4, "Ａチーム   2 ペア", 16),
        text(100, 4, "Ｂチーム  3 ペア", 16, red),
        text(145, 4, "（  2 面 )", 16),
        PrintBox{5, 16, 55, 44, 4, kPaletteBlack},
        line(5, 24, 55, 24, 3),
        line(21, 24, 21, 44, 3),
        line(37, 16, 37, 44, 4),
        line(5, 34, 55, 34, 3),
        text(5, 11, "第  1 試合", 10),
        text(11, 19, "ペア番号", 14),
        text(40, 19, "コート", 14),
        text(13, 26.5, " 1", 20),
        text(29, 26.5, " 1", 20, red),
        text(42, 28, " 1", 14),
        text(13, 36.5, " 2", 20),
        text(29, 36.5, " 2", 20, red),
        text(42, 38, " 2", 14),
    };
    const auto& drawn = result.documents[0].pages[0].operations;
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_TRUE(drawn[i] == expected[i])
            << "operation " << i << ": "
            << printOperationsJson({{Paper::A4, Orientation::Landscape, {{{drawn[i]}}}}});
    }
}

TEST(FixedPairPrint, SevenCourtsStandInTwoRowsOfFiveToASheet)
{
    // a = 78 < 86: game 6 opens the second row at 16 + 78 + 10 = 104, game 11 the next sheet.
    const PrintResult result = printFixedPairs(fixedPairs(22, 21, 7, 11));
    ASSERT_EQ(result.documents.size(), 2u);
    Corners twoRows = kOneRow;
    for (const auto& [x, y] : kOneRow) {
        twoRows.emplace_back(x, 104);
    }
    EXPECT_EQ(blockCorners(result.documents[0]), twoRows);
    EXPECT_EQ(blockCorners(result.documents[1]), (Corners{{5, 16}}));
    const PrintBox block = opsOf<PrintBox>(result.documents[0]).front();
    EXPECT_EQ(block.y2 - block.y1, 78);
}

TEST(FixedPairPrint, EightCourtsOrMoreStandInOneRowToASheet)
{
    // C = 8: a = 88 >= 86; C = 16: a = 168, the tallest block printed.
    for (const auto& [courts, height] : {std::pair{8, 88.0}, std::pair{16, 168.0}}) {
        const PrintResult result = printFixedPairs(fixedPairs(courts + 3, courts + 1, courts, 6));
        ASSERT_EQ(result.code, PrintResult::kPrinted) << courts;
        ASSERT_EQ(result.documents.size(), 2u) << courts;
        EXPECT_EQ(blockCorners(result.documents[0]), kOneRow);
        EXPECT_EQ(blockCorners(result.documents[1]), (Corners{{5, 16}}));
        const PrintBox block = opsOf<PrintBox>(result.documents[1]).front();
        EXPECT_EQ(block.y2 - block.y1, height);
        EXPECT_NE(findText(result.documents[1], "第  6 試合"), std::nullopt);
    }
}

TEST(FixedPairPrint, AFailedGamePrintsTheCourtsItFilled)
{
    // 5 against 5 pairs on 4 courts: game 3 fills courts 1 to 3 and then fails.
    const MatchTable table = fixedPairs(5, 5, 4, 3);
    ASSERT_EQ(table.builtGames(), 3);
    ASSERT_EQ(storedCourts(table, 3), 3);
    const PrintResult result = printFixedPairs(table);
    ASSERT_EQ(result.code, PrintResult::kPrinted);
    ASSERT_EQ(result.documents.size(), 1u);
    const PrintDocument& sheet = result.documents[0];
    ASSERT_EQ(blockCorners(sheet).size(), 3u);
    const PrintBox third = opsOf<PrintBox>(sheet).at(2);
    EXPECT_EQ(third.y2 - third.y1, 48); // still four court rows

    std::vector<double> numberRows;
    std::vector<std::string> courtLabels;
    for (const PrintText& text : opsOf<PrintText>(sheet)) {
        if (text.x >= third.x1 && text.size == 20) {
            numberRows.push_back(text.y);
        }
        if (text.x == third.x1 + 37) {
            courtLabels.push_back(text.text);
        }
    }
    // Two numbers on each of the first three rows, none on the fourth.
    EXPECT_EQ(numberRows, (std::vector<double>{26.5, 26.5, 36.5, 36.5, 46.5, 46.5}));
    EXPECT_EQ(courtLabels, (std::vector<std::string>{" 1", " 2", " 3", " 4"}));
    for (const PrintText& text : opsOf<PrintText>(sheet)) {
        EXPECT_FALSE(text.text.empty());
    }
}

TEST(FixedPairPrint, SeventeenCourtsOrMoreAreRefusedWithTheLimitMessage)
{
    for (const int courts : {17, 50}) {
        const PrintResult result = printFixedPairs(fixedPairs(courts, courts, courts, 2));
        EXPECT_EQ(result.code, PrintResult::kRefused);
        EXPECT_TRUE(result.documents.empty());
        EXPECT_EQ(result.title, "団体・ゾルカ出力");
        EXPECT_EQ(result.message, "出力可能限度を超えています");
    }
}

TEST(FixedPairPrint, NoBuiltGameIsRefusedRatherThanReportedAsPrinted)
{
    for (const MatchTable& table : {MatchTable{}, fixedPairs(3, 3, 0, 3), fixedPairs(3, 3, 2, 0)}) {
        const PrintResult result = printFixedPairs(table);
        EXPECT_TRUE(result.refused());
        EXPECT_TRUE(result.documents.empty());
        EXPECT_EQ(result.title, "団体・ゾルカ出力");
        EXPECT_EQ(result.message, "印刷するゾルカがありません。先に設定を押してください");
    }
}

TEST(FixedPairPrint, EveryPrintableTableStaysOnTheLandscapeSheet)
{
    for (int courts = 1; courts <= fixed_pair_print::kMaxCourts; ++courts) {
        const PrintResult result = printFixedPairs(fixedPairs(50, 50, courts, 23));
        for (const PrintDocument& sheet : result.documents) {
            for (const PrintBox& box : opsOf<PrintBox>(sheet)) {
                EXPECT_LE(box.x2, 297) << courts;
                EXPECT_LE(box.y2, 210) << courts;
            }
            for (const PrintText& text : opsOf<PrintText>(sheet)) {
                EXPECT_GE(text.y, 0) << courts;
                EXPECT_LE(text.y + text.size * 25.4 / 72, 210) << courts;
            }
        }
    }
}

} // namespace
