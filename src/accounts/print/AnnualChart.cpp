#include "accounts/print/AnnualChart.h"

#include "common/NumberFormat.h"
#include "output/PrintableArea.h"

#include <algorithm>
#include <cmath>

namespace zoruka {

namespace {

constexpr double kTextSize = 7;
constexpr double kHeadingSize = 9;
constexpr int kAxisWidth = 3;
constexpr int kBarOutline = 1;
constexpr double kLabelRoom = 19;  // the axis amounts, left of the plot
constexpr double kHeadingRoom = 8; // the heading and the key, above the plot
constexpr double kMonthRoom = 6;   // the months, below the plot
constexpr double kBarShare = 0.32; // of a month's width, each of its two bars
constexpr double kKeyBox = 3;

} // namespace

ChartScale chartScale(long long lowest, long long highest)
{
    lowest = std::min(lowest, 0LL);
    highest = std::max(highest, 0LL);
    if (lowest == highest) {
        return {0, 5000, 1000};
    }
    const double rough = static_cast<double>(highest - lowest) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    long long step = static_cast<long long>(power);
    for (const int factor : {1, 2, 5, 10}) {
        step = static_cast<long long>(power) * factor;
        if (static_cast<double>(step) >= rough) {
            break;
        }
    }
    step = std::max(step, 1LL);
    const auto roundDown = [step](long long value) {
        return value >= 0 ? value / step * step : -((-value + step - 1) / step * step);
    };
    const auto roundUp = [step](long long value) {
        return value <= 0 ? -(-value / step * step) : (value + step - 1) / step * step;
    };
    return {roundDown(lowest), roundUp(highest), step};
}

void drawAnnualChart(PrintBuilder& out, const AnnualReport& report, const ChartArea& area)
{
    const MonthAmounts& income = report.income.months;
    const MonthAmounts& expense = report.expense.months;
    const auto [lowIncome, highIncome] = std::minmax_element(income.begin(), income.end());
    const auto [lowExpense, highExpense] = std::minmax_element(expense.begin(), expense.end());
    const ChartScale scale =
        chartScale(std::min(*lowIncome, *lowExpense), std::max(*highIncome, *highExpense));

    const double plotLeft = area.left + kLabelRoom;
    const double plotRight = area.right;
    const double plotTop = area.top + kHeadingRoom;
    const double plotBottom = area.bottom - kMonthRoom;
    const auto yOf = [&](long long yen) {
        return plotBottom - (plotBottom - plotTop) * static_cast<double>(yen - scale.low) /
                                static_cast<double>(scale.high - scale.low);
    };

    // The heading and the key.
    out.setColour(kPaletteBlack);
    out.setFontSize(kHeadingSize);
    const double keyLeft = plotRight - 36;
    out.textWithin(area.left, area.top, "月別の収入と支出", keyLeft - 2);
    out.setFontSize(kTextSize);
    out.setLineWidth(kBarOutline);
    const double keyTop = area.top + (textHeight(kHeadingSize) - kKeyBox) / 2;
    for (const auto& [x, name, colour] : {std::tuple{keyLeft, "収入", kPaletteLightBlue},
                                          std::tuple{keyLeft + 18, "支出", kPaletteLightRed}}) {
        out.filledBox(x, keyTop, x + kKeyBox, keyTop + kKeyBox, colour);
        out.textWithin(x + kKeyBox + 1.5,
                       area.top + (textHeight(kHeadingSize) - textHeight(kTextSize)) / 2, name,
                       x + 17);
    }

    // The steps of the axis: a silver line across and the amount left of the plot.
    for (long long yen = scale.low; yen <= scale.high; yen += scale.step) {
        const double y = yOf(yen);
        out.setColour(kPaletteSilver);
        out.line(plotLeft, y, plotRight, y);
        out.setColour(kPaletteBlack);
        out.textEndingWithin(plotLeft - 1.5, y - textHeight(kTextSize) / 2, formatAmount(yen),
                             area.left);
    }

    // The bars, from 0.
    const double monthWidth = (plotRight - plotLeft) / static_cast<double>(income.size());
    const double barWidth = monthWidth * kBarShare;
    const double zero = yOf(0);
    const std::vector<std::string> months = monthHeadings(report.year);
    for (std::size_t month = 0; month < income.size(); ++month) {
        const double left = plotLeft + monthWidth * static_cast<double>(month);
        const double middle = left + monthWidth / 2;
        for (const auto& [x, yen, colour] :
             {std::tuple{middle - barWidth, income[month], kPaletteLightBlue},
              std::tuple{middle, expense[month], kPaletteLightRed}}) {
            if (yen != 0) {
                out.filledBox(x, std::min(zero, yOf(yen)), x + barWidth, std::max(zero, yOf(yen)),
                              colour);
            }
        }
        out.textCentredWithin(left, left + monthWidth, plotBottom + 1.5, months[month]);
    }

    // The axes over the bars.
    out.setLineWidth(kAxisWidth);
    out.line(plotLeft, plotTop, plotLeft, plotBottom);
    out.line(plotLeft, zero, plotRight, zero);
}

} // namespace zoruka
