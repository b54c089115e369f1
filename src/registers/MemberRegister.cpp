#include "registers/MemberRegister.h"

#include "common/TypedNumber.h"
#include "registers/RowScan.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <utility>

namespace zoruka {

namespace {

using namespace members;

constexpr std::string_view kTable = "会員";

Member memberAt(const TableCursor& row)
{
    Member member;
    member.name = row.value("会_氏名");
    member.kana = row.value("会_氏名カナ");
    member.age = row.value("会_年齢");
    member.sex = row.value("会_性別");
    member.excluded = row.number("会_有効F") != 0;
    member.order = row.value("会_出力順");
    member.postal1 = row.value("会_郵便1");
    member.postal2 = row.value("会_郵便2");
    member.address1 = row.value("会_住所1");
    member.address2 = row.value("会_住所2");
    member.phone = row.value("会_電話");
    member.remark = row.value("会_備考");
    return member;
}

// A whole-number field: blank takes `blank`; a number in range is kept as plain digits.
void checkNumber(CheckReport& report, std::string& text, Field field, long long maximum,
                 std::string_view blank, std::string_view notANumber, std::string_view outOfRange)
{
    const TypedNumber number = readWholeNumber(text, 0, maximum);
    switch (number.status) {
    case NumberStatus::Empty:
        text = blank;
        break;
    case NumberStatus::Ok:
        text = std::to_string(number.value);
        break;
    case NumberStatus::NotANumber:
        report.fail(field, notANumber);
        break;
    case NumberStatus::OutOfRange:
        report.fail(field, outOfRange);
        break;
    }
}

} // namespace

MemberRegister::MemberRegister(DatabaseLocation location) : m_location(std::move(location)) {}

std::vector<Member> MemberRegister::list() const
{
    Database database = Database::open(m_location);
    TableCursor rows = database.table(kTable);
    rows.setIndex("Idx_カナ");
    rows.seek(Seek::AtLeast, {""});
    std::vector<Member> found;
    for (; !rows.eof(); rows.moveNext()) {
        found.push_back(memberAt(rows));
    }
    return found;
}

std::optional<Member> MemberRegister::find(std::string_view name) const
{
    Database database = Database::open(m_location);
    TableCursor rows = database.table(kTable);
    rows.setIndex("Key_会員");
    rows.seek(Seek::Equal, {std::string(name)});
    if (rows.noMatch()) {
        return std::nullopt;
    }
    return memberAt(rows);
}

MemberRegister::Check MemberRegister::check(const Member& typed)
{
    Check result;
    result.member = typed;
    Member& member = result.member;
    CheckReport& report = result.report;

    if (isBlank(member.name)) {
        report.fail(Name, kEnterName);
    }
    if (isBlank(member.kana)) {
        report.fail(Kana, kEnterKana);
    }
    checkNumber(report, member.age, Age, kMaxAge, kDefaultAge, kAge, kAge);

    const bool postal1Blank = isBlank(member.postal1);
    if (postal1Blank) {
        member.postal1.clear();
    } else if (isDigits(member.postal1)) {
        member.postal1 = normalisedInput(member.postal1);
    } else {
        report.fail(Postal1, kPostal1);
    }
    if (isBlank(member.postal2)) {
        member.postal2.clear();
    } else if (postal1Blank) {
        report.fail(Postal1, kPostal2Alone);
    } else if (isDigits(member.postal2)) {
        member.postal2 = normalisedInput(member.postal2);
    } else {
        report.fail(Postal2, kPostal2);
    }

    checkNumber(report, member.order, Order, kMaxOrder, kDefaultOrder, kOrder, kOrderRange);
    return result;
}

void MemberRegister::save(const Member& member) const
{
    Database database = Database::open(m_location);
    writeMember(database, member);
}

void writeMember(Database& database, const Member& member)
{
    TableCursor row = database.table(kTable);
    row.editOrAddNew({member.name});
    row.setValue("会_氏名カナ", member.kana);
    row.setValue("会_年齢", member.age);
    row.setValue("会_性別", member.sex);
    row.setValue("会_郵便1", member.postal1);
    row.setValue("会_郵便2", member.postal2);
    row.setValue("会_住所1", member.address1);
    row.setValue("会_住所2", member.address2);
    row.setValue("会_電話", member.phone);
    row.setValue("会_有効F", member.excluded ? 1LL : 0LL);
    row.setValue("会_出力順", member.order);
    row.setValue("会_備考", member.remark);
    row.update();
}

MemberRegister::Removal MemberRegister::remove(std::string_view name) const
{
    Database database = Database::open(m_location);
    // The check and the delete see the same rows: no detail can name the member in between.
    Transaction transaction(database);
    TableCursor row = database.table(kTable);
    row.setIndex("Key_会員");
    row.seek(Seek::Equal, {std::string(name)});
    if (row.noMatch()) {
        return Removal::NotRegistered;
    }
    if (anyRow(database, "出納明細",
               [&](const TableCursor& detail) { return detail.value("明_氏名") == name; })) {
        return Removal::HasFeeDetail;
    }
    row.deleteRow();
    transaction.commit();
    return Removal::Deleted;
}

} // namespace zoruka
