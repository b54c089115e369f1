#include "accounts/ui/MonthChoice.h"

#include "accounts/ui/DateCombos.h"
#include "common/ui/Widgets.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>

namespace zoruka::ui {

void addMonthChoice(QBoxLayout* row, QWidget* parent, const DateCombos& combos)
{
    row->addWidget(combos.year());
    row->addWidget(makeLabel(parent, QStringLiteral("年")));
    row->addWidget(combos.month());
    row->addWidget(makeLabel(parent, QStringLiteral("月")));
}

} // namespace zoruka::ui
