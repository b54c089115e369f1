#pragma once

#include "accounts/YearMonth.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// A fiscal year of the club: twelve months from its start month (the master setting 年度開始月),
// named by the calendar year it starts in. With April, 2025年度 runs from 2025/04 to 2026/03.
struct FiscalYear {
    int year = 2000;
    int startMonth = 4; // 1 … 12

    MonthRange months() const;
    // "2025年度".
    std::string label() const;
    // "2025年04月01日～2026年03月31日".
    std::string periodText() const;

    bool operator==(const FiscalYear&) const = default;
};

// The fiscal years whose twelve months all lie within the books (2000/01 … 2099/12).
inline constexpr int kFirstFiscalYear = 2000;
int lastFiscalYear(int startMonth);

// The fiscal year starting in `year` as typed or chosen ("2025", "２０２５"): nothing unless it is
// a whole number from kFirstFiscalYear to lastFiscalYear(startMonth).
std::optional<FiscalYear> parseFiscalYear(std::string_view typed, int startMonth);

// The fiscal year that holds `month` (its first one for months before the books' first year).
FiscalYear fiscalYearOf(const YearMonth& month, int startMonth);

// The years a fiscal-year combo offers, "2008" … the year of `today`'s fiscal year.
std::vector<std::string> fiscalYearChoices(const YearMonth& today, int startMonth);

} // namespace zoruka
