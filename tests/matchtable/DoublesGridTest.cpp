#include "matchtable/DoublesGrid.h"
#include "matchtable/DoublesGenerator.h"

#include <gtest/gtest.h>

namespace {

using namespace zoruka;

std::vector<std::string> rowTexts(const GridModel& grid, int row)
{
    std::vector<std::string> texts;
    for (int column = 0; column < grid.columns; ++column) {
        texts.push_back(grid.cell(row, column).text);
    }
    return texts;
}

TEST(DoublesGrid, HeaderRowsGameLabelsAndWidths)
{
    const GridModel grid = doublesGrid(DoublesGenerator::generate(9, 2, 3));
    ASSERT_EQ(grid.rows, 5);
    ASSERT_EQ(grid.columns, 6);
    EXPECT_EQ(rowTexts(grid, 0),
              (std::vector<std::string>{"コート", "1コート", "1コート", "2コート", "2コート", ""}));
    EXPECT_EQ(rowTexts(grid, 1),
              (std::vector<std::string>{"試合", "A面", "B面", "A面", "B面", "休憩"}));
    EXPECT_EQ(grid.cell(4, 0).text, "第3試合");
    EXPECT_EQ(grid.columnTwips, (std::vector<int>{800, 0, 0, 0, 0, 700}));
    EXPECT_EQ(grid.mergedRows, (std::vector<int>{0, 1}));
    EXPECT_EQ(grid.mergedColumns, std::vector<int>{5});
    for (int column = 0; column < grid.columns; ++column) {
        EXPECT_TRUE(grid.cell(0, column).header && grid.cell(1, column).header);
    }
    EXPECT_TRUE(grid.cell(3, 0).header);
    EXPECT_FALSE(grid.cell(3, 1).header);
}

TEST(DoublesGrid, CourtsFollowTheRotationAndRestsAreListed)
{
    const GridModel grid = doublesGrid(DoublesGenerator::generate(9, 2, 3));
    EXPECT_EQ(rowTexts(grid, 2),
              (std::vector<std::string>{"第1試合", "1-2", "3-8", "4-5", "6-7", "9"}));
    EXPECT_EQ(rowTexts(grid, 3),
              (std::vector<std::string>{"第2試合", "9-7", "1-3", "2-5", "4-6", "8"}));
    // Game 3 lists 8, 9, 1...: the court of 8 comes first although 8 stands in slot 1.
    EXPECT_EQ(rowTexts(grid, 4),
              (std::vector<std::string>{"第3試合", "8-2", "9-5", "1-4", "3-6", "7"}));
    EXPECT_EQ(grid.cell(2, 5).alignment, CellAlignment::LeftBottom);
}

TEST(DoublesGrid, SideAGoesToThePairOfTheFirstListedPlayer)
{
    // N = 12, C = 2: game 2 lists 9..12, 1..4, so the court holding 9 is shown first with the
    // pair of 9 on side A, whatever slots the generator gave it.
    const MatchTable table = DoublesGenerator::generate(12, 2, 2);
    const GridModel grid = doublesGrid(table);
    const std::string first = grid.cell(3, 1).text;
    EXPECT_TRUE(first.rfind("9-", 0) == 0 || first.find("-9") == first.size() - 2) << first;
    EXPECT_EQ(grid.cell(3, 5).text, "5,6,7,8");
}

TEST(DoublesGrid, UnbuiltGamesKeepOnlyTheirLabels)
{
    const GridModel grid = doublesGrid(DoublesGenerator::generate(4, 1, 5));
    EXPECT_EQ(rowTexts(grid, 5), (std::vector<std::string>{"第4試合", "", "", ""}));
    EXPECT_EQ(rowTexts(grid, 6), (std::vector<std::string>{"第5試合", "", "", ""}));
    EXPECT_EQ(grid.columnTwips.back(), 500);

    const GridModel noCourts = doublesGrid(DoublesGenerator::generate(5, 0, 2));
    EXPECT_EQ(noCourts.columns, 2);
    EXPECT_EQ(rowTexts(noCourts, 2), (std::vector<std::string>{"第1試合", ""}));
}

} // namespace
