#pragma once

class QBoxLayout;
class QWidget;

namespace zoruka::ui {

class DateCombos;

// Lays out the year and month combos of a monthly screen as "[yy] 年 [mm] 月" in `row`.
void addMonthChoice(QBoxLayout* row, QWidget* parent, const DateCombos& combos);

} // namespace zoruka::ui
