#include "matchtable/PairSearch.h"

#include <bit>

namespace zoruka {

void PairSearch::startGame(const std::vector<int>& playing)
{
    m_list = playing;
    m_positionBit.fill(0);
    m_playing = 0;
    for (std::size_t k = 0; k < m_list.size(); ++k) {
        m_positionBit[static_cast<std::size_t>(m_list[k])] = std::uint64_t{1} << k;
        m_playing |= playerBit(m_list[k]);
    }
    m_pairs.clear();
}

// A large table runs this loop tens of millions of times, so the state lives in locals and bit
// sets: the paired players, the free list positions (bit k-1 = position k) and the pair stack.
bool PairSearch::pairEveryone(ScanState& state, int failureLimit, long stepLimit)
{
    const int positions = static_cast<int>(m_list.size());
    const std::uint64_t allPositions = positions == 0 ? 0 : ~std::uint64_t{0} >> (64 - positions);
    std::uint64_t freePositions = allPositions;
    PlayerSet paired = 0;
    std::array<Pair, kMaxCount / 2> stack{};
    int stacked = 0;
    long steps = 0;

    const auto setPaired = [&](int player) {
        paired |= playerBit(player);
        freePositions &= ~m_positionBit[static_cast<std::size_t>(player)];
    };
    const auto setUnpaired = [&](int player) {
        paired &= ~playerBit(player);
        freePositions |= m_positionBit[static_cast<std::size_t>(player)];
    };

    bool complete = false;
    int position = 1;
    while (true) {
        const std::uint64_t ahead =
            position > positions ? 0 : freePositions & (allPositions << (position - 1));
        const int next = ahead == 0 ? 0 : std::countr_zero(ahead) + 1;
        steps += (next == 0 ? positions : next) - position + 1;
        if (steps > stepLimit) {
            break;
        }
        if (next == 0) {
            complete = true;
            break;
        }
        const int player = m_list[static_cast<std::size_t>(next - 1)];
        if (state.alternate) {
            state.descending = !state.descending;
        }
        const PlayerSet candidates = m_marks.freePartners(player) & m_playing & ~paired;
        if (candidates != 0) {
            const int partner =
                state.descending ? highestPlayer(candidates) : lowestPlayer(candidates);
            setPaired(player);
            setPaired(partner);
            stack[static_cast<std::size_t>(stacked++)] = {player, partner};
            m_marks.setBoth(player, partner, PartnerMark::InAttempt);
            state.failures = 0;
            position = next + 1;
            continue;
        }
        if (state.failures > failureLimit) {
            break;
        }
        ++state.failures;
        // Backtrack. An undone pair keeps its tried marks: both were set when it was formed and
        // only rows of players outside the stack are ever released.
        bool canRetry = false;
        while (stacked > 0) {
            const Pair undone = stack[static_cast<std::size_t>(--stacked)];
            setUnpaired(undone.first);
            setUnpaired(undone.second);
            if ((m_marks.freePartners(undone.first) & m_playing & ~paired) != 0) {
                canRetry = true;
                break;
            }
            m_marks.releaseRow(undone.first, PartnerMark::InAttempt);
        }
        if (!canRetry) {
            break;
        }
        position = 1;
    }
    m_pairs.assign(stack.begin(), stack.begin() + stacked);
    return complete;
}

} // namespace zoruka
