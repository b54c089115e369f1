#pragma once

#include "common/CheckReport.h"
#include "registers/ExpenseItem.h"
#include "store/DatabaseLocation.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zoruka {

// The texts of the expense-item register screen.
namespace expense_items {
inline constexpr std::string_view kTitle = "費目マスター登録";
inline constexpr std::string_view kEnterCode = "費目番号を入力してください";
inline constexpr std::string_view kCodeFormat = "費目番号は5桁の数字を入力してください";
inline constexpr std::string_view kCarryForward = "繰越金に関する更新は出来ません";
inline constexpr std::string_view kEnterName = "費目名称を入力してください";
inline constexpr std::string_view kNameTaken =
    "同じ収支区分に同じ名称の費目があります、別の名称を入力してください";
inline constexpr std::string_view kConfirmSave = "入力内容で更新します。";
inline constexpr std::string_view kSaved = "費目マスタは更新(登録)されました。";
inline constexpr std::string_view kConfirmDelete = "表示内容を削除します。";
inline constexpr std::string_view kDeleteMissing = "指定された費目は登録されていません。";
inline constexpr std::string_view kInUse =
    "出納帳で使用されている費目のため削除できません、出納記録を確認してください";
inline constexpr std::string_view kDeleted = "表示内容は削除されました。";
inline constexpr std::string_view kOutOfRange = "指示位置が有効範囲外です。";
inline constexpr std::string_view kNotRegistered = "指定された名称は登録されていません。";

// The checked fields in screen order.
enum Field { Code, Name, FieldCount };

// Which items the list shows.
enum class Filter { All, Income, Expense };
} // namespace expense_items

// The expense items of table 費目: listing, loading, checking, saving and deleting them, for the
// register screen. Items are keyed by direction and code. Every call opens the database afresh;
// StoreError reaches the caller and then nothing has changed.
class ExpenseItemRegister {
public:
    enum class Removal {
        Deleted,
        NotRegistered, // no item with that direction and code
        CarryForward,  // a carry-forward item, which the month-end closing needs
        InUse,         // the cash book or its fee detail still refers to the item
    };

    explicit ExpenseItemRegister(DatabaseLocation location);

    // The items of the filter in key order: by direction, then code.
    std::vector<ExpenseItem> list(expense_items::Filter filter) const;

    std::optional<ExpenseItem> find(std::string_view direction, std::string_view code) const;

    // The checks before saving, in screen order; a failing field's message is one of:
    // - code: kEnterCode when blank, kCarryForward for "10100" or "20900" (either direction),
    //   kCodeFormat unless five ASCII digits;
    // - name: kEnterName when blank.
    // Only when both pass is the database asked whether another item (another code) of the same
    // direction already has the name: kNameTaken on the name, since the cash book picks items by
    // name.
    CheckReport check(const ExpenseItem& item) const;

    // Adds the item, or changes the item with the same direction and code. Texts are stored as
    // given. Call after check() passed.
    void save(const ExpenseItem& item) const;

    // Deletes the item with that direction and code unless one of the refusals applies; a refusal
    // changes nothing.
    Removal remove(std::string_view direction, std::string_view code) const;

private:
    DatabaseLocation m_location;
};

} // namespace zoruka
