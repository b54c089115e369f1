#include "accounts/print/MonthlyReportPrint.h"
#include "matchtable/DoublesGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "output/DoublesPrint.h"
#include "output/MixedPrint.h"
#include "output/PlayerSheetsPrint.h"

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

Roster namesOf(int men, int women, const std::string& name)
{
    std::vector<std::string> first;
    std::vector<std::string> second;
    for (int k = 1; k <= men; ++k) {
        first.push_back(name + std::to_string(k));
    }
    for (int k = 1; k <= women; ++k) {
        second.push_back(name + std::to_string(k) + "子");
    }
    return Roster(first, second);
}

// The largest printable mixed table with a hundred names, each fitted into its legend column.
void BM_MixedSheetsWithLegend(benchmark::State& state)
{
    MatchTable table = MixedGenerator::generate(50, 50, 8, 50);
    table.roster = namesOf(50, 50, "長谷川三郎");
    for (auto _ : state) {
        benchmark::DoNotOptimize(printMixed(table));
    }
}

// The players' sheets of a hundred players over fifty games: a line per player and game.
void BM_PlayerSheets(benchmark::State& state)
{
    MatchTable table = MixedGenerator::generate(50, 50, 25, 50);
    table.roster = namesOf(50, 50, "長谷川三郎");
    for (auto _ : state) {
        benchmark::DoNotOptimize(printPlayerSheets(MatchKind::Mixed, table));
    }
}

} // namespace

BENCHMARK(BM_MixedSheetsWithLegend)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerSheets)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthlyReportPrint)->Arg(5)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DoublesSheets)->Unit(benchmark::kMillisecond);
