#include "accounts/AnnualReport.h"

#include "accounts/ClubName.h"
#include "registers/ExpenseItem.h"
#include "store/Database.h"
#include "store/ReadTransaction.h"

#include <map>

namespace zoruka {

namespace {

// Adds `amount` in month `index` to the item `code` of `side`, whose items are kept by code.
void add(std::map<std::string, AnnualItem>& items, AnnualSide& side, const std::string& code,
         std::size_t index, long long amount)
{
    AnnualItem& item = items[code];
    item.code = code;
    item.months[index] += amount;
    item.total += amount;
    side.months[index] += amount;
    side.total += amount;
}

// The side's items in code order, named from the register.
void nameItems(std::map<std::string, AnnualItem>& items, AnnualSide& side, TableCursor& register_,
               std::string_view kind)
{
    for (auto& [code, item] : items) {
        register_.seek(Seek::Equal, {std::string(kind), code});
        item.name = register_.noMatch() ? code : register_.value("費_名称");
        side.items.push_back(std::move(item));
    }
}

} // namespace

MonthAmounts AnnualReport::monthlyBalance() const
{
    MonthAmounts balance{};
    for (std::size_t month = 0; month < balance.size(); ++month) {
        balance[month] = income.months[month] - expense.months[month];
    }
    return balance;
}

std::vector<std::string> monthHeadings(const FiscalYear& year)
{
    std::vector<std::string> headings;
    for (const YearMonth& month : year.months().months()) {
        headings.push_back(std::to_string(month.month) + "月");
    }
    return headings;
}

AnnualReport readAnnualReport(const DatabaseLocation& location, const FiscalYear& year)
{
    AnnualReport report;
    report.clubName = readClubName(location);
    report.year = year;

    Database database = Database::open(location);
    const ReadTransaction snapshot(database);
    TableCursor entries = database.table("出納帳");
    entries.setIndex("Key_出納帳");
    const MonthRange range = year.months();
    const EntryDate start = range.first.first();
    std::map<std::string, AnnualItem> income;
    std::map<std::string, AnnualItem> expense;
    entries.seek(Seek::AtLeast, {start.yy, start.mm, "", "", ""});
    for (; !entries.eof(); entries.moveNext()) {
        const std::optional<YearMonth> month =
            monthOf(entries.value("出_年"), entries.value("出_月"));
        if (!month) {
            continue;
        }
        if (!range.holds(*month)) {
            break;
        }
        const auto index = static_cast<std::size_t>(month->index() - range.first.index());
        const std::string code = entries.value("出_費目番号");
        const long long amount = entries.number("出_金額");
        const bool isIncome = entries.value("出_収支区分") == kIncome;
        if (code == kCarryInItem || code == kCarryOutItem) {
            if (isIncome && code == kCarryInItem && index == 0) {
                report.carryIn += amount;
            }
            continue;
        }
        if (isIncome) {
            add(income, report.income, code, index, amount);
        } else {
            add(expense, report.expense, code, index, amount);
        }
    }

    TableCursor items = database.table("費目");
    items.setIndex("Key_費目");
    nameItems(income, report.income, items, kIncome);
    nameItems(expense, report.expense, items, kExpense);
    return report;
}

} // namespace zoruka
