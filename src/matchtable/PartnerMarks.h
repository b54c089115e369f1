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

// The marks of players 1..50, one bit set per mark kind and row, so that "whom may i still
// partner" is a single word. The pair search asks that question millions of times per table.
class PartnerMarks {
public:
    // Everyone free with everyone else among players 1..players.
    void reset(int players);

    PartnerMark get(int i, int j) const;

    void set(int i, int j, PartnerMark mark)
    {
        const PlayerSet bit = playerBit(j);
        m_inAttempt[i] &= ~bit;
        m_earlierAttempt[i] &= ~bit;
        m_never[i] &= ~bit;
        if (mark == PartnerMark::Free) {
            m_free[i] |= bit;
        } else {
            m_free[i] &= ~bit;
            rowsOf(mark)[i] |= bit;
        }
    }
    void setBoth(int i, int j, PartnerMark mark)
    {
        set(i, j, mark);
        set(j, i, mark);
    }

    // The players j whose mark (i, j) is Free.
    PlayerSet freePartners(int i) const { return m_free[i]; }

    // Every mark (i, j) of `mark` becomes Free, for this direction only.
    void releaseRow(int i, PartnerMark mark)
    {
        auto& rows = rowsOf(mark);
        m_free[i] |= rows[i];
        rows[i] = 0;
    }
    // Every mark of `mark` in the table becomes Free (InAttempt or EarlierAttempt: Never marks
    // last for the whole table).
    void releaseAll(PartnerMark mark);

private:
    using Rows = std::array<PlayerSet, kMaxCount + 1>;

    // The rows of a kind other than Free.
    Rows& rowsOf(PartnerMark mark)
    {
        return mark == PartnerMark::InAttempt        ? m_inAttempt
               : mark == PartnerMark::EarlierAttempt ? m_earlierAttempt
                                                     : m_never;
    }

    int m_players = 0;
    Rows m_free{};
    Rows m_inAttempt{};
    Rows m_earlierAttempt{};
    Rows m_never{};
};

} // namespace zoruka
