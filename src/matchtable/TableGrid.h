#pragma once

#include "common/GridModel.h"

#include <string>

namespace zoruka {

// A match-table grid of `headerRows` header rows, one row per game and `columns` columns: the
// header rows and column 0 yellow, column 0 800 twips wide, "コート" at the top and "試合" in the
// last header row of column 0, and "第g試合" labels below.
GridModel tableGrid(int headerRows, int games, int columns, CellAlignment labelAlignment);

// "3-7".
std::string pairText(int first, int second);

} // namespace zoruka
