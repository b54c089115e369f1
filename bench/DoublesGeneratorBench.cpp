#include "matchtable/DoublesGenerator.h"

#include <benchmark/benchmark.h>

namespace {

// Args: participants, courts, games.
void BM_DoublesTable(benchmark::State& state)
{
    const auto participants = static_cast<int>(state.range(0));
    const auto courts = static_cast<int>(state.range(1));
    const auto games = static_cast<int>(state.range(2));
    for (auto _ : state) {
        benchmark::DoNotOptimize(zoruka::DoublesGenerator::generate(participants, courts, games));
    }
}

} // namespace

// Typical club evenings, up to 32 participants on 6 courts for 20 games.
BENCHMARK(BM_DoublesTable)
    ->Args({9, 2, 20})
    ->Args({16, 3, 20})
    ->Args({24, 5, 20})
    ->Args({28, 6, 20})
    ->Args({32, 6, 20})
    ->Unit(benchmark::kMillisecond);
// The largest table: attempts that cannot complete run into the scan-step limit.
BENCHMARK(BM_DoublesTable)->Args({50, 12, 50})->Unit(benchmark::kMillisecond);
