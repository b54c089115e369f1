#pragma once

#include "matchtable/CourtArrangement.h"
#include "matchtable/RunParameters.h"

#include <array>
#include <cstdint>

namespace zoruka {

// Running record of who has stood against whom. Players are ids 1..100 (mixed tables give
// women ids after the men's, so that man 3 and woman 3 stay different people). For every two
// players it counts the courts of earlier games on which one stood on side A and the other on
// side B, and separately those of the latest game.
class OpponentHistory {
public:
    static constexpr int kMaxId = 2 * kMaxCount;

    void clear();

    // Adds a finished game (its courts as slot pairs of ids).
    void addGame(const Arrangement& slots);

    int courtsOpposed(int x, int y) const { return m_count[index(x, y)]; }
    int courtsOpposedInLastGame(int x, int y) const { return m_lastGame[index(x, y)]; }

    // Sum and maximum over the arrangement's meetings of how often each pair met before.
    RepeatSummary repeats(const Arrangement& slots) const;
    // The arrangement's meetings counted again on every court of the latest game where the
    // two stood opposite.
    int meetingsFromLastGame(const Arrangement& slots) const;

private:
    using Counts = std::array<std::uint8_t, (kMaxId + 1) * (kMaxId + 1)>;

    static int index(int x, int y) { return x * (kMaxId + 1) + y; }

    Counts m_count{};
    Counts m_lastGame{};
};

} // namespace zoruka
