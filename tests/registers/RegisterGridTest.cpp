#include "registers/ExpenseItemGrid.h"
#include "registers/MemberGrid.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

// The grid as the user reads it: one line per non-empty row, cells separated by "|".
std::vector<std::string> filledRows(const GridModel& grid)
{
    std::vector<std::string> lines;
    for (int row = 0; row < grid.rows; ++row) {
        std::string line;
        bool filled = false;
        for (int column = 0; column < grid.columns; ++column) {
            line += (column == 0 ? "" : "|") + grid.cell(row, column).text;
            filled = filled || !grid.cell(row, column).text.empty();
        }
        if (filled) {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST(ExpenseItemGrid, HasAYellowHeaderAndOneRowPerItem)
{
    const GridModel grid = expenseItemGrid(
        {{"1", "10100", "前月繰越", "", ""}, {"2", "20100", "シャトル代", "羽", "備考"}});
    EXPECT_EQ(grid.rows, 50);
    EXPECT_EQ(grid.columns, 4);
    EXPECT_EQ(grid.fixedRows, 1);
    EXPECT_EQ(grid.fixedColumns, 0);
    EXPECT_EQ(grid.columnTwips, (std::vector<int>{1000, 1000, 3500, 1500}));
    EXPECT_EQ(filledRows(grid),
              (std::vector<std::string>{"区分|NO|名称|略称", "収入|10100|前月繰越|",
                                        "支出|20100|シャトル代|羽"}));
    for (int column = 0; column < 4; ++column) {
        EXPECT_TRUE(grid.cell(0, column).header);
        EXPECT_EQ(grid.cell(0, column).alignment, CellAlignment::Centre);
        EXPECT_FALSE(grid.cell(1, column).header);
    }
    EXPECT_EQ(grid.cell(2, 0).alignment, CellAlignment::Centre);
    EXPECT_EQ(grid.cell(2, 1).alignment, CellAlignment::Default);
}

// The system's grid has room for 49 items; a longer list grows the grid instead of losing rows.
TEST(ExpenseItemGrid, GrowsBeyondFortyNineItems)
{
    std::vector<ExpenseItem> items(49, ExpenseItem{"1", "10200", "x", "", ""});
    EXPECT_EQ(expenseItemGrid(items).rows, 50);
    items.resize(60, ExpenseItem{"2", "20200", "y", "", ""});
    const GridModel grid = expenseItemGrid(items);
    EXPECT_EQ(grid.rows, 61);
    EXPECT_EQ(grid.cell(60, 1).text, "20200");
}

TEST(MemberGrid, ShowsSexAndExclusionAsTheListReadsThem)
{
    Member taro;
    taro.name = "山田太郎";
    taro.kana = "ヤマダタロウ";
    taro.age = "45";
    Member hanako = taro;
    hanako.name = "佐藤花子";
    hanako.kana = "サトウハナコ";
    hanako.sex = "2";
    hanako.excluded = true;
    const GridModel grid = memberGrid({hanako, taro});
    EXPECT_EQ(grid.rows, 100);
    EXPECT_EQ(grid.columnTwips, (std::vector<int>{2000, 2000, 800, 800, 800}));
    EXPECT_EQ(filledRows(grid), (std::vector<std::string>{"氏名|ヨミ|年齢|性別|対象",
                                                          "佐藤花子|サトウハナコ|45|女|無効",
                                                          "山田太郎|ヤマダタロウ|45|男|"}));
    EXPECT_TRUE(grid.cell(0, 4).header);
    EXPECT_EQ(grid.cell(0, 0).alignment, CellAlignment::Centre);
    EXPECT_EQ(grid.cell(1, 3).alignment, CellAlignment::Centre);
    EXPECT_EQ(grid.cell(1, 4).alignment, CellAlignment::Centre);
    EXPECT_EQ(grid.cell(1, 2).alignment, CellAlignment::Default);

    EXPECT_EQ(memberGrid(std::vector<Member>(150, taro)).rows, 151);
}

} // namespace
} // namespace zoruka
