#include "TenYearFile.h"

#include "accounts/AnnualReport.h"
#include "accounts/AnnualReportGrid.h"
#include "accounts/print/AnnualReportPrint.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zoruka;
using bench::tenYearFile;

// The annual report screen's display of a fiscal year from the ten-year file (1,200 of its
// 12,000 entries): the year read and its grid built.
void BM_AnnualReportOfTenYearFile(benchmark::State& state)
{
    const DatabaseLocation location = tenYearFile().location();
    for (auto _ : state) {
        benchmark::DoNotOptimize(annualReportGrid(readAnnualReport(location, {2021, 4})));
    }
}

// The same year read and laid out as its printed sheets.
void BM_AnnualReportSheets(benchmark::State& state)
{
    const DatabaseLocation location = tenYearFile().location();
    for (auto _ : state) {
        benchmark::DoNotOptimize(printAnnualReport(readAnnualReport(location, {2021, 4})));
    }
}

} // namespace

BENCHMARK(BM_AnnualReportOfTenYearFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnnualReportSheets)->Unit(benchmark::kMillisecond);
