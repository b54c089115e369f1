#pragma once

#include "matchtable/ResultStore.h"

namespace zoruka {

// Builds a doubles table among players 1..N on C courts for G games:
// - who plays is a plain rotation over the player numbers, so rests are spread evenly;
// - nobody partners the same player twice in the table;
// - pairs are formed greedily from the game's player list, alternating between low and high
//   partner numbers, backtracking when a player is left without a partner;
// - each game is tried in up to five attempts with mutually different pairs; the pairs of each
//   attempt are shuffled over the courts to avoid repeated opponents, and the attempt with the
//   fewest repeated meetings is kept.
// The table depends only on N, C and G. It ends at the first game that cannot be completed.
class DoublesGenerator {
public:
    static constexpr int kAttemptsPerGame = 5;
    // One attempt may look at game-list positions at most this often; past it, the attempt fails
    // as if backtracking had run out. Without it an attempt that cannot complete walks every
    // pairing, which for large tables takes billions of steps.
    static constexpr long kScanStepLimit = 3'000'000;

    // The run parameters of a doubles table: pairs of two, 4 x C players on court.
    static RunParameters parameters(int participants, int courts, int games);

    // Requires 0 <= N, C, G <= 50 and 4 x C <= N; throws std::invalid_argument otherwise.
    static MatchTable generate(int participants, int courts, int games);
};

} // namespace zoruka
