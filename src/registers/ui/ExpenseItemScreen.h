#pragma once

#include "common/ui/ListGridView.h"
#include "registers/ExpenseItemRegister.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

class QLineEdit;
class QRadioButton;

namespace zoruka {

// b費目登録v3, "費目登録": lists the expense items (all, income or expense), loads the item of a
// clicked row, and adds, changes or deletes the item in the fields after a Yes/No question. Checks
// and refusals are those of ExpenseItemRegister; every message is shown under "費目マスター登録",
// and a database file that cannot be used is reported there with nothing changed.
class ExpenseItemScreen : public QWidget {
    Q_OBJECT

public:
    explicit ExpenseItemScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                               QWidget* parent = nullptr);

private:
    void fillList(expense_items::Filter filter);
    void choose(int row);
    void store();
    void remove();
    std::string direction() const;
    ExpenseItem typed() const;
    void showItem(const ExpenseItem& item);
    void clearFields();
    void warn(std::string_view message);

    ExpenseItemRegister m_register;
    QString m_title;
    expense_items::Filter m_filter = expense_items::Filter::All;
    QRadioButton* m_income = nullptr;
    QRadioButton* m_expense = nullptr;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_shortName = nullptr;
    QLineEdit* m_remark = nullptr;
    ui::ListGridView m_list;
};

} // namespace zoruka
