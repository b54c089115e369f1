#include "registers/ClubSettings.h"

#include "common/NumberFormat.h"
#include "common/TypedNumber.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <algorithm>

namespace zoruka::club_settings {

namespace {

constexpr std::string_view kTable = "マスタ";

// The names the messages give the fees (half-width digits, unlike the screen's labels).
constexpr std::array<std::string_view, FieldCount> kFeeNames{"", "月会費", "参加費1", "参加費2",
                                                             "参加費3"};

} // namespace

Values load(const DatabaseLocation& location)
{
    Database database = Database::open(location);
    TableCursor rows = database.table(kTable);
    rows.setIndex("Key_マスタ");
    rows.seek(Seek::AtLeast, {std::string(kCategory), ""});
    Values values;
    for (; !rows.eof() && rows.value("マ_番号") == kCategory; rows.moveNext()) {
        const std::string sequence = rows.value("マ_連番");
        const auto found = std::find(kSequences.begin(), kSequences.end(), sequence);
        if (found != kSequences.end()) {
            values[static_cast<std::size_t>(found - kSequences.begin())] = rows.value("マ_名称");
        }
        if (sequence >= kSequences.back()) {
            break;
        }
    }
    return values;
}

Check check(const Values& typed)
{
    Check result;
    result.shown = typed;
    result.stored = typed;
    for (int field = MonthlyFee; field < FieldCount; ++field) {
        const auto index = static_cast<std::size_t>(field);
        const TypedNumber fee = readWholeNumber(typed[index], 0, kMaxFee);
        const std::string name(kFeeNames[index]);
        switch (fee.status) {
        case NumberStatus::Empty:
            result.shown[index] = "0";
            result.stored[index] = "0";
            break;
        case NumberStatus::Ok:
            result.stored[index] = std::to_string(fee.value);
            break;
        case NumberStatus::NotANumber:
            result.report.fail(index, name + "は数字を入力してください");
            break;
        case NumberStatus::OutOfRange:
            result.report.fail(index,
                               name + "は0～" + formatAmount(kMaxFee) + "の整数を入力してください");
            break;
        }
    }
    return result;
}

int fiscalStartMonth(const DatabaseLocation& location)
{
    Database database = Database::open(location);
    TableCursor row = database.table(kTable);
    row.setIndex("Key_マスタ");
    row.seek(Seek::Equal, {std::string(kCategory), std::string(kFiscalStartSequence)});
    if (row.noMatch()) {
        return kDefaultFiscalStartMonth;
    }
    return readFiscalStartMonth(row.value("マ_名称")).value_or(kDefaultFiscalStartMonth);
}

std::optional<int> readFiscalStartMonth(std::string_view typed)
{
    const TypedNumber month = readWholeNumber(typed, 1, 12);
    if (month.status != NumberStatus::Ok) {
        return std::nullopt;
    }
    return static_cast<int>(month.value);
}

void save(const DatabaseLocation& location, const Values& stored, std::optional<int> fiscalStart)
{
    Database database = Database::open(location);
    Transaction transaction(database);
    const auto write = [&](std::string_view sequence, const std::string& value) {
        TableCursor row = database.table(kTable);
        row.editOrAddNew({std::string(kCategory), std::string(sequence)});
        row.setValue("マ_名称", value);
        row.setValue("マ_略称", "");
        row.setValue("マ_教科", "");
        row.setValue("マ_備考", "");
        row.update();
    };
    for (std::size_t field = 0; field < kSequences.size(); ++field) {
        write(kSequences[field], stored[field]);
    }
    if (fiscalStart) {
        write(kFiscalStartSequence, std::to_string(*fiscalStart));
    }
    transaction.commit();
}

Values forDisplay(const Values& stored)
{
    Values shown = stored;
    for (int field = MonthlyFee; field < FieldCount; ++field) {
        const auto index = static_cast<std::size_t>(field);
        const TypedNumber fee = readWholeNumber(stored[index], 0, kMaxFee);
        if (fee.status == NumberStatus::Ok) {
            shown[index] = formatAmount(fee.value);
        }
    }
    return shown;
}

} // namespace zoruka::club_settings
