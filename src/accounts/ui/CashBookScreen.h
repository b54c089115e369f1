#pragma once

#include "accounts/CashBook.h"
#include "accounts/CashBookMonth.h"
#include "accounts/ui/DateCombos.h"
#include "common/ui/ListGridView.h"
#include "registers/ItemLookup.h"
#include "store/DatabaseLocation.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zoruka {

// c出納記入v3, "出納記入": the cash book. Shows the entries of the month chosen with `C年`/`C月`
// in the grid `出納` with a running balance; a clicked row is loaded into the entry fields;
// `B確定` stores the entry (replacing the one with the same date, kind and item) or, when the
// date, kind or item of a picked entry was changed, moves that entry with its fee detail to the
// new key after asking (refused when an entry holds that key already), `B削除` deletes it with
// its fee detail, `Bクリア` empties the fields for a new income entry, and `B明細` opens
// the fee detail (c出納明細v3) of the entry, whose stored total and note then fill `金額` and
// `備考`. Checks are those of CashBook; leaving a checked field runs its check alone. Every
// message is shown under "出納記録", and a database file that cannot be used is reported there
// with nothing changed.
class CashBookScreen : public QWidget {
    Q_OBJECT

public:
    explicit CashBookScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                            QWidget* parent = nullptr);

private:
    void showChosenMonth();
    // Shows the month of `dayOfMonth` in the grid (empty when the file cannot be read, which is
    // reported); returns whether it was read.
    bool showMonth(const EntryDate& dayOfMonth);
    // Shows the month of the combos again after a change, or the shown month when the combos
    // hold no month.
    void refresh();
    void chooseKind(std::string_view kind);
    void chooseItem();
    // The code of the item named in `C費目` for the current kind, empty when there is none;
    // nothing when the file cannot be read (reported).
    std::optional<std::string> typedItemCode();
    void pick(int row);
    void store();
    // Moves the picked entry to `entry`'s key, with its amount, note and fee detail.
    void moveTo(const CashBookEntry& entry);
    void remove();
    void clearFields();
    void openDetail();
    TypedEntry typed() const;
    // Runs the entry check over the first `fields` checked fields (a blank amount becoming "0"),
    // colours them and shows the first message; the entry when they all pass.
    std::optional<CashBookEntry> checkFields(std::size_t fields);
    bool leaveFails(cash_book::Field field);
    void warn(std::string_view message);

    DatabaseLocation m_location;
    CashBook m_book;
    ItemLookup m_items;
    QString m_title;
    ui::DateCombos m_date;
    ui::ListGridView m_grid;
    CashBookMonth m_month;
    EntryDate m_shown; // the first day of the month in the grid
    // The stored entry the fields were loaded from by picking its row (or moved to since);
    // empty for a new entry.
    std::optional<CashBookKey> m_picked;
    std::string m_kind;
    QLineEdit* m_entryDate = nullptr;
    QRadioButton* m_income = nullptr;
    QRadioButton* m_expense = nullptr;
    QComboBox* m_item = nullptr;
    QLineEdit* m_amount = nullptr;
    QLineEdit* m_note = nullptr;
    // The checked fields, indexed by cash_book::Field.
    std::array<QWidget*, cash_book::FieldCount> m_checked{};
};

} // namespace zoruka
