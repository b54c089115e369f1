#pragma once

#include "common/GridModel.h"
#include "matchtable/Roster.h"

#include <string>
#include <vector>

namespace zoruka {

// A match-table grid of `headerRows` header rows, one row per game and `columns` columns: the
// header rows and column 0 yellow, column 0 800 twips wide, "コート" at the top and "試合" in the
// last header row of column 0, and "第g試合" labels below.
GridModel tableGrid(int headerRows, int games, int columns, CellAlignment labelAlignment);

// "3-7".
std::string pairText(int first, int second);

// What a grid cell shows of players of `group` of a table with `roster`: their numbers as
// without a roster ("7", "3-7", rests "3,8,12") while the group has no names; else their names
// (or the number of one without a name), a pair joined by "・" and rests by "、".
std::string playerText(const Roster& roster, int group, int number);
std::string pairText(const Roster& roster, int group, int first, int second);
std::string restsText(const Roster& roster, int group, const std::vector<int>& rests);

// With names, the columns of players that keep the grid's default width get a width of their own,
// so that the view widens them to their names (see GridModel::columnTwips).
void sizeColumnsForNames(GridModel& grid, const Roster& roster);

} // namespace zoruka
