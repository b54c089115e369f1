#pragma once

#include <optional>
#include <vector>

namespace zoruka {

// A whist tournament for `players` = 4C or 4C + 1 players on C courts: bound games (4C - 1 or
// 4C + 1) in which every two players are partners exactly once and opponents exactly twice; with
// 4C + 1 players one rests each game, each once. Each game lists the players 0 .. players - 1
// seat by seat, court by court (side A's pair, then side B's). Nothing when none is known.
std::optional<std::vector<std::vector<int>>> whistTournament(int players);

} // namespace zoruka
