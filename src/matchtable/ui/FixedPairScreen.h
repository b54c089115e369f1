#pragma once

#include "matchtable/ui/TwoTeamScreen.h"

namespace zoruka {

// SK対抗ゾルカv3, "ペア固定対抗戦・ゾルカ作成": the user chooses the number of fixed pairs of the
// A team and of the B team (both combos read "人数" until chosen), the courts and the games,
// presses "設定", and the grid shows which A pair meets which B pair on each court ("コートc" over
// an "Aﾁｰﾑ" and a "Bﾁｰﾑ" column); a game that could not be completed shows the courts it filled.
// Inputs are checked by fixed_pair_setup::check; refusals are shown under the title
// "団体戦・ゾルカ作成" and change nothing. "印刷" prints the table with printFixedPairs (refused
// above 16 courts).
class FixedPairScreen : public TwoTeamScreen {
    Q_OBJECT

public:
    explicit FixedPairScreen(QWidget* parent = nullptr);
};

} // namespace zoruka
