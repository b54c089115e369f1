#pragma once

#include <QString>

class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace zoruka::ui {

// The register screens' input controls, each named with the system's name as its objectName
// (see Widgets.h for buttons, combo boxes, labels and grids).

QLineEdit* makeTextBox(QWidget* parent, const QString& name);

// An option button; the buttons sharing a parent (a frame) exclude each other.
QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption);

// A frame holding option buttons; `caption` may be empty.
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption = {});

} // namespace zoruka::ui
