#include "matchtable/OneCourtHalves.h"

#include "matchtable/SearchRandom.h"

#include <algorithm>
#include <cmath>

namespace zoruka {

namespace {

constexpr int kPlayers = 8;
constexpr int kSeats = 4; // a game's: the first two partner against the last two

// Whether a player's meetings, 2 a game, reach every other player but not twice over: then some
// may never meet unless the search sees to it (in longer tables everybody meets everybody).
bool shortTable(int games)
{
    const int meetings = 2 * (games / 2);
    return meetings >= kPlayers - 1 && meetings <= 2 * (kPlayers - 1);
}

// Annealing over a table of blocks. Every block lists its eight players: the first four play the
// block's first game, the last four its second. Two moves: a game's players pair up differently,
// or two players of different games trade places over a run of blocks (as planHalves trades
// halves). The cost is the partnerships and meetings above their caps and, in short tables, the
// pairs that never meet; nothing else: the table search evens out the rest, and a cost that evens
// out here as well gets within the caps less often.
class OneCourtSearch {
public:
    OneCourtSearch(int games, int partnerCap, int meetCap, std::uint64_t seed)
        : m_games(games), m_blocks((games + 1) / 2), m_partnerCap(partnerCap), m_meetCap(meetCap),
          m_random(seed ^ 0x0c0a'7d1e'5eedULL), m_meetAll(shortTable(games))
    {
        // At first the halves stay as they are (the first four by number rest first), and each
        // game pairs its players at random.
        m_order.resize(static_cast<std::size_t>(m_blocks * kPlayers));
        for (int t = 0; t < m_blocks; ++t) {
            for (int k = 0; k < kPlayers; ++k) {
                seat(t, k) = (k + kSeats) % kPlayers;
            }
            for (int half = 0; half < 2; ++half) {
                const auto first =
                    m_order.begin() + static_cast<long>(t * kPlayers + half * kSeats);
                m_random.shuffle(first, first + kSeats);
            }
        }
        m_cost = m_meetAll ? kPlayers * (kPlayers - 1) / 2 : 0; // nobody has met yet
        for (int t = 0; t < m_blocks; ++t) {
            for (int half = 0; half < 2; ++half) {
                m_cost += count(t, half, 1);
            }
        }
    }

    HalvesDesign run()
    {
        std::vector<int> best = m_order;
        int fewest = m_cost;
        const long steps = kStepsPerGame * m_games;
        for (long step = 0; step < steps && fewest > 0; ++step) {
            const double share = static_cast<double>(step) / static_cast<double>(steps);
            const double temperature = kHot * std::pow(kCold / kHot, share);
            if (m_random.below(2) == 0) {
                tryPairing(temperature);
            } else {
                tryTrade(temperature);
            }
            if (m_cost < fewest) {
                fewest = m_cost;
                best = m_order;
            }
        }
        HalvesDesign design;
        for (int t = 0; t < m_blocks; ++t) {
            const int* block = &best[static_cast<std::size_t>(t * kPlayers)];
            auto& restsFirst = design.restsFirst.emplace_back(kPlayers, false);
            for (int k = kSeats; k < kPlayers; ++k) {
                restsFirst[static_cast<std::size_t>(block[k])] = true;
            }
            auto& partners = design.partners.emplace_back();
            for (int k = 0; k < kPlayers; k += 2) {
                partners.emplace_back(block[k], block[k + 1]);
            }
        }
        return design;
    }

private:
    // Steps are cheap (a few dozen counts each), and the search stops once within the caps.
    static constexpr long kStepsPerGame = 4000;
    // Warm enough all the way through to step over a count above a cap now and then.
    static constexpr double kHot = 0.6;
    static constexpr double kCold = 0.3;

    int& seat(int t, int k) { return m_order[static_cast<std::size_t>(t * kPlayers + k)]; }
    int& partners(int i, int j) { return m_partners[static_cast<std::size_t>(i * kPlayers + j)]; }
    int& meetings(int i, int j) { return m_meetings[static_cast<std::size_t>(i * kPlayers + j)]; }

    // What one partnership or meeting count costs.
    int countCost(int count, bool partnered) const
    {
        const int cap = partnered ? m_partnerCap : m_meetCap;
        return std::max(count - cap, 0) + (!partnered && m_meetAll && count == 0 ? 1 : 0);
    }

