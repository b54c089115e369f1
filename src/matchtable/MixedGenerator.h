#pragma once

#include "matchtable/ResultStore.h"

namespace zoruka {

// Builds a mixed doubles table for men 1..M and women 1..W on C courts for G games; every pair
// is one man (member 1) and one woman (member 2).
// - Pairing: each game takes the next 2 x C men and the next 2 x C women in rotation and pairs
//   every man with a woman he has never partnered (MixedPairSearch). The table ends at the first
//   game that cannot be paired.
// - Courts: each game's pairs are then shuffled over the courts so that players who faced each
//   other in earlier games meet as rarely as possible: the lowest worst repeat wins, then the
//   lowest repeat sum, then fewest meetings of the previous game.
// The table depends only on M, W, C and G.
class MixedGenerator {
public:
    // One game's pairing may look at men's positions at most this often; past it the game
    // fails as if withdrawing had run out.
    static constexpr long kScanStepLimit = 3'000'000;

    // Pairs of two, 2 x C pair slots (courts x sides) per game.
    static RunParameters parameters(int men, int women, int courts, int games);

    // Requires 0 <= M, W, G <= 50, 0 <= C and 2 x C <= min(M, W); throws std::invalid_argument
    // otherwise.
    static MatchTable generate(int men, int women, int courts, int games);
};

} // namespace zoruka
