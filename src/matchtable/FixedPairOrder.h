#pragma once

#include <optional>
#include <vector>

namespace zoruka {

// Fixed pairs of two teams of `pairs` pairs each meeting in rounds where the plain rotation
// (fixedPairRounds) would give a pair two rests in a row: the A pairs take their turns in
// rotation, the B pairs are placed game by game by a bounded depth-first search so that every
// round of pairs x pairs meetings has every A pair meet every B pair once, the B pairs' rests stay
// within one of each other and, while fewer rest than play, nobody rests twice in a row
// (`mixHalves` with exactly twice the places: the halves of B change places twice, each time by
// one half resting twice in a row). Where the search gives up, the annealing of
// fixedPairExchange. Games list seats as fixedPairRounds does; nothing when both give up.
std::optional<std::vector<std::vector<int>>> fixedPairOrder(int pairs, int courts, int games,
                                                            bool mixHalves);

} // namespace zoruka
