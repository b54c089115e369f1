#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"

#include <array>
#include <vector>

namespace zoruka {

// A player of a table: number `number` (from 1) of rotation group `group` (see MatchKind).
struct PlayerSeat {
    int group = 0;
    int number = 0;

    bool operator==(const PlayerSeat&) const = default;
};

// One built game of one player (fixed pairs: of one pair): the court and side they play on, with
// whom and against whom; court 0 when they rest.
struct PlayerGame {
    int court = 0;
    int side = 0; // 0 side A (fixed pairs: the A pair), 1 side B
    std::vector<PlayerSeat> partners;
    std::vector<PlayerSeat> opponents;

    bool rests() const { return court == 0; }
    bool operator==(const PlayerGame&) const = default;
};

// Every player's built games, from the table's result store: element [g][k - 1][n - 1] is game n
// of number k of group g. The groups hold the numbers 1 .. the kind's count of each (doubles:
// participants and none; mixed: men and women; team, fixed pairs: team A and team B).
std::array<std::vector<std::vector<PlayerGame>>, 2> playerGames(MatchKind kind,
                                                                const MatchTable& table);

} // namespace zoruka
