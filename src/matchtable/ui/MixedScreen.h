#pragma once

#include "matchtable/MixedSetup.h"
#include "matchtable/ResultStore.h"

#include "matchtable/ui/PairingMode.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QTableWidget;

namespace zoruka {

// SBMixゾルカv3, "MIXダブルス・ゾルカ作成": the user chooses men, women, courts and games, presses
// "設定", and the grid shows the mixed doubles table (women's numbers in light red). Inputs are
// checked by mixed_setup::check; refusals are shown under the title "Mixダブルスゾルカ" and change
// nothing. "印刷" prints the last table (ui::printTable); "CSV出力" opens the CSV export screen
// `SBMix対戦CSV`. Both refuse, with a message, while no game has been built.
class MixedScreen : public QWidget {
    Q_OBJECT

public:
    explicit MixedScreen(PairingMode mode = PairingMode::Search, QWidget* parent = nullptr);

    // The last table built by "設定"; nothing before the first successful build.
    const std::optional<MatchTable>& table() const { return m_table; }

private:
    void build();
    void print();
    void exportCsv();
    mixed_setup::Check check() const;

    PairingMode m_mode;
    QString m_messageTitle;
    // C男, C女, Cコート数, C試合数, indexed by mixed_setup::Field.
    std::array<QComboBox*, mixed_setup::FieldCount> m_counts{};
    QTableWidget* m_grid = nullptr;
    std::optional<MatchTable> m_table;
};

} // namespace zoruka
