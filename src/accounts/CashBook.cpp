#include "accounts/CashBook.h"

#include "accounts/AmountField.h"
#include "accounts/FeeDetail.h"
#include "registers/ItemLookup.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <utility>

namespace zoruka {

namespace {

using namespace cash_book;

constexpr std::string_view kTable = "出納帳";

void write(TableCursor& entries, const CashBookEntry& entry)
{
    entries.editOrAddNew(entry.key.values());
    entries.setValue("出_金額", entry.amount);
    entries.setValue("出_備考", entry.note);
    entries.update();
}

} // namespace

CashBook::CashBook(DatabaseLocation location) : m_location(std::move(location)) {}

CashBook::Check CashBook::check(const TypedEntry& typed) const
{
    Check result;
    if (const std::optional<EntryDate> date = parseEntryDate(typed.date)) {
        result.entry.key.date = *date;
    } else {
        result.report.fail(Date, kBadDate);
    }
    result.entry.key.kind = typed.kind;
    result.entry.key.itemCode = itemCode(typed.kind, typed.itemName);
    if (result.entry.key.itemCode.empty()) {
        result.report.fail(Item, kBadItem);
    }
    if (const std::optional<long long> amount = readAmountField(typed.amount)) {
        result.entry.amount = *amount;
    } else {
        result.report.fail(Amount, kBadAmount);
    }
    result.entry.note = typed.note;
    return result;
}

std::string CashBook::itemCode(std::string_view kind, std::string_view name) const
{
    if (name.empty()) {
        return {};
    }
    return ItemLookup(m_location).codeOf(kind, name);
}

std::optional<CashBookEntry> CashBook::find(const CashBookKey& key) const
{
    Database database = Database::open(m_location);
    TableCursor entries = database.table(kTable);
    entries.setIndex("Key_出納帳");
    entries.seek(Seek::Equal, key.values());
    if (entries.noMatch()) {
        return {};
    }
    return CashBookEntry{key, entries.number("出_金額"), entries.value("出_備考")};
}

void CashBook::store(const CashBookEntry& entry) const
{
    Database database = Database::open(m_location);
    TableCursor entries = database.table(kTable);
    write(entries, entry);
}

bool CashBook::remove(const CashBookKey& key) const
{
    Database database = Database::open(m_location);
    Transaction transaction(database);
    TableCursor entries = database.table(kTable);
    entries.setIndex("Key_出納帳");
    entries.seek(Seek::Equal, key.values());
    if (entries.noMatch()) {
        return false;
    }
    entries.deleteRow();
    deleteFeeDetail(database, key);
    transaction.commit();
    return true;
}

CashBook::Move CashBook::move(const CashBookKey& from, const CashBookEntry& entry) const
{
    Database database = Database::open(m_location);
    Transaction transaction(database);
    TableCursor entries = database.table(kTable);
    entries.setIndex("Key_出納帳");
    entries.seek(Seek::Equal, entry.key.values());
    if (!entries.noMatch()) {
        return Move::Occupied;
    }
    entries.seek(Seek::Equal, from.values());
    if (entries.noMatch()) {
        return Move::Missing;
    }
    entries.deleteRow();
    write(entries, entry);
    moveFeeDetail(database, from, entry.key);
    transaction.commit();
    return Move::Moved;
}

} // namespace zoruka
