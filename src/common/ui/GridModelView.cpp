#include "common/ui/GridModelView.h"

#include "common/ui/Palette.h"
#include "common/ui/QtText.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>
#include <vector>

namespace zoruka::ui {

namespace {

Qt::Alignment toQt(CellAlignment alignment)
{
    switch (alignment) {
    case CellAlignment::Centre:
        return Qt::AlignCenter;
    case CellAlignment::CentreBottom:
        return Qt::AlignHCenter | Qt::AlignBottom;
    case CellAlignment::LeftBottom:
        return Qt::AlignLeft | Qt::AlignBottom;
    case CellAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::Default:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

class Spans {
public:
    Spans(QTableWidget* table, const GridModel& grid)
        : m_table(table), m_grid(grid),
          m_covered(static_cast<std::size_t>(grid.rows * grid.columns), false)
    {
    }

    void mergeRow(int row)
    {
        if (row < 0 || row >= m_grid.rows) {
            return;
        }
        for (int column = 0; column < m_grid.columns;) {
            int end = column + 1;
            while (end < m_grid.columns && mergeable(row, column, row, end)) {
                ++end;
            }
            span(row, column, 1, end - column);
            column = end;
        }
    }

    void mergeColumn(int column)
    {
        if (column < 0 || column >= m_grid.columns) {
            return;
        }
        for (int row = 0; row < m_grid.rows;) {
            int end = row + 1;
            while (end < m_grid.rows && mergeable(row, column, end, column)) {
                ++end;
            }
            span(row, column, end - row, 1);
            row = end;
        }
    }

private:
    bool mergeable(int row, int column, int otherRow, int otherColumn) const
    {
        const std::string& text = m_grid.cell(row, column).text;
        return !text.empty() && !covered(row, column) && !covered(otherRow, otherColumn) &&
               m_grid.cell(otherRow, otherColumn).text == text;
    }

    bool covered(int row, int column) const
    {
        return m_covered[static_cast<std::size_t>(row * m_grid.columns + column)];
    }

    void span(int row, int column, int rows, int columns)
    {
        if (rows * columns < 2) {
            return;
        }
        m_table->setSpan(row, column, rows, columns);
        for (int r = row; r < row + rows; ++r) {
            for (int c = column; c < column + columns; ++c) {
                m_covered[static_cast<std::size_t>(r * m_grid.columns + c)] = true;
            }
        }
    }

    QTableWidget* m_table;
    const GridModel& m_grid;
    std::vector<bool> m_covered;
};

constexpr int kCellPadding = 8;

// The widest text of a column outside the merged rows, whose texts span several columns.
int textWidth(const QTableWidget* table, const GridModel& grid, int column)
{
    const QFontMetrics metrics(table->font());
    int widest = 0;
    for (int row = 0; row < grid.rows; ++row) {
        if (std::find(grid.mergedRows.begin(), grid.mergedRows.end(), row) ==
            grid.mergedRows.end()) {
            widest =
                std::max(widest, metrics.horizontalAdvance(toQString(grid.cell(row, column).text)));
        }
    }
    return widest == 0 ? 0 : widest + kCellPadding;
}

// Cells whose text the column cuts short (Qt draws it with "…") show it whole as a tooltip.
void addToolTips(QTableWidget* table)
{
    const QFontMetrics metrics(table->font());
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            QTableWidgetItem* item = table->item(row, column);
            if (!item || item->text().isEmpty()) {
                continue;
            }
            int width = 0;
            for (int spanned = 0; spanned < table->columnSpan(row, column); ++spanned) {
                width += table->columnWidth(column + spanned);
            }
            if (metrics.horizontalAdvance(item->text()) + kCellPadding > width) {
                item->setToolTip(item->text());
            }
        }
    }
}

} // namespace

void showGrid(QTableWidget* table, const GridModel& grid)
{
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);

    // Emptying the table first also drops the previous spans and column widths.
    table->clearSpans();
    table->clearContents();
    table->setRowCount(0);
    table->setColumnCount(0);
    table->setRowCount(grid.rows);
    table->setColumnCount(grid.columns);

    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            const GridCell& cell = grid.cell(row, column);
            auto* item = new QTableWidgetItem(toQString(cell.text));
            item->setTextAlignment(toQt(cell.alignment));
            const bool fixed = row < grid.fixedRows || column < grid.fixedColumns;
            item->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (cell.header) {
                item->setBackground(palette::yellow());
            }
            if (cell.lightRed) {
                item->setForeground(palette::lightRed());
            }
            table->setItem(row, column, item);
        }
    }

    // A column widens for its texts ("第10試合" would not fit the label column's 800 twips in
    // the fonts installed here), but a long note or name does not widen it past kMaxColumnTwips.
    const double dpi = table->logicalDpiX();
    for (int column = 0; column < grid.columns; ++column) {
        const int twips = column < static_cast<int>(grid.columnTwips.size())
                              ? grid.columnTwips[static_cast<std::size_t>(column)]
                              : 0;
        if (twips > 0) {
            const int own = twipsToPixels(twips, dpi);
            const int widest = std::max(own, twipsToPixels(kMaxColumnTwips, dpi));
            table->setColumnWidth(column,
                                  std::max(own, std::min(widest, textWidth(table, grid, column))));
        }
    }

    Spans spans(table, grid);
    for (int row : grid.mergedRows) {
        spans.mergeRow(row);
    }
    for (int column : grid.mergedColumns) {
        spans.mergeColumn(column);
    }
    addToolTips(table);
}

} // namespace zoruka::ui
