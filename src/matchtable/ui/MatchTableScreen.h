#pragma once

#include "common/GridModel.h"
#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"
#include "output/PrintResult.h"
#include "output/ui/CsvExportScreen.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QTableWidget;

namespace zoruka {

class ScreenNames;

// The form every match-table screen shares: its count combos (each offering "0".."50"), the
// fixed pair size "2" where the screen shows it, "設定", "印刷", "CSV出力" where the kind exports
// CSV, "終了" and the grid `Gゾルカ`.
// - "設定" checks the counts; a failure marks the fields (FieldCheck), shows the first message
//   under the screen's message title and changes nothing, neither the grid nor the last table.
//   Otherwise the table is built under the hourglass and shown in the grid. The same field checks
//   run when the user leaves a combo.
// - "印刷" prints the last table (ui::printTable); before the first build the print layout
//   refuses with its own message.
// - "CSV出力" opens the kind's CSV export screen on the last table; while no game has been built
//   it says so instead of writing an empty file.
// - The frame `Frame作成方法` chooses how "設定" builds: the screen's own way (`R標準` "標準", on
//   the random screens `Rランダム` "ランダム"; selected when the screen opens) or balanced
//   (`Rバランス` "バランス", balancedTable), where `Chk前後半を混ぜる` "前後半を混ぜる" lets halves
//   of exactly twice as many players as places mix. A balanced build that takes longer than half a
//   second shows its progress (BuildProgress).
// - "途中変更" (`B途中変更`) opens LineupChangeDialog on the last table and rebuilds it balanced
//   from the chosen game on (rebuiltTable); the games before it stay as they were.
// - `公平性` under the grid shows the fairness line of the last table (fairnessLine), in every
//   mode.
// - Under the counts, the players' names (ScreenNames): "参加者", names or numbers in the grid,
//   and "個人表".
class MatchTableScreen : public QWidget {
    Q_OBJECT

public:
    using Counts = std::vector<std::string>; // typed texts, UTF-8, in screen order

    // What the counts' check found: per field whether it failed, the message to show (the first
    // failure's, or a capacity refusal) and, when the table may be built, its counts.
    struct Verdict {
        std::vector<bool> failed;
        std::string message;
        std::optional<RunParameters> params;
    };

    // A setup check's result as a Verdict (doubles_setup::Check, team_setup::Check, ...).
    template <typename Check> static Verdict verdictOf(const Check& check)
    {
        return {std::vector<bool>(check.failed.begin(), check.failed.end()), check.message,
                check.params};
    }

    // The last table built by "設定"; nothing before the first successful build.
    const std::optional<MatchTable>& table() const { return m_table; }

protected:
    struct CountField {
        QString combo;     // objectName
        QString label;     // shown above it
        QString labelName; // the label's objectName (may be empty)
    };

    struct CsvExport {
        QString refusalTitle; // title of the message shown while no game has been built
        std::function<CsvExportSpec(const MatchTable&)> screen;
    };

    struct Kind {
        MatchKind matchKind = MatchKind::Doubles;
        QString name;         // objectName
        QString caption;      // window title
        QString messageTitle; // title of the screen's message boxes
        QString printedMessage;
        std::vector<CountField> counts; // in screen order
        // The fixed pair size "2" stands after count `pairSizeAfter` under `pairSizeLabel`;
        // -1: not shown.
        int pairSizeAfter = -1;
        QString pairSizeLabel;
        QString pairSizeLabelName;
        // Shown in the first `promptedCounts` combos until the user chooses (empty: nothing).
        QString countPrompt;
        int promptedCounts = 0;
        std::function<Verdict(const Counts&)> check;
        std::function<MatchTable(const RunParameters&)> generate;
        std::function<GridModel(const MatchTable&)> grid;
        std::function<PrintResult(const MatchTable&)> print;
        std::optional<CsvExport> csv; // nothing: the kind has no CSV export
        // The screen's own way of building: "標準" (objectName R標準) or "ランダム" (Rランダム).
        QString ownWay = QStringLiteral("標準");
        // "途中変更": the labels of who leaves, per rotation group.
        std::vector<QString> leavingLabels;
    };

    MatchTableScreen(Kind kind, QWidget* parent);

private:
    Verdict check() const;
    void build();
    void print();
    void exportCsv();
    void changeLineup();
    void showTable();
    QWidget* makeWayFrame();

    Kind m_kind;
    std::vector<QComboBox*> m_counts;
    QTableWidget* m_grid = nullptr;
    QRadioButton* m_balanced = nullptr;
    QCheckBox* m_mixHalves = nullptr;
    QLabel* m_fairness = nullptr;
    ScreenNames* m_names = nullptr;
    std::optional<MatchTable> m_table;
};

} // namespace zoruka
