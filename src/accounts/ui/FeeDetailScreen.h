#pragma once

#include "accounts/CashBookKey.h"
#include "accounts/FeeDetail.h"
#include "store/DatabaseLocation.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace zoruka {

// c出納明細v3, "出納明細": the members who paid the fee booked as one cash-book entry, opened
// modally from the cash book. Offers every member in reading order (`L会員名簿`) and lists the
// payers (`L納入者`), first those stored for the entry; `B追加` adds the chosen members,
// `B全員` every active member and `B前月` last month's payers of the same kind and item
// (previousMonthPayers()), each name once; `B削除` removes the chosen payers. The fees offered
// are feeChoices(); `金額` shows fee × head count with thousands separators. `B確定` checks the
// head count and the fee (checkFees), asks, and replaces the entry's stored payers; the total
// and the note it hands back are then available from stored(). Every message is shown under
// "出納明細".
class FeeDetailScreen : public QDialog {
    Q_OBJECT

public:
    // What the last store of this opening handed back.
    struct Stored {
        long long total = 0; // fee × head count, whole yen
        std::string note;    // feeNote() of the item name and head count
    };

    FeeDetailScreen(const DatabaseLocation& database, const CashBookKey& key, std::string itemName,
                    QWidget* parent = nullptr);

    // Empty until the payers have been stored in this opening.
    const std::optional<Stored>& stored() const { return m_stored; }

private:
    void load();
    void addChosenMembers();
    void addLastMonthsPayers();
    // Appends the names not in the payers' list yet, in the order given.
    void addPayers(const QStringList& names);
    void removeChosenPayers();
    void store();
    void clearFields();
    // Shows the number of payers as the head count and the fee shown × that count as the total.
    void showTotal();
    bool feeFails() const;
    bool headCountFails() const;
    std::vector<std::string> payers() const;
    void warn(std::string_view message);

    DatabaseLocation m_location;
    CashBookKey m_key;
    std::string m_itemName;
    QString m_title;
    std::optional<Stored> m_stored;
    QStringList m_activeMembers; // in the order of `L会員名簿`
    QListWidget* m_members = nullptr;
    QListWidget* m_payers = nullptr;
    QComboBox* m_feeField = nullptr;
    QLineEdit* m_headCountField = nullptr;
    QLineEdit* m_total = nullptr;
    QLineEdit* m_note = nullptr;
};

} // namespace zoruka
