#include "output/TextFit.h"
#include "output/PrintBuilder.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;

// One em of the print font at `points`, in millimetres.
double em(double points) { return points * 25.4 / 72; }

TEST(PrintedWidth, AddsTheFontsAdvances)
{
    EXPECT_DOUBLE_EQ(printedWidth("12", 20), 2 * 1290.0 / 2048 * em(20));
    EXPECT_DOUBLE_EQ(printedWidth("山田　ア", 10), (3 + 1782.0 / 2048) * em(10));
    EXPECT_DOUBLE_EQ(printedWidth("", 10), 0);
    EXPECT_DOUBLE_EQ(printedAscent(10), 1802.0 / 2048 * em(10));
}

struct FitCase {
    const char* text;
    double size;
    double room;
    FittedText fitted;
};

class FitText : public testing::TestWithParam<FitCase> {};

TEST_P(FitText, ShrinksThenCuts)
{
    const FitCase& c = GetParam();
    EXPECT_EQ(fitText(c.text, c.size, c.room), c.fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitText,
    testing::Values(FitCase{"佐藤花子", 10, 18, {"佐藤花子", 10}},
                    // A trailing blank prints nothing, so it may stand outside the room.
                    FitCase{"団体戦　", 16, 18, {"団体戦　", 16}},
                    // 14.35 mm at 9 pt into 13.5 mm, 0.5 mm clear of its end: 8.15 pt, taken
                    // down to a tenth.
                    FitCase{"04月05日", 9, 13.5, {"04月05日", 8.1}},
                    FitCase{"長谷川三郎左衛門", 10, 18, {"長谷川三郎左衛門", 6.2}},
                    // At 6 pt a kanji is 2.12 mm: seven and "…" fill 16.9 mm of 17.5.
                    FitCase{"一二三四五六七八九十", 10, 18, {"一二三四五六七…", 6}},
                    // A blank before the cut is left out.
                    FitCase{"ab cdefghijklmnopqrstuvwxyz", 10, 5.5, {"ab…", 6}},
                    FitCase{"山田", 10, 1, {"…", 6}}));

TEST(PrintBuilder, AFittingTextPrintsAsAnyOtherAndASmallerOneKeepsItsBaseline)
{
    PrintBuilder builder(Orientation::Portrait);
    builder.setFont("F");
    builder.setFontSize(10);
    builder.textWithin(12, 20, "佐藤花子", 40);
    builder.textEndingWithin(89, 20, "12,345", 67);
    builder.textWithin(12, 30, "長谷川三郎左衛門", 30);
    builder.text(50, 30, "次");
    const std::vector<PrintDocument> documents = builder.finish();
    std::vector<PrintText> texts;
    for (const PrintOperation& op : documents.at(0).pages.at(0).operations) {
        texts.push_back(std::get<PrintText>(op));
    }
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], (PrintText{12, 20, "佐藤花子", "F", 10}));
    EXPECT_EQ(texts[1], (PrintText{89, 20, "12,345", "F", 10, kPaletteBlack, true}));
    EXPECT_EQ(texts[2].size, 6.2);
    EXPECT_DOUBLE_EQ(texts[2].y + printedAscent(6.2), 30 + printedAscent(10));
    // The size set for the builder stays for what follows.
    EXPECT_EQ(texts[3].size, 10);
}

TEST(PrintBuilder, ACentredTextStandsInTheMiddleOfItsRoomOrFillsIt)
{
    PrintBuilder builder(Orientation::Portrait);
    builder.setFontSize(10);
    builder.textCentredWithin(10, 50, 40, "山田");
    builder.textCentredWithin(10, 28, 50, "長谷川三郎左衛門");
    const std::vector<PrintOperation> ops = builder.finish().at(0).pages.at(0).operations;
    ASSERT_EQ(ops.size(), 2u);
    const std::vector<PrintText> texts{std::get<PrintText>(ops[0]), std::get<PrintText>(ops[1])};
    EXPECT_DOUBLE_EQ(texts[0].x, 10 + (40 - printedWidth("山田", 10)) / 2);
    EXPECT_EQ(texts[0].y, 40);
    EXPECT_EQ(texts[1].size, 6.2);
    EXPECT_GE(texts[1].x, 10);
    EXPECT_LE(texts[1].x + printedWidth(texts[1].text, 6.2), 28);
}

} // namespace
