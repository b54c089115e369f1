#include "output/MixedPrint.h"
#include "common/NumberFormat.h"
#include "matchtable/MixedGenerator.h"
#include "output/DoublesPrint.h"
#include "output/PrintInspection.h"
#include "output/PrintOperationsJson.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

namespace {

using namespace zoruka;
using namespace zoruka::test;

MatchTable mixed(int men, int women, int courts, int games)
{
    return MixedGenerator::generate(men, women, courts, games);
}

std::vector<std::pair<double, double>> corners(std::initializer_list<std::pair<double, double>> c)
{
    return c;
}

TEST(MixedPrint, FirstBlockAndHeadingAreDrawnExactlyAsLaidOut)
{
    const MatchTable table = mixed(4, 5, 1, 1);
    const PrintResult result = printMixed(table);
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
    auto man = [&](int slot) { return twoCharField(table.results.pair(1, slot).first); };
    auto woman = [&](int slot) { return twoCharField(table.results.pair(1, slot).second); };
    // One court: two slot rows, a = 2 x 1 x 10 + 8 = 28; the block stands at (5, 16).
    const std::vector<PrintOperation> expected = {
        text(10, 4, "Ｍｉｘダブルス", 16),
        text(45, 4, "男性  4 名", 16),
        text(80, 4, "女性  5 名", 16, kPaletteLightRed),
        text(110, 4, "（  1 面 )", 16),
        PrintBox{5, 16, 55, 44, 4, kPaletteBlack},
        line(5, 24, 55, 24, 3),
        line(21, 24, 21, 44, 3),
        line(37, 16, 37, 44, 4),
        line(5, 34, 55, 34, 3),
        text(5, 11, "第  1 試合", 10),
        text(11, 19, "ペア番号", 14),
        text(40, 19, "コート", 14),
        text(13, 34 - 7.7, man(1), 20),
        text(29, 34 - 7.7, woman(1), 20, kPaletteLightRed),
        text(42, 28, " 1-A", 14),
        text(13, 44 - 7.7, man(2), 20),
        text(29, 44 - 7.7, woman(2), 20, kPaletteLightRed),
        text(42, 38, " 1-B", 14),
    };
    const auto& drawn = result.documents[0].pages[0].operations;
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_TRUE(drawn[i] == expected[i])
            << "operation " << i << ": "
            << printOperationsJson({{Paper::A4, Orientation::Landscape, {{{drawn[i]}}}}});
    }
}

TEST(MixedPrint, MenAndLabelsAreBlackAndWomenRedInEveryBlock)
{
    const MatchTable table = mixed(12, 10, 2, 7);
    const PrintResult result = printMixed(table);
    ASSERT_EQ(result.documents.size(), 1u);
    const auto blocks = blockCorners(result.documents[0]);
    ASSERT_EQ(blocks.size(), 7u);
    int men = 0;
    int women = 0;
    for (const PrintText& text : opsOf<PrintText>(result.documents[0])) {
        if (text.y <= 4) {
            continue; // the heading, checked on its own
        }
        // A two-digit number stands by its end, short of the column's right-hand line.
        const bool inWomanColumn = std::any_of(blocks.begin(), blocks.end(), [&](const auto& b) {
            return text.x > b.first + 16 && text.x < b.first + 32;
        });
        EXPECT_EQ(text.colour, inWomanColumn ? kPaletteLightRed : kPaletteBlack) << text.text;
        if (text.size == 20) {
            (inWomanColumn ? women : men) += 1;
        }
    }
    EXPECT_EQ(men, 7 * 4);
    EXPECT_EQ(women, 7 * 4);
    // Game 7, slot 3 (court 2, side A): the numbers the table holds.
    const Pair pair = table.results.pair(7, 3);
    const std::pair<double, double> game7 = blocks[6];
    const double rowBottom = game7.second + 8 + 3 * 10;
    const PrintText expectedMan{
        game7.first + 8, rowBottom - 7.7, twoCharField(pair.first), "HG丸ゴシックM - PRO", 20,
        kPaletteBlack};
    const PrintText expectedWoman{
        game7.first + 24, rowBottom - 7.7, twoCharField(pair.second), "HG丸ゴシックM - PRO", 20,
        kPaletteLightRed};
    const std::vector<PrintText> texts = opsOf<PrintText>(result.documents[0]);
    EXPECT_NE(std::find(texts.begin(), texts.end(), expectedMan), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), expectedWoman), texts.end());
}

TEST(MixedPrint, EverySheetStartsWithTheHeadingWomenInRed)
{
    const PrintResult result = printMixed(mixed(12, 10, 4, 7));
    ASSERT_EQ(result.documents.size(), 2u);
    for (const PrintDocument& sheet : result.documents) {
        const std::vector<PrintText> texts = opsOf<PrintText>(sheet);
        ASSERT_GE(texts.size(), 4u);
        const std::vector<std::tuple<double, std::string, int>> heading = {
            {10, "Ｍｉｘダブルス", kPaletteBlack},
            {45, "男性 12 名", kPaletteBlack},
            {80, "女性 10 名", kPaletteLightRed},
            {110, "（  4 面 )", kPaletteBlack},
        };
        for (std::size_t i = 0; i < heading.size(); ++i) {
            const auto& [x, caption, colour] = heading[i];
            EXPECT_EQ(texts[i].x, x);
            EXPECT_EQ(texts[i].y, 4);
            EXPECT_EQ(texts[i].size, 16);
            EXPECT_EQ(texts[i].text, caption);
            EXPECT_EQ(texts[i].colour, colour);
        }
    }
}

