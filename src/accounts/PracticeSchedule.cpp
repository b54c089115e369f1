#include "accounts/PracticeSchedule.h"

#include "store/Database.h"
#include "store/Transaction.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace zoruka {

namespace {

constexpr std::string_view kTable = "練習予定";
constexpr std::string_view kKey = "Key_練習予定";

// A cursor on the first practice day of the month, if any; walk while inMonth() holds.
TableCursor monthStart(Database& database, const EntryDate& first)
{
    TableCursor days = database.table(kTable);
    days.setIndex(kKey);
    days.seek(Seek::AtLeast, {first.yy, first.mm, ""});
    return days;
}

bool inMonth(const TableCursor& days, const EntryDate& first)
{
    return !days.eof() && days.value("練_年") == first.yy && days.value("練_月") == first.mm;
}

std::string dayText(int day)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", day);
    return text;
}

} // namespace

std::vector<int> readPracticeDays(const DatabaseLocation& location, const EntryDate& first)
{
    Database database = Database::open(location);
    std::vector<int> found;
    for (TableCursor days = monthStart(database, first); inMonth(days, first); days.moveNext()) {
        const std::optional<EntryDate> date =
            parseEntryDate(first.yy + "/" + first.mm + "/" + days.value("練_日"));
        // Only this program writes the table; a row that names no day of the month is no
        // practice day to show.
        if (date) {
            found.push_back(std::stoi(date->dd));
        }
    }
    return found;
}

void storePracticeDays(const DatabaseLocation& location, const EntryDate& first,
                       const std::vector<int>& days)
{
    const int lastDay = std::stoi(monthEnds(first).lastDay.dd);
    std::vector<int> sorted = days;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (!sorted.empty() && (sorted.front() < 1 || sorted.back() > lastDay)) {
        throw std::invalid_argument("a practice day outside its month");
    }

    Database database = Database::open(location);
    Transaction transaction(database);
    for (TableCursor old = monthStart(database, first); inMonth(old, first); old.moveNext()) {
        old.deleteRow();
    }
    TableCursor added = database.table(kTable);
    for (const int day : sorted) {
        added.addNew();
        added.setValue("練_年", first.yy);
        added.setValue("練_月", first.mm);
        added.setValue("練_日", dayText(day));
        added.update();
    }
    transaction.commit();
}

} // namespace zoruka
