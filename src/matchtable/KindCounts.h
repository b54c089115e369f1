#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/RunParameters.h"

#include <array>

namespace zoruka {

// The counts of a kind's table read by rotation group: the highest number of each group (doubles
// has no group 1: 0) and how many of a group are on court each game.
std::array<int, 2> groupSizes(MatchKind kind, const RunParameters& params);
int onCourtOfGroup(MatchKind kind, const RunParameters& params, int group);

// The run parameters the kind's exact generator gives for these group sizes, courts and games.
RunParameters kindParameters(MatchKind kind, std::array<int, 2> sizes, int courts, int games);

// The most games a table can have without repeating a partnership (fixed pairs: without an A pair
// meeting a B pair again): doubles N(N-1)/(4C), mixed M x W / (2C), team
// min(NA(NA-1)/2, NB(NB-1)/2) / C, fixed pairs NA x NB / C, rounded down; 0 without courts.
int gamesBound(MatchKind kind, std::array<int, 2> sizes, int courts);

// The least number of times a player of k games must meet his most frequent opponent, with `own`
// players in his group (himself included) and `other` in the other: his games bring 2k meetings
// (mixed doubles k of each sex, fixed pairs k) spread over those he can meet.
int meetingsFloor(MatchKind kind, int k, int own, int other);

} // namespace zoruka