TEST(MixedPrint, ThreeCourtsStandInTwoRowsOfFive)
{
    // a = 68: the second row starts at 16 + 68 + 10 = 94; game 11 opens the second sheet.
    const PrintResult result = printMixed(mixed(12, 12, 3, 12));
    ASSERT_EQ(result.documents.size(), 2u);
    EXPECT_EQ(blockCorners(result.documents[0]), corners({{5, 16},
                                                          {62, 16},
                                                          {119, 16},
                                                          {176, 16},
                                                          {233, 16},
                                                          {5, 94},
                                                          {62, 94},
                                                          {119, 94},
                                                          {176, 94},
                                                          {233, 94}}));
    EXPECT_EQ(blockCorners(result.documents[1]), corners({{5, 16}, {62, 16}}));
    const PrintBox block = opsOf<PrintBox>(result.documents[0]).front();
    EXPECT_EQ(block.y2 - block.y1, 68);
    EXPECT_EQ(findText(result.documents[0], "第  6 試合")->y, 89);
    EXPECT_NE(findText(result.documents[1], "第 11 試合"), std::nullopt);
    EXPECT_NE(findText(result.documents[1], "Ｍｉｘダブルス"), std::nullopt);
}

TEST(MixedPrint, FourCourtsAndMoreStandInOneRowPerSheet)
{
    // C = 4: a = 88 (not under 86); C = 8: a = 168, the tallest block printed.
    for (const auto& [courts, height] : {std::pair{4, 88.0}, std::pair{8, 168.0}}) {
        const MatchTable table = mixed(2 * courts + 4, 2 * courts + 4, courts, 6);
        ASSERT_EQ(table.builtGames(), 6) << courts;
        const PrintResult result = printMixed(table);
        ASSERT_EQ(result.code, PrintResult::kPrinted) << courts;
        ASSERT_EQ(result.documents.size(), 2u) << courts;
        EXPECT_EQ(blockCorners(result.documents[0]),
                  corners({{5, 16}, {62, 16}, {119, 16}, {176, 16}, {233, 16}}));
        EXPECT_EQ(blockCorners(result.documents[1]), corners({{5, 16}}));
        const PrintBox block = opsOf<PrintBox>(result.documents[1]).front();
        EXPECT_EQ(block.y2 - block.y1, height);
        EXPECT_NE(findText(result.documents[1], "第  6 試合"), std::nullopt);
        // Rows are ruled between slots only; the outline closes the last one.
        EXPECT_EQ(opsOf<PrintLine>(result.documents[1]).size(),
                  3u + static_cast<std::size_t>(2 * courts - 1));
    }
}

TEST(MixedPrint, MoreThanEightCourtsAreRefusedWithTheLimitMessage)
{
    for (const int players : {18, 50}) {
        const PrintResult result = printMixed(mixed(players, players, 9, 2));
        EXPECT_EQ(result.code, PrintResult::kRefused);
        EXPECT_TRUE(result.documents.empty());
        EXPECT_EQ(result.title, "Mixダブルスゾルカ出力");
        EXPECT_EQ(result.message,
                  "出力可能限度を超えています、CSVファイルに出力し編集してください");
    }
}

TEST(MixedPrint, NoBuiltGameIsRefusedRatherThanReportedAsPrinted)
{
    for (const MatchTable& table : {MatchTable{}, mixed(8, 8, 0, 5), mixed(8, 8, 2, 0)}) {
        const PrintResult result = printMixed(table);
        EXPECT_TRUE(result.refused());
        EXPECT_TRUE(result.documents.empty());
        EXPECT_EQ(result.title, "Mixダブルスゾルカ出力");
        EXPECT_EQ(result.message, doubles_print::kNothingToPrint);
    }
}

TEST(MixedPrint, ATableThatStoppedEarlyPrintsOnlyItsBuiltGames)
{
    // Four men and four women on two courts: no man can partner a fifth different woman.
    const MatchTable table = mixed(4, 4, 2, 6);
    ASSERT_LT(table.builtGames(), 6);
    ASSERT_GT(table.builtGames(), 0);
    const PrintResult result = printMixed(table);
    ASSERT_EQ(result.documents.size(), 1u);
    EXPECT_EQ(blockCorners(result.documents[0]).size(),
              static_cast<std::size_t>(table.builtGames()));
}

TEST(MixedPrint, EveryPrintableTableStaysOnTheLandscapeSheet)
{
    for (int courts = 1; courts <= 8; ++courts) {
        for (int players = 2 * courts; players <= 50; players += 7) {
            const PrintResult result = printMixed(mixed(players, players, courts, 12));
            for (const PrintDocument& sheet : result.documents) {
                for (const PrintBox& box : opsOf<PrintBox>(sheet)) {
                    EXPECT_LE(box.x2, 297) << players << " on " << courts;
                    EXPECT_LE(box.y2, 210) << players << " on " << courts;
                }
                for (const PrintText& text : opsOf<PrintText>(sheet)) {
                    EXPECT_GE(text.y, 0) << players << " on " << courts;
                    EXPECT_LE(text.y + text.size * 25.4 / 72, 210) << players << " on " << courts;
                }
            }
        }
    }
}

} // namespace
