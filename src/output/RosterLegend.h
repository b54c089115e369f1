#pragma once

#include "matchtable/Roster.h"
#include "output/GameBlockSheets.h"

#include <functional>
#include <string>
#include <vector>

namespace zoruka {

// A legend of a table's names on its printed sheets: for every named group a heading (its label,
// in its colour) and a line per named number ("7 山田太郎"), in columns, 14 pt so that it reads
// from a metre away on a wall; the blocks keep their numbers. A group starts a column of its own.
//
// The legend takes the room the blocks leave: a strip under them, or a column right of them. It
// never overlaps a block or leaves the printable part of the sheet: while the room the blocks
// leave is too small, a sheet holds fewer blocks (one row, or fewer to a row and the legend beside
// them), as many as let every name stand at its full size; with a single block a sheet the
// columns narrow, and a name too wide for its column is printed smaller and then cut ("…").

struct LegendGroup {
    std::string label; // "男性"
    int colour = kPaletteBlack;
};

// Where a legend stands and how the sheets make room for it. Millimetres, from the sheet's
// top-left corner.
struct LegendPlan {
    GameBlockSheets::SheetArrangement arrangement;
    double left = 0;
    double top = 0;
    double columnWidth = 0;
    int linesPerColumn = 0;
};

// The plan for the legend of `roster` (groups in roster order) beside blocks `blockHeight` tall.
LegendPlan planLegend(const Roster& roster, const std::vector<LegendGroup>& groups,
                      double blockHeight);

// Draws the legend as planned; leaves the colour black.
void drawLegend(PrintBuilder& out, const Roster& roster, const std::vector<LegendGroup>& groups,
                const LegendPlan& plan);

// The sheets of a table's blocks (see GameBlockSheets): exactly those of the constructor without
// a legend while `roster` is empty; else arranged by planLegend(), each sheet with the legend
// after its heading.
GameBlockSheets sheetsWithLegend(double blockHeight, double numberRise,
                                 std::function<void(PrintBuilder&)> heading, const Roster& roster,
                                 std::vector<LegendGroup> groups);

} // namespace zoruka
