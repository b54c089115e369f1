#include "output/TextFit.h"

#include "common/Utf8.h"
#include "output/PrintFontAdvances.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zoruka {

namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72;
constexpr std::string_view kEllipsis = "…";
// Sizes are compared after arithmetic on millimetres.
constexpr double kTolerance = 1e-9;

int advance(char32_t c)
{
    const auto& runs = print_font::kAdvanceRuns;
    const auto after = std::upper_bound(
        runs.begin(), runs.end(), c,
        [](char32_t code, const print_font::AdvanceRun& run) { return code < run.first; });
    if (after != runs.begin() && c <= std::prev(after)->last) {
        return std::prev(after)->advance;
    }
    return print_font::kUnitsPerEm;
}

// Millimetres per font unit at `points`.
double scale(double points) { return points * kMillimetresPerPoint / print_font::kUnitsPerEm; }

// The advances of `text`, added up no further than past `limit` units.
long long advances(std::string_view text, double limit = std::numeric_limits<double>::infinity())
{
    long long units = 0;
    for (std::size_t at = 0; at < text.size() && static_cast<double>(units) <= limit;) {
        units += advance(nextCodePoint(text, at));
    }
    return units;
}

std::string_view withoutTrailingBlanks(std::string_view text)
{
    static constexpr std::string_view kIdeographicSpace = "　";
    for (;;) {
        if (text.ends_with(' ')) {
            text.remove_suffix(1);
        } else if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
        } else {
            return text;
        }
    }
}

} // namespace

double printedWidth(std::string_view text, double points)
{
    return static_cast<double>(advances(text)) * scale(points);
}

double printedAscent(double points) { return print_font::kAscender * scale(points); }

FittedText fitText(std::string_view text, double size, double room)
{
    const std::string_view printed = withoutTrailingBlanks(text);
    const double smallest = std::min(size, kSmallestTextSize);
    // A text that would not fit even at the smallest size is measured no further (a note may be
    // thousands of characters long).
    const double width =
        static_cast<double>(advances(printed, room / scale(smallest))) * scale(size);
    if (width <= room + kTolerance) {
        return {std::string(text), size};
    }
    const double clear = room - kLineClearance;
    // A text's width grows in proportion to its size.
    const double fitting = std::floor(size * clear / width * 10 + kTolerance) / 10;
    if (fitting >= kSmallestTextSize) {
        return {std::string(text), fitting};
    }
    const double clearUnits = clear / scale(smallest) - static_cast<double>(advances(kEllipsis));
    long long units = 0;
    std::size_t kept = 0;
    for (std::size_t at = 0; at < printed.size();) {
        units += advance(nextCodePoint(printed, at));
        if (static_cast<double>(units) > clearUnits + kTolerance) {
            break;
        }
        kept = at;
    }
    return {std::string(withoutTrailingBlanks(printed.substr(0, kept))) + std::string(kEllipsis),
            smallest};
}

} // namespace zoruka
