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

    // Replaces the whole grid and makes the control exactly as wide as its columns; no row is
    // chosen afterwards.
    void show(const GridModel& grid);

    // Highlights `row` and puts the previously chosen row back to white.
    void choose(int row);

    // The text of a cell; empty for a cell outside the grid.
    QString text(int row, int column) const;

private:
    void paint(int row, const QColor& colour);

    QTableWidget* m_table;
    int m_chosen = -1;
};

} // namespace zoruka::ui
