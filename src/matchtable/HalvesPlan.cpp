#include "matchtable/HalvesPlan.h"

#include "matchtable/SearchRandom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zoruka {

namespace {

// Annealing over the halves: two players of a group trade halves over a run of blocks. The cost
// is the sum over every two players of the squared number of blocks they share a game in (the
// rows of that count have fixed sums, so the least is the most even sharing), and steeply more
// for every block above the cap of their kind of pair.
class HalvesSearch {
public:
    HalvesSearch(const std::vector<std::vector<int>>& groups, int blocks, std::array<int, 3> caps,
                 std::uint64_t seed)
        : m_groups(groups), m_blocks(blocks), m_cap(caps), m_random(seed ^ 0x4a1f'e5b1'0c6dULL)
    {
        for (const auto& group : groups) {
            m_count += static_cast<int>(group.size());
        }
        m_firstOfGroup1 = static_cast<int>(groups.front().size());
        m_first.assign(static_cast<std::size_t>(m_blocks * m_count), 0);
        m_together.assign(static_cast<std::size_t>(m_count * m_count), 0);
        m_change.assign(static_cast<std::size_t>(m_count), 0);
        // At first each group's halves stay as they are: the first half by number rests first.
        int local = 0;
        for (const auto& group : groups) {
            for (std::size_t k = 0; k < group.size(); ++k, ++local) {
                for (int t = 0; t < m_blocks; ++t) {
                    first(t, local) = k < group.size() / 2 ? 1 : 0;
                }
            }
        }
        for (int i = 0; i < m_count; ++i) {
            for (int j = 0; j < m_count; ++j) {
                for (int t = 0; t < m_blocks && i != j; ++t) {
                    together(i, j) += first(t, i) == first(t, j) ? 1 : 0;
                }
            }
        }
    }

    std::vector<std::vector<bool>> run()
    {
        long cost = 0;
        for (int i = 0; i < m_count; ++i) {
            for (int j = i + 1; j < m_count; ++j) {
                cost += pairCost(i, j, together(i, j));
            }
        }
        std::vector<char> best = m_first;
        long bestCost = cost;
        const long steps = 3000L * m_count;
        for (long step = 0; step < steps; ++step) {
            const double share = static_cast<double>(step) / static_cast<double>(steps);
            const double temperature = kHot * std::pow(kCold / kHot, share);
            cost += tryTrade(temperature);
            if (cost < bestCost) {
                bestCost = cost;
                best = m_first;
            }
        }
        std::vector<std::vector<bool>> plan;
        int highest = 0;
        for (const auto& group : m_groups) {
            for (int id : group) {
                highest = std::max(highest, id);
            }
        }
        for (int t = 0; t < m_blocks; ++t) {
            std::vector<bool>& block = plan.emplace_back(static_cast<std::size_t>(highest + 1));
            int local = 0;
            for (const auto& group : m_groups) {
                for (int id : group) {
                    block[static_cast<std::size_t>(id)] =
                        best[static_cast<std::size_t>(t * m_count + local++)] != 0;
                }
            }
        }
        return plan;
    }

private:
    // A trade moves a player's sharing with every other player at once, so costs change by
    // hundreds: the temperature falls from there to below one.
    static constexpr double kHot = 300.0;
    static constexpr double kCold = 0.5;
    static constexpr long kAboveCap = 40;

    // 0 and 1: two players of group 0 or of group 1; 2: one of each.
    int kindOf(int i, int j) const
    {
        const int gi = i < m_firstOfGroup1 ? 0 : 1;
        const int gj = j < m_firstOfGroup1 ? 0 : 1;
        return gi == gj ? gi : 2;
    }
    // Sharing counts squared, and steeply more above the cap: the most any two share matters
    // first, as two who share a game too often must partner or meet too often.
    long pairCost(int i, int j, long together) const
    {
        const long above = std::max(together - m_cap[static_cast<std::size_t>(kindOf(i, j))], 0L);
        return together * together + kAboveCap * above * above;
    }

