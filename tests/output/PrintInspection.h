#pragma once

#include "output/PrintDocument.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zoruka::test {

// The operations of kind Op on every page of `document`, in drawing order.
template <typename Op> std::vector<Op> opsOf(const PrintDocument& document)
{
    std::vector<Op> found;
    for (const PrintPage& page : document.pages) {
        for (const PrintOperation& operation : page.operations) {
            if (const auto* op = std::get_if<Op>(&operation)) {
                found.push_back(*op);
            }
        }
    }
    return found;
}

// Top-left corners of the boxes (the game blocks' outlines), in drawing order.
inline std::vector<std::pair<double, double>> blockCorners(const PrintDocument& document)
{
    std::vector<std::pair<double, double>> corners;
    for (const PrintBox& box : opsOf<PrintBox>(document)) {
        corners.emplace_back(box.x1, box.y1);
    }
    return corners;
}

// The first text reading exactly `text`.
inline std::optional<PrintText> findText(const PrintDocument& document, const std::string& text)
{
    const std::vector<PrintText> texts = opsOf<PrintText>(document);
    const auto found = std::find_if(texts.begin(), texts.end(),
                                    [&](const PrintText& t) { return t.text == text; });
    return found == texts.end() ? std::nullopt : std::optional(*found);
}

} // namespace zoruka::test
