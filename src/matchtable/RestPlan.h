#pragma once

#include "matchtable/BalancedSearch.h"

#include <array>
#include <vector>

namespace zoruka {

// The first rests of the balanced search's new games: game by game, the present players of a
// group with the fewest rests so far rest first; among equals, while fewer rest than play, those
// who played the game before, then whoever rested longest ago. So after every game two players'
// rests differ by at most one, and nobody rests twice in a row while fewer rest than play.
// `onCourt[g]`: players of group g on court per game. Element k: the resting ids of the k-th new
// game, per group.
// Whether the rests of group `group` follow a plan of blocks of two games (planHalves): a new
// table, not of fixed pairs, whose group has exactly twice as many present players as places
// and mixes its halves.
bool restsByHalves(const SearchTask& task, std::array<int, 2> onCourt, int group);

std::vector<std::array<std::vector<int>, 2>> planRests(const SearchTask& task,
                                                       std::array<int, 2> onCourt);

} // namespace zoruka
