#include "accounts/csv/AccountsCsv.h"

#include "accounts/CashBookMonth.h"
#include "accounts/MonthPayments.h"
#include "output/CsvLine.h"
#include "registers/ExpenseItem.h"
#include "registers/MemberRegister.h"

namespace zoruka {

namespace {

std::string dateText(const YearMonth& month, const std::string& day)
{
    return month.text() + "/" + day;
}

} // namespace

std::string_view exportName(AccountsExport kind)
{
    switch (kind) {
    case AccountsExport::CashBook:
        return "出納帳";
    case AccountsExport::FeeDetail:
        return "会費明細";
    case AccountsExport::Members:
        break;
    }
    return "会員名簿";
}

std::string accountsCsv(const DatabaseLocation& location, AccountsExport kind,
                        const MonthRange& range)
{
    switch (kind) {
    case AccountsExport::CashBook:
        return cashBookCsv(location, range);
    case AccountsExport::FeeDetail:
        return feeDetailCsv(location, range);
    case AccountsExport::Members:
        break;
    }
    return memberCsv(location);
}

std::string cashBookCsv(const DatabaseLocation& location, const MonthRange& range)
{
    std::string csv =
        csvLine({"日付", "収支区分", "費目番号", "費目", "収入", "支出", "残高", "備考"});
    for (const YearMonth& month : range.months()) {
        const EntryDate first = month.first();
        for (const CashBookRow& row : readCashBookMonth(location, first.yy, first.mm).rows) {
            const std::string amount = std::to_string(row.amount);
            const bool income = row.kind == kIncome;
            csv += csvLine({dateText(month, row.day), directionName(row.kind), row.itemCode,
                            row.itemName, income ? amount : "", income ? "" : amount,
                            std::to_string(row.balance), row.note});
        }
    }
    return csv;
}

std::string feeDetailCsv(const DatabaseLocation& location, const MonthRange& range)
{
    std::string csv = csvLine({"日付", "収支区分", "費目番号", "費目", "氏名", "金額", "備考"});
    for (const YearMonth& month : range.months()) {
        for (const Payment& payment : readMonthPayments(location, month.first())) {
            csv += csvLine({dateText(month, payment.day), directionName(payment.kind),
                            payment.itemCode, payment.itemName, payment.name,
                            std::to_string(payment.fee), payment.note});
        }
    }
    return csv;
}

std::string memberCsv(const DatabaseLocation& location)
{
    std::string csv =
        csvLine(std::vector<std::string>(kMemberColumns.begin(), kMemberColumns.end()));
    for (const Member& member : MemberRegister(location).list()) {
        csv += csvLine({member.name, member.kana, member.age, member.sex,
                        member.excluded ? "1" : "0", member.order, member.postal1, member.postal2,
                        member.address1, member.address2, member.phone, member.remark});
    }
    return csv;
}

} // namespace zoruka
