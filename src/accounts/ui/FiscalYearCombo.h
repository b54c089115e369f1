#pragma once

#include "accounts/FiscalYear.h"

#include <optional>

class QComboBox;
class QWidget;

namespace zoruka::ui {

// The combo `C年度` of the yearly screens: the fiscal years "2008" … today's, editable, set to
// the year `yearsBack` before today's (0: today's own). Years start in `startMonth`.
QComboBox* makeFiscalYearCombo(QWidget* parent, int startMonth, int yearsBack = 0);

// The fiscal year the combo names, its text turned black; nothing, with its text red, when it
// names none (parseFiscalYear).
std::optional<FiscalYear> chosenFiscalYear(QComboBox* combo, int startMonth);

// Today's month, from the start-up date.
YearMonth thisMonth();

} // namespace zoruka::ui
