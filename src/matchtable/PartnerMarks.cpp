#include "matchtable/PartnerMarks.h"

namespace zoruka {

void PartnerMarks::reset(int players)
{
    m_players = players;
    m_all = playersUpTo(players);
    m_inAttempt.fill(0);
    m_earlierAttempt.fill(0);
    m_never.fill(0);
    for (int i = 1; i <= players; ++i) {
        m_never[i] = playerBit(i);
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

void PartnerMarks::set(int i, int j, PartnerMark mark)
{
    const PlayerSet bit = playerBit(j);
    m_inAttempt[i] &= ~bit;
    m_earlierAttempt[i] &= ~bit;
    m_never[i] &= ~bit;
    if (mark != PartnerMark::Free) {
        rowsOf(mark)[i] |= bit;
    }
}

void PartnerMarks::releaseRow(int i, PartnerMark mark)
{
    rowsOf(mark)[i] = 0;
}

void PartnerMarks::releaseAll(PartnerMark mark)
{
    auto& rows = rowsOf(mark);
    for (int i = 1; i <= m_players; ++i) {
        rows[i] = 0;
    }
}

std::array<PlayerSet, kMaxCount + 1>& PartnerMarks::rowsOf(PartnerMark mark)
{
    switch (mark) {
    case PartnerMark::InAttempt:
        return m_inAttempt;
    case PartnerMark::EarlierAttempt:
        return m_earlierAttempt;
    case PartnerMark::Never:
    case PartnerMark::Free:
        break;
    }
    return m_never;
}

} // namespace zoruka
