#include "common/ui/ListGridView.h"

#include "common/ui/GridModelView.h"
#include "common/ui/Palette.h"
#include "common/ui/Widgets.h"

#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

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
    QWidget* window = m_table->window();
    if (window == m_table || !window->layout()) {
        m_table->setFixedWidth(width);
        return;
    }
    // What the screen holds beside the window's frame and margins is the most the grid may take;
    // beyond that it scrolls.
    const QMargins margins = window->layout()->contentsMargins();
    const int room = window->screen()->availableGeometry().width() -
                     (window->frameGeometry().width() - window->width()) - margins.left() -
                     margins.right();
    m_table->setHorizontalScrollBarPolicy(width > room ? Qt::ScrollBarAsNeeded
                                                       : Qt::ScrollBarAlwaysOff);
    m_table->setFixedWidth(std::min(width, room));
    fitWindow(window);
}

void ListGridView::fitWindow(QWidget* window)
{
    // A width other than the one set here last is the user's (or the screen's own at first).
    if (window->width() != m_fittedWidth) {
        m_chosenWidth = window->width();
    }
    window->layout()->activate();
    const int frame = window->frameGeometry().width() - window->width();
    const int most = window->screen()->availableGeometry().width() - frame;
    const int width = std::min(std::max(m_chosenWidth, window->minimumSizeHint().width()), most);
    window->resize(width, window->height());
    m_fittedWidth = window->width();
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
