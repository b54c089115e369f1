// The grids of a table with a roster: every number a name, in every kind, and nothing else moved.
#include "matchtable/DoublesGenerator.h"
#include "matchtable/DoublesGrid.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/MixedGrid.h"
#include "matchtable/NumberedNames.h"
#include "matchtable/TeamGenerator.h"
#include "matchtable/TeamGrid.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace zoruka;

const std::array<std::string, 2> kPrefixes{"甲", "乙"};

// A cell of the numbers grid as it reads with names: "3-8" as "甲3・甲8", "9,10" as "甲9、甲10".
std::string withNames(const std::string& numbers, int group)
{
    if (numbers.empty()) {
        return numbers;
    }
    const bool pair = numbers.find('-') != std::string::npos;
    std::string named;
    std::size_t start = 0;
    while (start <= numbers.size()) {
        const std::size_t end = numbers.find_first_of("-,", start);
        const std::string token = numbers.substr(start, end - start);
        named += (start == 0 ? ""
                  : pair     ? "・"
                             : "、") +
                 kPrefixes[static_cast<std::size_t>(group)] + token;
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return named;
}

struct GridCase {
    const char* name;
    std::function<MatchTable()> table;
    std::function<GridModel(const MatchTable&)> grid;
    std::array<int, 2> sizes;
    int headerRows;
    std::function<int(int column)> groupOf; // the roster group a data column shows
};

class NamedGrids : public testing::TestWithParam<GridCase> {};

TEST_P(NamedGrids, ShowEveryNumberAsItsNameAndWidenOnlyTheDataColumns)
{
    const GridCase& c = GetParam();
    MatchTable table = c.table();
    const GridModel numbers = c.grid(table);
    table.roster = Roster(test::numberedNames(kPrefixes[0], c.sizes[0]),
                          test::numberedNames(kPrefixes[1], c.sizes[1]));
    const GridModel names = c.grid(table);

    ASSERT_EQ(names.rows, numbers.rows);
    ASSERT_EQ(names.columns, numbers.columns);
    for (int row = 0; row < names.rows; ++row) {
        for (int column = 0; column < names.columns; ++column) {
            const std::string& shown = numbers.cell(row, column).text;
            const bool data = row >= c.headerRows && column > 0;
            EXPECT_EQ(names.cell(row, column).text,
                      data ? withNames(shown, c.groupOf(column)) : shown)
                << row << "," << column;
            EXPECT_EQ(names.cell(row, column).lightRed, numbers.cell(row, column).lightRed);
        }
    }
    EXPECT_EQ(names.columnTwips[0], 800);
    for (std::size_t column = 1; column < names.columnTwips.size(); ++column) {
        EXPECT_GE(names.columnTwips[column], 500) << column;
        EXPECT_GE(names.columnTwips[column], numbers.columnTwips[column]) << column;
    }
    EXPECT_EQ(names.mergedRows, numbers.mergedRows);
    EXPECT_EQ(names.mergedColumns, numbers.mergedColumns);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, NamedGrids,
    testing::Values(GridCase{"Doubles",
                             [] { return DoublesGenerator::generate(11, 2, 4); },
                             doublesGrid,
                             {11, 0},
                             2,
                             [](int) { return 0; }},
                    GridCase{"Mixed",
                             [] { return MixedGenerator::generate(6, 5, 2, 3); },
                             mixedGrid,
                             {6, 5},
                             3,
                             [](int column) { return column % 2 == 1 ? 0 : 1; }},
                    GridCase{"Team",
                             [] { return TeamGenerator::generate(9, 8, 2, 3); },
                             teamGrid,
                             {9, 8},
                             2,
                             [](int column) { return column % 2 == 1 ? 0 : 1; }},
                    GridCase{"Fixed",
                             [] { return FixedPairGenerator::generate(4, 3, 3, 4); },
                             fixedPairGrid,
                             {4, 3},
                             2,
                             [](int column) { return column % 2 == 1 ? 0 : 1; }}),
    [](const testing::TestParamInfo<GridCase>& info) { return std::string(info.param.name); });

TEST(NamedGrids, AGroupWithoutNamesKeepsItsNumbers)
{
    MatchTable table = MixedGenerator::generate(4, 4, 1, 1);
    const GridModel numbers = mixedGrid(table);
    table.roster.groups[1] = {"花子", "", "", ""};
    const GridModel grid = mixedGrid(table);
    for (int column = 1; column <= 4; ++column) {
        const std::string& number = numbers.cell(3, column).text;
        EXPECT_EQ(grid.cell(3, column).text,
                  column % 2 == 1 || number != "1" ? number : std::string("花子"));
    }
}

} // namespace
