#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLayout;
class QRadioButton;
class QWidget;

namespace zoruka {

// The players' names on a match-table screen, beside its counts:
// - "参加者" (`B参加者`) opens the attendance screen (AttendanceScreen) for today; the lineup it
//   decides sets the screen's group count combos (participants; men and women; team A and B) and
//   its names wait for "設定". A table built with exactly those counts carries them (rosterFor()),
//   one of other counts is known by number only, as is every table while no lineup is decided;
//   `L参加者数` says which.
// - `Frame表示` chooses whether the grid shows the names (`R名前`, chosen) or the numbers
//   (`R番号`); it is enabled while the table shown has names.
// - "個人表" (`B個人表`) prints the players' own sheets of the last table (printPlayerSheets).
class ScreenNames : public QObject {
    Q_OBJECT

public:
    // `groupCounts` are the screen's combos of the kind's groups, in group order; `table` is the
    // screen's last table.
    ScreenNames(QWidget* screen, MatchKind kind, std::vector<QComboBox*> groupCounts,
                QString messageTitle, const std::optional<MatchTable>* table);

    // The row of the controls, for the screen to place.
    QLayout* controls() const { return m_controls; }

    // The names of the decided lineup when `params` has its counts, else none.
    Roster rosterFor(const RunParameters& params);

    // `table` as the grid shows it: without its names while the numbers are chosen.
    MatchTable shown(const MatchTable& table) const;

    // Enables the choice of names or numbers for a table just shown.
    void tableShown(const MatchTable& table);

signals:
    // The choice of names or numbers changed: the grid is to be shown again.
    void shownChanged();

private:
    void chooseAttendance();
    void printPlayerSheets();
    void describe(const QString& note = {});

    QWidget* m_screen;
    MatchKind m_kind;
    std::vector<QComboBox*> m_groupCounts;
    QString m_messageTitle;
    const std::optional<MatchTable>* m_table;
    Roster m_lineup;
    QLayout* m_controls = nullptr;
    QLabel* m_status = nullptr;
    QRadioButton* m_names = nullptr;
    QRadioButton* m_numbers = nullptr;
};

} // namespace zoruka
