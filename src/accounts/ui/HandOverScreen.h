#pragma once

#include "store/DatabaseLocation.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zoruka {

// d引継ぎ, "引継ぎ": hands the treasurer's job over in one step. The user chooses the fiscal year
// (`C年度`, the last one that has ended at first), the folder to write in (`出力先`, typed or
// chosen with "参照…"; the folder the program started in at first) and the encoding of the CSV
// files (`R_SJIS` Shift_JIS, at first, or `R_UTF8`), and presses "実行": after
// "引継ぎのフォルダを作成します。" (Yes/No) one folder "ゾルカ引継ぎ_yyyy年度" is written there
// (writeHandOver) and its path shown. A year or folder that is none, a folder of that name that
// is there already, and any failure are reported, and then nothing is left behind. Messages carry
// the title "引継ぎ".
class HandOverScreen : public QWidget {
    Q_OBJECT

public:
    explicit HandOverScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                            QWidget* parent = nullptr);

private:
    void chooseFolder();
    void run();

    DatabaseLocation m_location;
    QString m_title;
    int m_startMonth;
    QComboBox* m_year = nullptr;
    QLineEdit* m_folder = nullptr;
    QRadioButton* m_shiftJis = nullptr;
};

} // namespace zoruka
