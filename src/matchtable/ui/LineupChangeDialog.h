#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;

namespace zoruka {

// SB途中変更, "途中変更": how the lineup of a built table changes part way. The user chooses the
// game from which it changes (`C変更試合`, games 2 .. built + 1; the last one adds games after
// the table), the counts from then on (the screen's own count combos, filled with the current
// counts) and who leaves (`抜ける番号`, or per rotation group `抜ける番号A` and `抜ける番号B`:
// numbers separated by commas). "変更" (`B変更`) hands the entry to `validate`: a message is shown
// under the screen's title and the dialog stays open; otherwise it closes accepted. "取消"
// (`B取消`) closes it without a change.
class LineupChangeDialog : public QDialog {
    Q_OBJECT

public:
    struct CountField {
        QString combo; // objectName
        QString label;
        QString text; // the current count
    };

    struct Entry {
        QString fromGame;
        std::vector<QString> counts;  // in the order of the count fields
        std::vector<QString> leaving; // per rotation group
    };

    LineupChangeDialog(QWidget* screen, QString messageTitle, int builtGames,
                       const std::vector<CountField>& counts,
                       const std::vector<QString>& leavingLabels,
                       std::function<std::optional<QString>(const Entry&)> validate);

    Entry entry() const;

private:
    void change();

    QString m_messageTitle;
    std::function<std::optional<QString>(const Entry&)> m_validate;
    QComboBox* m_fromGame = nullptr;
    std::vector<QComboBox*> m_counts;
    std::vector<QLineEdit*> m_leaving;
};

} // namespace zoruka
