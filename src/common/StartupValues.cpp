#include "common/StartupValues.h"

#include <cstdio>
#include <ctime>
#include <optional>

namespace zoruka {

namespace {

std::optional<StartupValues>& fixedValues()
{
    static std::optional<StartupValues> values;
    return values;
}

} // namespace

std::string formatShortDate(const CalendarDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", date.year % 100, date.month, date.day);
    return text;
}

StartupValues StartupValues::forDate(const CalendarDate& date)
{
    StartupValues values;
    values.today = formatShortDate(date);
    char year[16];
    std::snprintf(year, sizeof year, "%04d", date.year);
    values.thisYear = year;
    values.weekdayNames = {"日", "月", "火", "水", "木", "金", "土"};
    return values;
}

CalendarDate StartupValues::systemToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void StartupValues::fix(const CalendarDate& today) { fixedValues() = forDate(today); }

const StartupValues& StartupValues::current()
{
    if (!fixedValues()) {
        fix(systemToday());
    }
    return *fixedValues();
}

} // namespace zoruka
