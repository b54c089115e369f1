#pragma once

#include "accounts/MonthlyReport.h"
#include "accounts/ui/DateCombos.h"
#include "common/ui/ListGridView.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

#include <string_view>

class QRadioButton;

namespace zoruka {

// d月次報告書v3, "月次報告書": shows a month of the cash book in the grid `出納` as the cash-book
// screen does ("表示"; today's month at first) and prints it as the monthly report
// (printMonthlyReport), with the payers (`R明細1` "あり" / `R明細2` "なし") and the summary per
// item (`R合計1` / `R合計2`), both "あり" at first. "印刷" shows the month of the combos afresh
// first, so the report always prints what its heading names. Combos that name no month turn red
// and are refused with "年月を正しく選択して下さい". Messages carry the title "月次報告書"; a
// database file that cannot be used is reported there, and nothing is shown or printed.
class MonthlyReportScreen : public QWidget {
    Q_OBJECT

public:
    explicit MonthlyReportScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                                 QWidget* parent = nullptr);

private:
    // Whether the month of the combos could be read and is on show.
    bool showMonth();
    void print();

    DatabaseLocation m_location;
    QString m_title;
    ui::DateCombos m_combos;
    ui::ListGridView m_grid;
    QRadioButton* m_withPayments = nullptr;
    QRadioButton* m_withSummary = nullptr;
    MonthlyReport m_report;
};

} // namespace zoruka
