#include "accounts/FeeDetail.h"

#include "accounts/MonthCalendar.h"
#include "accounts/MonthPayments.h"
#include "common/TypedNumber.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <algorithm>

namespace zoruka {

namespace {

using namespace fee_detail;

constexpr std::string_view kTable = "出納明細";
constexpr std::string_view kFeeCategory = "500";
constexpr std::string_view kLastSettingSequence = "010";

// Positions `details` on the entry's first detail row, if any; its rows follow while
// isOfEntry() holds.
void startDetail(TableCursor& details, const CashBookKey& key)
{
    std::vector<std::string> values = key.values();
    values.emplace_back();
    details.setIndex("Key_明細");
    details.seek(Seek::AtLeast, values);
}

bool isOfEntry(const TableCursor& details, const CashBookKey& key)
{
    return !details.eof() && details.value("明_年") == key.date.yy &&
           details.value("明_月") == key.date.mm && details.value("明_日") == key.date.dd &&
           details.value("明_収支区分") == key.kind && details.value("明_費目番号") == key.itemCode;
}

struct DetailRow {
    std::string name;
    long long fee = 0;
    std::string note;
};

void addDetail(TableCursor& details, const CashBookKey& key, const DetailRow& row)
{
    std::vector<std::string> values = key.values();
    values.push_back(row.name);
    details.editOrAddNew(values);
    details.setValue("明_金額", row.fee);
    details.setValue("明_備考", row.note);
    details.update();
}

} // namespace

FeePayers loadFeePayers(const DatabaseLocation& location, const CashBookKey& key)
{
    Database database = Database::open(location);
    TableCursor details = database.table(kTable);
    FeePayers payers;
    for (startDetail(details, key); isOfEntry(details, key); details.moveNext()) {
        payers.names.push_back(details.value("明_氏名"));
        payers.fee = details.number("明_金額");
        payers.total += payers.fee;
    }
    return payers;
}

std::vector<std::string> feeChoices(const DatabaseLocation& location)
{
    Database database = Database::open(location);
    TableCursor rows = database.table("マスタ");
    rows.setIndex("Key_マスタ");
    rows.seek(Seek::After, {std::string(kFeeCategory), std::string(kLastSettingSequence)});
    std::vector<std::string> fees;
    std::vector<long long> amounts;
    for (; !rows.eof() && rows.value("マ_番号") == kFeeCategory; rows.moveNext()) {
        std::string fee = rows.value("マ_名称");
        // "3000" and "3,000" are one fee; a text that is no amount is offered as it stands.
        const std::optional<long long> amount = readFee(fee);
        const bool blank = fee.empty() || amount == 0;
        const bool listed = amount ? std::ranges::find(amounts, *amount) != amounts.end()
                                   : std::ranges::find(fees, fee) != fees.end();
        if (!blank && !listed) {
            if (amount) {
                amounts.push_back(*amount);
            }
            fees.push_back(std::move(fee));
        }
    }
    return fees;
}

std::vector<std::string> previousMonthPayers(const DatabaseLocation& location,
                                             const CashBookKey& key)
{
    const EntryDate month = previousMonth({key.date.yy, key.date.mm, "01"});
    std::vector<std::string> names;
    for (const Payment& payment : readMonthPayments(location, month)) {
        if (payment.kind == key.kind && payment.itemCode == key.itemCode &&
            std::ranges::find(names, payment.name) == names.end()) {
            names.push_back(payment.name);
        }
    }
    return names;
}

std::optional<long long> readFee(std::string_view typed)
{
    const TypedNumber fee = readWholeNumber(typed, 0, kMaxFee);
    return fee.status == NumberStatus::Ok ? std::optional(fee.value) : std::nullopt;
}

std::optional<long long> readHeadCount(std::string_view typed)
{
    const TypedNumber count = readWholeNumber(typed, 0, kMaxHeadCount);
    return count.status == NumberStatus::Ok ? std::optional(count.value) : std::nullopt;
}

FeeCheck checkFees(std::string_view headCount, std::string_view fee)
{
    FeeCheck result;
    if (const std::optional<long long> count = readHeadCount(headCount)) {
        result.headCount = *count;
    } else {
        result.report.fail(HeadCount, kBadHeadCount);
    }
    if (const std::optional<long long> perHead = readFee(fee)) {
        result.fee = *perHead;
    } else {
        result.report.fail(Fee, kBadFee);
    }
    if (result.report.ok()) {
        // Both limits keep the product far inside 64 bits.
        result.total = result.fee * result.headCount;
        if (result.total == 0) {
            result.report.fail(Fee, kZeroTotal);
        }
    }
    return result;
}

void storeFeePayers(const DatabaseLocation& location, const CashBookKey& key,
                    const std::vector<std::string>& names, long long fee, std::string_view note)
{
    Database database = Database::open(location);
    Transaction transaction(database);
    deleteFeeDetail(database, key);
    TableCursor details = database.table(kTable);
    for (const std::string& name : names) {
        addDetail(details, key, {name, fee, std::string(note)});
    }
    transaction.commit();
}

std::string feeNote(std::string_view itemName, long long headCount)
{
    return std::string(itemName) + "  " + std::to_string(headCount) + "名";
}

void deleteFeeDetail(Database& database, const CashBookKey& key)
{
    TableCursor details = database.table(kTable);
    for (startDetail(details, key); isOfEntry(details, key); details.moveNext()) {
        details.deleteRow();
    }
}

void moveFeeDetail(Database& database, const CashBookKey& from, const CashBookKey& to)
{
    TableCursor details = database.table(kTable);
    std::vector<DetailRow> moved;
    for (startDetail(details, from); isOfEntry(details, from); details.moveNext()) {
        moved.push_back(
            {details.value("明_氏名"), details.number("明_金額"), details.value("明_備考")});
        details.deleteRow();
    }
    startDetail(details, to);
    if (isOfEntry(details, to)) {
        return;
    }
    for (const DetailRow& row : moved) {
        addDetail(details, to, row);
    }
}

} // namespace zoruka
