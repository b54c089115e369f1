#pragma once

#include "output/PrintDocument.h"

#include <QWidget>

namespace zoruka::ui {

// A part of a print page shown on screen, as the printer would draw it: the millimetres from
// (left, top) `width` × `height` are scaled to fill the widget, keeping their proportions, so that
// a chart laid out for the sheet can be shown beside the grid it belongs to.
class PrintPageView : public QWidget {
    Q_OBJECT

public:
    PrintPageView(QWidget* parent, const QString& name);

    // Shows `page`'s drawings in the given part of it.
    void show(PrintPage page, double left, double top, double width, double height);

    const PrintPage& page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PrintPage m_page;
    double m_left = 0;
    double m_top = 0;
    double m_width = 1;
    double m_height = 1;
};

} // namespace zoruka::ui
