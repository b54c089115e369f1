#pragma once

#include "common/StartupValues.h"
#include "store/DatabaseLocation.h"

#include <QMap>
#include <QPointer>
#include <QWidget>

namespace zoruka {

struct MenuEntry;

// aメニュv4, the start screen: a two-page tab control (match tables, club accounts) whose
// buttons open the other screens, "バージョン情報" and "終了". Loading it runs the start-up
// routine.
//
// Each screen is opened modeless as a parentless window, once: the first click creates it, later
// clicks show and raise the same window. Screens are deleted when closed, so a click after the
// screen's own "終了" creates it afresh. Screens outlive the menu; the program ends when the
// last window is closed.
class MainMenu : public QWidget {
    Q_OBJECT

public:
    // Runs the start-up routine for the computer's date.
    explicit MainMenu(QWidget* parent = nullptr);
    // Runs the start-up routine for `today` instead.
    explicit MainMenu(const CalendarDate& today, QWidget* parent = nullptr);
    // Runs the start-up routine for the computer's date, then starts on the club database at
    // `database` (startDatabase(): created on first start, claimed, checked, upgraded, backed
    // up). What the user must know (another copy is its writer, a read-only file, a damaged,
    // foreign, locked or not creatable one) is shown in warning boxes titled "ゾルカ", and such
    // a file is left as it is; the menu opens all the same, since the match tables need no
    // database. The program passes DatabaseLocation::startFolder().
    explicit MainMenu(const DatabaseLocation& database, QWidget* parent = nullptr);

private:
    void build();
    void prepareDatabase(const DatabaseLocation& database);
    void open(const MenuEntry& entry);

    QMap<QString, QPointer<QWidget>> m_screens; // by button name
};

} // namespace zoruka
