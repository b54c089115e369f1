#include "matchtable/OpponentHistory.h"

#include <algorithm>
#include <utility>

namespace zoruka {

void OpponentHistory::clear()
{
    m_count.fill(0);
    m_lastGame.fill(0);
}

void OpponentHistory::addGame(const Arrangement& slots)
{
    m_lastGame.fill(0);
    for (std::size_t a = 0; a + 1 < slots.size(); a += 2) {
        // Each court counts once for two players, whichever way round and however often they
        // appear on it.
        std::array<std::pair<int, int>, 8> met{};
        std::size_t count = 0;
        forEachMeeting(Arrangement{slots[a], slots[a + 1]}, [&](int x, int y) {
            for (const auto& ordered : {std::pair{x, y}, std::pair{y, x}}) {
                if (std::find(met.begin(), met.begin() + count, ordered) == met.begin() + count) {
                    met[count++] = ordered;
                }
            }
        });
        for (std::size_t i = 0; i < count; ++i) {
            ++m_count[index(met[i].first, met[i].second)];
            ++m_lastGame[index(met[i].first, met[i].second)];
        }
    }
}

RepeatSummary OpponentHistory::repeats(const Arrangement& slots) const
{
    RepeatSummary summary;
    forEachMeeting(slots, [&](int x, int y) {
        const int count = courtsOpposed(x, y);
        summary.sum += count;
        summary.maximum = std::max(summary.maximum, count);
    });
    return summary;
}

int OpponentHistory::meetingsFromLastGame(const Arrangement& slots) const
{
    int meetings = 0;
    forEachMeeting(slots, [&](int x, int y) { meetings += courtsOpposedInLastGame(x, y); });
    return meetings;
}

} // namespace zoruka
