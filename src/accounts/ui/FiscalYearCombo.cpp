#include "accounts/ui/FiscalYearCombo.h"

#include "common/StartupValues.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/QtText.h"
#include "common/ui/Widgets.h"

#include <QComboBox>

namespace zoruka::ui {

YearMonth thisMonth()
{
    // The start-up date is "yy/mm/dd".
    const std::string& today = StartupValues::current().today;
    return monthOf(today.substr(0, 2), today.substr(3, 2)).value_or(YearMonth{});
}

QComboBox* makeFiscalYearCombo(QWidget* parent, int startMonth, int yearsBack)
{
    QComboBox* combo = makeCombo(parent, QStringLiteral("C年度"));
    for (const std::string& year : fiscalYearChoices(thisMonth(), startMonth)) {
        combo->addItem(toQString(year));
    }
    combo->setCurrentText(QString::number(fiscalYearOf(thisMonth(), startMonth).year - yearsBack));
    combo->setMaximumWidth(90);
    return combo;
}

std::optional<FiscalYear> chosenFiscalYear(QComboBox* combo, int startMonth)
{
    const std::optional<FiscalYear> year =
        parseFiscalYear(toUtf8(combo->currentText()), startMonth);
    FieldCheck::mark(combo, !year);
    return year;
}

} // namespace zoruka::ui