    char& first(int t, int i) { return m_first[static_cast<std::size_t>(t * m_count + i)]; }
    int& together(int i, int j) { return m_together[static_cast<std::size_t>(i * m_count + j)]; }

    // Times the player rests second in a block and first in the next, with his halves of blocks
    // from .. to taken from player `other`.
    int doubleRests(int i, int other, int from, int to)
    {
        int count = 0;
        for (int t = 0; t + 1 < m_blocks; ++t) {
            const int a = t >= from && t <= to ? other : i;
            const int b = t + 1 >= from && t + 1 <= to ? other : i;
            count += first(t, a) == 0 && first(t + 1, b) != 0 ? 1 : 0;
        }
        return count;
    }

    // Two players of a group trade halves over a run of blocks, if the temperature accepts it and
    // neither rests twice in a row more than once. Returns the cost change.
    long tryTrade(double temperature)
    {
        int offset = 0;
        const int g = m_random.below(static_cast<int>(m_groups.size()));
        for (int k = 0; k < g; ++k) {
            offset += static_cast<int>(m_groups[static_cast<std::size_t>(k)].size());
        }
        const int size = static_cast<int>(m_groups[static_cast<std::size_t>(g)].size());
        const int i = offset + m_random.below(size);
        const int j = offset + m_random.below(size);
        const int from = m_random.below(m_blocks);
        const int to =
            m_random.below(2) == 0 ? m_blocks - 1 : from + m_random.below(m_blocks - from);
        if (i == j || doubleRests(i, j, from, to) > 1 || doubleRests(j, i, from, to) > 1) {
            return 0;
        }
        // In a block where the two are in different halves, each other player shares a game
        // with one of them before and with the other after.
        bool differs = false;
        for (int t = from; t <= to; ++t) {
            if (first(t, i) == first(t, j)) {
                continue;
            }
            differs = true;
            for (int z = 0; z < m_count; ++z) {
                m_change[static_cast<std::size_t>(z)] += first(t, z) == first(t, j)   ? 1
                                                         : first(t, z) == first(t, i) ? -1
                                                                                      : 0;
            }
        }
        long delta = 0;
        for (int z = 0; z < m_count && differs; ++z) {
            const long d = m_change[static_cast<std::size_t>(z)];
            if (z != i && z != j && d != 0) {
                const long a = together(i, z);
                const long b = together(j, z);
                delta += pairCost(i, z, a + d) - pairCost(i, z, a) + pairCost(j, z, b - d) -
                         pairCost(j, z, b);
            }
        }
        const bool accepted = differs && m_random.accepts(static_cast<double>(delta), temperature);
        for (int z = 0; z < m_count; ++z) {
            const int d = m_change[static_cast<std::size_t>(z)];
            m_change[static_cast<std::size_t>(z)] = 0;
            if (accepted && z != i && z != j) {
                together(i, z) += d;
                together(z, i) += d;
                together(j, z) -= d;
                together(z, j) -= d;
            }
        }
        if (!accepted) {
            return 0;
        }
        for (int t = from; t <= to; ++t) {
            std::swap(first(t, i), first(t, j));
        }
        return delta;
    }

    const std::vector<std::vector<int>>& m_groups;
    int m_blocks;
    std::array<int, 3> m_cap; // per kind of pair (kindOf)
    int m_count = 0;
    int m_firstOfGroup1 = 0;
    SearchRandom m_random;
    std::vector<char> m_first;   // block x player: rests in the block's first game
    std::vector<int> m_together; // player x player: blocks in the same half
    std::vector<int> m_change;   // per player, while a trade is priced
};

} // namespace

std::vector<std::vector<bool>> planHalves(const std::vector<std::vector<int>>& groups, int blocks,
                                          std::array<int, 3> caps, std::uint64_t seed)
{
    if (blocks <= 0) {
        return {};
    }
    return HalvesSearch(groups, blocks, caps, seed).run();
}

} // namespace zoruka