    // Adds (sign 1) or takes away (sign -1) one partnership or meeting; returns the cost change.
    int bump(int i, int j, bool partnered, int sign)
    {
        int& forward = partnered ? partners(i, j) : meetings(i, j);
        int& backward = partnered ? partners(j, i) : meetings(j, i);
        const int before = countCost(forward, partnered);
        forward += sign;
        backward += sign;
        return countCost(forward, partnered) - before;
    }

    // Counts in (sign 1) or out (sign -1) the partnerships and meetings of a block's game, if the
    // table has that game; returns the cost change.
    int count(int t, int half, int sign)
    {
        if (2 * t + half >= m_games) {
            return 0;
        }
        const int* s = &m_order[static_cast<std::size_t>(t * kPlayers + half * kSeats)];
        int delta = bump(s[0], s[1], true, sign) + bump(s[2], s[3], true, sign);
        for (int a = 0; a < 2; ++a) {
            for (int b = 2; b < kSeats; ++b) {
                delta += bump(s[a], s[b], false, sign);
            }
        }
        return delta;
    }

    // A game's second player changes places with its third or fourth.
    void tryPairing(double temperature)
    {
        const int t = m_random.below(m_blocks);
        const int half = 2 * t + 1 < m_games ? m_random.below(2) : 0;
        const int second = kSeats * half + 1;
        const int other = kSeats * half + 2 + m_random.below(2);
        int delta = count(t, half, -1);
        std::swap(seat(t, second), seat(t, other));
        delta += count(t, half, 1);
        if (m_random.accepts(delta, temperature)) {
            m_cost += delta;
            return;
        }
        count(t, half, -1);
        std::swap(seat(t, second), seat(t, other));
        count(t, half, 1);
    }

    // Which game of block t player i plays: 0 the first, 1 the second.
    int halfOf(int t, int i)
    {
        const int* block = &m_order[static_cast<std::size_t>(t * kPlayers)];
        return static_cast<int>(std::find(block, block + kPlayers, i) - block) / kSeats;
    }

    // Times player i rests twice in a row with his games of blocks from .. to taken from player
    // `other`: he plays the first game of one block (rests in its second) and the second of the
    // next (rests in its first).
    int doubleRests(int i, int other, int from, int to)
    {
        int twice = 0;
        int before = halfOf(0, from == 0 ? other : i);
        for (int t = 0; t + 1 < m_blocks; ++t) {
            const int after = halfOf(t + 1, t + 1 >= from && t + 1 <= to ? other : i);
            twice += before == 0 && after == 1 ? 1 : 0;
            before = after;
        }
        return twice;
    }

    // Two players of different games of a block trade places over a run of blocks, in every block
    // of it where they play different games.
    void tryTrade(double temperature)
    {
        const int from = m_random.below(m_blocks);
        const int to =
            m_random.below(2) == 0 ? m_blocks - 1 : from + m_random.below(m_blocks - from);
        const int i = seat(from, m_random.below(kSeats));
        const int j = seat(from, kSeats + m_random.below(kSeats));
        if (doubleRests(i, j, from, to) > 1 || doubleRests(j, i, from, to) > 1) {
            return;
        }
        const auto trade = [&] {
            int delta = 0;
            for (int t = from; t <= to; ++t) {
                int* block = &m_order[static_cast<std::size_t>(t * kPlayers)];
                int* a = std::find(block, block + kPlayers, i);
                int* b = std::find(block, block + kPlayers, j);
                if ((a - block) / kSeats == (b - block) / kSeats) {
                    continue;
                }
                delta += count(t, 0, -1) + count(t, 1, -1);
                std::swap(*a, *b);
                delta += count(t, 0, 1) + count(t, 1, 1);
            }
            return delta;
        };
        const int delta = trade();
        if (m_random.accepts(delta, temperature)) {
            m_cost += delta;
            return;
        }
        trade(); // trading back undoes it
    }

    int m_games;
    int m_blocks;
    int m_partnerCap;
    int m_meetCap;
    SearchRandom m_random;
    std::vector<int> m_order; // per block, the players of its first game and then its second
    std::vector<int> m_partners = std::vector<int>(kPlayers * kPlayers, 0);
    std::vector<int> m_meetings = std::vector<int>(kPlayers * kPlayers, 0);
    bool m_meetAll; // whether pairs that never meet cost (shortTable)
    int m_cost = 0;
};

} // namespace

HalvesDesign oneCourtHalves(int games, int partnerCap, int meetCap, std::uint64_t seed)
{
    return OneCourtSearch(games, partnerCap, meetCap, seed).run();
}

} // namespace zoruka
