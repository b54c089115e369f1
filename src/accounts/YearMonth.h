#pragma once

#include "accounts/EntryDate.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// A month of the books, 2000/01 … 2099/12: the years the two-digit date texts stand for.
struct YearMonth {
    int year = 2000; // four digits
    int month = 1;   // 1 … 12

    // The month as the tables key it: yy and mm texts, day "01".
    EntryDate first() const;
    // The month after this one (2099/12 has none inside the books: check with valid()).
    YearMonth next() const;
    // Months since 2000/01, so that months can be counted and compared.
    int index() const { return (year - 2000) * 12 + month - 1; }
    bool valid() const { return year >= 2000 && year <= 2099 && month >= 1 && month <= 12; }
    // "yyyy/mm", as the command line and the CSV files write months.
    std::string text() const;

    auto operator<=>(const YearMonth&) const = default;
};

// The month of the books whose yy and mm texts these are; nothing for texts that are no month
// (a row another program wrote).
std::optional<YearMonth> monthOf(std::string_view yy, std::string_view mm);

// A month typed as yyyy/mm or yy/mm ("2026/04", "26/4"; full-width digits and slashes count as
// their ASCII forms): nothing unless it names a month of the books.
std::optional<YearMonth> parseYearMonth(std::string_view typed);

// The months from `first` to `last`, both included; empty when `last` comes before `first`.
struct MonthRange {
    YearMonth first;
    YearMonth last;

    std::vector<YearMonth> months() const;
    // Whether `month` lies in the range.
    bool holds(const YearMonth& month) const { return first <= month && month <= last; }

    bool operator==(const MonthRange&) const = default;
};

} // namespace zoruka
