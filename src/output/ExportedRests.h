#pragma once

#include "matchtable/ResultStore.h"

#include <vector>

namespace zoruka {

// The most resting players a printed block or a CSV line lists for one game.
inline constexpr int kMaxExportedRests = 20;

// The resting players of every built game as print and CSV show them: ascending, at most the
// first kMaxExportedRests. Element g - 1 belongs to game g.
std::vector<std::vector<int>> exportedRests(const MatchTable& table);

} // namespace zoruka
