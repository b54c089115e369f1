#pragma once

#include "matchtable/ui/MatchTableScreen.h"
#include "matchtable/ui/PairingMode.h"

namespace zoruka {

// SBゾルカv3, "ダブルス・ゾルカ作成": the user chooses participants, courts and games, presses
// "設定", and the grid shows the doubles table. Inputs are checked by doubles_setup::check;
// refusals are shown under the title "練習ゾルカ" and change nothing. "印刷" prints the table on
// the default printer, or into a PDF file under "印刷" in the folder the program started in when
// there is no printer; "CSV出力" opens the CSV export screen `SB対戦CSV出力`. Both refuse, with a
// message, while no game has been built. In PairingMode::Random it is SBゾルカv4,
// "ダブルス・ゾルカ作成Random", placing the players of each game by chance.
class DoublesScreen : public MatchTableScreen {
    Q_OBJECT

public:
    explicit DoublesScreen(PairingMode mode = PairingMode::Search, QWidget* parent = nullptr);
};

} // namespace zoruka
