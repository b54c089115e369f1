#include "accounts/MonthPayments.h"

#include "store/Database.h"

namespace zoruka {

std::vector<Payment> readMonthPayments(const DatabaseLocation& location, const EntryDate& first)
{
    Database database = Database::open(location);
    TableCursor detail = database.table("出納明細");
    detail.setIndex("Key_明細");
    TableCursor items = database.table("費目");
    items.setIndex("Key_費目");

    std::vector<Payment> payments;
    detail.seek(Seek::AtLeast, {first.yy, first.mm, "", "", "", ""});
    for (; !detail.eof() && detail.value("明_年") == first.yy && detail.value("明_月") == first.mm;
         detail.moveNext()) {
        Payment payment;
        payment.day = detail.value("明_日");
        payment.kind = detail.value("明_収支区分");
        payment.itemCode = detail.value("明_費目番号");
        payment.name = detail.value("明_氏名");
        payment.fee = detail.number("明_金額");
        payment.note = detail.value("明_備考");
        items.seek(Seek::Equal, {payment.kind, payment.itemCode});
        if (!items.noMatch()) {
            payment.itemName = items.value("費_名称");
        }
        payments.push_back(std::move(payment));
    }
    return payments;
}

} // namespace zoruka
