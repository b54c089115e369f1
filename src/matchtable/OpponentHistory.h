#pragma once

#include "matchtable/CourtArrangement.h"
#include "matchtable/PlayerSet.h"
#include "matchtable/RunParameters.h"

#include <array>
#include <cstdint>

namespace zoruka {

// Running record of who has stood against whom: for every two players, the number of earlier
// games in which they were on opposite sides of one court, and who met in the latest game.
class OpponentHistory {
public:
    void clear();

    // Adds a finished game (its courts as slot pairs).
    void addGame(const Arrangement& slots);

    int gamesOpposed(int x, int y) const { return m_count[index(x, y)]; }
    bool opposedInLastGame(int x, int y) const { return (m_lastGame[x] & playerBit(y)) != 0; }

    // Sum and maximum over the arrangement's meetings of how often each pair met before.
    RepeatSummary repeats(const Arrangement& slots) const;
    // How many of the arrangement's meetings also took place in the latest game.
    int meetingsFromLastGame(const Arrangement& slots) const;

private:
    static int index(int x, int y) { return x * (kMaxCount + 1) + y; }

    std::array<std::uint8_t, (kMaxCount + 1) * (kMaxCount + 1)> m_count{};
    std::array<PlayerSet, kMaxCount + 1> m_lastGame{};
};

} // namespace zoruka
