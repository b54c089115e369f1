#pragma once

#include "matchtable/ui/MatchTableScreen.h"

namespace zoruka {

// SB団体ゾルカv3, "団体戦・ゾルカ作成": the user chooses the sizes of the A team and the B team,
// the courts and the games, presses "設定", and the grid shows the team match table: per court an
// "Aﾁｰﾑ" and a "Bﾁｰﾑ" column of "3-7" pairs. Inputs are checked by team_setup::check; refusals
// are shown under the title "団体戦・ゾルカ作成" and change nothing. "印刷" prints the table with
// printTeam (refused above 8 courts).
class TeamScreen : public MatchTableScreen {
    Q_OBJECT

public:
    explicit TeamScreen(QWidget* parent = nullptr);
};

} // namespace zoruka
