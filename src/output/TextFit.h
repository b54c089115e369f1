#pragma once

#include <string>
#include <string_view>

namespace zoruka {

// How the print layouts keep a text inside its room (a column, a slot, a cell), measuring it as
// the print renderer draws it (see PrintFontAdvances.h): a text that fits stays as laid out; one
// too wide is printed smaller, down to kSmallestTextSize, and at that size cut short with "…".
// Lengths are millimetres, sizes points.

inline constexpr double kSmallestTextSize = 6;
// The gap a text made to fit keeps from the end of its room (the line there).
inline constexpr double kLineClearance = 0.5;

// The width of `text` at `points`: the advances of all its characters, blanks included.
double printedWidth(std::string_view text, double points);
// From the top of a line of text at `points` to its baseline.
double printedAscent(double points);

struct FittedText {
    std::string text;
    double size = 0;

    bool operator==(const FittedText&) const = default;
};

// `text` as it fits into `room` at `size` (trailing blanks print nothing and are not counted):
// unchanged when it fits; else, kLineClearance short of the room's end, at the largest size in
// steps of 0.1 pt at which it fits, but not below kSmallestTextSize (nor above `size`), and then
// as the longest beginning of it that fits with "…" after it ("…" alone when nothing more fits).
FittedText fitText(std::string_view text, double size, double room);

} // namespace zoruka
