#pragma once

#include "accounts/AnnualReport.h"
#include "output/PrintBuilder.h"

namespace zoruka {

// Where a chart is drawn, in millimetres from the sheet's top-left corner.
struct ChartArea {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The amounts a chart's axis runs over: from `low` to `high` in steps of `step`, each a round
// number (1, 2 or 5 times a power of ten), `low` at most 0 and `high` at least 0.
struct ChartScale {
    long long low = 0;
    long long high = 0;
    long long step = 0;

    bool operator==(const ChartScale&) const = default;
};

// The scale of an axis for amounts from `lowest` to `highest`: about five steps, 0 among them;
// 0 … 5,000 when every amount is 0.
ChartScale chartScale(long long lowest, long long highest);

// The year's income and expense of each month as a bar chart filling `area`: the heading
// "月別の収入と支出" and the key (収入 light blue, 支出 light red) above the plot, the amounts of
// the axis at its left, silver lines across at each step, per month an income bar and an expense
// bar from 0, and the months ("4月" …) below, in the builder's font. Every text is kept inside its
// room. The chart sets the builder's size, colour and line width as it needs them.
void drawAnnualChart(PrintBuilder& out, const AnnualReport& report, const ChartArea& area);

} // namespace zoruka
