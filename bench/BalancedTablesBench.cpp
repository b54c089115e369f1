#include "matchtable/BalancedTables.h"
#include "matchtable/KindCounts.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zoruka;

// Args: kind, group A, group B, courts, games.
void buildBalanced(benchmark::State& state, bool mixHalves)
{
    const auto kind = static_cast<MatchKind>(state.range(0));
    const RunParameters params =
        kindParameters(kind, {static_cast<int>(state.range(1)), static_cast<int>(state.range(2))},
                       static_cast<int>(state.range(3)), static_cast<int>(state.range(4)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(balancedTable(kind, params, {0, mixHalves, {}}));
    }
}

void BM_BalancedTable(benchmark::State& state) { buildBalanced(state, false); }
// Exactly twice as many players as places, the halves mixed: their plan of blocks comes first.
void BM_BalancedTableHalvesMixed(benchmark::State& state) { buildBalanced(state, true); }

constexpr int kDoubles = static_cast<int>(MatchKind::Doubles);
constexpr int kMixed = static_cast<int>(MatchKind::Mixed);
constexpr int kTeam = static_cast<int>(MatchKind::Team);
constexpr int kFixed = static_cast<int>(MatchKind::FixedPairs);

} // namespace

// Typical club tables: at most 32 players on 8 courts for 30 games (under 200 ms each).
BENCHMARK(BM_BalancedTable)
    ->Args({kDoubles, 16, 0, 3, 20})
    ->Args({kDoubles, 24, 0, 5, 30})
    ->Args({kDoubles, 30, 0, 4, 30})
    ->Args({kDoubles, 32, 0, 8, 30})
    ->Args({kMixed, 10, 10, 2, 20})
    ->Args({kMixed, 16, 16, 6, 30})
    ->Args({kTeam, 12, 12, 2, 20})
    ->Args({kTeam, 16, 16, 6, 30})
    ->Args({kFixed, 8, 8, 4, 20})
    ->Args({kFixed, 11, 11, 6, 30})
    ->Args({kFixed, 16, 16, 9, 30})
    ->Unit(benchmark::kMillisecond);
// The largest tables (under 2 s each).
BENCHMARK(BM_BalancedTable)
    ->Args({kDoubles, 50, 0, 12, 50})
    ->Args({kMixed, 50, 50, 25, 50})
    ->Args({kTeam, 50, 50, 25, 50})
    ->Args({kFixed, 50, 50, 50, 50})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalancedTableHalvesMixed)
    ->Args({kDoubles, 8, 0, 1, 30})
    ->Args({kDoubles, 8, 0, 1, 50})
    ->Args({kTeam, 4, 4, 1, 30})
    ->Args({kDoubles, 16, 0, 2, 20})
    ->Args({kDoubles, 32, 0, 4, 30})
    ->Args({kMixed, 12, 12, 3, 30})
    ->Args({kTeam, 16, 16, 4, 30})
    ->Args({kMixed, 48, 48, 12, 50})
    ->Unit(benchmark::kMillisecond);
