#include "common/ui/ListGridView.h"

#include "common/ui/GridModelView.h"
#include "common/ui/Palette.h"
#include "common/ui/Widgets.h"

#include <QScrollBar>
#include <QTableWidget>

namespace zoruka::ui {

ListGridView::ListGridView(QWidget* parent, const QString& name) : m_table(makeGrid(parent, name))
{
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Rows are chosen by clicking; a focused grid would also frame its current cell.
    m_table->setFocusPolicy(Qt::NoFocus);
}

void ListGridView::show(const GridModel& grid)
{
    showGrid(m_table, grid);
    m_chosen = -1;
    int width = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < m_table->columnCount(); ++column) {
        width += m_table->columnWidth(column);
    }
    m_table->setFixedWidth(width);
}

void ListGridView::choose(int row)
{
    if (m_chosen >= 0) {
        paint(m_chosen, palette::white());
    }
    paint(row, palette::lightGreen());
    m_chosen = row;
}

QString ListGridView::text(int row, int column) const
{
    const QTableWidgetItem* item = m_table->item(row, column);
    return item ? item->text() : QString();
}

void ListGridView::paint(int row, const QColor& colour)
{
    for (int column = 0; column < m_table->columnCount(); ++column) {
        if (QTableWidgetItem* item = m_table->item(row, column)) {
            item->setBackground(colour);
        }
    }
}

} // namespace zoruka::ui
