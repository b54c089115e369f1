#pragma once

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>

namespace zoruka::test {

// The windows named `name` among the application's top-level widgets (screens are found the way
// a user sees them: as separate windows).
inline QList<QWidget*> topLevelsNamed(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name) {
            found << widget;
        }
    }
    return found;
}

// Deletes every parentless window a test left behind (screens opened by the menu have no
// parent, so nothing else would).
inline void deleteTopLevelWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->parentWidget()) {
            windows << widget;
        }
    }
    for (const QPointer<QWidget>& window : windows) {
        delete window.data();
    }
}

// A grid as the user reads it: one line per row, cells separated by "|".
inline QStringList gridText(const QTableWidget* grid)
{
    QStringList lines;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem* item = grid->item(row, column);
            cells << (item ? item->text() : QString());
        }
        lines << cells.join(QLatin1Char('|'));
    }
    return lines;
}

// The colour a field check gave a combo box's text.
inline QColor textColour(const QComboBox* field)
{
    return field->lineEdit()->palette().color(QPalette::Active, QPalette::Text);
}

// Focus leaves `field` for `reason`, as when the user tabs or clicks elsewhere.
inline void leave(QWidget* field, Qt::FocusReason reason = Qt::TabFocusReason)
{
    QFocusEvent event(QEvent::FocusOut, reason);
    QApplication::sendEvent(field, &event);
}

} // namespace zoruka::test
