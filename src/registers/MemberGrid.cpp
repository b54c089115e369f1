#include "registers/MemberGrid.h"

#include "registers/ListGrid.h"

namespace zoruka {

GridModel memberGrid(const std::vector<Member>& members)
{
    GridModel grid = listGrid({"氏名", "ヨミ", "年齢", "性別", "対象"}, {2000, 2000, 800, 800, 800},
                              100, members.size());
    int row = 1;
    for (const Member& member : members) {
        grid.cell(row, 0).text = member.name;
        grid.cell(row, 1).text = member.kana;
        grid.cell(row, 2).text = member.age;
        grid.cell(row, 3) = {member.sex == "1" ? "男" : "女", CellAlignment::Centre};
        grid.cell(row, 4) = {member.excluded ? "無効" : "", CellAlignment::Centre};
        ++row;
    }
    return grid;
}

} // namespace zoruka
