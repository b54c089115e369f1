#pragma once

#include "matchtable/MatchGrid.h"
#include "matchtable/ResultStore.h"
#include "output/PrintResult.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QTableWidget;

namespace zoruka {

// The form the two A-against-B screens share: the counts of the A team, the B team, the courts and
// the games (in that screen order), "設定", "印刷", "終了" and the grid `Gゾルカ`.
// - "設定" checks the counts; a failure marks the fields (FieldCheck), shows the first message
//   under the screen's message title and changes nothing, neither the grid nor the last table.
//   Otherwise the table is built under the hourglass and shown in the grid.
// - "印刷" prints the last table (ui::printTable); before the first build the print layout
//   refuses with its own message.
class TwoTeamScreen : public QWidget {
    Q_OBJECT

public:
    enum Field { TeamA, TeamB, Courts, Games, FieldCount };
    using Counts = std::array<std::string, FieldCount>; // typed texts, UTF-8

    // What the counts' check found: per field whether it failed, the message to show (the first
    // failure's, or a capacity refusal) and, when the table may be built, its counts.
    struct Verdict {
        std::array<bool, FieldCount> failed{};
        std::string message;
        std::optional<RunParameters> params;
    };

    // A setup check's result as a Verdict (team_setup::Check, fixed_pair_setup::Check).
    template <typename Check> static Verdict verdictOf(const Check& check)
    {
        return {check.failed, check.message, check.params};
    }

    // The last table built by "設定"; nothing before the first successful build.
    const std::optional<MatchTable>& table() const { return m_table; }

protected:
    struct Kind {
        QString name;         // objectName
        QString caption;      // window title
        QString messageTitle; // title of the screen's message boxes
        QString printedMessage;
        // Above each count combo, in Field order; `labelNames` are their objectNames.
        std::array<QString, FieldCount> labels;
        std::array<QString, FieldCount> labelNames;
        // Shown in the A and B combos until the user chooses (empty: nothing).
        QString teamCountPrompt;
        // Shows the pair size "2" (fixed) with the label "チーム人数" after the B team.
        bool showsPairSize = false;
        std::function<Verdict(const Counts&)> check;
        std::function<MatchTable(const RunParameters&)> generate;
        std::function<MatchGrid(const MatchTable&)> grid;
        std::function<PrintResult(const MatchTable&)> print;
    };

    TwoTeamScreen(Kind kind, QWidget* parent);

private:
    Verdict check() const;
    void build();
    void print();

    Kind m_kind;
    std::array<QComboBox*, FieldCount> m_counts{};
    QTableWidget* m_grid = nullptr;
    std::optional<MatchTable> m_table;
};

} // namespace zoruka
