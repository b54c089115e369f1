#pragma once

#include "output/PrintDocument.h"
#include "output/PrintableArea.h"
#include "output/render/PrintFonts.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace zoruka::test {

// Where the texts of a print document stand once printed, measured with the fonts the renderer
// draws them with, on the device writePdf() draws on; and what on a page they would run into.
class PrintedExtents {
public:
    struct Extent {
        double left = 0; // millimetres, the ink: blanks at either end print nothing
        double right = 0;
        double top = 0;
        double bottom = 0;
    };

    PrintedExtents() : m_device(&m_buffer) { m_buffer.open(QIODevice::WriteOnly); }

    // The advance of `text` in `font` at `points`, in millimetres.
    double width(const std::string& font, double points, const QString& text) const
    {
        const QFontMetricsF metrics(printFont(font, points), &m_device);
        return metrics.horizontalAdvance(text) * 25.4 / dotsPerInch();
    }

    double dotsPerInch() const { return m_device.logicalDpiX(); }

    Extent extent(const PrintText& text) const
    {
        const QString shown = QString::fromStdString(text.text);
        const qsizetype first = firstInk(shown);
        const qsizetype end = endOfInk(shown);
        const double whole = width(text.font, text.size, shown);
        const double start = text.endsAtX ? text.x - whole : text.x;
        const double left = start + width(text.font, text.size, shown.left(first));
        const double right = start + width(text.font, text.size, shown.left(end));
        return {left, std::max(left, right), text.y, text.y + textHeight(text.size)};
    }

    // Every fault of `page`, one line each: a text that crosses a vertical line or the left or
    // right edge of a box (at the line's full width), that comes nearer to another text on the
    // same height than `gap`, or that leaves the printable part of the sheet.
    std::vector<std::string> faults(const PrintPage& page, Orientation orientation,
                                    double gap = 1) const
    {
        const double paperWidth = orientation == Orientation::Landscape ? 297 : 210;
        std::vector<std::pair<PrintText, Extent>> texts;
        std::vector<PrintLine> verticals;
        for (const PrintOperation& operation : page.operations) {
            if (const auto* text = std::get_if<PrintText>(&operation)) {
                if (!text->text.empty()) {
                    texts.emplace_back(*text, extent(*text));
                }
            } else if (const auto* line = std::get_if<PrintLine>(&operation)) {
                if (line->x1 == line->x2) {
                    verticals.push_back(*line);
                }
            } else if (const auto* box = std::get_if<PrintBox>(&operation)) {
                for (const double x : {box->x1, box->x2}) {
                    verticals.push_back({x, box->y1, x, box->y2, box->width});
                }
            }
        }
        std::vector<std::string> found;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const auto& [text, at] = texts[i];
            if (at.left < kPrinterMargin || at.right > paperWidth - kPrinterMargin) {
                found.push_back(describe(text, at) + " leaves the paper");
            }
            for (const PrintLine& line : verticals) {
                const double half = line.width * kMillimetresPerLineUnit / 2;
                const bool sameHeight =
                    at.top < std::max(line.y1, line.y2) && std::min(line.y1, line.y2) < at.bottom;
                if (sameHeight && at.left < line.x1 + half && at.right > line.x1 - half) {
                    found.push_back(describe(text, at) + " crosses the line at x " +
                                    std::to_string(line.x1));
                }
            }
            for (std::size_t j = i + 1; j < texts.size(); ++j) {
                const auto& [other, near] = texts[j];
                const bool sameHeight = at.top < near.bottom && near.top < at.bottom;
                if (sameHeight && at.left < near.right + gap && near.left < at.right + gap) {
                    found.push_back(describe(text, at) + " runs into " + describe(other, near));
                }
            }
        }
        return found;
    }

private:
    static bool isBlank(QChar c) { return c == u' ' || c == u'\u3000'; }
    static qsizetype firstInk(const QString& text)
    {
        qsizetype at = 0;
        while (at < text.size() && isBlank(text[at])) {
            ++at;
        }
        return at;
    }
    static qsizetype endOfInk(const QString& text)
    {
        qsizetype end = text.size();
        while (end > 0 && isBlank(text[end - 1])) {
            --end;
        }
        return end;
    }
    static std::string describe(const PrintText& text, const Extent& at)
    {
        std::ostringstream out;
        out << '"' << text.text << "\" (" << text.size << " pt, x " << at.left << " … " << at.right
            << ", y " << at.top << ")";
        return out.str();
    }

    QBuffer m_buffer;
    QPdfWriter m_device;
};

// The faults of every page of `documents` (PrintedExtents::faults).
inline std::vector<std::string> faultsOf(const std::vector<PrintDocument>& documents,
                                         double gap = 1)
{
    const PrintedExtents extents;
    std::vector<std::string> found;
    for (const PrintDocument& document : documents) {
        for (const PrintPage& page : document.pages) {
            const std::vector<std::string> more = extents.faults(page, document.orientation, gap);
            found.insert(found.end(), more.begin(), more.end());
        }
    }
    return found;
}

} // namespace zoruka::test
