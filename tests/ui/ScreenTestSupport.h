#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
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

} // namespace zoruka::test
