#pragma once

#include "matchtable/BalancedSearch.h"
#include "matchtable/HalvesDesign.h"

#include <array>
#include <optional>
#include <vector>

namespace zoruka {

// Whether the rests of group `group` follow a plan of blocks of two games (planHalves): a new
// table, not of fixed pairs, whose group has exactly twice as many present players as places
// and mixes its halves.
bool restsByHalves(const SearchTask& task, std::array<int, 2> onCourt, int group);

// The designed halves and partners of a group whose rests follow a plan of halves: for doubles
// and the team match on two courts or more where halvesDesign has one for its size, and for
// doubles on one court (oneCourtHalves, where a half's partners also fix who meets whom). Player
// index i of the design is the group's i-th present id.
std::optional<HalvesDesign> designOf(const SearchTask& task, std::array<int, 2> onCourt, int group);

// Per group, its design (designOf).
using Designs = std::array<std::optional<HalvesDesign>, 2>;

// The first rests of the balanced search's new games: game by game, the present players of a
// group with the fewest rests so far rest first; among equals, while fewer rest than play, those
// who played the game before, then whoever rested longest ago. So after every game two players'
// rests differ by at most one, and nobody rests twice in a row while fewer rest than play.
// Groups planned by halves rest as their design (`designs`) or plan has it.
// `onCourt[g]`: players of group g on court per game. Element k: the resting ids of the k-th new
// game, per group.
std::vector<std::array<std::vector<int>, 2>>
planRests(const SearchTask& task, std::array<int, 2> onCourt, const Designs& designs);

} // namespace zoruka
