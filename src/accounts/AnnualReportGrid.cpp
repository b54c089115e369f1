#include "accounts/AnnualReportGrid.h"

#include "common/NumberFormat.h"
#include "registers/ListGrid.h"

namespace zoruka {

namespace {

using namespace annual_report;

class GridRows {
public:
    explicit GridRows(GridModel& grid) : m_grid(grid) {}

    // A row of `label`, its twelve months and its total; months of 0 are left blank unless
    // `showZero`.
    void add(std::string_view label, const MonthAmounts& months, long long total, bool showZero)
    {
        ++m_row;
        m_grid.cell(m_row, 0).text = label;
        for (std::size_t month = 0; month < months.size(); ++month) {
            if (showZero || months[month] != 0) {
                amount(static_cast<int>(month) + 1, months[month]);
            }
        }
        amount(kTotalColumn, total);
    }

    // A row of `label` with an amount under 合計 only.
    void add(std::string_view label, long long total)
    {
        ++m_row;
        m_grid.cell(m_row, 0).text = label;
        amount(kTotalColumn, total);
    }

private:
    static constexpr int kTotalColumn = 13;

    void amount(int column, long long yen)
    {
        m_grid.cell(m_row, column) = {formatAmount(yen), CellAlignment::Right};
    }

    GridModel& m_grid;
    int m_row = 0;
};

} // namespace

GridModel annualReportGrid(const AnnualReport& report)
{
    std::vector<std::string> headings = monthHeadings(report.year);
    std::vector<std::string_view> headers{"費目"};
    headers.insert(headers.end(), headings.begin(), headings.end());
    headers.push_back("合計");
    std::vector<int> twips(14, 900);
    twips.front() = 2000;
    twips.back() = 1200;
    const std::size_t dataRows = report.income.items.size() + report.expense.items.size() + 5;
    GridModel grid = listGrid(headers, twips, 0, dataRows);

    GridRows rows(grid);
    rows.add(kCarryIn, report.carryIn);
    for (const AnnualItem& item : report.income.items) {
        rows.add(item.name, item.months, item.total, false);
    }
    rows.add(kIncomeTotal, report.income.months, report.income.total, true);
    for (const AnnualItem& item : report.expense.items) {
        rows.add(item.name, item.months, item.total, false);
    }
    rows.add(kExpenseTotal, report.expense.months, report.expense.total, true);
    rows.add(kBalance, report.monthlyBalance(), report.balance(), true);
    rows.add(kCarryOut, report.carryOut());
    return grid;
}

} // namespace zoruka
