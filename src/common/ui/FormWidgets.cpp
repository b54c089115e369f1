#include "common/ui/FormWidgets.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace zoruka::ui {

QLineEdit* makeTextBox(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    return option;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

} // namespace zoruka::ui
