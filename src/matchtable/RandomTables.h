#pragma once

#include "matchtable/ResultStore.h"

#include <cstdint>

namespace zoruka {

// The random variants of the doubles and mixed doubles tables: who plays is the same rotation as
// in the deterministic tables (so the rests are identical), but each game's players are placed
// on the courts by chance, with no partner memory: every game is complete, and partners and
// opponents may repeat. One generator is seeded once per table, so a seed gives the same table
// again.

// Doubles: every player of the game draws a place 1..4C (places 4c-3, 4c-2 are court c's side A,
// 4c-1, 4c its side B); the last two players take the two places left, in ascending order.
// Requires the counts DoublesGenerator::generate requires.
MatchTable randomDoubles(int participants, int courts, int games, std::uint32_t seed);

// Mixed doubles: men and women draw their pair slots 1..2C separately, the man as member 1 and
// the woman as member 2. Requires the counts MixedGenerator::generate requires.
MatchTable randomMixed(int men, int women, int courts, int games, std::uint32_t seed);

} // namespace zoruka
