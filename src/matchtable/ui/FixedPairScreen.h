#pragma once

#include "matchtable/ui/MatchTableScreen.h"

namespace zoruka {

// SK対抗ゾルカv3, "ペア固定対抗戦・ゾルカ作成": the user chooses the fixed pairs of the A team and
// the B team, the courts and the games, presses "設定", and the grid shows which A pair meets
// which B pair on every court. Inputs are checked by fixed_pair_setup::check; refusals are
// shown under the title "団体戦・ゾルカ作成" and change nothing. "印刷" prints the table with
// printFixedPairs (refused above 16 courts).
class FixedPairScreen : public MatchTableScreen {
    Q_OBJECT

public:
    explicit FixedPairScreen(QWidget* parent = nullptr);
};

} // namespace zoruka
