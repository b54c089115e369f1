#include "matchtable/TeamGenerator.h"

#include <benchmark/benchmark.h>

namespace {

// Args: A-team size, B-team size, courts, games.
void BM_TeamTable(benchmark::State& state)
{
    const auto arg = [&](int i) { return static_cast<int>(state.range(i)); };
    for (auto _ : state) {
        benchmark::DoNotOptimize(zoruka::TeamGenerator::generate(arg(0), arg(1), arg(2), arg(3)));
    }
}

} // namespace

// Typical club matches, up to 16 players a team on 4 courts for 20 games.
BENCHMARK(BM_TeamTable)
    ->Args({8, 8, 2, 20})
    ->Args({12, 11, 4, 20})
    ->Args({16, 16, 4, 20})
    ->Unit(benchmark::kMillisecond);
// The largest tables.
BENCHMARK(BM_TeamTable)
    ->Args({50, 50, 25, 50})
    ->Args({40, 40, 12, 50})
    ->Args({45, 45, 9, 50})
    ->Unit(benchmark::kMillisecond);
