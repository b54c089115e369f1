#include "matchtable/FixedPairGenerator.h"

#include <benchmark/benchmark.h>

namespace {

// Args: A pairs, B pairs, courts, games.
void BM_FixedPairTable(benchmark::State& state)
{
    const auto arg = [&](int i) { return static_cast<int>(state.range(i)); };
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            zoruka::FixedPairGenerator::generate(arg(0), arg(1), arg(2), arg(3)));
    }
}

} // namespace

BENCHMARK(BM_FixedPairTable)
    ->Args({8, 8, 4, 20})
    ->Args({50, 50, 50, 50})
    ->Args({50, 40, 40, 50})
    ->Unit(benchmark::kMicrosecond);
