#pragma once

#include "accounts/CashBookKey.h"
#include "common/CheckReport.h"
#include "store/DatabaseLocation.h"

#include <optional>
#include <string>
#include <string_view>

namespace zoruka {

// The texts of the cash-book screen.
namespace cash_book {
inline constexpr std::string_view kTitle = "出納記録";
inline constexpr std::string_view kChooseDate = "日付を正しく選択して下さい";
inline constexpr std::string_view kChooseItem = "費目を正しく選択して下さい";
inline constexpr std::string_view kBadDate = "正しい日付を入力してください";
inline constexpr std::string_view kBadItem = "正しい費目を選択してください";
inline constexpr std::string_view kBadAmount = "金額を正しく入力してください";
inline constexpr std::string_view kConfirmSave = "入力内容で更新します。";
inline constexpr std::string_view kSaved = "出納帳は登録（更新）されました。";
inline constexpr std::string_view kConfirmDelete = "出納記録と明細あれば明細を同時に削除します。";
inline constexpr std::string_view kDeleteMissing =
    "選択した出納記録が取り出せません、会員名を確認して下さい";
inline constexpr std::string_view kDeleted = "出納記録と明細は削除されました。";
inline constexpr std::string_view kOutOfRange = "指示位置が有効範囲外です。";
inline constexpr std::string_view kNotRetrievable =
    "選択した出納情報が取り出せません、確認してください";
inline constexpr std::string_view kConfirmMove =
    "選択した出納記録の日付・収支区分・費目が変更されています、明細と共に移動しますか？";
inline constexpr std::string_view kMoveOccupied =
    "移動先の日付・収支区分・費目の出納記録が既に登録されています、確認して下さい";
inline constexpr std::string_view kMoved = "出納記録と明細は移動されました。";

// The checked fields in screen order.
enum Field { Date, Item, Amount, FieldCount };
} // namespace cash_book

// One entry of 出納帳.
struct CashBookEntry {
    CashBookKey key;
    long long amount = 0;
    std::string note;

    bool operator==(const CashBookEntry&) const = default;
};

// The fields of the entry as typed on the cash-book screen.
struct TypedEntry {
    std::string date;     // yy/mm/dd or yyyy/mm/dd
    std::string kind;     // the chosen option: kIncome or kExpense
    std::string itemName; // the item combo's text
    std::string amount;
    std::string note;
};

// Reads, checks, stores and deletes entries of the cash book. Every call opens the database
// afresh; StoreError reaches the caller and then nothing has changed.
class CashBook {
public:
    struct Check {
        CheckReport report{cash_book::FieldCount};
        CashBookEntry entry; // valid only when report.ok()
    };

    explicit CashBook(DatabaseLocation location);

    // The checks of the entry, in screen order: the date (parseEntryDate; kBadDate), the item
    // name, which must name an item of the kind (kBadItem), and the amount (readAmountField;
    // kBadAmount), a blank amount becoming 0.
    Check check(const TypedEntry& typed) const;

    // The item code of `name` within `kind`; empty text when there is no such item.
    std::string itemCode(std::string_view kind, std::string_view name) const;

    std::optional<CashBookEntry> find(const CashBookKey& key) const;

    // Adds the entry, or replaces the amount and note of the entry with the same key.
    void store(const CashBookEntry& entry) const;

    // Deletes the entry with that key and every fee detail row of it, in one transaction.
    // Returns false, having changed nothing, when there is no such entry.
    bool remove(const CashBookKey& key) const;

    enum class Move {
        Moved,
        Missing,  // no entry has the key `from`
        Occupied, // an entry has the new key already
    };
    // Moves the entry with key `from` to `entry`'s key, with `entry`'s amount and note, and its
    // fee detail rows with it (see moveFeeDetail()), in one transaction. Changes nothing unless
    // it returns Moved.
    Move move(const CashBookKey& from, const CashBookEntry& entry) const;

private:
    DatabaseLocation m_location;
};

} // namespace zoruka
