// Every printed sheet measured with the fonts it is printed in: no text crosses a column line or
// a frame, runs into another text or leaves the paper.
#include "PrintedExtents.h"

#include "matchtable/DoublesGenerator.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/TeamGenerator.h"
#include "output/DoublesPrint.h"
#include "output/FixedPairPrint.h"
#include "output/MixedPrint.h"
#include "output/TeamPrint.h"
#include "output/TextFit.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace zoruka;

// The faults of every page of `documents`.
std::vector<std::string> faultsOf(const std::vector<PrintDocument>& documents, double gap = 1)
{
    const test::PrintedExtents extents;
    std::vector<std::string> found;
    for (const PrintDocument& document : documents) {
        for (const PrintPage& page : document.pages) {
            const std::vector<std::string> more = extents.faults(page, document.orientation, gap);
            found.insert(found.end(), more.begin(), more.end());
        }
    }
    return found;
}

TEST(PrintedWidth, IsTheWidthTheRendererPrints)
{
    const test::PrintedExtents extents;
    for (const char* text : {"0123456789", " 9", "12,13,14,15,16", "山田太郎", "ヤマダ　タロウ",
                             "やまだ", "Abc xyz-(1)", "ｱｲｳｴｵ", "04月05日", "…", "Ｍｉｘダブルス"}) {
        for (const char* font : {"HG丸ゴシックM - PRO", "ＭＳＰ ゴシック"}) {
            for (const double size : {6.3, 10.0, 20.0}) {
                // The device draws the font at a whole number of its dots per em.
                const double width = printedWidth(text, size);
                const double dotsPerEm = size / 72 * extents.dotsPerInch();
                EXPECT_NEAR(width, extents.width(font, size, QString::fromUtf8(text)),
                            width * 0.5 / dotsPerEm + 0.001)
                    << text << " in " << font << " at " << size;
            }
        }
    }
}

struct SheetCase {
    const char* name;
    std::function<MatchTable()> table;
    std::function<PrintResult(const MatchTable&)> print;
};

class GameBlockSheets : public testing::TestWithParam<SheetCase> {};

TEST_P(GameBlockSheets, EveryNumberEndsInsideItsCell)
{
    const PrintResult result = GetParam().print(GetParam().table());
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(faultsOf(result.documents), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    TwoDigitNumbers, GameBlockSheets,
    testing::Values(
        SheetCase{"Doubles20", [] { return DoublesGenerator::generate(20, 4, 12); }, printDoubles},
        // Five rests to a line in the smaller size.
        SheetCase{"Doubles30", [] { return DoublesGenerator::generate(30, 2, 10); }, printDoubles},
        SheetCase{"Doubles50", [] { return DoublesGenerator::generate(50, 8, 10); }, printDoubles},
        SheetCase{"Mixed", [] { return MixedGenerator::generate(24, 20, 8, 10); }, printMixed},
        SheetCase{"Team", [] { return TeamGenerator::generate(50, 50, 8, 10); }, printTeam},
        SheetCase{"Fixed", [] { return FixedPairGenerator::generate(50, 50, 16, 10); },
                  printFixedPairs}),
    [](const testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

} // namespace
