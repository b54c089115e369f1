#pragma once

#include "accounts/YearMonth.h"
#include "store/DatabaseLocation.h"

#include <array>
#include <string>
#include <string_view>

namespace zoruka {

// The CSV exports of the accounts, as UTF-8 text with lines ended by CR LF (see csvLine): a
// header row, then one line per row; dates as yyyy/mm/dd, amounts as plain numbers ("-5000"),
// kinds as "収入" / "支出". Each reads the database afresh; StoreError reaches the caller.

// What the accounts export.
enum class AccountsExport { CashBook, FeeDetail, Members };

// "出納帳", "会費明細", "会員名簿": the export's name, the start of its file names.
std::string_view exportName(AccountsExport kind);

// cashBookCsv(), feeDetailCsv() or memberCsv() (which takes no months).
std::string accountsCsv(const DatabaseLocation& location, AccountsExport kind,
                        const MonthRange& range);

// The cash book of the months of `range`: "日付", "収支区分", "費目番号", "費目", "収入", "支出",
// "残高", "備考"; one line per entry in key order, its amount under 収入 or 支出 (the other
// empty) and the running balance of its month as the cash-book screen shows it.
std::string cashBookCsv(const DatabaseLocation& location, const MonthRange& range);

// The fee detail of the months of `range`: "日付", "収支区分", "費目番号", "費目", "氏名",
// "金額" (the per-head fee), "備考"; one line per payer, in key order.
std::string feeDetailCsv(const DatabaseLocation& location, const MonthRange& range);

// The member register's columns, in the order the export writes them and the import's header
// row names them.
inline constexpr std::array<std::string_view, 12> kMemberColumns{
    "氏名",      "氏名カナ",  "年齢",  "性別",  "無効",     "出力順",
    "郵便番号1", "郵便番号2", "住所1", "住所2", "電話番号", "備考"};

// The member register in reading order: kMemberColumns, the sex as its code ("1" male, "2"
// female) and 無効 as "1" for a member left out of the fee check-list, else "0".
std::string memberCsv(const DatabaseLocation& location);

} // namespace zoruka
