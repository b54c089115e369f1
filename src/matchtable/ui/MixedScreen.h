#pragma once

#include "matchtable/ui/MatchTableScreen.h"
#include "matchtable/ui/PairingMode.h"

namespace zoruka {

// SBMixゾルカv3, "MIXダブルス・ゾルカ作成": the user chooses men, women, courts and games, presses
// "設定", and the grid shows the mixed doubles table (men in black, women in light red). Inputs
// are checked by mixed_setup::check; refusals are shown under the title "Mixダブルスゾルカ" and
// change nothing. "印刷" prints the table with printMixed; "CSV出力" opens the CSV export screen
// `SBMix対戦CSV`. Both refuse, with a message, while no game has been built. In
// PairingMode::Random it is SBMixゾルカv4, placing the men and women of each game by chance.
class MixedScreen : public MatchTableScreen {
    Q_OBJECT

public:
    explicit MixedScreen(PairingMode mode = PairingMode::Search, QWidget* parent = nullptr);
};

} // namespace zoruka
