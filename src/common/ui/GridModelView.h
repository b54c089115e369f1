#pragma once

#include "common/GridModel.h"

class QTableWidget;

namespace zoruka::ui {

// Shows a grid model (a match table, a list, the cash book, the closing) in `table`, replacing
// everything in it:
// - the grid's fixed rows and columns are the first rows and columns of the table (Qt's own
//   header sections are hidden);
// - header cells are yellow (palette colour 14), every cell is read-only;
// - a column width of w twips becomes w at the table's logical DPI; 0 keeps the default width;
// - in each merged row, runs of equal non-empty neighbouring cells become one horizontal span;
//   in each merged column, runs down the column become one vertical span (a cell already in a
//   horizontal span is never part of a vertical one).
void showGrid(QTableWidget* table, const GridModel& grid);

} // namespace zoruka::ui
