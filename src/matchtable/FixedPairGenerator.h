#pragma once

#include "matchtable/ResultStore.h"

namespace zoruka {

// Builds a team-versus-team table between fixed pairs: A pairs 1..NA against B pairs 1..NB on C
// courts for G games. In the result store, slot c of a game is court c, holding {A pair, B pair}.
// - Each team's pairs take turns in a fixed cycle, C of them per game.
// - Every A pair of the game, in list order, takes the first free B pair of the game it has not
//   met; one that finds none withdraws the last matches (one more with every repair of the game)
//   and the walk restarts, as long as some A pair still sees an unmet free B pair.
// - An A pair never meets the same B pair twice. The table ends with the first game that cannot
//   be completed, which keeps the courts it had filled up to its first empty one.
class FixedPairGenerator {
public:
    static RunParameters parameters(int pairsA, int pairsB, int courts, int games);

    // Requires 0 <= NA, NB, C, G <= 50 and C <= min(NA, NB); throws std::invalid_argument
    // otherwise.
    static MatchTable generate(int pairsA, int pairsB, int courts, int games);
};

// The courts of a game up to its first empty one (all C of a complete game).
int storedCourts(const MatchTable& table, int game);

} // namespace zoruka
