#pragma once

#include "common/CheckReport.h"
#include "store/DatabaseLocation.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zoruka {

// The club's fixed settings, kept as rows of category "500" of マスタ with the value in マ_名称:
// the club name (sequence "001"), the monthly fee ("011") and three participation fees ("021",
// "022", "023"). The club name is stored as typed; fees are stored as plain digits ("3000"), so
// that every reader can take them as numbers. Every call opens the database afresh; StoreError
// reaches the caller.
namespace club_settings {

inline constexpr std::string_view kTitle = "マスター登録";
inline constexpr std::string_view kConfirm = "入力内容で更新します。";
inline constexpr std::string_view kStored = "表示内容で登録（更新）しました。";
inline constexpr std::string_view kCategory = "500";
inline constexpr long long kMaxFee = 9'999'999;

// The screen's fields in screen order.
enum Field { ClubName, MonthlyFee, Fee1, Fee2, Fee3, FieldCount };
using Values = std::array<std::string, FieldCount>;

// マ_連番 of each field's row.
inline constexpr std::array<std::string_view, FieldCount> kSequences{"001", "011", "021", "022",
                                                                     "023"};

// The stored values; a field whose row is missing is empty.
Values load(const DatabaseLocation& location);

struct Check {
    CheckReport report{FieldCount};
    Values shown;  // the fields as the screen shows them after the check: blank fees become "0"
    Values stored; // what save() writes: fees as plain digits; valid only when report.ok()
};

// Checks the four fees in screen order (the club name is free text): blank counts as "0"; a fee
// must be a whole number of yen from 0 to kMaxFee, commas allowed. Messages: "<fee>は数字を入力
// してください" for text that is no number, "<fee>は0～9,999,999の整数を入力してください" for a
// number outside that.
Check check(const Values& typed);

// The month the club's fiscal year starts in, kept as plain digits ("4") in the row "002", which
// neither the five settings nor the fee list (rows above "010") take up.
inline constexpr std::string_view kFiscalStartSequence = "002";
inline constexpr int kDefaultFiscalStartMonth = 4;
inline constexpr std::string_view kBadFiscalStart = "年度開始月は1～12の数字を選択してください";

// The stored start month, 1 … 12; kDefaultFiscalStartMonth (April) while the row is missing or
// holds no month.
int fiscalStartMonth(const DatabaseLocation& location);

// A start month as chosen or typed: a whole number 1 … 12 (full-width digits too), else nothing.
std::optional<int> readFiscalStartMonth(std::string_view typed);

// Writes the five rows (adding those that are missing), and the fiscal start month's row when one
// is given, in one transaction: マ_名称 from `stored`, マ_略称, マ_教科 and マ_備考 empty.
void save(const DatabaseLocation& location, const Values& stored,
          std::optional<int> fiscalStart = std::nullopt);

// The values as the screen shows them: fees that are whole numbers in the "#,###,##0" pattern,
// everything else unchanged.
Values forDisplay(const Values& stored);

} // namespace club_settings

} // namespace zoruka
