#pragma once

#include "accounts/AnnualReport.h"
#include "common/ui/ListGridView.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;

namespace zoruka {

namespace ui {
class PrintPageView;
}

// d年間報告書, "年間収支報告書": the fiscal year chosen in `C年度` (the one of today at first; it
// starts in the master settings' month) in the grid `年間収支` (annualReportGrid) with its period
// beside the combo, and its months as a bar chart `年間グラフ` below. "表示" shows the year of
// the combo, "印刷" reads it afresh and prints it (printAnnualReport). A combo that names no year
// turns red and is refused with "年度を正しく選択して下さい". Messages carry the title
// "年間収支報告書"; a database file that cannot be used is reported there, and nothing is shown or
// printed.
class AnnualReportScreen : public QWidget {
    Q_OBJECT

public:
    explicit AnnualReportScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                                QWidget* parent = nullptr);

private:
    // The year of the combo, read and on show; nothing when it could not be.
    std::optional<AnnualReport> showYear();
    void print();

    DatabaseLocation m_location;
    QString m_title;
    QComboBox* m_year = nullptr;
    QLabel* m_period = nullptr;
    ui::ListGridView m_grid;
    ui::PrintPageView* m_chart = nullptr;
};

} // namespace zoruka
