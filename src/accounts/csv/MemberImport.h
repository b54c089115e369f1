#pragma once

#include "accounts/csv/AccountsCsv.h"
#include "common/GridModel.h"
#include "output/TextEncoding.h"
#include "registers/Member.h"
#include "store/DatabaseLocation.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// The texts of the member import screen.
namespace member_import {
inline constexpr std::string_view kTitle = "会員CSV取込";
inline constexpr std::string_view kCannotRead =
    "CSVファイルを読み込めません。ファイル名と文字コード（Shift_JISかUTF-8）を確認してください";
inline constexpr std::string_view kNoNameColumn =
    "CSVファイルの1行目に「氏名」の見出しがありません";
inline constexpr std::string_view kNoFile = "取り込むCSVファイルを指定して下さい";
inline constexpr std::string_view kReadFirst = "先にCSVファイルを読み込んで下さい";
inline constexpr std::string_view kNothingToImport = "取り込める会員がありません";
inline constexpr std::string_view kConfirm = "表示の内容で会員を取り込みます。";
inline constexpr std::string_view kDone = "会員を取り込みました。";

// Why a row is refused or skipped.
inline constexpr std::string_view kMissingName = "氏名がありません";
inline constexpr std::string_view kSameNameAbove = "同じ氏名が上の行にあります";
inline constexpr std::string_view kRegistered = "登録済みの氏名です";
inline constexpr std::string_view kMissingKana = "氏名カナがありません";
inline constexpr std::string_view kBadKana = "氏名カナはかなで入力してください";
inline constexpr std::string_view kBadSex = "性別は1（男性）か2（女性）で入力してください";
inline constexpr std::string_view kBadExcluded = "無効は0か1で入力してください";
} // namespace member_import

// A member file as read: which of kMemberColumns its header row names (in any order; other
// columns are ignored), and the fields of each further row under those columns.
struct MemberCsvFile {
    TextEncoding encoding = TextEncoding::Utf8;
    std::array<bool, kMemberColumns.size()> hasColumn{};
    // Per data row: its number in the file (the header row is 1) and its fields in the order of
    // kMemberColumns, empty under a column the file lacks.
    struct Row {
        int number = 0;
        std::array<std::string, kMemberColumns.size()> fields;
    };
    std::vector<Row> rows;
};

// Reads a member file in Shift_JIS or UTF-8 (decodeText). Throws UserError with kCannotRead when
// the file cannot be read or is in neither encoding, kNoNameColumn when its first row names no
// "氏名" column.
MemberCsvFile readMemberCsvFile(const std::string& path);
MemberCsvFile parseMemberCsv(std::string_view bytes);

enum class ImportAction { Add, Update, Skip, Refuse };

struct ImportRow {
    int number = 0; // the row's number in the file
    Member member;  // what is stored for Add and Update; as typed otherwise
    ImportAction action = ImportAction::Refuse;
    std::string reason; // why it is skipped or refused
};

struct ImportPlan {
    std::vector<ImportRow> rows;

    int count(ImportAction action) const;
    // "追加 3件　更新 1件　スキップ 0件　不可 2件".
    std::string summary() const;
};

// What importing the file would do with each row, against the members registered now:
// - refused: no name (kMissingName), a name an earlier row of the file has (kSameNameAbove);
// - a registered name is skipped (kRegistered) unless `updateRegistered`, which updates the member
//   with the file's columns and keeps what the file has no column for;
// - otherwise the member is checked: a reading in kana (hiragana, katakana or half-width kana,
//   blanks, "ー" and "・"; kMissingKana, kBadKana), sex "1" or "2" (kBadSex), 無効 blank, "0" or
//   "1" (kBadExcluded), and age, postal code and order as the register screen checks them (with
//   its messages); a member that passes is added or updated, normalised as the screen stores it.
ImportPlan planMemberImport(const MemberCsvFile& file, const std::vector<Member>& registered,
                            bool updateRegistered);

// Writes the added and updated members of `plan` in one transaction: all of them or, when any
// write fails (StoreError, which reaches the caller), none.
void importMembers(const DatabaseLocation& location, const ImportPlan& plan);

// The preview grid 取込一覧: the yellow header row "行", "氏名", "氏名カナ", "性別", "処理", "理由"
// over 600, 2000, 2000, 600, 900 and 4000 twips, then one row per row of the plan: its number, the
// name, the reading, "男" / "女" for a valid sex code, "追加" / "更新" / "スキップ" / "不可" (in
// light red) and the reason.
GridModel memberImportGrid(const ImportPlan& plan);

} // namespace zoruka
