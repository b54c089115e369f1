#include "output/DoublesPrint.h"
#include "matchtable/DoublesGenerator.h"
#include "output/PrintInspection.h"
#include "output/PrintOperationsJson.h"
#include "output/TextFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

namespace {

using namespace zoruka;
using namespace zoruka::test;

MatchTable doubles(int participants, int courts, int games)
{
    return DoublesGenerator::generate(participants, courts, games);
}

TEST(DoublesPrint, FirstBlockIsDrawnExactlyAsLaidOut)
{
    const PrintResult result = printDoubles(doubles(9, 2, 1));
    ASSERT_EQ(result.code, PrintResult::kPrinted);
    ASSERT_EQ(result.documents.size(), 1u);
    EXPECT_EQ(result.documents[0].orientation, Orientation::Landscape);
    ASSERT_EQ(result.documents[0].pages.size(), 1u);

    const std::string font = "HG丸ゴシックM - PRO";
    auto text = [&](double x, double y, std::string s, double size) -> PrintOperation {
        return PrintText{x, y, std::move(s), font, size, kPaletteBlack};
    };
    auto line = [](double x1, double y1, double x2, double y2, int width) -> PrintOperation {
        return PrintLine{x1, y1, x2, y2, width, kPaletteBlack};
    };
    // Block at (5, 16), H = 2 x 2 x 10 + 8 + 10 = 58; game 1 pairs 1-2, 3-8, 4-5, 6-7, rests 9.
    const std::vector<PrintOperation> expected = {
        text(5, 5, " 9 名", 16),
        text(40, 5, "（  2 面 )", 16),
        PrintBox{5, 16, 55, 74, 4, kPaletteBlack},
        line(5, 24, 55, 24, 3),
        line(21, 24, 21, 64, 3),
        line(37, 16, 37, 74, 4),
        line(5, 34, 55, 34, 3),
        line(5, 44, 55, 44, 3),
        line(5, 54, 55, 54, 3),
        line(5, 64, 55, 64, 3),
        text(5, 11, "第  1 試合", 10),
        text(11, 19, "ペア番号", 14),
        text(40, 19, "コート", 14),
        text(13, 26.5, " 1", 20),
        text(29, 26.5, " 2", 20),
        text(42, 28, " 1-A", 14),
        text(13, 36.5, " 3", 20),
        text(29, 36.5, " 8", 20),
        text(42, 38, " 1-B", 14),
        text(13, 46.5, " 4", 20),
        text(29, 46.5, " 5", 20),
        text(42, 48, " 2-A", 14),
        text(13, 56.5, " 6", 20),
        text(29, 56.5, " 7", 20),
        text(42, 58, " 2-B", 14),
        text(42, 66, "休憩", 14),
        text(7, 65, " 9", 14),
    };
    const auto& drawn = result.documents[0].pages[0].operations;
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_TRUE(drawn[i] == expected[i])
            << "operation " << i << ": "
            << printOperationsJson({{Paper::A4, Orientation::Landscape, {{{drawn[i]}}}}});
    }
}

TEST(DoublesPrint, ShortBlocksStandInTwoRowsOfFive)
{
    // N = 9, C = 2: one rest line, H = 58; the second row starts H + 10 below the first.
    const PrintResult result = printDoubles(doubles(9, 2, 7));
    ASSERT_EQ(result.documents.size(), 1u);
    const std::vector<std::pair<double, double>> expected = {
        {5, 16}, {62, 16}, {119, 16}, {176, 16}, {233, 16}, {5, 84}, {62, 84}};
    EXPECT_EQ(blockCorners(result.documents[0]), expected);
    const PrintBox first = opsOf<PrintBox>(result.documents[0]).front();
    EXPECT_EQ(first.y2 - first.y1, 58);
    EXPECT_EQ(first.x2 - first.x1, 50);
    ASSERT_NE(findText(result.documents[0], "第  7 試合"), std::nullopt);
    EXPECT_EQ(findText(result.documents[0], "第  7 試合")->y, 79);
}

