#pragma once

#include "common/GridModel.h"

#include <QString>

class QColor;
class QTableWidget;
class QWidget;

namespace zoruka::ui {

// A register's list grid on screen: a grid control named `name` (see makeGrid) that shows the list
// grid built by the core and keeps the chosen row light green (palette colour 10), putting the
// row chosen before back to white (15). Qt's own selection is off, so that the green is what the
// user sees.
class ListGridView {
public:
    ListGridView(QWidget* parent, const QString& name);

    QTableWidget* table() const { return m_table; }

    // Replaces the whole grid and makes the control exactly as wide as its columns, but never
    // wider than the screen leaves room for (it scrolls then); no row is chosen afterwards. The
    // window follows: it widens as far as the grid needs, up to the screen's width, and goes back
    // to the width it had before (as built or as the user left it) when the grid narrows again.
    void show(const GridModel& grid);

    // Highlights `row` and puts the previously chosen row back to white.
    void choose(int row);

    // The text of a cell; empty for a cell outside the grid.
    QString text(int row, int column) const;

private:
    void paint(int row, const QColor& colour);
    void fitWindow(QWidget* window);

    QTableWidget* m_table;
    int m_chosen = -1;
    int m_chosenWidth = 0; // the window's width apart from what the grid needs
    int m_fittedWidth = -1;
};

} // namespace zoruka::ui
