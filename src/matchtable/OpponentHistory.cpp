#include "matchtable/OpponentHistory.h"

#include <algorithm>

namespace zoruka {

void OpponentHistory::clear() {
    m_count.fill(0);
    m_lastGame.fill(0);
}

void OpponentHistory::addGame(const Arrangement& slots) {
    m_lastGame.fill(0);
    // A player stands on one court per game, so two players meet at most once in it.
    forEachMeeting(slots, [this](int x, int y) {
        ++m_count[index(x, y)];
        ++m_count[index(y, x)];
        m_lastGame[x] |= playerBit(y);
        m_lastGame[y] |= playerBit(x);
    });
}

RepeatSummary OpponentHistory::repeats(const Arrangement& slots) const {
    RepeatSummary summary;
    forEachMeeting(slots, [&](int x, int y) {
        const int count = gamesOpposed(x, y);
        summary.sum += count;
        summary.maximum = std::max(summary.maximum, count);
    });
    return summary;
}

int OpponentHistory::meetingsFromLastGame(const Arrangement& slots) const {
    int meetings = 0;
    forEachMeeting(slots, [&](int x, int y) { meetings += opposedInLastGame(x, y) ? 1 : 0; });
    return meetings;
}

} // namespace zoruka
