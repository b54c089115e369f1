#pragma once

#include "../registers/RegisterTestSupport.h"
#include "../store/StoreTestSupport.h"

#include "common/ui/MessageBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTableWidget>
#include <QTest>

namespace zoruka::test {

// Clicks a cell of a grid where the user would.
inline void clickCell(QTableWidget* grid, int row, int column)
{
    grid->scrollToItem(grid->item(row, column));
    const QRect cell = grid->visualItemRect(grid->item(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// The background of a grid row when all its cells share one; an invalid colour otherwise.
inline QColor rowColour(const QTableWidget* grid, int row)
{
    const QColor first = grid->item(row, 0)->background().color();
    for (int column = 1; column < grid->columnCount(); ++column) {
        if (grid->item(row, column)->background().color() != first) {
            return {};
        }
    }
    return first;
}

// The colour a field check gave a text box or combo box.
inline QColor fieldColour(const QWidget* field)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(field); combo && combo->lineEdit()) {
        field = combo->lineEdit();
    }
    return field->palette().color(QPalette::Active, QPalette::Text);
}

// The boxes shown since the script started, one "kind|title|text" line each.
inline QStringList shownBoxes(const ui::MessageBox::Script& script)
{
    QStringList lines;
    for (const ui::MessageBox::Shown& box : script.shown()) {
        const char* kind = box.icon == ui::MessageBox::Icon::Question  ? "question"
                           : box.icon == ui::MessageBox::Icon::Warning ? "warning"
                                                                       : "information";
        lines << QString::fromUtf8(kind) + QLatin1Char('|') + box.title + QLatin1Char('|') +
                     box.text;
    }
    return lines;
}

inline std::vector<std::string> rowsOf(const TempFolder& folder, const std::string& sql)
{
    return queryFile(folder.databaseFile(), sql);
}

} // namespace zoruka::test
