#pragma once

#include "matchtable/PlayerSet.h"
#include "matchtable/RunParameters.h"

#include <array>

namespace zoruka {

// What stands between player i and player j as partners. Marks are kept per direction: a player
// who releases his tried partners frees them for himself only.
enum class PartnerMark {
    Free,           // may pair
    InAttempt,      // paired, or paired and undone, in the attempt in progress
    EarlierAttempt, // used by an earlier attempt of the same game
    Never,          // partnered in an earlier game, or the player himself
};

class PartnerMarks {
public:
    // Everyone free with everyone else among players 1..players.
    void reset(int players);

    PartnerMark get(int i, int j) const;
    void set(int i, int j, PartnerMark mark);
    void setBoth(int i, int j, PartnerMark mark)
    {
        set(i, j, mark);
        set(j, i, mark);
    }

    // The players j whose mark (i, j) is Free.
    PlayerSet freePartners(int i) const
    {
        return m_all & ~(m_inAttempt[i] | m_earlierAttempt[i] | m_never[i]);
    }

    // Every mark (i, j) of `mark` becomes Free, for this direction only.
    void releaseRow(int i, PartnerMark mark);
    // Every mark of `mark` in the table becomes Free. Never marks are kept for the whole table
    // and are not released.
    void releaseAll(PartnerMark mark);

private:
    std::array<PlayerSet, kMaxCount + 1>& rowsOf(PartnerMark mark);

    int m_players = 0;
    PlayerSet m_all = 0;
    std::array<PlayerSet, kMaxCount + 1> m_inAttempt{};
    std::array<PlayerSet, kMaxCount + 1> m_earlierAttempt{};
    std::array<PlayerSet, kMaxCount + 1> m_never{};
};

} // namespace zoruka
