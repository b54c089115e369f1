#pragma once

#include "common/CheckReport.h"
#include "registers/Member.h"
#include "store/DatabaseLocation.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zoruka {

// The texts of the member register screen.
namespace members {
inline constexpr std::string_view kTitle = "会員登録";
inline constexpr std::string_view kEnterName = "氏名に入力してください";
inline constexpr std::string_view kEnterKana = "氏名カナに入力してください";
inline constexpr std::string_view kAge = "年齢を正しく選択又は入力してください";
inline constexpr std::string_view kPostal1 = "郵便番号1は数字を入力してください";
inline constexpr std::string_view kPostal2 = "郵便番号2は数字を入力してください";
inline constexpr std::string_view kPostal2Alone =
    "郵便番号1が未入力です、郵便番号2単独の入力は不可です";
inline constexpr std::string_view kOrder = "出力順は数字を入力してください";
inline constexpr std::string_view kOrderRange = "出力順は0～99999の整数を入力してください";
inline constexpr std::string_view kConfirmSave = "入力内容で更新します。";
inline constexpr std::string_view kSaved = "会員は登録（更新）されました。";
inline constexpr std::string_view kConfirmDelete = "会員を削除します。";
inline constexpr std::string_view kDeleteMissing =
    "選択した会員の情報が取り出せません、会員名を確認して下さい";
inline constexpr std::string_view kHasFeeDetail = "会費の明細に記録がある会員のため削除できません、"
                                                  "チェック表から外す場合は「無効」にしてください";
inline constexpr std::string_view kDeleted = "会員は削除されました。";
inline constexpr std::string_view kOutOfRange = "指示位置が有効範囲外です。";
inline constexpr std::string_view kNotRetrievable =
    "選択した会員の情報が取り出せません、再登録してください";

inline constexpr std::string_view kDefaultAge = "0";
inline constexpr std::string_view kDefaultOrder = "100";
inline constexpr int kMaxAge = 120;
inline constexpr long long kMaxOrder = 99'999;

// The checked fields in screen order.
enum Field { Name, Kana, Age, Postal1, Postal2, Order, FieldCount };
} // namespace members

// The members of table 会員: listing, loading, checking, saving and deleting them, for the
// register screen. Every call opens the database afresh; StoreError reaches the caller and then
// nothing has changed.
class MemberRegister {
public:
    enum class Removal {
        Deleted,
        NotRegistered,
        HasFeeDetail, // fee detail rows (出納明細) still name the member
    };

    struct Check {
        CheckReport report{members::FieldCount};
        Member member; // the member to save: blank age "0", blank order "100", numbers normalised
    };

    explicit MemberRegister(DatabaseLocation location);

    // Every member in reading order (index Idx_カナ).
    std::vector<Member> list() const;

    std::optional<Member> find(std::string_view name) const;

    // The checks before saving, in screen order:
    //  name, reading: not blank (kEnterName, kEnterKana);
    //  age: blank becomes "0", else a whole number 0 … kMaxAge (kAge);
    //  postal code 1: blank, or digits (kPostal1);
    //  postal code 2: blank, or — with postal code 1 blank — kPostal2Alone marked on postal
    //    code 1, or digits (kPostal2);
    //  order: blank becomes "100", else a whole number (kOrder), from 0 to kMaxOrder
    //    (kOrderRange).
    // Full-width digits count as digits and are stored as ASCII; the other fields are kept as
    // typed.
    static Check check(const Member& typed);

    // Adds the member, or changes the member of that name (whose name stays as stored).
    // Call with the member of a passed check().
    void save(const Member& member) const;

    // Deletes the member of that name unless fee detail rows name it; a refusal changes nothing.
    Removal remove(std::string_view name) const;

private:
    DatabaseLocation m_location;
};

class Database;

// What MemberRegister::save() does, on a database the caller holds open (inside its transaction,
// so that many members are written all or none).
void writeMember(Database& database, const Member& member);

} // namespace zoruka
