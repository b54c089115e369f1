#pragma once

#include "accounts/MonthClosing.h"
#include "accounts/ui/DateCombos.h"
#include "common/ui/ListGridView.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

#include <optional>

class QLineEdit;

namespace zoruka {

// d月締処理v3, "月締処理": the month-end closing. Shows the month of `C年`/`C月` totalled per
// item in the grid `出納` and proposes its balance (MonthTotals::carryForward(), which leaves the
// month's own carry-out out) as `繰越額`; `B確定` writes that amount (as the user left it) with
// `備考` as the month's carry-out entry and the next month's carry-in entry, after asking whether
// to close again when the month is closed already. Every message is shown under "月締処理", and a
// database file that cannot be used is reported there with nothing changed.
class MonthClosingScreen : public QWidget {
    Q_OBJECT

public:
    explicit MonthClosingScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                                QWidget* parent = nullptr);

private:
    // The month of the combos, colouring them; nothing (after the message) when they hold none.
    std::optional<EntryDate> chosenMonth();
    // Shows the month totals and proposes the balance (nothing when the file cannot be read,
    // which is reported); returns whether it was read.
    bool showMonth(const EntryDate& month);
    void writeClosing();
    bool carryForwardFails();
    void warn(std::string_view message);

    DatabaseLocation m_location;
    QString m_title;
    ui::DateCombos m_date;
    ui::ListGridView m_grid;
    QLineEdit* m_carryForward = nullptr;
    QLineEdit* m_note = nullptr;
};

} // namespace zoruka
