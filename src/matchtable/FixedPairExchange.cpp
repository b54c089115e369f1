#include "matchtable/FixedPairExchange.h"

#include "matchtable/SearchRandom.h"

#include <algorithm>
#include <cmath>

namespace zoruka {

namespace {

// Whole searches from other starts, and the steps of each for the first round.
constexpr int kAttempts = 3;
// Moves: a swap of two courts, an exchange of turns, and (the other kinds, so half of all moves)
// a repair of a meeting that costs.
constexpr int kMoveKinds = 4;
constexpr long kFirstRoundSteps = 1000000;
constexpr long kLaterRoundSteps = 500000;
// The temperature, in meetings: a move that costs one more is taken now and then at first and
// seldom at the end; hotter or colder, fewer teams of up to 20 pairs came out whole.
constexpr double kHot = 0.6;
constexpr double kCold = 0.2;

class Exchange {
public:
    Exchange(int pairs, int courts, int games, int attempt)
        : m_random(static_cast<std::uint64_t>(attempt)), m_n(pairs), m_courts(courts),
          m_games(games), m_roundGames((pairs * pairs + courts - 1) / courts),
          m_rounds((games + m_roundGames - 1) / m_roundGames),
          m_avoidTwice(pairs - courts <= courts),
          m_counts(static_cast<std::size_t>(m_rounds * pairs * pairs), {0, 0}),
          m_partner(static_cast<std::size_t>(games * courts), -1),
          m_slotOf(static_cast<std::size_t>(games * pairs), -1),
          m_restsBefore(static_cast<std::size_t>((games + 1) * pairs), 0),
          m_conflictAt(static_cast<std::size_t>(pairs * pairs), -1)
    {
        // B starts on the same turns as A, each game's courts shuffled.
        for (int game = 0; game < games; ++game) {
            std::vector<int> window;
            for (int t = game * courts; t < (game + 1) * courts; ++t) {
                window.push_back(t % pairs);
            }
            m_random.shuffle(window);
            for (int court = 0; court < courts; ++court) {
                seat(game * courts + court, window[static_cast<std::size_t>(court)]);
            }
        }
        for (int game = 0; game < games; ++game) {
            for (int b = 0; b < pairs; ++b) {
                restsBefore(game + 1, b) = restsBefore(game, b) + (plays(game, b) ? 0 : 1);
            }
        }
    }

    // The first round must come out whole; each later round is searched as well as its steps
    // allow, with the rounds before it kept.
    std::optional<std::vector<std::vector<int>>> run()
    {
        for (int round = 0; round < m_rounds; ++round) {
            judgeRound(round);
            anneal(round * m_roundGames, round == 0 ? kFirstRoundSteps : kLaterRoundSteps);
            if (round == 0 && m_cost > 0) {
                return std::nullopt;
            }
        }
        std::vector<std::vector<int>> table;
        for (int game = 0; game < m_games; ++game) {
            std::vector<int>& seats = table.emplace_back();
            for (int t = game * m_courts; t < (game + 1) * m_courts; ++t) {
                seats.push_back(t % m_n);
                seats.push_back(m_n + m_partner[static_cast<std::size_t>(t)]);
            }
        }
        return table;
    }

private:
    // Per round and A x B: meetings before the round's last game, and in it.
    struct Count {
        int early;
        int last;
    };

    SearchRandom m_random;
    int m_n;
    int m_courts;
    int m_games;
    int m_roundGames;
    int m_rounds;
    bool m_avoidTwice;
    int m_judged = 0; // the round whose meetings m_cost counts
    long m_cost = 0;
    std::vector<Count> m_counts;
    std::vector<int> m_partner;     // per meeting: the B pair
    std::vector<int> m_slotOf;      // per game x B pair: the meeting, or -1 while resting
    std::vector<int> m_restsBefore; // per game (and one after the last) x B pair
    std::vector<int> m_conflicts;   // the cells (A x B) of the round judged that cost
    std::vector<int> m_conflictAt;  // per cell: its place in m_conflicts, or -1
    std::vector<int> m_slots;       // the meetings a repair chooses from

