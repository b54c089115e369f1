#pragma once

#include "output/PrintBuilder.h"

#include <string>
#include <vector>

namespace zoruka {

// One text of a sheet's heading line: its left edge (millimetres), text and palette colour.
struct HeadingField {
    double x = 0;
    std::string text;
    int colour = kPaletteBlack;
};

// The heading line of a printed sheet: every field with its top at `y` (millimetres) in 16 pt,
// each in its colour. Leaves the colour black.
void drawSheetHeading(PrintBuilder& out, double y, const std::vector<HeadingField>& fields);

} // namespace zoruka
