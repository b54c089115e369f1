#include "output/ui/PrintPageView.h"

#include "output/render/PrintRenderer.h"

#include <QPainter>

#include <algorithm>

namespace zoruka::ui {

namespace {

constexpr double kMillimetresPerInch = 25.4;

} // namespace

PrintPageView::PrintPageView(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void PrintPageView::show(PrintPage page, double left, double top, double width, double height)
{
    m_page = std::move(page);
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    update();
}

void PrintPageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // paintPage() places millimetres at the widget's own resolution; this scales them to fit.
    const double dotsPerMm = logicalDpiX() / kMillimetresPerInch;
    const double scale =
        std::min(width() / (m_width * dotsPerMm), height() / (m_height * dotsPerMm));
    painter.translate((width() - m_width * dotsPerMm * scale) / 2,
                      (height() - m_height * dotsPerMm * scale) / 2);
    painter.scale(scale, scale);
    painter.translate(-m_left * dotsPerMm, -m_top * dotsPerMm);
    paintPage(painter, m_page);
}

} // namespace zoruka::ui
