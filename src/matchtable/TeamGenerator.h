#pragma once

#include "matchtable/ResultStore.h"

namespace zoruka {

// Builds an A-team against B-team table: on every court of every game one pair of the A team
// (slot 2c-1) plays one pair of the B team (slot 2c). Players are numbered within their team.
// - Each team rotates its own rests and never repeats a partnership; pairs are formed in
//   ascending partner order with backtracking (PairSearch), team A first, then team B.
// - Each game is tried up to five times, each attempt giving the first listed player of each
//   team another partner; the B pairs of an attempt are rotated over the courts to meet the
//   fewest earlier opponents, and the best attempt is kept.
// The table ends at the first game that cannot be built, and depends only on its counts.
class TeamGenerator {
public:
    static constexpr int kAttemptsPerGame = 5;
    // One team's pass may look at game-list positions at most this often; past it the pass fails
    // as if backtracking had run out.
    static constexpr long kScanStepLimit = 3'000'000;

    // Pairs of two; 2 x C players of each team on court per game.
    static RunParameters parameters(int teamA, int teamB, int courts, int games);

    // Requires 0 <= NA, NB, G <= 50, 0 <= C and 2 x C <= min(NA, NB); throws
    // std::invalid_argument otherwise.
    static MatchTable generate(int teamA, int teamB, int courts, int games);
};

} // namespace zoruka
