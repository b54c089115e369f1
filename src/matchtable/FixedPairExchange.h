#pragma once

#include <optional>
#include <vector>

namespace zoruka {

// Fixed pairs of two teams of `pairs` pairs each on `courts` courts, found by annealing where the
// depth-first order search gives up: the A pairs take their turns in rotation and the B pairs
// start on the same turns; moves swap B pairs between the courts of a game, trade two B pairs'
// turns over a stretch of games before and after which both have rested as often (so rests stay
// within one, and nobody rests twice in a row while fewer rest than play), or aim at a meeting
// that costs. Every A pair must meet every B pair once in the first round (which ends with the
// game that completes pairs x pairs meetings); each later round is searched for the same as far
// as its steps allow. Games list seats as fixedPairRounds does; nothing when the first round
// cannot be completed within the steps.
std::optional<std::vector<std::vector<int>>> fixedPairExchange(int pairs, int courts, int games);

} // namespace zoruka
