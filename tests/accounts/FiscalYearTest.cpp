#include "accounts/FiscalYear.h"

#include <gtest/gtest.h>

namespace zoruka {
namespace {

TEST(YearMonth, IsTypedAsYearSlashMonthWithTwoOrFourDigitYears)
{
    for (const auto& [typed, year, month] :
         {std::tuple{"2026/04", 2026, 4}, std::tuple{"26/4", 2026, 4},
          std::tuple{" ２０２６／１２ ", 2026, 12}, std::tuple{"2000/01", 2000, 1}}) {
        EXPECT_EQ(parseYearMonth(typed), (YearMonth{year, month})) << typed;
    }
    for (const char* typed : {"", "2026", "2026/13", "2026/00", "1999/12", "2100/01", "2026/04/01",
                              "2026-04", "abc/04"}) {
        EXPECT_EQ(parseYearMonth(typed), std::nullopt) << typed;
    }
}

TEST(YearMonth, RangesRunAcrossTheCalendarYear)
{
    const MonthRange range{{2025, 11}, {2026, 2}};
    EXPECT_EQ(range.months(),
              (std::vector<YearMonth>{{2025, 11}, {2025, 12}, {2026, 1}, {2026, 2}}));
    EXPECT_TRUE(range.holds({2026, 1}));
    EXPECT_FALSE(range.holds({2026, 3}));
    EXPECT_TRUE((MonthRange{{2026, 2}, {2025, 11}}.months().empty()));
    EXPECT_EQ((YearMonth{2025, 12}.first()), (EntryDate{"25", "12", "01"}));
    EXPECT_EQ((YearMonth{2025, 3}.text()), "2025/03");
    EXPECT_EQ(monthOf("25", "03"), (YearMonth{2025, 3}));
    EXPECT_EQ(monthOf("2a", "03"), std::nullopt);
    EXPECT_EQ(monthOf("25", "13"), std::nullopt);
}

TEST(FiscalYear, AnAprilYearRunsIntoTheNextCalendarYear)
{
    const FiscalYear year{2025, 4};
    EXPECT_EQ(year.months(), (MonthRange{{2025, 4}, {2026, 3}}));
    EXPECT_EQ(year.label(), "2025年度");
    EXPECT_EQ(year.periodText(), "2025年04月01日～2026年03月31日");
    EXPECT_EQ((FiscalYear{2024, 1}.periodText()), "2024年01月01日～2024年12月31日");
    EXPECT_EQ((FiscalYear{2023, 3}.periodText()), "2023年03月01日～2024年02月29日");
}

TEST(FiscalYear, TheYearOfAMonthDependsOnTheStartMonth)
{
    EXPECT_EQ(fiscalYearOf({2026, 3}, 4), (FiscalYear{2025, 4}));
    EXPECT_EQ(fiscalYearOf({2026, 4}, 4), (FiscalYear{2026, 4}));
    EXPECT_EQ(fiscalYearOf({2026, 1}, 1), (FiscalYear{2026, 1}));
    EXPECT_EQ(fiscalYearOf({2000, 2}, 4), (FiscalYear{2000, 4}));
    EXPECT_EQ(fiscalYearChoices({2010, 3}, 4), (std::vector<std::string>{"2008", "2009"}));
}

TEST(FiscalYear, OnlyYearsWhoseMonthsAreAllInTheBooksCanBeChosen)
{
    EXPECT_EQ(parseFiscalYear("2025", 4), (FiscalYear{2025, 4}));
    EXPECT_EQ(parseFiscalYear("２０２５", 10), (FiscalYear{2025, 10}));
    EXPECT_EQ(parseFiscalYear("2099", 1), (FiscalYear{2099, 1}));
    for (const char* typed : {"", "25", "1999", "2099", "2025年", "x"}) {
        EXPECT_EQ(parseFiscalYear(typed, 4), std::nullopt) << typed;
    }
}

} // namespace
} // namespace zoruka
