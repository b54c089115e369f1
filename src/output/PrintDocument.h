#pragma once

#include <string>
#include <variant>
#include <vector>

namespace zoruka {

// What a print layout hands to the printer: pure data, drawn by output/render and inspected by
// tests. Positions are millimetres from the top-left corner of the sheet (x to the right,
// y downwards); font sizes are points.

// Colours are numbers of the basic 16-colour palette.
inline constexpr int kPaletteBlack = 0;
inline constexpr int kPaletteSilver = 7;
inline constexpr int kPaletteLightBlue = 9;
inline constexpr int kPaletteLightRed = 12;
// A box drawn as an outline only.
inline constexpr int kNoFill = -1;

// Line widths are given in printer drawing units; one unit is this many millimetres.
inline constexpr double kMillimetresPerLineUnit = 0.1;

// How far a line `width` units wide reaches to either side of where it is drawn, in millimetres.
constexpr double lineReach(int width) { return width * kMillimetresPerLineUnit / 2; }

enum class Paper { A4 };
enum class Orientation { Portrait, Landscape };

// A text whose top-left corner stands at (x, y).
struct PrintText {
    double x = 0;
    double y = 0;
    std::string text; // UTF-8
    std::string font; // the system's font name, e.g. "HG丸ゴシックM - PRO"
    double size = 0;  // points
    int colour = kPaletteBlack;
    bool endsAtX = false; // the text's right end, not its left, stands at x (amounts)

    bool operator==(const PrintText&) const = default;
};

// A straight line from (x1, y1) to (x2, y2).
struct PrintLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    int width = 1; // printer drawing units
    int colour = kPaletteBlack;

    bool operator==(const PrintLine&) const = default;
};

// The outline of the rectangle with opposite corners (x1, y1) and (x2, y2), filled when `fill`
// names a colour.
struct PrintBox {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    int width = 1; // printer drawing units
    int colour = kPaletteBlack;
    int fill = kNoFill; // the colour inside the outline (a chart's bars)

    bool operator==(const PrintBox&) const = default;
};

using PrintOperation = std::variant<PrintText, PrintLine, PrintBox>;

struct PrintPage {
    std::vector<PrintOperation> operations; // in drawing order
};

// One print job: the printer starts a document, prints its pages and ends it.
struct PrintDocument {
    Paper paper = Paper::A4;
    Orientation orientation = Orientation::Portrait;
    std::vector<PrintPage> pages;
};

} // namespace zoruka
