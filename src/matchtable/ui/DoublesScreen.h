#pragma once

#include "matchtable/DoublesSetup.h"
#include "matchtable/ResultStore.h"

#include "matchtable/ui/PairingMode.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace zoruka {

// SBゾルカv3, "ダブルス・ゾルカ作成": the user chooses participants, courts and games, presses
// "設定", and the grid shows the doubles table. Inputs are checked by
// doubles_setup::check; refusals are shown under the title "練習ゾルカ" and change nothing.
// "印刷" prints the table on the default printer, or into a PDF file under "印刷" in the folder
// the program started in when there is no printer; "CSV出力" opens the CSV export screen
// `SB対戦CSV出力`. Both refuse, with a message, while no game has been built.
class DoublesScreen : public QWidget {
    Q_OBJECT

public:
    explicit DoublesScreen(PairingMode mode = PairingMode::Search, QWidget* parent = nullptr);

    // The last table built by "設定"; nothing before the first successful build.
    const std::optional<MatchTable>& table() const { return m_table; }

private:
    void build();
    void print();
    void exportCsv();
    doubles_setup::Check check() const;

    PairingMode m_mode;
    QString m_messageTitle;
    // C参加人数, Cコート数, C試合数, indexed by doubles_setup::Field.
    std::array<QComboBox*, doubles_setup::FieldCount> m_counts{};
    QTableWidget* m_grid = nullptr;
    std::optional<MatchTable> m_table;
};

} // namespace zoruka
