#include "matchtable/PairSearch.h"

#include <bit>

namespace zoruka {

void PairSearch::startGame(const std::vector<int>& playing)
{
    m_list = playing;
    m_position.fill(0);
    m_playing = 0;
    for (std::size_t k = 0; k < m_list.size(); ++k) {
        m_position[static_cast<std::size_t>(m_list[k])] = static_cast<int>(k) + 1;
        m_playing |= playerBit(m_list[k]);
    }
    startAttempt();
}

void PairSearch::startAttempt()
{
    m_paired = 0;
    const int count = positions();
    m_freePositions = count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
    m_pairs.clear();
}

int PairSearch::nextFreePosition(int from) const
{
    if (from > positions()) {
        return 0;
    }
    const std::uint64_t ahead = m_freePositions & (~std::uint64_t{0} << (from - 1));
    return ahead == 0 ? 0 : std::countr_zero(ahead) + 1;
}

int PairSearch::findPartner(int player, bool descending) const
{
    const PlayerSet candidates = m_marks.freePartners(player) & unpairedPlayers();
    if (candidates == 0) {
        return 0;
    }
    return descending ? highestPlayer(candidates) : lowestPlayer(candidates);
}

void PairSearch::recordPair(int p, int q)
{
    setPaired(p, true);
    setPaired(q, true);
    m_pairs.push_back({p, q});
    m_marks.setBoth(p, q, PartnerMark::InAttempt);
}

bool PairSearch::backtrack()
{
    while (!m_pairs.empty()) {
        const Pair undone = m_pairs.back();
        m_pairs.pop_back();
        setPaired(undone.first, false);
        setPaired(undone.second, false);
        m_marks.setBoth(undone.first, undone.second, PartnerMark::InAttempt);
        if ((m_marks.freePartners(undone.first) & unpairedPlayers()) != 0) {
            return true;
        }
        // Nobody left for this player: forget whom he tried, so that he may try them again
        // once an earlier pair has changed.
        m_marks.releaseRow(undone.first, PartnerMark::InAttempt);
    }
    return false;
}

void PairSearch::setPaired(int player, bool paired)
{
    const std::uint64_t positionBit = std::uint64_t{1}
                                      << (m_position[static_cast<std::size_t>(player)] - 1);
    if (paired) {
        m_paired |= playerBit(player);
        m_freePositions &= ~positionBit;
    } else {
        m_paired &= ~playerBit(player);
        m_freePositions |= positionBit;
    }
}

} // namespace zoruka
