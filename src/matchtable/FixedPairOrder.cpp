#include "matchtable/FixedPairOrder.h"

#include "matchtable/FixedPairExchange.h"
#include "matchtable/SearchRandom.h"

#include <algorithm>
#include <tuple>

namespace zoruka {

namespace {

// Attempts, each with its own order of preference, and steps an attempt may take.
constexpr int kAttempts = 8;
constexpr long kStepBudget = 40000;

// The A pairs take their turns in rotation; the B pairs are placed meeting by meeting, depth
// first: never on two courts of a game, never against an A pair met before in the round, and at
// the end of each game its rests are checked.
class OrderSearch {
public:
    OrderSearch(int pairs, int courts, int games, int attempt)
        : m_n(pairs), m_courts(courts), m_games(games), m_avoidTwice(pairs - courts <= courts),
          m_metRound(static_cast<std::size_t>(pairs * pairs), -1),
          m_rests(static_cast<std::size_t>(pairs), 0),
          m_restedLast(static_cast<std::size_t>(pairs), false),
          m_seats(static_cast<std::size_t>(games * courts), -1),
          m_preference(static_cast<std::size_t>(pairs * pairs)),
          m_orders(static_cast<std::size_t>(games * courts)),
          m_rank(static_cast<std::size_t>(pairs), 0),
          m_plays(static_cast<std::size_t>(pairs), false),
          m_restedBefore(static_cast<std::size_t>(games))
    {
        // The first attempt shifts the B pairs' turn each game; later ones draw it.
        SearchRandom random(static_cast<std::uint64_t>(attempt));
        for (int a = 0; a < pairs; ++a) {
            for (int b = 0; b < pairs; ++b) {
                m_preference[static_cast<std::size_t>(a * pairs + b)] =
                    attempt == 0 ? (b - a + pairs) % pairs : random.below(pairs * pairs);
            }
        }
    }

    std::optional<std::vector<std::vector<int>>> run()
    {
        if (!place(0)) {
            return std::nullopt;
        }
        std::vector<std::vector<int>> table;
        for (int game = 0; game < m_games; ++game) {
            std::vector<int>& seats = table.emplace_back();
            for (int court = 0; court < m_courts; ++court) {
                const int t = game * m_courts + court;
                seats.push_back(t % m_n);
                seats.push_back(m_n + m_seats[static_cast<std::size_t>(t)]);
            }
        }
        return table;
    }

private:
    int m_n;
    int m_courts;
    int m_games;
    bool m_avoidTwice;
    long m_steps = 0;
    std::vector<int> m_metRound;                   // per A x B: round of their last meeting
    std::vector<int> m_rests;                      // per B pair: games rested so far
    std::vector<bool> m_restedLast;                // per B pair: rested the game before
    std::vector<int> m_seats;                      // per meeting: the B pair
    std::vector<int> m_preference;                 // per A x B: rank among equally due B pairs
    std::vector<std::vector<int>> m_orders;        // per meeting: the B pairs to try, in order
    std::vector<long> m_rank;                      // per B pair: its rank at the meeting placed
    std::vector<bool> m_plays;                     // per B pair: plays in the game ended
    std::vector<std::vector<bool>> m_restedBefore; // per game: m_restedLast before it

    bool inGame(int t, int b) const
    {
        for (int s = t - t % m_courts; s < t; ++s) {
            if (m_seats[static_cast<std::size_t>(s)] == b) {
                return true;
            }
        }
        return false;
    }

    bool mustPlay(int b) const
    {
        const auto u = static_cast<std::size_t>(b);
        return m_restedLast[u] && m_avoidTwice;
    }

