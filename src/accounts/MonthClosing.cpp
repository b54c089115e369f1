#include "accounts/MonthClosing.h"

#include "accounts/CashBookKey.h"
#include "registers/ExpenseItem.h"
#include "store/Backups.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <algorithm>

namespace zoruka {

namespace {

constexpr std::string_view kTable = "出納帳";

void addTo(std::vector<ItemTotal>& totals, const CashBookRow& row)
{
    const auto found = std::find_if(totals.begin(), totals.end(), [&](const ItemTotal& total) {
        return total.itemCode == row.itemCode;
    });
    if (found == totals.end()) {
        totals.push_back({row.itemCode, row.itemName, row.amount});
    } else {
        found->amount += row.amount;
    }
}

CashBookKey carryOutKey(const MonthEnds& ends)
{
    return {ends.lastDay, std::string(kExpense), std::string(kCarryOutItem)};
}

CashBookKey carryInKey(const MonthEnds& ends)
{
    return {ends.nextFirst, std::string(kIncome), std::string(kCarryInItem)};
}

bool exists(TableCursor& entries, const CashBookKey& key)
{
    entries.seek(Seek::Equal, key.values());
    return !entries.noMatch();
}

} // namespace

MonthTotals monthTotals(const CashBookMonth& month, const EntryDate& first)
{
    const std::string lastDay = monthEnds(first).lastDay.dd;
    MonthTotals totals;
    for (const CashBookRow& row : month.rows) {
        addTo(row.kind == kIncome ? totals.income : totals.expense, row);
        if (row.day == lastDay && row.kind == kExpense && row.itemCode == kCarryOutItem) {
            totals.carriedOut = row.amount;
        }
    }
    totals.incomeTotal = month.income;
    totals.expenseTotal = month.expense;
    return totals;
}

bool isClosed(const DatabaseLocation& location, const EntryDate& month)
{
    const MonthEnds ends = monthEnds(month);
    Database database = Database::open(location);
    TableCursor entries = database.table(kTable);
    entries.setIndex("Key_出納帳");
    return exists(entries, carryInKey(ends)) || exists(entries, carryOutKey(ends));
}

void writeCarryForward(const DatabaseLocation& location, const EntryDate& month, long long amount,
                       std::string_view note)
{
    const MonthEnds ends = monthEnds(month);
    backupBeforeClosing(location);
    Database database = Database::open(location);
    Transaction transaction(database);
    TableCursor entries = database.table(kTable);
    for (const CashBookKey& key : {carryOutKey(ends), carryInKey(ends)}) {
        entries.editOrAddNew(key.values());
        entries.setValue("出_金額", amount);
        entries.setValue("出_備考", note);
        entries.update();
    }
    transaction.commit();
}

} // namespace zoruka
