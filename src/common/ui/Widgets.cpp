#include "common/ui/Widgets.h"

#include "common/ui/SystemFonts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace zoruka::ui {

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void addCommandButtons(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons)
{
    for (QPushButton* button : buttons) {
        button->setMinimumSize(80, 32);
        layout->addWidget(button);
    }
}

QComboBox* makeCombo(QWidget* parent, const QString& name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    return combo;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QString& name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QTableWidget* makeGrid(QWidget* parent, const QString& name)
{
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // Grid columns are sized in twips for the system's 9-point font; game labels such as
    // "第1試合" must fit on one line.
    grid->setFont(fonts::font(fonts::kPGothic, 9));
    grid->setWordWrap(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    return grid;
}

void addNumberItems(QComboBox* combo, int first, int last)
{
    for (int value = first; value <= last; ++value) {
        combo->addItem(QString::number(value));
    }
    combo->setCurrentIndex(-1);
}

} // namespace zoruka::ui
