#include "accounts/ui/DateCombos.h"

#include "accounts/EntryDate.h"
#include "common/StartupValues.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/QtText.h"
#include "common/ui/Widgets.h"

#include <QComboBox>

namespace zoruka::ui {

namespace {

QComboBox* makeDateCombo(QWidget* parent, const QString& name,
                         const std::vector<std::string>& choices, std::string_view today)
{
    QComboBox* combo = makeCombo(parent, name);
    for (const std::string& choice : choices) {
        combo->addItem(toQString(choice));
    }
    combo->setCurrentText(toQString(today));
    combo->setMaximumWidth(70);
    return combo;
}

} // namespace

DateCombos::DateCombos(QWidget* parent, bool withDay)
{
    // The start-up date is "yy/mm/dd".
    const std::string& today = StartupValues::current().today;
    m_year = makeDateCombo(parent, QStringLiteral("C年"), yearChoices(today.substr(0, 2)),
                           today.substr(0, 2));
    m_month = makeDateCombo(parent, QStringLiteral("C月"), twoDigitChoices(12), today.substr(3, 2));
    if (withDay) {
        m_day =
            makeDateCombo(parent, QStringLiteral("C日"), twoDigitChoices(31), today.substr(6, 2));
    }
}

std::string DateCombos::yearText() const { return toUtf8(m_year->currentText()); }

std::string DateCombos::monthText() const { return toUtf8(m_month->currentText()); }

std::string DateCombos::dateText() const
{
    return yearText() + "/" + monthText() + "/" +
           (m_day ? toUtf8(m_day->currentText()) : std::string("01"));
}

void DateCombos::mark(bool failed) const
{
    for (QComboBox* combo : {m_year, m_month, m_day}) {
        if (combo) {
            FieldCheck::mark(combo, failed);
        }
    }
}

} // namespace zoruka::ui
