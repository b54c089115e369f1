#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"

#include <vector>

namespace zoruka {

// The players (fixed pairs: the pairs) of rotation group `group` who rest in each built game,
// ascending; element g - 1 belongs to game g. A table that chose its own rests (balanced and
// rebuilt tables) says so itself; for the others they follow from the plain rotation.
std::vector<std::vector<int>> tableRests(const MatchTable& table, MatchKind kind, int group);

} // namespace zoruka
