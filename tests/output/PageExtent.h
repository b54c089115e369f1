#pragma once

#include "output/PrintDocument.h"
#include "output/PrintableArea.h"

#include <algorithm>
#include <variant>

namespace zoruka::test {

// How far down the page anything is drawn: the lower end of lines and boxes, the foot of texts.
inline double lowestPoint(const PrintPage& page)
{
    double lowest = 0;
    for (const PrintOperation& operation : page.operations) {
        if (const auto* text = std::get_if<PrintText>(&operation)) {
            lowest = std::max(lowest, text->y + textHeight(text->size));
        } else if (const auto* line = std::get_if<PrintLine>(&operation)) {
            lowest = std::max({lowest, line->y1, line->y2});
        } else if (const auto* box = std::get_if<PrintBox>(&operation)) {
            lowest = std::max({lowest, box->y1, box->y2});
        }
    }
    return lowest;
}

} // namespace zoruka::test
