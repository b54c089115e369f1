// The printed sheets of tables with and without a roster, from their print documents.
#include "matchtable/DoublesGenerator.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/NumberedNames.h"
#include "matchtable/TeamGenerator.h"
#include "output/DoublesPrint.h"
#include "output/FixedPairPrint.h"
#include "output/MixedPrint.h"
#include "output/PrintOperationsJson.h"
#include "output/PrintableArea.h"
#include "output/TeamPrint.h"
#include "output/TextFit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>

namespace {

using namespace zoruka;

std::uint64_t fnv1a(const std::string& bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

struct PlainCase {
    const char* name;
    std::function<MatchTable()> table;
    std::function<PrintResult(const MatchTable&)> print;
    std::uint64_t operations; // FNV-1a of the print operations as JSON lines
};

class PlainSheets : public testing::TestWithParam<PlainCase> {};

// The digests were taken from the sheets as they were printed before tables had names.
TEST_P(PlainSheets, PrintOperationsStayAsTheyWereBeforeNames)
{
    const PrintResult result = GetParam().print(GetParam().table());
    EXPECT_EQ(fnv1a(printOperationsJson(result.documents)), GetParam().operations);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, PlainSheets,
    testing::Values(PlainCase{"Doubles9", [] { return DoublesGenerator::generate(9, 2, 23); },
                              printDoubles, 11942783523310938117ull},
                    PlainCase{"Doubles30", [] { return DoublesGenerator::generate(30, 2, 10); },
                              printDoubles, 11124765341431690354ull},
                    PlainCase{"Doubles20", [] { return DoublesGenerator::generate(20, 3, 12); },
                              printDoubles, 16213953886447595162ull},
                    PlainCase{"Doubles50", [] { return DoublesGenerator::generate(50, 8, 10); },
                              printDoubles, 14327418926376086440ull},
                    PlainCase{"Mixed", [] { return MixedGenerator::generate(24, 20, 8, 10); },
                              printMixed, 3599202837677651075ull},
                    PlainCase{"MixedTwoRows", [] { return MixedGenerator::generate(8, 8, 3, 12); },
                              printMixed, 3125227274988456773ull},
                    PlainCase{"Team", [] { return TeamGenerator::generate(50, 50, 8, 10); },
                              printTeam, 3405682845095951705ull},
                    PlainCase{"TeamTwoRows", [] { return TeamGenerator::generate(10, 10, 3, 12); },
                              printTeam, 4051014806182947726ull},
                    PlainCase{"Fixed", [] { return FixedPairGenerator::generate(50, 50, 16, 10); },
                              printFixedPairs, 16930048180692921556ull},
                    PlainCase{"FixedTwoRows",
                              [] { return FixedPairGenerator::generate(5, 5, 3, 6); },
                              printFixedPairs, 11626826645549453266ull}),
    [](const testing::TestParamInfo<PlainCase>& info) { return std::string(info.param.name); });

struct Rect {
    double left, top, right, bottom;

    bool overlaps(const Rect& o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool inside(const Rect& o) const
    {
        return left >= o.left && right <= o.right && top >= o.top && bottom <= o.bottom;
    }
};

Rect extentOf(const PrintText& text)
{
    const double width = printedWidth(text.text, text.size);
    const double left = text.endsAtX ? text.x - width : text.x;
    return {left, text.y, left + width, text.y + textHeight(text.size)};
}

struct NamedCase {
    const char* name;
    std::function<MatchTable()> table;
    std::function<PrintResult(const MatchTable&)> print;
    std::array<int, 2> sizes;
    std::string prefix; // of every name: "甲" makes 甲1, 甲2, ...
    int gamesPerSheet;
};

class NamedSheets : public testing::TestWithParam<NamedCase> {};

// Every sheet carries every name once, apart from the blocks and on the printable part of the
// sheet, and the blocks are all there.
TEST_P(NamedSheets, EverySheetHasTheWholeLegendBesideItsBlocks)
{
    const NamedCase& c = GetParam();
    MatchTable table = c.table();
    const int games = table.builtGames();
    table.roster = Roster(test::numberedNames(c.prefix + "甲", c.sizes[0]),
                          test::numberedNames(c.prefix + "乙", c.sizes[1]));
    const PrintResult result = c.print(table);
    ASSERT_FALSE(result.refused());
    int blocks = 0;
    for (std::size_t sheet = 0; sheet < result.documents.size(); ++sheet) {
        const PrintDocument& document = result.documents[sheet];
        ASSERT_EQ(document.pages.size(), 1u);
        std::vector<Rect> boxes;
        std::vector<PrintText> texts;
        for (const PrintOperation& operation : document.pages[0].operations) {
            if (const auto* box = std::get_if<PrintBox>(&operation)) {
                const double reach = lineReach(box->width);
                boxes.push_back(
                    {box->x1 - reach, box->y1 - reach, box->x2 + reach, box->y2 + reach});
            } else if (const auto* text = std::get_if<PrintText>(&operation)) {
                texts.push_back(*text);
            }
        }
        blocks += static_cast<int>(boxes.size());
        if (sheet + 1 < result.documents.size()) {
            EXPECT_EQ(static_cast<int>(boxes.size()), c.gamesPerSheet) << "sheet " << sheet + 1;
        }
        std::map<std::string, int> shown;
        int cut = 0; // names too long for their column end in "…"
        for (const PrintText& text : texts) {
            ++shown[text.text];
            cut += text.text.ends_with("…") ? 1 : 0;
            const Rect at = extentOf(text);
            EXPECT_GE(at.left, kPrinterMargin) << text.text;
            EXPECT_LE(at.right, kA4Height - kPrinterMargin) << text.text;
            EXPECT_LE(at.bottom, kA4Width - kPrinterMargin) << text.text;
            for (const Rect& box : boxes) {
                EXPECT_TRUE(at.inside(box) || !at.overlaps(box))
                    << '"' << text.text << "\" at " << at.left << "," << at.top << " sheet "
                    << sheet + 1;
            }
        }
        int whole = 0;
        int names = 0;
        for (const auto& group : table.roster.groups) {
            for (const std::string& name : group) {
                EXPECT_LE(shown[name], 1) << name;
                whole += shown[name];
                ++names;
            }
        }
        EXPECT_EQ(whole + cut, names) << "sheet " << sheet + 1;
    }
    EXPECT_EQ(blocks, games);
}

// Each case: the table, its print, the names of each group, what every name begins with, and
// how many games a full sheet then holds.
INSTANTIATE_TEST_SUITE_P(EveryKind, NamedSheets,
                         testing::Values(
                             // Room under two rows of blocks.
                             NamedCase{"DoublesNine",
                                       [] { return DoublesGenerator::generate(9, 2, 23); },
                                       printDoubles,
                                       {9, 0},
                                       "",
                                       10},
                             // Fifty names need a sheet of one row.
                             NamedCase{"DoublesFifty",
                                       [] { return DoublesGenerator::generate(50, 2, 12); },
                                       printDoubles,
                                       {50, 0},
                                       "",
                                       5},
                             // Tall blocks: the legend stands beside three of them.
                             NamedCase{"DoublesEightCourts",
                                       [] { return DoublesGenerator::generate(50, 8, 10); },
                                       printDoubles,
                                       {50, 0},
                                       "",
                                       3},
                             NamedCase{"MixedFull",
                                       [] { return MixedGenerator::generate(50, 50, 3, 12); },
                                       printMixed,
                                       {50, 50},
                                       "",
                                       5},
                             NamedCase{"MixedTall",
                                       [] { return MixedGenerator::generate(50, 50, 8, 6); },
                                       printMixed,
                                       {50, 50},
                                       "",
                                       2},
                             NamedCase{"TeamLongNames",
                                       [] { return TeamGenerator::generate(12, 12, 3, 12); },
                                       printTeam,
                                       {12, 12},
                                       std::string(40 - 3, 'W'),
                                       5},
                             NamedCase{"FixedPairs",
                                       [] { return FixedPairGenerator::generate(6, 5, 4, 11); },
                                       printFixedPairs,
                                       {6, 5},
                                       "山田太郎・",
                                       10}),
                         [](const testing::TestParamInfo<NamedCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
