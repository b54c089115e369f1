#pragma once

#include "accounts/csv/MemberImport.h"
#include "common/ui/ListGridView.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace zoruka {

// b会員取込, "会員CSV取込": members from a spreadsheet. The user names a CSV file in `入力ファイル`
// (typed, or chosen with "参照…") and presses "読込": the file is read in Shift_JIS or UTF-8
// (`文字コード` says which) and the grid `取込一覧` shows what importing would do with each row —
// added, updated, skipped or refused and why (planMemberImport), counted in `件数`. A name
// already registered is skipped (`R飛ばす`, at first) or updated (`R更新`). "取込" plans again
// against the register as it is then, asks kConfirm and writes every added and updated member
// in one transaction. A file that cannot be read, and a database that cannot be used, are
// reported and change nothing. Messages carry the title "会員CSV取込".
class MemberImportScreen : public QWidget {
    Q_OBJECT

public:
    explicit MemberImportScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                                QWidget* parent = nullptr);

private:
    void chooseFile();
    void readFile();
    // Plans the file read last against the register now; false when the register could not be
    // read.
    bool showPlan();
    void import();

    DatabaseLocation m_location;
    QString m_title;
    QLineEdit* m_path = nullptr;
    QRadioButton* m_update = nullptr;
    QLabel* m_encoding = nullptr;
    QLabel* m_counts = nullptr;
    ui::ListGridView m_grid;
    std::optional<MemberCsvFile> m_file;
    ImportPlan m_plan;
};

} // namespace zoruka
