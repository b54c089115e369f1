#include "accounts/print/MonthlyReportPrint.h"
#include "matchtable/DoublesGenerator.h"
#include "output/DoublesPrint.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zoruka;

// A month of 99 entries and 40 payers whose names and notes are `length` characters long, each
// of them measured and fitted into its column.
void BM_MonthlyReportPrint(benchmark::State& state)
{
    std::string text;
    for (int i = 0; i < state.range(0); ++i) {
        text += "備";
    }
    MonthlyReport report{text, {"26", "04", "01"}, {}, {}, {}};
    for (int i = 0; i < 99; ++i) {
        report.book.rows.push_back({"10", "1", "10200", text, 3000, 3000 * (i + 1), text});
    }
    for (int i = 0; i < 40; ++i) {
        report.payments.push_back({"10", "1", "10200", text, text + std::to_string(i), 3000});
    }
    report.totals = monthTotals(report.book, report.month);
    for (auto _ : state) {
        benchmark::DoNotOptimize(printMonthlyReport(report, {true, true}));
    }
}

// The largest printable doubles table: every two-digit number placed by its width.
void BM_DoublesSheets(benchmark::State& state)
{
    const MatchTable table = DoublesGenerator::generate(50, 8, 50);
    for (auto _ : state) {
        benchmark::DoNotOptimize(printDoubles(table));
    }
}

} // namespace

BENCHMARK(BM_MonthlyReportPrint)->Arg(5)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DoublesSheets)->Unit(benchmark::kMillisecond);
