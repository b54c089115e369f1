#include "accounts/MonthCalendar.h"

#include <chrono>
#include <string>

namespace zoruka {

namespace {

int twoDigitValue(const std::string& text) { return std::stoi(text); }

EntryDate firstDay(int yy, int month)
{
    return *parseEntryDate(std::to_string(yy) + "/" + std::to_string(month) + "/1");
}

} // namespace

EntryDate previousMonth(const EntryDate& first)
{
    const int yy = twoDigitValue(first.yy);
    const int month = twoDigitValue(first.mm);
    return month == 1 ? firstDay((yy + 99) % 100, 12) : firstDay(yy, month - 1);
}

EntryDate nextMonth(const EntryDate& first) { return monthEnds(first).nextFirst; }

CalendarWeeks calendarWeeks(const EntryDate& first)
{
    using namespace std::chrono;
    const year_month_day start{year{2000 + twoDigitValue(first.yy)},
                               month{static_cast<unsigned>(twoDigitValue(first.mm))}, day{1}};
    const int lastDay = twoDigitValue(monthEnds(first).lastDay.dd);

    CalendarWeeks weeks{};
    int column = static_cast<int>(weekday{sys_days{start}}.c_encoding());
    int week = 0;
    for (int dayOfMonth = 1; dayOfMonth <= lastDay; ++dayOfMonth) {
        weeks[static_cast<std::size_t>(week)][static_cast<std::size_t>(column)] = dayOfMonth;
        if (++column == 7) {
            column = 0;
            ++week;
        }
    }
    return weeks;
}

} // namespace zoruka