TEST(DoublesPrint, TwoDigitNumbersEndWhereOneDigitNumbersEnd)
{
    // The numbers of a sheet of 20 players: one-digit ones where the layout puts them, two-digit
    // ones, which would cross the line 16 mm on, right-aligned with them.
    const PrintResult result = printDoubles(doubles(20, 4, 2));
    const PrintDocument& sheet = result.documents.at(0);
    const double oneDigitWidth = printedWidth(" 1", 20);
    int twoDigits = 0;
    for (const PrintText& number : opsOf<PrintText>(sheet)) {
        if (number.size != 20) {
            continue;
        }
        // Blocks stand 57 mm apart from x 5, their number cells 16 mm wide.
        const double inCell = std::fmod(std::fmod(number.x - 5, 57), 16);
        const bool twoDigit = !number.text.starts_with(' ');
        twoDigits += twoDigit ? 1 : 0;
        EXPECT_EQ(number.endsAtX, twoDigit) << number.text;
        EXPECT_NEAR(inCell, twoDigit ? 8 + oneDigitWidth : 8, 1e-9) << number.text;
    }
    EXPECT_GT(twoDigits, 0);
}

TEST(DoublesPrint, MoreThanTwelveRestsGoFiveToALineInSmallerText)
{
    // N = 30, C = 2: R = 22, L = 5, H = 82; game 1 rests 9..30, of which 20 are printed.
    const PrintResult result = printDoubles(doubles(30, 2, 6));
    ASSERT_EQ(result.code, PrintResult::kPrinted);
    const PrintDocument& sheet = result.documents.at(0);
    const PrintBox first = opsOf<PrintBox>(sheet).front();
    EXPECT_EQ(first.y2 - first.y1, 82);
    EXPECT_EQ(blockCorners(sheet).at(5), std::make_pair(5.0, 108.0));

    std::vector<PrintText> restLines;
    for (const PrintText& text : opsOf<PrintText>(sheet)) {
        if (text.x == 7 && text.y < 108) {
            restLines.push_back(text);
        }
    }
    ASSERT_EQ(restLines.size(), 4u);
    EXPECT_EQ(restLines[0].text, " 9,10,11,12,13");
    EXPECT_EQ(restLines[3].text, "24,25,26,27,28");
    EXPECT_EQ(restLines[0].y, 65);
    EXPECT_EQ(restLines[0].size, 12);
    // Five two-digit rests at 12 pt would reach the line before the label column: they print
    // smaller, on the same baseline, ending clear of it.
    for (std::size_t i = 1; i < restLines.size(); ++i) {
        const PrintText& line = restLines[i];
        EXPECT_EQ(line.size, 11.2);
        EXPECT_DOUBLE_EQ(line.y + printedAscent(line.size),
                         65 + 6 * static_cast<double>(i) + printedAscent(12));
        EXPECT_LE(line.x + printedWidth(line.text, line.size), 5 + 32 - 0.2 - kLineClearance);
    }
}

TEST(DoublesPrint, TwelveRestsStillGoFourToALine)
{
    // N = 20 and 21 on 2 courts: 12 rests in three lines of 4, 13 in three lines of 5.
    for (const auto& [participants, firstLine, size] :
         {std::tuple{20, " 9,10,11,12", 14.0}, std::tuple{21, " 9,10,11,12,13", 12.0}}) {
        const PrintResult result = printDoubles(doubles(participants, 2, 1));
        const std::optional<PrintText> line = findText(result.documents.at(0), firstLine);
        ASSERT_NE(line, std::nullopt) << participants;
        EXPECT_EQ(line->size, size);
        const PrintBox block = opsOf<PrintBox>(result.documents[0]).front();
        EXPECT_EQ(block.y2 - block.y1, 70) << participants;
    }
}

TEST(DoublesPrint, TallBlocksStandInOneRowOfFivePerSheet)
{
    // C = 8, R = 0: H = 178, so a sheet holds one row; game 6 opens the second sheet.
    const PrintResult result = printDoubles(doubles(32, 8, 6));
    ASSERT_EQ(result.code, PrintResult::kPrinted);
    ASSERT_EQ(result.documents.size(), 2u);
    EXPECT_EQ(blockCorners(result.documents[0]).size(), 5u);
    EXPECT_EQ(blockCorners(result.documents[1]), (std::vector<std::pair<double, double>>{{5, 16}}));
    const PrintBox first = opsOf<PrintBox>(result.documents[0]).front();
    EXPECT_EQ(first.y2 - first.y1, 178);
    EXPECT_NE(findText(result.documents[1], "32 名"), std::nullopt);
    EXPECT_NE(findText(result.documents[1], "第  6 試合"), std::nullopt);
}

