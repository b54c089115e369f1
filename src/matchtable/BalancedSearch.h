#pragma once

#include "matchtable/SeatLayout.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace zoruka {

// A table for the balanced search to fill. Players are ids 0 .. n - 1, group 0's numbers
// 1 .. groupSize[0] first, then group 1's; a game is the id on every seat, court by court
// (courts x seatsPerCourt of the kind's SeatLayout).
struct SearchTask {
    MatchKind kind = MatchKind::Doubles;
    int courts = 0;
    int games = 0;                  // games of the whole table, kept ones included
    std::array<int, 2> groupSize{}; // highest number of each group; 0 for doubles' group 1
    // The first games of the table, kept exactly as they stand.
    std::vector<std::vector<int>> keptGames;
    std::vector<bool> present;         // per id: takes part in the new games
    std::vector<int> restsSoFar;       // per id: rests counted before the first new game
    std::vector<bool> restedLast;      // per id: rested in the last kept game
    std::vector<int> doubleRestsSoFar; // per id: times rested in two kept games in a row
    // A group of exactly twice as many players as it puts on court may give a player one double
    // rest, so that the two halves meet; otherwise nobody rests twice in a row while fewer rest
    // than play.
    bool mixHalves = false;
    std::uint64_t seed = 0;

    int ids() const { return groupSize[0] + groupSize[1]; }
};

// The search anneals for `steps` moves; while its best table misses a promise it goes on from
// that table for further rounds of half as many, at most `rounds` in all. It stops early once no
// table can be better. `seconds` is only a safety stop per round, for a machine far slower than
// the step counts were sized for. `progress` (may be empty) hears the share of all the steps
// done, 0 .. 100, about a hundred times.
struct SearchLimits {
    long steps = 0;
    int rounds = 1;
    int restarts = 0; // whole searches more, from other starts, while the table misses a promise
    double seconds = 10.0;
    std::function<void(int percent)> progress;
};

// Fills the games after the kept ones. Within every new game each present player plays at most
// once, on a seat of his group, and rests otherwise:
// - rests stay as even as can be: after every game the rests of two present players of a group
//   differ by at most one (newcomers count as many as the fewest so far); nobody rests in two
//   games in a row while fewer of the group rest than play (see SearchTask::mixHalves);
// - among such tables it looks for one where partnerships repeat as rarely and as evenly as
//   possible, and then opponents: no two players meet much more often than any other two. For
//   fixed pairs, where partners never change, every A pair meets every B pair once before any
//   two meet again (and so on, round after round).
// The same task and limits give the same table. Returns the new games' seats.
std::vector<std::vector<int>> runBalancedSearch(const SearchTask& task, const SearchLimits& limits);

} // namespace zoruka
