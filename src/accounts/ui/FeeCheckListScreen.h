#pragma once

#include "accounts/FeeCheckList.h"
#include "accounts/ui/DateCombos.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

class QRadioButton;

namespace zoruka {

// c会費集金v3, "会費チェックリスト": prints the fee check-list of the month of the combos
// (printFeeCheckList) with the members in reading order (`Rアイ`, chosen at first) or listing
// order (`R出力順`), inactive members marked (`Rマーク`), left out (`R無効者`) or listed like the
// others (`R全員`, chosen at first). A month without practice days is printed only after a
// Yes/No question. Combos that name no month turn red and are refused. Messages carry the title
// "会費チェックリスト"; a database file that cannot be used is reported there and nothing is
// printed.
class FeeCheckListScreen : public QWidget {
    Q_OBJECT

public:
    explicit FeeCheckListScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                                QWidget* parent = nullptr);

private:
    void print();

    DatabaseLocation m_location;
    QString m_title;
    ui::DateCombos m_combos;
    QRadioButton* m_readingOrder = nullptr;
    QRadioButton* m_markInactive = nullptr;
    QRadioButton* m_leaveOutInactive = nullptr;
};

} // namespace zoruka
