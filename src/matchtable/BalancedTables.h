#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace zoruka {

// How a balanced table is made: the seed of its search (the same counts and seed give the same
// table), whether halves of exactly twice as many players as places may mix ("前後半を混ぜる",
// at the price of one double rest for some players), and who hears the search's progress
// (0 .. 100 percent; may be empty).
struct BalancedOptions {
    std::uint32_t seed = 0;
    bool mixHalves = false;
    std::function<void(int percent)> progress;
};

// The balanced table ("バランス") of a kind for the counts of `params`, as the kind's setup check
// gives them: always every game asked for. Partnerships (fixed pairs: meetings of an A pair and
// a B pair) repeat only past gamesBound, and then as evenly as can be; opponents meet as evenly as
// can be; rests stay within one of each other at every game and nobody rests twice in a row
// while fewer rest than play. Doubles of 4C or 4C + 1 players are whist tournaments where one is
// known (every two players partners once and opponents twice). The table carries its own rests.
// Requires the counts the kind's exact generator requires; throws std::invalid_argument otherwise.
MatchTable balancedTable(MatchKind kind, const RunParameters& params,
                         const BalancedOptions& options);

// A change of lineup part way through a table ("途中変更"): from game `fromGame` on, the groups
// run up to the sizes in `params` (newcomers take the numbers after the last), without the
// players listed in `leaving`, for `params.games` games in all on the same courts.
struct LineupChange {
    int fromGame = 1;
    RunParameters params;
    std::array<std::vector<int>, 2> leaving; // numbers per rotation group
};

// Games 1 .. fromGame - 1 of `previous` exactly as they stand; the others built balanced for the
// new lineup, counting the partners, opponents and rests of the kept games: nobody partners
// someone again while avoidable, and newcomers' rests start level with the fewest so far.
// Extending a table is a change from its last game + 1 with the same lineup. Requires
// 1 <= fromGame <= built games + 1 <= params.games + 1, the courts of `previous`, numbers within
// 1 .. 50 and enough players left to fill the courts; throws std::invalid_argument otherwise.
MatchTable rebuiltTable(MatchKind kind, const MatchTable& previous, const LineupChange& change,
                        const BalancedOptions& options);

} // namespace zoruka
