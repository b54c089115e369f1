#pragma once

#include "output/PrintDocument.h"

#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// Builds print documents the way a layout talks to a printer: the current font, size, colour and
// line width apply to everything drawn after them. Pages and documents open with their first
// drawing, so ending a page or a document that has nothing on it adds no blank sheet.
// Positions are millimetres from the sheet's top-left corner; sizes are points; widths are
// printer drawing units (see PrintDocument.h).
class PrintBuilder {
public:
    explicit PrintBuilder(Orientation orientation, Paper paper = Paper::A4);

    // Orientation of the documents opened from now on.
    void setOrientation(Orientation orientation) { m_orientation = orientation; }

    void setFont(std::string name) { m_font = std::move(name); }
    void setFontSize(double points) { m_fontSize = points; }
    void setColour(int paletteIndex) { m_colour = paletteIndex; }
    void setLineWidth(int units) { m_lineWidth = units; }

    // `text` with its top-left corner at (x, y).
    void text(double x, double y, std::string text);
    // `text` with its top-right corner at (x, y): amounts line up on their last digit whatever
    // the widths of the font's digits and commas.
    void textEndingAt(double x, double y, std::string text);
    // As text(), kept left of `right` by fitText(); a text printed smaller keeps its baseline.
    void textWithin(double x, double y, std::string_view text, double right);
    // As textEndingAt(), kept right of `left` by fitText(), keeping the baseline likewise.
    void textEndingWithin(double x, double y, std::string_view text, double left);
    // `text` centred between `left` and `right`, kept between them as textWithin() keeps it.
    void textCentredWithin(double left, double right, double y, std::string_view text);
    void line(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2);
    // A box filled with the palette colour `fill`, outlined in the current colour and width.
    void filledBox(double x1, double y1, double x2, double y2, int fill);

    // Ends the current page; the document goes on with a new page at the next drawing.
    void newPage();
    // Ends the current document; the next drawing starts a new one.
    void endDocument();

    // Every document drawn so far, the last one ended. Call once, at the end.
    std::vector<PrintDocument> finish();

private:
    PrintPage& currentPage();
    void addText(double x, double y, std::string text, double size, bool endsAtX);
    void addFitted(double x, double y, std::string_view text, double room, bool endsAtX);
    // How far a text made smaller to `size` moves down to keep the baseline of the current size.
    double lowering(double size) const;

    std::vector<PrintDocument> m_documents;
    bool m_documentOpen = false;
    bool m_pageOpen = false;
    Orientation m_orientation;
    Paper m_paper;
    std::string m_font;
    double m_fontSize = 10;
    int m_colour = kPaletteBlack;
    int m_lineWidth = 1;
};

} // namespace zoruka
