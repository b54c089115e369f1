#pragma once

#include "accounts/EntryDate.h"
#include "store/DatabaseLocation.h"

#include <string_view>
#include <vector>

namespace zoruka {

// The texts of the practice schedule screen. Its messages carry the cash book's title.
namespace practice_schedule {
inline constexpr std::string_view kTitle = "出納記録";
inline constexpr std::string_view kBadMonth = "表示年月を正しく選択してください";
inline constexpr std::string_view kNotADay = "日付が有効範囲外です。";
inline constexpr std::string_view kConfirm = "練習予定を入力内容で更新します。";
inline constexpr std::string_view kStored = "練習予定は更新(登録)されました。";
} // namespace practice_schedule

// The practice days (練習予定) of the month of `first` (its year and month; the day is not
// used), as days of the month in ascending order. Throws StoreError.
std::vector<int> readPracticeDays(const DatabaseLocation& location, const EntryDate& first);

// Makes `days` the practice days of the month of `first`: the month's old days are deleted and
// one row per day is added ("dd"), in one transaction; other months are not touched. A day
// listed twice is stored once. Throws std::invalid_argument for a day the month does not have,
// and StoreError; nothing has changed then.
void storePracticeDays(const DatabaseLocation& location, const EntryDate& first,
                       const std::vector<int>& days);

} // namespace zoruka
