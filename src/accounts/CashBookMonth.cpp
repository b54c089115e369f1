#include "accounts/CashBookMonth.h"

#include "registers/ExpenseItem.h"
#include "store/Database.h"

#include <map>
#include <utility>

namespace zoruka {

CashBookMonth readCashBookMonth(const DatabaseLocation& location, std::string_view yy,
                                std::string_view mm)
{
    Database database = Database::open(location);
    TableCursor entries = database.table("出納帳");
    entries.setIndex("Key_出納帳");
    TableCursor items = database.table("費目");
    items.setIndex("Key_費目");

    CashBookMonth month;
    std::map<std::pair<std::string, std::string>, std::string> names; // by kind and code
    long long balance = 0;
    entries.seek(Seek::AtLeast, {std::string(yy), std::string(mm), "", "", ""});
    for (; !entries.eof() && entries.value("出_年") == yy && entries.value("出_月") == mm;
         entries.moveNext()) {
        CashBookRow row;
        row.day = entries.value("出_日");
        row.kind = entries.value("出_収支区分");
        row.itemCode = entries.value("出_費目番号");
        row.amount = entries.number("出_金額");
        row.note = entries.value("出_備考");
        // A month repeats a few items many times; each is looked up once.
        const auto [name, added] = names.try_emplace({row.kind, row.itemCode});
        if (added) {
            items.seek(Seek::Equal, {row.kind, row.itemCode});
            if (!items.noMatch()) {
                name->second = items.value("費_名称");
            }
        }
        row.itemName = name->second;
        // Anything that is not income counts as expense, as the balance column always did.
        if (row.kind == kIncome) {
            balance += row.amount;
            month.income += row.amount;
        } else {
            balance -= row.amount;
            month.expense += row.amount;
        }
        row.balance = balance;
        month.rows.push_back(std::move(row));
    }
    return month;
}

} // namespace zoruka