    // Moves start in the round judged and change no game before it, until the round meets
    // every pair once.
    void anneal(int firstGame, long steps)
    {
        const double fall = std::exp(std::log(kCold / kHot) / static_cast<double>(steps));
        double temperature = kHot;
        const int span = std::min(m_games - firstGame, m_roundGames);
        for (long step = 0; step < steps && m_cost > 0; ++step, temperature *= fall) {
            const long before = m_cost;
            const auto keep = [&] {
                const long rise = m_cost - before;
                return rise <= 0 ||
                       m_random.unit() < std::exp(-static_cast<double>(rise) / temperature);
            };
            const int kind = m_random.below(kMoveKinds);
            if (kind == 0) {
                const int game = firstGame + m_random.below(span);
                const int first = game * m_courts + m_random.below(m_courts);
                int second = game * m_courts + m_random.below(m_courts - 1);
                second += second >= first ? 1 : 0;
                swapSeats(first, second);
                if (!keep()) {
                    swapSeats(first, second);
                }
            } else if (kind == 1) {
                const int x = m_random.below(m_n);
                int y = m_random.below(m_n - 1);
                y += y >= x ? 1 : 0;
                const int from = firstGame + m_random.below(span);
                const int to =
                    from + m_random.below(std::min(m_games - from, 2 * m_n / m_courts + 3));
                if (exchangeable(x, y, from, to)) {
                    exchange(x, y, from, to);
                    if (!keep()) {
                        exchange(x, y, from, to);
                    }
                }
            } else {
                repair(firstGame, span, keep);
            }
        }
    }

    // A move aimed at a meeting that costs: one met twice moves to another court of its game;
    // one never met is seated in a game of the A pair, by a swap where the B pair plays too and
    // else by an exchange of turns with the B pair seated there.
    template <typename Keep> void repair(int firstGame, int span, const Keep& keep)
    {
        const int cell = m_conflicts[static_cast<std::size_t>(
            m_random.below(static_cast<int>(m_conflicts.size())))];
        const int a = cell / m_n;
        const int b = cell % m_n;
        const Count& c = m_counts[static_cast<std::size_t>(m_judged * m_n * m_n + cell)];
        std::vector<int>& slots = m_slots;
        slots.clear();
        for (int game = firstGame; game < firstGame + span; ++game) {
            const int t = m_slotOf[static_cast<std::size_t>(game * m_n + b)];
            for (int s = game * m_courts; s < (game + 1) * m_courts; ++s) {
                if (s % m_n == a && (c.early == 0 || s == t)) {
                    slots.push_back(s);
                }
            }
        }
        if (slots.empty()) {
            return;
        }
        const int t =
            slots[static_cast<std::size_t>(m_random.below(static_cast<int>(slots.size())))];
        const int game = t / m_courts;
        int other = m_slotOf[static_cast<std::size_t>(game * m_n + b)];
        if (c.early > 0) {
            other = game * m_courts + m_random.below(m_courts - 1);
            other += other >= t ? 1 : 0;
        }
        if (other >= 0) {
            swapSeats(t, other);
            if (!keep()) {
                swapSeats(t, other);
            }
            return;
        }
        const int x = m_partner[static_cast<std::size_t>(t)];
        for (int to = game; to < std::min(m_games, game + 2 * m_n / m_courts + 3); ++to) {
            if (exchangeable(x, b, game, to)) {
                exchange(x, b, game, to);
                if (!keep()) {
                    exchange(x, b, game, to);
                }
                return;
            }
        }
    }

    void judgeRound(int round)
    {
        m_judged = round;
        m_cost = 0;
        m_conflicts.clear();
        std::fill(m_conflictAt.begin(), m_conflictAt.end(), -1);
        for (int cell = 0; cell < m_n * m_n; ++cell) {
            m_cost += cellCost(round, cell);
            noteConflict(cell);
        }
    }

    // Keeps m_conflicts the cells of the round judged that cost.
    void noteConflict(int cell)
    {
        int& at = m_conflictAt[static_cast<std::size_t>(cell)];
        const bool costs = cellCost(m_judged, cell) > 0;
        if (costs && at < 0) {
            at = static_cast<int>(m_conflicts.size());
            m_conflicts.push_back(cell);
        } else if (!costs && at >= 0) {
            const int last = m_conflicts.back();
            m_conflicts[static_cast<std::size_t>(at)] = last;
            m_conflictAt[static_cast<std::size_t>(last)] = at;
            m_conflicts.pop_back();
            at = -1;
        }
    }

