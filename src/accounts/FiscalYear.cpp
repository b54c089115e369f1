#include "accounts/FiscalYear.h"

#include "common/TypedNumber.h"

#include <algorithm>

namespace zoruka {

namespace {

// The first year the date combos of the accounting screens offer.
constexpr int kFirstListedYear = 2008;

std::string dateText(const EntryDate& date)
{
    return "20" + date.yy + "年" + date.mm + "月" + date.dd + "日";
}

} // namespace

MonthRange FiscalYear::months() const
{
    const YearMonth first{year, startMonth};
    const YearMonth last =
        startMonth == 1 ? YearMonth{year, 12} : YearMonth{year + 1, startMonth - 1};
    return {first, last};
}

std::string FiscalYear::label() const { return std::to_string(year) + "年度"; }

std::string FiscalYear::periodText() const
{
    const MonthRange range = months();
    return dateText(range.first.first()) + "～" + dateText(monthEnds(range.last.first()).lastDay);
}

int lastFiscalYear(int startMonth) { return startMonth == 1 ? 2099 : 2098; }

std::optional<FiscalYear> parseFiscalYear(std::string_view typed, int startMonth)
{
    const TypedNumber year = readWholeNumber(typed, kFirstFiscalYear, lastFiscalYear(startMonth));
    if (year.status != NumberStatus::Ok) {
        return std::nullopt;
    }
    return FiscalYear{static_cast<int>(year.value), startMonth};
}

FiscalYear fiscalYearOf(const YearMonth& month, int startMonth)
{
    const int year = month.month >= startMonth ? month.year : month.year - 1;
    return {std::clamp(year, kFirstFiscalYear, lastFiscalYear(startMonth)), startMonth};
}

std::vector<std::string> fiscalYearChoices(const YearMonth& today, int startMonth)
{
    std::vector<std::string> years;
    for (int year = kFirstListedYear; year <= fiscalYearOf(today, startMonth).year; ++year) {
        years.push_back(std::to_string(year));
    }
    return years;
}

} // namespace zoruka