TEST(DoublesPrint, BlocksTooTallForTheirRestsLeaveTheRestsOut)
{
    // N = 41, C = 8: R = 9 needs three rest lines, H = 190 >= 185.
    const PrintResult result = printDoubles(doubles(41, 8, 2));
    EXPECT_EQ(result.code, PrintResult::kPrintedWithoutRests);
    const PrintBox first = opsOf<PrintBox>(result.documents.at(0)).front();
    EXPECT_EQ(first.y2 - first.y1, 2 * 8 * 10 + 8);
    EXPECT_EQ(findText(result.documents[0], "休憩"), std::nullopt);
}

TEST(DoublesPrint, EverySheetOfTenGamesIsADocumentOfItsOwn)
{
    const PrintResult result = printDoubles(doubles(30, 2, 23));
    ASSERT_EQ(result.documents.size(), 3u);
    const std::vector<std::size_t> blocks = {10, 10, 3};
    const std::vector<std::string> firstGames = {"第  1 試合", "第 11 試合", "第 21 試合"};
    for (std::size_t d = 0; d < 3; ++d) {
        const PrintDocument& sheet = result.documents[d];
        EXPECT_EQ(sheet.orientation, Orientation::Landscape);
        EXPECT_EQ(sheet.pages.size(), 1u);
        EXPECT_EQ(blockCorners(sheet).size(), blocks[d]);
        EXPECT_EQ(blockCorners(sheet).front(), std::make_pair(5.0, 16.0));
        const std::optional<PrintText> heading = findText(sheet, "30 名");
        ASSERT_NE(heading, std::nullopt);
        EXPECT_EQ(heading->size, 16);
        EXPECT_NE(findText(sheet, "（  2 面 )"), std::nullopt);
        EXPECT_NE(findText(sheet, firstGames[d]), std::nullopt);
    }
}

TEST(DoublesPrint, NineCourtsOrMoreAreRefusedWithTheLimitMessage)
{
    for (const int participants : {36, 50}) {
        const PrintResult result = printDoubles(doubles(participants, 9, 1));
        EXPECT_EQ(result.code, PrintResult::kRefused);
        EXPECT_TRUE(result.documents.empty());
        EXPECT_EQ(result.title, "ゾルカ出力");
        EXPECT_EQ(result.message,
                  "出力可能限度を超えています、CSVファイルに出力し編集してください");
    }
}

TEST(DoublesPrint, NoBuiltGameIsRefusedRatherThanReportedAsPrinted)
{
    for (const MatchTable& table : {MatchTable{}, doubles(9, 0, 5), doubles(9, 2, 0)}) {
        const PrintResult result = printDoubles(table);
        EXPECT_TRUE(result.refused());
        EXPECT_TRUE(result.documents.empty());
        EXPECT_EQ(result.message, doubles_print::kNothingToPrint);
    }
}

TEST(DoublesPrint, EveryPrintableTableStaysOnTheLandscapeSheet)
{
    for (int courts = 1; courts <= 8; ++courts) {
        for (int participants = 4 * courts; participants <= 50; participants += 3) {
            const PrintResult result = printDoubles(doubles(participants, courts, 12));
            for (const PrintDocument& sheet : result.documents) {
                for (const PrintBox& box : opsOf<PrintBox>(sheet)) {
                    EXPECT_LE(box.x2, 297) << participants << " on " << courts;
                    EXPECT_LE(box.y2, 210) << participants << " on " << courts;
                }
                for (const PrintText& text : opsOf<PrintText>(sheet)) {
                    EXPECT_GE(text.y, 0) << participants << " on " << courts;
                    EXPECT_LE(text.y + text.size * 25.4 / 72, 210)
                        << participants << " on " << courts;
                }
            }
        }
    }
}

} // namespace
