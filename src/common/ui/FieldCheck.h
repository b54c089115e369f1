#pragma once

#include <QColor>
#include <QList>

#include <functional>

class QWidget;

namespace zoruka::ui {

// The red/black convention of every input check: a field that fails turns its text light red
// (palette colour 12), one that passes black; the first failing field of a check gets the focus
// so the user lands on it. Shared by all screens.
class FieldCheck {
public:
    // Colours one field's text.
    static void mark(QWidget* field, bool failed);

    // Colours every field of a check in screen order (`failed[i]` belongs to `fields[i]`) and
    // focuses the first failing one. Returns whether any failed.
    static bool markAll(const QList<QWidget*>& fields, const QList<bool>& failed);

    // Runs `fails` whenever the user leaves `field` (focus moving elsewhere within the program,
    // not a popup opening or another window becoming active) and colours the field by its answer.
    // The watcher lives as long as the field.
    static void checkOnLeave(QWidget* field, std::function<bool()> fails);

    // The text colour a check last gave `field` (black when it was never checked).
    static QColor textColour(const QWidget* field);
};

} // namespace zoruka::ui
