#pragma once

#include "registers/ClubSettings.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;

namespace zoruka {

// bマスタ登録v3, "マスター登録": the club name, the monthly fee and three participation fees
// (see club_settings), and below them the month the fiscal year starts in (`C年度開始月`, 1 … 12).
// Opening the screen shows the stored values; "確定" checks the fees and the month, asks
// "入力内容で更新します。" and stores all six. Every message is shown under "マスター登録"; a
// database file that cannot be used is reported there and nothing is stored.
class MasterSettingsScreen : public QWidget {
    Q_OBJECT

public:
    explicit MasterSettingsScreen(
        const DatabaseLocation& database = DatabaseLocation::startFolder(),
        QWidget* parent = nullptr);

private:
    void store();
    club_settings::Values typed() const;
    void showValues(const club_settings::Values& values);
    void showFiscalStart(int month);

    DatabaseLocation m_database;
    QString m_title;
    // チーム名, 月会費, 参加費1, 参加費2, 参加費3, indexed by club_settings::Field.
    std::array<QLineEdit*, club_settings::FieldCount> m_fields{};
    QComboBox* m_fiscalStart = nullptr;
};

} // namespace zoruka