    // Meeting t: A pair t mod n against a B pair; who must play first, then who has rested
    // most, then the B pairs in a turn that shifts each game so that the round fills evenly.
    bool place(int t)
    {
        if (t == m_games * m_courts) {
            return true;
        }
        if (++m_steps > kStepBudget) {
            return false;
        }
        const int a = t % m_n;
        const int round = t / (m_n * m_n);
        const int game = t / m_courts;
        std::vector<int>& order = m_orders[static_cast<std::size_t>(t)];
        order.clear();
        for (int b = 0; b < m_n; ++b) {
            if (!inGame(t, b) && m_metRound[static_cast<std::size_t>(a * m_n + b)] < round) {
                order.push_back(b);
                // The rank as one number, in the order of its parts.
                const long preference =
                    (m_preference[static_cast<std::size_t>(a * m_n + b)] + m_n * m_n - game) %
                    (m_n * m_n);
                m_rank[static_cast<std::size_t>(b)] =
                    ((mustPlay(b) ? 0L : 1L) * (m_games + 1) + m_games -
                     m_rests[static_cast<std::size_t>(b)]) *
                        m_n * m_n +
                    preference;
            }
        }
        std::sort(order.begin(), order.end(), [&](int x, int y) {
            return m_rank[static_cast<std::size_t>(x)] < m_rank[static_cast<std::size_t>(y)];
        });
        for (const int b : order) {
            const auto cell = static_cast<std::size_t>(a * m_n + b);
            const int metBefore = m_metRound[cell];
            m_metRound[cell] = round;
            m_seats[static_cast<std::size_t>(t)] = b;
            if ((t + 1) % m_courts != 0 ? place(t + 1) : endGame(game, t + 1)) {
                return true;
            }
            m_metRound[cell] = metBefore;
            m_seats[static_cast<std::size_t>(t)] = -1;
            if (m_steps > kStepBudget) {
                return false;
            }
        }
        return false;
    }

    // The rests of the game just placed: within one of each other, and while fewer rest than
    // play, no second rest in a row.
    bool endGame(int game, int next)
    {
        std::fill(m_plays.begin(), m_plays.end(), false);
        for (int s = game * m_courts; s < next; ++s) {
            m_plays[static_cast<std::size_t>(m_seats[static_cast<std::size_t>(s)])] = true;
        }
        bool fair = true;
        for (int b = 0; b < m_n; ++b) {
            fair = fair && (m_plays[static_cast<std::size_t>(b)] || !mustPlay(b));
        }
        if (!fair) {
            return false;
        }
        // Each game's rests and the rests before it stay with the game, to be undone.
        std::vector<bool>& restedBefore = m_restedBefore[static_cast<std::size_t>(game)];
        restedBefore = m_restedLast;
        for (int b = 0; b < m_n; ++b) {
            const auto u = static_cast<std::size_t>(b);
            m_rests[u] += m_plays[u] ? 0 : 1;
            m_restedLast[u] = !m_plays[u];
        }
        const auto [low, high] = std::minmax_element(m_rests.begin(), m_rests.end());
        if (*high - *low <= 1 && place(next)) {
            return true;
        }
        for (int b = 0; b < m_n; ++b) {
            const auto u = static_cast<std::size_t>(b);
            m_rests[u] -= m_restedLast[u] ? 1 : 0;
        }
        m_restedLast = restedBefore;
        return false;
    }
};

// Teams of exactly twice the places with the halves mixed: the A halves take turns game by game;
// the B half X meets the A half playing the even games, and the half Y the other, until at game
// 2C X rests a second game in a row and the halves of B change places, and at 6C Y does the same.
// Within a half each pair meets each of the other half in turn, so every A pair has met every B
// pair after 4C games.
std::vector<std::vector<int>> halvesMixedOrder(int courts, int games)
{
    std::vector<std::vector<int>> table;
    for (int game = 0; game < games; ++game) {
        const bool swapped = game >= 2 * courts && game < 6 * courts;
        const int halfA = game % 2;
        const int halfB = (game % 2 == 1) != swapped ? 1 : 0;
        std::vector<int>& seats = table.emplace_back();
        for (int court = 0; court < courts; ++court) {
            seats.push_back(halfA * courts + court);
            seats.push_back(2 * courts + halfB * courts + (court + game / 2) % courts);
        }
    }
    return table;
}

} // namespace

std::optional<std::vector<std::vector<int>>> fixedPairOrder(int pairs, int courts, int games,
                                                            bool mixHalves)
{
    if (courts < 1 || courts > pairs) {
        return std::nullopt;
    }
    if (mixHalves && pairs == 2 * courts) {
        return halvesMixedOrder(courts, games);
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (auto table = OrderSearch(pairs, courts, games, attempt).run()) {
            return table;
        }
    }
    return fixedPairExchange(pairs, courts, games);
}

} // namespace zoruka
