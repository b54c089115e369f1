#pragma once

#include "common/GridModel.h"

class QTableWidget;

namespace zoruka::ui {

// The widest a column grows for its texts (3 inches), unless its own width is wider.
inline constexpr int kMaxColumnTwips = 4320;

// Shows a grid model (a match table, a list, the cash book, the closing) in `table`, replacing
// everything in it:
// - the grid's fixed rows and columns are the first rows and columns of the table (Qt's own
//   header sections are hidden);
// - header cells are yellow (palette colour 14), every cell is read-only;
// - a column width of w twips becomes w at the table's logical DPI, widened for the column's
//   longest text up to kMaxColumnTwips; 0 keeps the default width;
// - a text its cell cuts short is drawn ending in "…" and shown whole as the cell's tooltip;
// - in each merged row, runs of equal non-empty neighbouring cells become one horizontal span;
//   in each merged column, runs down the column become one vertical span (a cell already in a
//   horizontal span is never part of a vertical one).
void showGrid(QTableWidget* table, const GridModel& grid);

} // namespace zoruka::ui
