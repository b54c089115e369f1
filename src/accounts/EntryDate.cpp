#include "accounts/EntryDate.h"

#include "common/TypedNumber.h"

#include <cstdio>

namespace zoruka {

namespace {

constexpr int kFirstListedYear = 8;
constexpr int kLastListedYear = 20;

std::string twoDigits(int number)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", number % 100);
    return text;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// A part of a typed date: one to `maxDigits` ASCII digits, nothing else.
std::optional<int> datePart(std::string_view part, std::size_t maxDigits)
{
    if (part.empty() || part.size() > maxDigits) {
        return {};
    }
    int value = 0;
    for (const char c : part) {
        if (c < '0' || c > '9') {
            return {};
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string withAsciiSlashes(std::string text)
{
    static constexpr std::string_view kWideSlash = "／";
    for (std::size_t at = text.find(kWideSlash); at != std::string::npos;
         at = text.find(kWideSlash, at + 1)) {
        text.replace(at, kWideSlash.size(), "/");
    }
    return text;
}

} // namespace

std::string EntryDate::text() const { return yy + "/" + mm + "/" + dd; }

std::optional<EntryDate> parseEntryDate(std::string_view typed)
{
    const std::string normal = withAsciiSlashes(normalisedInput(typed));
    const std::size_t first = normal.find('/');
    const std::size_t second = first == std::string::npos ? first : normal.find('/', first + 1);
    if (second == std::string::npos) {
        return {};
    }
    const std::string_view text(normal);
    const std::string_view yearText = text.substr(0, first);
    const std::optional<int> year =
        yearText.size() == 4 ? datePart(yearText, 4) : datePart(yearText, 2);
    const std::optional<int> month = datePart(text.substr(first + 1, second - first - 1), 2);
    const std::optional<int> day = datePart(text.substr(second + 1), 2);
    if (!year || !month || !day) {
        return {};
    }
    const int fullYear = yearText.size() == 4 ? *year : 2000 + *year;
    if (fullYear < 2000 || fullYear > 2099 || *month < 1 || *month > 12 || *day < 1 ||
        *day > daysInMonth(fullYear, *month)) {
        return {};
    }
    return EntryDate{twoDigits(fullYear), twoDigits(*month), twoDigits(*day)};
}

std::optional<EntryDate> firstOfMonth(std::string_view yy, std::string_view mm)
{
    return parseEntryDate(std::string(yy) + "/" + std::string(mm) + "/01");
}

MonthEnds monthEnds(const EntryDate& date)
{
    const int year = 2000 + datePart(date.yy, 2).value();
    const int month = datePart(date.mm, 2).value();
    const int nextYear = month == 12 ? year + 1 : year;
    const int nextMonth = month == 12 ? 1 : month + 1;
    return {{twoDigits(year), twoDigits(month), twoDigits(daysInMonth(year, month))},
            {twoDigits(nextYear), twoDigits(nextMonth), "01"}};
}

std::vector<std::string> yearChoices(std::string_view thisYy)
{
    const std::optional<int> thisYear = datePart(thisYy, 2);
    const int last = thisYear && *thisYear > kLastListedYear ? *thisYear : kLastListedYear;
    std::vector<std::string> years;
    for (int year = kFirstListedYear; year <= last; ++year) {
        years.push_back(twoDigits(year));
    }
    return years;
}

std::vector<std::string> twoDigitChoices(int last)
{
    std::vector<std::string> choices;
    for (int number = 1; number <= last; ++number) {
        choices.push_back(twoDigits(number));
    }
    return choices;
}

} // namespace zoruka
