#pragma once

#include "common/GridModel.h"
#include "matchtable/ResultStore.h"

namespace zoruka {

// The doubles screen's grid: two header rows (court numbers, A面/B面 sides), a game label per
// row, one "3-7" cell per court side and the rest list. Each court shows first the pair of the
// player who comes first in the game's rotation, so courts follow the rotation order.
GridModel doublesGrid(const MatchTable& table);

} // namespace zoruka
