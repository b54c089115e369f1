#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace zoruka {

// Rests of groups of exactly twice as many players as places, whose halves mix, in blocks of two
// games: in each block one half of a group rests in the first game and plays the second, the
// other half the other way round, so that everybody rests once a block and rests never differ by
// more than one. A player who rests second in one block and first in the next rests twice in a
// row; nobody gets more than one of those. Within that, the halves change so that every two
// players share the games of a block as evenly often as can be, since only then can they
// partner or meet.
// `groups`: the ids of each group (an even number each). `caps`: the most blocks two players may
// share before it costs steeply, for two of the first group, two of the second and one of each.
// Element t: per id, up to the highest id given, whether he rests in the first game of block t.
// The same arguments give the same plan.
std::vector<std::vector<bool>> planHalves(const std::vector<std::vector<int>>& groups, int blocks,
                                          std::array<int, 3> caps, std::uint64_t seed);

} // namespace zoruka
