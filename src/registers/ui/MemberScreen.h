#pragma once

#include "common/ui/ListGridView.h"
#include "registers/MemberRegister.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zoruka {

// b会員登録v3, "会員登録": lists the members in reading order, loads the member of a clicked row,
// saves the member in the fields (a new name adds one) and deletes the member named in 氏名, each
// after a Yes/No question. Checks and refusals are those of MemberRegister; leaving a checked
// field runs its check alone. Every message is shown under "会員登録", and a database file that
// cannot be used is reported there with nothing changed.
class MemberScreen : public QWidget {
    Q_OBJECT

public:
    explicit MemberScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                          QWidget* parent = nullptr);

private:
    void fillList();
    void choose(int row);
    void store();
    void remove();
    void clearFields();
    Member typed() const;
    void showMember(const Member& member);
    // Puts the age and order a check settled on ("0" and "100" for blank ones) into their fields.
    void showChecked(const Member& checked);
    bool leaveFails(members::Field field);
    void warn(std::string_view message);

    MemberRegister m_register;
    QString m_title;
    ui::ListGridView m_list;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_kana = nullptr;
    QComboBox* m_age = nullptr;
    QRadioButton* m_male = nullptr;
    QRadioButton* m_female = nullptr;
    QRadioButton* m_active = nullptr;
    QRadioButton* m_excluded = nullptr;
    QLineEdit* m_order = nullptr;
    QLineEdit* m_postal1 = nullptr;
    QLineEdit* m_postal2 = nullptr;
    QLineEdit* m_address1 = nullptr;
    QLineEdit* m_address2 = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_remark = nullptr;
    // The checked fields, indexed by members::Field.
    std::array<QWidget*, members::FieldCount> m_checked{};
};

} // namespace zoruka
