#include "accounts/YearMonth.h"

#include "common/TypedNumber.h"

#include <cstdio>

namespace zoruka {

namespace {

std::string twoDigits(int number)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", number % 100);
    return text;
}

} // namespace

EntryDate YearMonth::first() const { return {twoDigits(year), twoDigits(month), "01"}; }

YearMonth YearMonth::next() const
{
    return month == 12 ? YearMonth{year + 1, 1} : YearMonth{year, month + 1};
}

std::string YearMonth::text() const { return std::to_string(year) + "/" + twoDigits(month); }

std::optional<YearMonth> monthOf(std::string_view yy, std::string_view mm)
{
    const auto twoDigitNumber = [](std::string_view text) -> std::optional<int> {
        const auto digit = [](char c) { return c >= '0' && c <= '9'; };
        if (text.size() != 2 || !digit(text[0]) || !digit(text[1])) {
            return std::nullopt;
        }
        return (text[0] - '0') * 10 + (text[1] - '0');
    };
    const std::optional<int> year = twoDigitNumber(yy);
    const std::optional<int> month = twoDigitNumber(mm);
    const YearMonth found{2000 + year.value_or(0), month.value_or(0)};
    if (!year || !month || !found.valid()) {
        return std::nullopt;
    }
    return found;
}

std::optional<YearMonth> parseYearMonth(std::string_view typed)
{
    const std::optional<EntryDate> first = parseEntryDate(normalisedInput(typed) + "/01");
    if (!first) {
        return std::nullopt;
    }
    return monthOf(first->yy, first->mm);
}

std::vector<YearMonth> MonthRange::months() const
{
    std::vector<YearMonth> months;
    for (YearMonth month = first; month <= last; month = month.next()) {
        months.push_back(month);
    }
    return months;
}

} // namespace zoruka
