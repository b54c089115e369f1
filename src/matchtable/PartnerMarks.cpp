#include "matchtable/PartnerMarks.h"

namespace zoruka {

void PartnerMarks::reset(int players)
{
    m_players = players;
    m_inAttempt.fill(0);
    m_earlierAttempt.fill(0);
    m_never.fill(0);
    m_free.fill(0);
    for (int i = 1; i <= players; ++i) {
        m_never[i] = playerBit(i);
        m_free[i] = playersUpTo(players) & ~playerBit(i);
    }
}

PartnerMark PartnerMarks::get(int i, int j) const
{
    const PlayerSet bit = playerBit(j);
    if (m_never[i] & bit) {
        return PartnerMark::Never;
    }
    if (m_earlierAttempt[i] & bit) {
        return PartnerMark::EarlierAttempt;
    }
    if (m_inAttempt[i] & bit) {
        return PartnerMark::InAttempt;
    }
    return PartnerMark::Free;
}

void PartnerMarks::releaseAll(PartnerMark mark)
{
    for (int i = 1; i <= m_players; ++i) {
        releaseRow(i, mark);
    }
}

} // namespace zoruka
