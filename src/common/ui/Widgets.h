#pragma once

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace zoruka::ui {

// Each helper makes one control of a screen and gives it the system's name as its objectName
// (`B設定`, `C参加人数`, `Gゾルカ`), which is how tests and automation find it.

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption);

// Adds a screen's row of command buttons (確定, 印刷, 終了, ...) to `layout`, each at least 80 x 32
// pixels, as every screen's command buttons are.
void addCommandButtons(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons);

// An editable combo box: the user picks from the list or types any text, which the screen's
// check then judges. Typed text is never added to the list and is not auto-completed.
QComboBox* makeCombo(QWidget* parent, const QString& name);

// Labels are mostly unnamed in the system; `name` may be empty.
QLabel* makeLabel(QWidget* parent, const QString& text, const QString& name = {});

// A read-only grid without Qt's own header sections: header rows and columns are ordinary
// cells (see GridModelView.h).
QTableWidget* makeGrid(QWidget* parent, const QString& name);

// The items "first" .. "last" in ascending order, as the match-table combos offer.
void addNumberItems(QComboBox* combo, int first, int last);

} // namespace zoruka::ui
