#pragma once

#include "accounts/CashBookKey.h"
#include "common/CheckReport.h"
#include "store/DatabaseLocation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

class Database;

// The texts and limits of the fee detail screen.
namespace fee_detail {
inline constexpr std::string_view kTitle = "出納明細";
inline constexpr std::string_view kBadFee = "会費を正しく入力してください";
inline constexpr std::string_view kBadHeadCount = "正しい数字を入力してください";
inline constexpr std::string_view kZeroTotal = "金額=0 は更新しません";
inline constexpr std::string_view kConfirm = "入力内容で更新します。";
inline constexpr std::string_view kStored = "出納明細は登録（更新）されました。";
inline constexpr long long kMaxFee = 9'999'999;
inline constexpr long long kMaxHeadCount = 9'999;

// The checked fields in the order they are checked.
enum Field { HeadCount, Fee, FieldCount };
} // namespace fee_detail

// The payers of one cash-book entry (rows of 出納明細 with the entry's key) as stored.
struct FeePayers {
    std::vector<std::string> names; // in index order (by name)
    long long fee = 0;              // the per-head fee of the last row; 0 without rows
    long long total = 0;            // the sum of every row's fee
};

// The detail screen's fee and head count as typed, checked.
struct FeeCheck {
    CheckReport report{fee_detail::FieldCount};
    long long headCount = 0;
    long long fee = 0;
    long long total = 0; // fee × head count, in whole yen, when both pass
};

// The payers of the entry with that key. Throws StoreError.
FeePayers loadFeePayers(const DatabaseLocation& location, const CashBookKey& key);

// The fees to offer: マ_名称 of every master row of category "500" with a sequence number above
// "010" (the monthly fee and the participation fees), in sequence order, each amount once; blank
// fees (empty, or 0 as the settings store a blank) are left out. Throws StoreError.
std::vector<std::string> feeChoices(const DatabaseLocation& location);

// The payers of the entries of `key`'s kind and item in the month before `key`'s, each name once
// in the order they first paid (by day, then name). Throws StoreError.
std::vector<std::string> previousMonthPayers(const DatabaseLocation& location,
                                             const CashBookKey& key);

// A per-head fee as typed: whole yen from 0 to kMaxFee, commas allowed; nothing otherwise.
std::optional<long long> readFee(std::string_view typed);
// A head count as typed: a whole number from 0 to kMaxHeadCount; nothing otherwise.
std::optional<long long> readHeadCount(std::string_view typed);

// Checks the head count (readHeadCount; kBadHeadCount), then the fee (readFee; kBadFee); when
// both pass, a total of 0 fails the fee with kZeroTotal.
FeeCheck checkFees(std::string_view headCount, std::string_view fee);

// Replaces the entry's payers by one row per name, each with `fee` and `note`, in one
// transaction. Throws StoreError, and then the old payers are still there.
void storeFeePayers(const DatabaseLocation& location, const CashBookKey& key,
                    const std::vector<std::string>& names, long long fee, std::string_view note);

// The note handed back to the cash book: the item name, two spaces, the head count and "名".
std::string feeNote(std::string_view itemName, long long headCount);

// Deletes every detail row of the entry with that key, within the caller's transaction.
void deleteFeeDetail(Database& database, const CashBookKey& key);

// Gives the detail rows of the entry `from` the key `to`, within the caller's transaction. Rows
// already stored under `to` (payers entered for the new key before the entry was moved there)
// are kept instead, and those of `from` are then deleted.
void moveFeeDetail(Database& database, const CashBookKey& from, const CashBookKey& to);

} // namespace zoruka