    int& restsBefore(int game, int b)
    {
        return m_restsBefore[static_cast<std::size_t>(game * m_n + b)];
    }
    bool plays(int game, int b) const
    {
        return m_slotOf[static_cast<std::size_t>(game * m_n + b)] >= 0;
    }
    bool rests(int game, int b) const { return game >= 0 && game < m_games && !plays(game, b); }

    // In the round judged, a meeting twice before the round's last game costs one each time, and
    // one never met in a whole round costs one.
    long cellCost(int round, int cell) const
    {
        if (round != m_judged) {
            return 0;
        }
        const Count& c = m_counts[static_cast<std::size_t>(round * m_n * m_n + cell)];
        const bool whole = (round + 1) * m_roundGames <= m_games;
        return std::max(0, c.early - 1) + (whole && c.early + c.last == 0 ? 1 : 0);
    }

    void count(int t, int delta)
    {
        const int game = t / m_courts;
        const int round = game / m_roundGames;
        const int cell = (t % m_n) * m_n + m_partner[static_cast<std::size_t>(t)];
        m_cost -= cellCost(round, cell);
        Count& c = m_counts[static_cast<std::size_t>(round * m_n * m_n + cell)];
        (game % m_roundGames == m_roundGames - 1 ? c.last : c.early) += delta;
        m_cost += cellCost(round, cell);
        if (round == m_judged) {
            noteConflict(cell);
        }
    }

    void seat(int t, int b)
    {
        m_partner[static_cast<std::size_t>(t)] = b;
        m_slotOf[static_cast<std::size_t>(t / m_courts * m_n + b)] = t;
        count(t, 1);
    }
    void unseat(int t)
    {
        count(t, -1);
        const int b = m_partner[static_cast<std::size_t>(t)];
        m_slotOf[static_cast<std::size_t>(t / m_courts * m_n + b)] = -1;
    }

    void swapSeats(int first, int second)
    {
        const int b = m_partner[static_cast<std::size_t>(first)];
        const int c = m_partner[static_cast<std::size_t>(second)];
        unseat(first);
        unseat(second);
        seat(first, c);
        seat(second, b);
    }

    // x and y may trade their turns over games from .. to when both have rested as often before
    // and after the stretch (so every count of rests stays as it was, only traded) and neither
    // then rests twice in a row at its ends.
    bool exchangeable(int x, int y, int from, int to)
    {
        if (restsBefore(from, x) != restsBefore(from, y) ||
            restsBefore(to + 1, x) != restsBefore(to + 1, y)) {
            return false;
        }
        if (!m_avoidTwice) {
            return true;
        }
        const auto restsAfter = [&](int b, int game) {
            const bool inside = game >= from && game <= to;
            return rests(game, inside ? (b == x ? y : x) : b);
        };
        for (const int b : {x, y}) {
            for (const int game : {from - 1, to}) {
                if (restsAfter(b, game) && restsAfter(b, game + 1)) {
                    return false;
                }
            }
        }
        return true;
    }

    void exchange(int x, int y, int from, int to)
    {
        for (int game = from; game <= to; ++game) {
            const int tx = m_slotOf[static_cast<std::size_t>(game * m_n + x)];
            const int ty = m_slotOf[static_cast<std::size_t>(game * m_n + y)];
            if (tx >= 0) {
                unseat(tx);
            }
            if (ty >= 0) {
                unseat(ty);
            }
            if (tx >= 0) {
                seat(tx, y);
            }
            if (ty >= 0) {
                seat(ty, x);
            }
            std::swap(restsBefore(game + 1, x), restsBefore(game + 1, y));
        }
    }
};

} // namespace

std::optional<std::vector<std::vector<int>>> fixedPairExchange(int pairs, int courts, int games)
{
    if (courts < 2 || courts > pairs || games < 1) {
        return std::nullopt;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (auto table = Exchange(pairs, courts, games, attempt).run()) {
            return table;
        }
    }
    return std::nullopt;
}

} // namespace zoruka
