#pragma once

#include "accounts/EntryDate.h"
#include "accounts/MonthCalendar.h"
#include "accounts/ui/DateCombos.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

#include <optional>
#include <string_view>
#include <vector>

class QTableWidget;

namespace zoruka {

// c練習日程v3, "練習日程の登録": one month as a calendar `G日付` (a header row of the start-up
// weekday names, Sunday first, then a row per week) in which the practice days are light green.
// "表示" shows the month of the combos, `前月` / `次月` the month before or after the one shown;
// clicking a day switches it between practice day and not, and "確定" stores the shown month's
// practice days after a Yes/No question, replacing that month's old ones. Marks not stored are
// dropped when another month is shown. Messages carry the title "出納記録"; a database file that
// cannot be used is reported there, and the calendar or the stored days stay as they were.
class PracticeScheduleScreen : public QWidget {
    Q_OBJECT

public:
    explicit PracticeScheduleScreen(
        const DatabaseLocation& database = DatabaseLocation::startFolder(),
        QWidget* parent = nullptr);

private:
    void showChosenMonth();
    void showMonth(const EntryDate& first);
    void fillCalendar(const CalendarWeeks& weeks, const std::vector<int>& practiceDays);
    void toggle(int row, int column);
    void store();
    void warn(std::string_view message);

    DatabaseLocation m_location;
    QString m_title;
    ui::DateCombos m_combos;
    QTableWidget* m_grid;
    std::optional<EntryDate> m_shown; // none until a month could be read
};

} // namespace zoruka
