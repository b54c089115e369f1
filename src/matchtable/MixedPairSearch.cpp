#include "matchtable/MixedPairSearch.h"

#include <bit>

namespace zoruka {

void MixedPairSearch::reset(int men, int women)
{
    m_men = men;
    m_women = women;
    m_descending = true;
    m_free.fill(0);
    m_tried.fill(0);
    m_hidden.fill(0);
    for (int m = 1; m <= men; ++m) {
        m_free[static_cast<std::size_t>(m)] = playersUpTo(women);
    }
    m_pairs.clear();
}

bool MixedPairSearch::pairGame(const std::vector<int>& men, const std::vector<int>& women,
                               long stepLimit)
{
    const int positions = static_cast<int>(men.size());
    const std::uint64_t allPositions = positions == 0 ? 0 : ~std::uint64_t{0} >> (64 - positions);
    std::array<std::uint64_t, kMaxCount + 1> manPosition{};
    for (int k = 0; k < positions; ++k) {
        manPosition[static_cast<std::size_t>(men[static_cast<std::size_t>(k)])] = std::uint64_t{1}
                                                                                  << k;
    }
    PlayerSet womenOfGame = 0;
    for (int w : women) {
        womenOfGame |= playerBit(w);
    }

    std::uint64_t freeMen = allPositions; // bit k-1: the man at position k has no partner
    PlayerSet takenWomen = 0;
    std::array<Pair, kMaxCount> stack{};
    int stacked = 0;
    int repairs = 0;
    long steps = 0;

    bool built = false;
    int position = 1;
    while (true) {
        const std::uint64_t ahead =
            position > positions ? 0 : freeMen & (allPositions << (position - 1));
        const int next = ahead == 0 ? 0 : std::countr_zero(ahead) + 1;
        steps += (next == 0 ? positions : next) - position + 1;
        if (steps > stepLimit) {
            break;
        }
        if (next == 0) {
            built = true;
            break;
        }
        const int man = men[static_cast<std::size_t>(next - 1)];
        const auto m = static_cast<std::size_t>(man);
        m_descending = !m_descending;
        const PlayerSet candidates = m_free[m] & womenOfGame & ~takenWomen;
        if (candidates != 0) {
            const int woman = m_descending ? highestPlayer(candidates) : lowestPlayer(candidates);
            freeMen &= ~manPosition[m];
            takenWomen |= playerBit(woman);
            stack[static_cast<std::size_t>(stacked++)] = {man, woman};
            if (man <= m_women) {
                m_hidden[static_cast<std::size_t>(woman)] |= playerBit(man);
            }
            m_free[m] &= ~playerBit(woman);
            m_tried[m] |= playerBit(woman);
            repairs = 0;
            position = next + 1;
            continue;
        }
        if (repairs > positions) {
            break;
        }
        ++repairs;
        bool canRetry = false;
        while (stacked > 0) {
            const Pair withdrawn = stack[static_cast<std::size_t>(--stacked)];
            const auto w = static_cast<std::size_t>(withdrawn.first);
            freeMen |= manPosition[w];
            takenWomen &= ~playerBit(withdrawn.second);
            if ((m_free[w] & ~m_hidden[w] & womenOfGame & ~takenWomen) != 0) {
                canRetry = true;
                break;
            }
            // Forgetting the tried women also frees their places, even one who has since been
            // paired with another man.
            takenWomen &= ~m_tried[w];
            m_free[w] |= m_tried[w];
            m_tried[w] = 0;
        }
        if (!canRetry) {
            break;
        }
        position = 1;
    }

    m_pairs.assign(stack.begin(), stack.begin() + stacked);
    if (!built) {
        return false;
    }
    for (int man = 1; man <= m_men; ++man) {
        m_free[static_cast<std::size_t>(man)] |= m_tried[static_cast<std::size_t>(man)];
        m_tried[static_cast<std::size_t>(man)] = 0;
    }
    for (const Pair& pair : m_pairs) {
        m_free[static_cast<std::size_t>(pair.first)] &= ~playerBit(pair.second);
    }
    return true;
}

} // namespace zoruka
