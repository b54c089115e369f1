#include "registers/ExpenseItemRegister.h"

#include "common/TypedNumber.h"
#include "registers/RowScan.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <algorithm>
#include <utility>

namespace zoruka {

namespace {

using namespace expense_items;

constexpr std::string_view kTable = "費目";
constexpr std::size_t kCodeDigits = 5;

ExpenseItem itemAt(const TableCursor& row)
{
    return {row.value("費_収支区分"), row.value("費_費目番号"), row.value("費_名称"),
            row.value("費_略称"), row.value("費_備考")};
}

bool isCarryForward(std::string_view code) { return code == kCarryInItem || code == kCarryOutItem; }

bool isItemCode(std::string_view code)
{
    return code.size() == kCodeDigits &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view directionOf(Filter filter)
{
    switch (filter) {
    case Filter::Income:
        return kIncome;
    case Filter::Expense:
        return kExpense;
    case Filter::All:
        break;
    }
    return {};
}

bool nameTakenByAnother(Database& database, const ExpenseItem& item)
{
    TableCursor items = database.table(kTable);
    items.setIndex("Idx_費目名");
    for (items.seek(Seek::Equal, {item.direction, item.name});
         !items.eof() && items.value("費_収支区分") == item.direction &&
         items.value("費_名称") == item.name;
         items.moveNext()) {
        if (items.value("費_費目番号") != item.code) {
            return true;
        }
    }
    return false;
}

// Detail rows are stored before their cash-book row is, so both tables are asked.
bool isUsed(Database& database, std::string_view direction, std::string_view code)
{
    return anyRow(database, "出納帳",
                  [&](const TableCursor& row) {
                      return row.value("出_収支区分") == direction &&
                             row.value("出_費目番号") == code;
                  }) ||
           anyRow(database, "出納明細", [&](const TableCursor& row) {
               return row.value("明_収支区分") == direction && row.value("明_費目番号") == code;
           });
}

} // namespace

ExpenseItemRegister::ExpenseItemRegister(DatabaseLocation location)
    : m_location(std::move(location))
{
}

std::vector<ExpenseItem> ExpenseItemRegister::list(Filter filter) const
{
    const std::string_view direction = directionOf(filter);
    Database database = Database::open(m_location);
    TableCursor rows = database.table(kTable);
    rows.setIndex("Key_費目");
    rows.seek(Seek::AtLeast, {std::string(direction), ""});
    std::vector<ExpenseItem> items;
    for (; !rows.eof(); rows.moveNext()) {
        if (!direction.empty() && rows.value("費_収支区分") != direction) {
            break;
        }
        items.push_back(itemAt(rows));
    }
    return items;
}

std::optional<ExpenseItem> ExpenseItemRegister::find(std::string_view direction,
                                                     std::string_view code) const
{
    Database database = Database::open(m_location);
    TableCursor rows = database.table(kTable);
    rows.setIndex("Key_費目");
    rows.seek(Seek::Equal, {std::string(direction), std::string(code)});
    if (rows.noMatch()) {
        return std::nullopt;
    }
    return itemAt(rows);
}

CheckReport ExpenseItemRegister::check(const ExpenseItem& item) const
{
    CheckReport report(FieldCount);
    if (isBlank(item.code)) {
        report.fail(Code, kEnterCode);
    } else if (isCarryForward(item.code)) {
        report.fail(Code, kCarryForward);
    } else if (!isItemCode(item.code)) {
        report.fail(Code, kCodeFormat);
    }
    if (isBlank(item.name)) {
        report.fail(Name, kEnterName);
    }
    if (report.ok()) {
        Database database = Database::open(m_location);
        if (nameTakenByAnother(database, item)) {
            report.fail(Name, kNameTaken);
        }
    }
    return report;
}

void ExpenseItemRegister::save(const ExpenseItem& item) const
{
    Database database = Database::open(m_location);
    TableCursor row = database.table(kTable);
    row.editOrAddNew({item.direction, item.code});
    row.setValue("費_名称", item.name);
    row.setValue("費_略称", item.shortName);
    row.setValue("費_備考", item.remark);
    row.update();
}

ExpenseItemRegister::Removal ExpenseItemRegister::remove(std::string_view direction,
                                                         std::string_view code) const
{
    Database database = Database::open(m_location);
    // The check and the delete see the same rows: nothing can start using the item in between.
    Transaction transaction(database);
    TableCursor row = database.table(kTable);
    row.setIndex("Key_費目");
    row.seek(Seek::Equal, {std::string(direction), std::string(code)});
    if (row.noMatch()) {
        return Removal::NotRegistered;
    }
    if (isCarryForward(code)) {
        return Removal::CarryForward;
    }
    if (isUsed(database, direction, code)) {
        return Removal::InUse;
    }
    row.deleteRow();
    transaction.commit();
    return Removal::Deleted;
}

} // namespace zoruka
