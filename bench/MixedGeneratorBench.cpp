#include "matchtable/MixedGenerator.h"

#include <benchmark/benchmark.h>

namespace {

// Args: men, women, courts, games.
void BM_MixedTable(benchmark::State& state)
{
    const auto arg = [&](int i) { return static_cast<int>(state.range(i)); };
    for (auto _ : state) {
        benchmark::DoNotOptimize(zoruka::MixedGenerator::generate(arg(0), arg(1), arg(2), arg(3)));
    }
}

} // namespace

// Typical club evenings, up to 20 men and 20 women on 6 courts for 20 games.
BENCHMARK(BM_MixedTable)
    ->Args({8, 8, 2, 20})
    ->Args({12, 10, 4, 20})
    ->Args({20, 14, 6, 20})
    ->Args({20, 20, 6, 20})
    ->Unit(benchmark::kMillisecond);
// The largest tables.
BENCHMARK(BM_MixedTable)
    ->Args({50, 50, 25, 50})
    ->Args({50, 50, 11, 50})
    ->Args({39, 39, 18, 50})
    ->Unit(benchmark::kMillisecond);
