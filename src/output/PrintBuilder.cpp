#include "output/PrintBuilder.h"

#include "output/TextFit.h"

#include <algorithm>

namespace zoruka {

PrintBuilder::PrintBuilder(Orientation orientation, Paper paper)
    : m_orientation(orientation), m_paper(paper)
{
}

PrintPage& PrintBuilder::currentPage()
{
    if (!m_documentOpen) {
        m_documents.push_back({m_paper, m_orientation, {}});
        m_documentOpen = true;
        m_pageOpen = false;
    }
    PrintDocument& document = m_documents.back();
    if (!m_pageOpen) {
        document.pages.emplace_back();
        m_pageOpen = true;
    }
    return document.pages.back();
}

void PrintBuilder::text(double x, double y, std::string text)
{
    addText(x, y, std::move(text), m_fontSize, false);
}

void PrintBuilder::textEndingAt(double x, double y, std::string text)
{
    addText(x, y, std::move(text), m_fontSize, true);
}

void PrintBuilder::textWithin(double x, double y, std::string_view text, double right)
{
    addFitted(x, y, text, right - x, false);
}

void PrintBuilder::textEndingWithin(double x, double y, std::string_view text, double left)
{
    addFitted(x, y, text, x - left, true);
}

void PrintBuilder::textCentredWithin(double left, double right, double y, std::string_view text)
{
    const double room = right - left;
    FittedText fitted = fitText(text, m_fontSize, room);
    const double x = left + std::max(0.0, (room - printedWidth(fitted.text, fitted.size)) / 2);
    addText(x, y + lowering(fitted.size), std::move(fitted.text), fitted.size, false);
}

void PrintBuilder::addText(double x, double y, std::string text, double size, bool endsAtX)
{
    currentPage().operations.emplace_back(
        PrintText{x, y, std::move(text), m_font, size, m_colour, endsAtX});
}

void PrintBuilder::addFitted(double x, double y, std::string_view text, double room, bool endsAtX)
{
    FittedText fitted = fitText(text, m_fontSize, room);
    addText(x, y + lowering(fitted.size), std::move(fitted.text), fitted.size, endsAtX);
}

double PrintBuilder::lowering(double size) const
{
    // Zero when the text fits, so that it prints exactly as text() would print it.
    return printedAscent(m_fontSize) - printedAscent(size);
}

void PrintBuilder::line(double x1, double y1, double x2, double y2)
{
    currentPage().operations.emplace_back(PrintLine{x1, y1, x2, y2, m_lineWidth, m_colour});
}

void PrintBuilder::box(double x1, double y1, double x2, double y2)
{
    currentPage().operations.emplace_back(PrintBox{x1, y1, x2, y2, m_lineWidth, m_colour});
}

void PrintBuilder::filledBox(double x1, double y1, double x2, double y2, int fill)
{
    currentPage().operations.emplace_back(PrintBox{x1, y1, x2, y2, m_lineWidth, m_colour, fill});
}

void PrintBuilder::newPage() { m_pageOpen = false; }

void PrintBuilder::endDocument()
{
    m_documentOpen = false;
    m_pageOpen = false;
}

std::vector<PrintDocument> PrintBuilder::finish()
{
    endDocument();
    return std::move(m_documents);
}

} // namespace zoruka
