#pragma once

#include "matchtable/Roster.h"
#include "registers/Attendance.h"
#include "registers/Member.h"
#include "store/DatabaseLocation.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zoruka {

// c参加者v3, "参加者": today's attendance for a match table, opened modally by the "参加者" button
// of a match-table screen. `L参加者` lists, each with a tick box, the attendees offered
// (AttendanceBook::offered(): today's stored list, else the last one used) ticked and in their
// order, then the active members of the register not among them in reading order;
// `Chk無効会員` "無効の会員も表示" adds the inactive ones. A guest is typed into `ゲスト名` and
// added ticked with `B追加` (with mixed doubles as `Rゲスト男性` or `Rゲスト女性`); a guest is not
// added to the register, and `B削除` takes chosen guests off the list again. The order, which
// numbers the ticked players (column "番号", within each group of the split), changes by dragging
// a row or with `B上へ` / `B下へ`. For a team split, `BAチーム` / `BBチーム` put the chosen rows
// into a team and `B均等` "均等に分ける" deals the ticked ones out in turn (for pairs two by two).
// `B決定` checks the lineup (lineupOf(), then rosterProblem()), stores it as today's list and
// closes with the roster; `B終了` closes without changes. Every message is shown under "参加者".
class AttendanceScreen : public QDialog {
    Q_OBJECT

public:
    AttendanceScreen(AttendanceSplit split, const DatabaseLocation& database, DayKey today,
                     QWidget* parent = nullptr);

    // The names of the lineup decided, per group in number order; empty until decided.
    const Roster& roster() const { return m_roster; }

private:
    void load();
    QTreeWidgetItem* addRow(const Attendee& attendee, bool ticked, bool inactive,
                            const QString& reading);
    void showInactive(bool shown);
    void addGuest();
    void removeGuests();
    void moveChosen(int step);
    void setTeam(const QString& team);
    void splitEvenly();
    void renumber();
    void decide();
    std::vector<Attendee> ticked() const;
    void warn(std::string_view message);

    AttendanceSplit m_split;
    DatabaseLocation m_location;
    DayKey m_today;
    QString m_title;
    Roster m_roster;
    std::vector<Member> m_members; // the register, in reading order
    QTreeWidget* m_list = nullptr;
    QLabel* m_offered = nullptr;
    QCheckBox* m_inactive = nullptr;
    QLineEdit* m_guest = nullptr;
    QRadioButton* m_guestWoman = nullptr;
};

} // namespace zoruka
