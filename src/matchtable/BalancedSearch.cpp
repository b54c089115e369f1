#include "matchtable/BalancedSearch.h"

#include "matchtable/KindCounts.h"
#include "matchtable/RestPlan.h"
#include "matchtable/RoundRobin.h"
#include "matchtable/SearchCost.h"
#include "matchtable/SearchRandom.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <compare>
#include <optional>

namespace zoruka {

namespace {

using namespace search_cost;

constexpr int kRest = -1;
constexpr int kAway = -2; // not taking part in that game
// Steps a round takes before it ends for want of any move to price.
constexpr long kIdleSteps = 4096;
// Swaps that polish tries at most: a few passes of typical tables (some 2,000 swaps a pass for
// 30 players on 5 courts), and about 0.1 s of the largest.
constexpr long kPolishSwaps = 50'000;

// A change of one seat in one game.
struct SeatChange {
    int game;
    int seat;
    int id;
};

// A move of the search: two players of a game trade seats, two pairs trade places, or a resting
// player takes a seat in one game and gives it back in a later one.
struct Move {
    std::array<SeatChange, 4> changes{};
    int count = 0;

    void add(SeatChange change) { changes[static_cast<std::size_t>(count++)] = change; }
    const SeatChange* begin() const { return changes.data(); }
    const SeatChange* end() const { return changes.data() + count; }
    SeatChange* begin() { return changes.data(); }
    SeatChange* end() { return changes.data() + count; }
};

// How far a table falls short of its promises (Search::shortfall), compared in this order.
struct Shortfall {
    long partners = 0;
    long meetings = 0;
    long spread = 0;

    auto operator<=>(const Shortfall&) const = default;
};

// A resting player takes a seat of his group in a game, and the two trade back at the next game
// where one rests and the other plays (Search::restSwap).
struct RestSwap {
    Move move;
    int later = 0;      // the game where they trade back
    bool twice = false; // whether it makes one of them rest twice in a row
};

class Search {
public:
    Search(const SearchTask& task, const SearchLimits& limits);

    std::vector<std::vector<int>> run();
    // After run: how far the table falls short of what the targets promise (see shortfall);
    // nothing where no search from another start could do better.
    Shortfall promisesMissed() const;

private:
    std::size_t index(int game, int seat) const
    {
        return static_cast<std::size_t>(game * m_seatsPerGame + seat);
    }
    std::size_t placeIndex(int game, int id) const
    {
        return static_cast<std::size_t>(game * m_ids + id);
    }
    std::size_t pairIndex(int a, int b) const { return static_cast<std::size_t>(a * m_ids + b); }
    int seatAt(int game, int seat) const { return m_seat[index(game, seat)]; }
    int whereIs(int game, int id) const { return m_where[placeIndex(game, id)]; }
    // Seats per court are 2 or 4, so court and place within it are a shift and a mask.
    int courtOf(int seat) const { return seat >> m_courtShift; }
    int placeOf(int seat) const { return seat & (m_spc - 1); }
    bool partnersAt(int s1, int s2) const
    {
        return courtOf(s1) == courtOf(s2) && m_partnerSeat[placeOf(s1)] == placeOf(s2);
    }
    bool rests(int game, int id) const;
    int restsBefore(int game, int id) const;
    int doubleRests(int id) const;
    int randomGame() { return m_first + m_random.below(m_games - m_first); }
    // The first new game, from a drawn one on round the table, for which `wanted(game)`; -1 when
    // none is.
    template <typename Wanted> int firstNewGame(const Wanted& wanted)
    {
        const int newGames = m_games - m_first;
        const int start = m_random.below(newGames);
        for (int t = 0; t < newGames; ++t) {
            const int game = m_first + (start + t) % newGames;
            if (wanted(game)) {
                return game;
            }
        }
        return -1;
    }
    int randomSeatOf(int group);

    void setUp();
    void seatPlayers();
    Cost lowerBound() const;
    void planRounds();

    long countPartners(int x, int y, int sign);
    long countMeeting(int x, int y, int sign);
    long changeMet(int id, int sign);
    void planUnmet();
    std::vector<int> metCounts() const;
    void aimAtBand();
    void noteRepeat(int x, int y, int count);
    bool mayPartner(int x, int y) const;
    int fairShare() const;
    int meetingsAllowed() const;
    void linkGame(int game);
    Cost link(int game, const Move& move, int sign);
    void place(const Move& move);
    Cost apply(const Move& move);
    Move inverseOf(const Move& move) const;
    Cost price(const CountChanges& changes) const;
    long meetingsCost(const Move& move);
    long roundCost(int a, int b) const;
    Cost totalCost() const;

    bool accept(const Cost& delta, double temperature);
    void keepIfBest();
    void commit(const Move& move, const Cost& delta);
    bool tryPriced(const Move& move, const CountChanges& changes, double temperature);
    void trade(CountChanges& changes, int game, int seat, int leaving, int coming,
               int kept = -1) const;
    template <typename Allowed>
    bool tryMove(const Move& move, double temperature, const Allowed& allowed);
    bool trySwap(int game, int s1, int s2, double temperature);
    bool trySeatSwap(double temperature);
    bool tryPairSwap(double temperature);
    bool tryRepairPartners(double temperature);
    bool tryRepairMeetings(double temperature);
    std::optional<RestSwap> restSwap(int game, int x, int seat) const;
    void noteRestSwap(const RestSwap& swap, int group);
    bool tryRestSwap(double temperature);
    void anneal(long steps, double hot, double light, long done, long total);
    void restoreBest();
    void loadSeats(const std::vector<int>& seats);
    Shortfall shortfall(int repeats) const;
    std::pair<long, long> spreadAtEnds() const;
    std::pair<long, long> aboveAmong(const std::vector<int>& ids) const;
    void polish();
    bool goodEnough() const;
    int repeatsAllowed() const;
    bool halvesApart() const;

    const SearchTask& m_task;
    const SearchLimits& m_limits;
    SeatLayout m_layout;
    bool m_roundCost;
    int m_ids;
    int m_spc;
    int m_courtShift;
    int m_seatsPerGame;
    int m_first;
    int m_games;
    std::array<int, 2> m_offset{};
    std::array<int, 2> m_presentOf{};
    std::array<int, 2> m_onCourt{};
    std::array<bool, 2> m_byHalves{}; // rests follow the plan of halves (restsByHalves)
    Designs m_design;                 // designOf, partners and all
    std::vector<int> m_groupOf;
    std::array<int, 4> m_partnerSeat{};
    std::array<std::array<int, 2>, 4> m_opponentSeats{};
    std::array<int, 4> m_opponentCount{};
    std::array<std::vector<int>, 2> m_seatsOfGroup; // seats of one court, per group

    std::vector<int> m_seat;                              // game x seat: id
    std::vector<int> m_where;                             // game x id: seat, kRest or kAway
    std::vector<std::array<std::vector<int>, 2>> m_rests; // per game and group: resting ids
    std::vector<int> m_partners;                          // id x id: partnerships
    std::vector<int> m_opponents;                         // id x id: meetings
    std::vector<int> m_unmet;             // per id: different opponents short of his group's target
    mutable std::vector<int> m_metChange; // per id, while a move is priced; 0 otherwise
    int m_fairShare = 1;         // partnerships per pair if all were spread evenly, rounded up
    int m_meetLimit = kMaxLevel; // see meetingsAllowed
    // Meetings past it cost more: none at first, m_meetLimit once aiming at the band.
    int m_pricedLimit = kMaxLevel;
    std::vector<int> m_repeated;   // pairIndex(x, y), x < y, of partnerships above the fair share
    std::vector<int> m_repeatedAt; // per pairIndex: its place in m_repeated, or -1
    std::vector<int> m_keptMeetings;
    std::vector<int> m_keptPartners;
    std::vector<long> m_roundsDone; // fixed pairs, per game: whole rounds of meetings after it

    SearchRandom m_random;
    Cost m_cost;
    long m_bestCost = 0; // weighed with kPartnerWeight
    long m_priced = 0;   // moves priced in this round
    Cost m_floor;        // no table costs less
    double m_partnerWeight = 1;
    bool m_bestSaved = true;
    bool m_band = false;           // see planUnmet
    std::array<int, 2> m_bandOf{}; // per group: the band its players are compared in
    std::vector<int> m_bestSeats;
};

Search::Search(const SearchTask& task, const SearchLimits& limits)
    : m_task(task), m_limits(limits), m_layout(seatLayout(task.kind)),
      m_roundCost(task.kind == MatchKind::FixedPairs), m_ids(task.ids()),
      m_spc(m_layout.seatsPerCourt), m_courtShift(m_spc == 4 ? 2 : 1),
      m_seatsPerGame(task.courts * m_layout.seatsPerCourt),
      m_first(static_cast<int>(task.keptGames.size())), m_games(task.games), m_random(task.seed)
{
    m_offset = {0, task.groupSize[0]};
    for (int id = 0; id < m_ids; ++id) {
        const int group = id < task.groupSize[0] ? 0 : 1;
        m_groupOf.push_back(group);
        m_presentOf[group] += task.present[static_cast<std::size_t>(id)] ? 1 : 0;
    }
    for (int group = 0; group < 2; ++group) {
        m_onCourt[group] = task.courts * m_layout.seatsOfGroup(group);
    }
    for (int group = 0; group < 2; ++group) {
        m_byHalves[group] = restsByHalves(task, m_onCourt, group);
        m_design[group] = designOf(task, m_onCourt, group);
    }
    m_partnerSeat.fill(-1);
    for (const auto& [a, b] : m_layout.partners) {
        m_partnerSeat[a] = b;
        m_partnerSeat[b] = a;
    }
    for (const auto& [a, b] : m_layout.opponents) {
        m_opponentSeats[a][m_opponentCount[a]++] = b;
        m_opponentSeats[b][m_opponentCount[b]++] = a;
    }
    for (int k = 0; k < m_spc; ++k) {
        m_seatsOfGroup[m_layout.group[k]].push_back(k);
    }
}

bool Search::rests(int game, int id) const
{
    if (game == m_first - 1) {
        return m_task.restedLast[static_cast<std::size_t>(id)];
    }
    return game >= m_first && game < m_games && whereIs(game, id) == kRest;
}

int Search::restsBefore(int game, int id) const
{
    int count = m_task.restsSoFar[static_cast<std::size_t>(id)];
    for (int t = m_first; t < game; ++t) {
        count += whereIs(t, id) == kRest ? 1 : 0;
    }
    return count;
}

int Search::doubleRests(int id) const
{
    int count = m_task.doubleRestsSoFar[static_cast<std::size_t>(id)];
    for (int t = std::max(m_first - 1, 0); t + 1 < m_games; ++t) {
        count += rests(t, id) && rests(t + 1, id) ? 1 : 0;
    }
    return count;
}

int Search::randomSeatOf(int group)
{
    const auto& seats = m_seatsOfGroup[group];
    return m_random.below(m_task.courts) * m_spc +
           seats[static_cast<std::size_t>(m_random.below(static_cast<int>(seats.size())))];
}

void Search::setUp()
{
    const auto games = static_cast<std::size_t>(m_games);
    m_seat.assign(games * static_cast<std::size_t>(m_seatsPerGame), -1);
    m_where.assign(games * static_cast<std::size_t>(m_ids), kAway);
    m_rests.assign(games, {});
    const auto pairs = static_cast<std::size_t>(m_ids * m_ids);
    m_partners.assign(pairs, 0);
    m_opponents.assign(pairs, 0);
    m_unmet.assign(static_cast<std::size_t>(m_ids), 0);
    m_metChange.assign(static_cast<std::size_t>(m_ids), 0);
    m_repeatedAt.assign(pairs, -1);
    m_fairShare = fairShare();
    m_keptMeetings.assign(pairs, 0);
    for (int game = 0; game < m_first; ++game) {
        const auto& seats = m_task.keptGames[static_cast<std::size_t>(game)];
        for (int s = 0; s < m_seatsPerGame; ++s) {
            const int id = seats[static_cast<std::size_t>(s)];
            m_seat[index(game, s)] = id;
            if (id >= 0) {
                m_where[placeIndex(game, id)] = s;
            }
        }
        linkGame(game);
    }
    m_keptMeetings = m_opponents;
    m_keptPartners = m_partners;
    const auto plan = planRests(m_task, m_onCourt, m_design);
    for (int game = m_first; game < m_games; ++game) {
        m_rests[static_cast<std::size_t>(game)] = plan[static_cast<std::size_t>(game - m_first)];
        for (const auto& resting : m_rests[static_cast<std::size_t>(game)]) {
            for (int id : resting) {
                m_where[placeIndex(game, id)] = kRest;
            }
        }
    }
    m_meetLimit = meetingsAllowed();
    m_floor = lowerBound();
    seatPlayers();
    planUnmet();
    if (m_roundCost) {
        planRounds();
    }
}

// First seats of the new games, free of repeated partnerships wherever a plain pattern does
// that: doubles and the team match pair a game's players as round g of their group's
// round-robin schedule does (those whose round partner rests pair up in order) or, for a group
// with a design of halves, as its block's partners; mixed doubles the men in order with the
// women turned one place further each game, fixed pairs the A pairs against the B pairs turned
// the same way. The pairs go to the courts in shuffled order.
void Search::seatPlayers()
{
    for (int game = m_first; game < m_games; ++game) {
        const int round = game - m_first;
        std::array<std::vector<int>, 2> playing;
        std::array<std::vector<int>, 2> members;
        for (int group = 0; group < 2; ++group) {
            for (int id = m_offset[group]; id < m_offset[group] + m_task.groupSize[group]; ++id) {
                if (m_task.present[static_cast<std::size_t>(id)]) {
                    members[group].push_back(id);
                    if (whereIs(game, id) != kRest) {
                        playing[group].push_back(id);
                    }
                }
            }
        }
        const auto turned = [&](std::vector<int> ids) {
            if (!ids.empty()) {
                std::rotate(ids.begin(), ids.begin() + static_cast<long>(round % ids.size()),
                            ids.end());
            }
            return ids;
        };
        // Pairs of one group, or of a man and a woman, or of an A and a B pair (fixed pairs).
        std::array<std::vector<std::pair<int, int>>, 2> pairs;
        if (m_task.kind == MatchKind::Mixed || m_roundCost) {
            const std::vector<int> second = turned(playing[1]);
            for (std::size_t j = 0; j < playing[0].size(); ++j) {
                pairs[0].emplace_back(playing[0][j], second[j]);
            }
        } else {
            for (int group = 0; group < 2; ++group) {
                const auto plays = [&](int id) { return id >= 0 && whereIs(game, id) != kRest; };
                if (const auto& design = m_design[group]) {
                    const auto& ids = members[group];
                    for (const auto& [i, j] :
                         design->partners[static_cast<std::size_t>(round / 2)]) {
                        const int x = ids[static_cast<std::size_t>(i)];
                        const int y = ids[static_cast<std::size_t>(j)];
                        if (plays(x)) {
                            pairs[group].emplace_back(x, y);
                        }
                    }
                    continue;
                }
                std::vector<int> left;
                for (const auto& [x, y] : circleRound(members[group], round)) {
                    if (plays(x) && plays(y)) {
                        pairs[group].emplace_back(x, y);
                    } else if (plays(x) || plays(y)) {
                        left.push_back(plays(x) ? x : y);
                    }
                }
                for (std::size_t j = 0; j + 1 < left.size(); j += 2) {
                    pairs[group].emplace_back(left[j], left[j + 1]);
                }
            }
        }
        if (!m_roundCost) {
            m_random.shuffle(pairs[0]);
            m_random.shuffle(pairs[1]);
        }
        const auto seat = [&](int s, int id) {
            m_seat[index(game, s)] = id;
            m_where[placeIndex(game, id)] = s;
        };
        for (int court = 0; court < m_task.courts; ++court) {
            const auto c = static_cast<std::size_t>(court);
            if (m_roundCost) {
                seat(court * m_spc, pairs[0][c].first);
                seat(court * m_spc + 1, pairs[0][c].second);
                continue;
            }
            for (int side = 0; side < 2; ++side) {
                // Doubles and mixed doubles fill a court from one list, the team match takes
                // side A from team A's pairs and side B from team B's.
                const bool team = m_task.kind == MatchKind::Team;
                const auto& pair = team ? pairs[static_cast<std::size_t>(side)][c]
                                        : pairs[0][2 * c + static_cast<std::size_t>(side)];
                seat(court * m_spc + 2 * side, pair.first);
                seat(court * m_spc + 2 * side + 1, pair.second);
            }
        }
        linkGame(game);
    }
}

// Fixed pairs: how many whole rounds of meetings every game completes (see roundCost).
void Search::planRounds()
{
    const long pairs = static_cast<long>(m_presentOf[0]) * m_presentOf[1];
    long meetingsSoFar = 0;
    for (int a = 0; a < m_task.groupSize[0]; ++a) {
        for (int b = m_offset[1]; b < m_ids; ++b) {
            if (m_task.present[static_cast<std::size_t>(a)] &&
                m_task.present[static_cast<std::size_t>(b)]) {
                meetingsSoFar += m_keptMeetings[pairIndex(a, b)];
            }
        }
    }
    m_roundsDone.assign(static_cast<std::size_t>(m_games), 0);
    for (int game = m_first; game < m_games && pairs > 0; ++game) {
        meetingsSoFar += m_task.courts;
        m_roundsDone[static_cast<std::size_t>(game)] = meetingsSoFar / pairs;
    }
}

long Search::changeMet(int id, int sign)
{
    int& m = m_unmet[static_cast<std::size_t>(id)];
    const long before = unmetCost(m);
    m -= sign;
    return unmetCost(m) - before;
}

// How many different opponents each player is short of his group's target, the most that any
// present player of the group could meet in his games (each game brings two, or for mixed doubles
// one of each sex, of those he can meet). One target for the whole group keeps apart those who
// play a game less: they are the ones who must not meet anyone twice. Rest moves trade games
// between players and keep everybody's number of games. Once aiming at the band (m_band), the
// target is instead the top of the band of three numbers that most players reach already: where
// nobody can reach the most possible, what counts is that the numbers differ by at most two.
// Groups of equal targets share one band, as their players are compared with each other.
void Search::planUnmet()
{
    std::vector<int> games(static_cast<std::size_t>(m_ids), 0);
    for (int game = 0; game < m_games; ++game) {
        for (int s = 0; s < m_seatsPerGame; ++s) {
            if (seatAt(game, s) >= 0) {
                ++games[static_cast<std::size_t>(seatAt(game, s))];
            }
        }
    }
    std::array<int, 2> target{};
    for (int id = 0; id < m_ids; ++id) {
        const int k = games[static_cast<std::size_t>(id)];
        const int own = m_groupOf[static_cast<std::size_t>(id)];
        const int same = m_task.groupSize[own] - 1;
        const int other = m_task.groupSize[1 - own];
        int could = 0;
        switch (m_task.kind) {
        case MatchKind::Doubles:
            could = std::min(2 * k, same);
            break;
        case MatchKind::Mixed:
            could = std::min(k, same) + std::min(k, other);
            break;
        case MatchKind::Team:
            could = std::min(2 * k, other);
            break;
        case MatchKind::FixedPairs:
            break;
        }
        if (m_task.present[static_cast<std::size_t>(id)]) {
            target[own] = std::max(target[own], could);
        }
    }
    m_bandOf = {0, m_task.groupSize[1] == 0 || target[0] == target[1] ? 0 : 1};
    const std::vector<int> met = metCounts();
    for (int band = 0; m_band && band <= m_bandOf[1]; ++band) {
        const auto inBand = [&](int id) {
            return m_task.present[static_cast<std::size_t>(id)] &&
                   m_bandOf[m_groupOf[static_cast<std::size_t>(id)]] == band;
        };
        long fewestOutside = -1;
        int bestTop = target[band];
        for (int top = target[band]; top >= 0; --top) {
            long outside = 0;
            for (int id = 0; id < m_ids; ++id) {
                const int m = met[static_cast<std::size_t>(id)];
                outside += inBand(id) ? std::max(top - 2 - m, 0) + std::max(m - top, 0) : 0;
            }
            if (fewestOutside < 0 || outside < fewestOutside) {
                fewestOutside = outside;
                bestTop = top;
            }
        }
        for (int group = 0; group < 2; ++group) {
            target[group] = m_bandOf[group] == band ? bestTop : target[group];
        }
    }
    for (int id = 0; id < m_ids; ++id) {
        const auto u = static_cast<std::size_t>(id);
        m_unmet[u] = m_task.present[u] ? target[m_groupOf[u]] - met[u] : 0;
    }
}

// How many different opponents each player has met.
std::vector<int> Search::metCounts() const
{
    std::vector<int> met(static_cast<std::size_t>(m_ids), 0);
    for (int id = 0; id < m_ids; ++id) {
        for (int z = 0; z < m_ids; ++z) {
            met[static_cast<std::size_t>(id)] += m_opponents[pairIndex(id, z)] > 0 ? 1 : 0;
        }
    }
    return met;
}

// Aims the rest of the search at the band most players of the best table reach (see planUnmet).
void Search::aimAtBand()
{
    m_band = true;
    m_pricedLimit = m_meetLimit;
    planUnmet();
    m_cost = totalCost();
    m_bestCost = m_cost.weighed(kPartnerWeight);
    m_bestSaved = false;
}

long Search::countPartners(int x, int y, int sign)
{
    int& count = m_partners[pairIndex(x, y)];
    long delta = 0;
    if (sign > 0) {
        delta = partnerStep(count++, m_fairShare);
    } else {
        delta = -partnerStep(--count, m_fairShare);
    }
    m_partners[pairIndex(y, x)] = count;
    noteRepeat(x, y, count);
    return delta;
}

long Search::countMeeting(int x, int y, int sign)
{
    int& count = m_opponents[pairIndex(x, y)];
    long delta = 0;
    if (sign > 0) {
        delta = opponentStep(count, m_pricedLimit);
        if (count == 0) {
            delta += changeMet(x, +1) + changeMet(y, +1);
        }
        ++count;
    } else {
        --count;
        delta = -opponentStep(count, m_pricedLimit);
        if (count == 0) {
            delta += changeMet(x, -1) + changeMet(y, -1);
        }
    }
    m_opponents[pairIndex(y, x)] = count;
    return delta;
}

bool Search::mayPartner(int x, int y) const
{
    const int gx = m_groupOf[static_cast<std::size_t>(x)];
    const int gy = m_groupOf[static_cast<std::size_t>(y)];
    return m_task.kind == MatchKind::Mixed ? gx != gy : gx == gy;
}

// How often each partnership of present players comes up when the table's partnerships are
// spread evenly over them, rounded up: 1 up to the bound, more past it.
int Search::fairShare() const
{
    long pairs = 0;
    for (int x = 0; x < m_ids; ++x) {
        for (int y = x + 1; y < m_ids; ++y) {
            pairs += m_task.present[static_cast<std::size_t>(x)] &&
                             m_task.present[static_cast<std::size_t>(y)] && mayPartner(x, y)
                         ? 1
                         : 0;
        }
    }
    const long partnerships =
        static_cast<long>(m_games) * m_task.courts * static_cast<long>(m_layout.partners.size());
    return pairs == 0 ? 1 : static_cast<int>(std::max(1L, (partnerships + pairs - 1) / pairs));
}

// Keeps the list of partnerships above the fair share up to date with a partnership's new count.
void Search::noteRepeat(int x, int y, int count)
{
    const int key = static_cast<int>(pairIndex(std::min(x, y), std::max(x, y)));
    int& at = m_repeatedAt[static_cast<std::size_t>(key)];
    if (count > m_fairShare && at < 0) {
        at = static_cast<int>(m_repeated.size());
        m_repeated.push_back(key);
    } else if (count <= m_fairShare && at >= 0) {
        const int last = m_repeated.back();
        m_repeated[static_cast<std::size_t>(at)] = last;
        m_repeatedAt[static_cast<std::size_t>(last)] = at;
        m_repeated.pop_back();
        at = -1;
    }
}

// Counts the partnerships and meetings of a whole game (empty seats of a kept game aside).
void Search::linkGame(int game)
{
    for (int court = 0; court < m_task.courts; ++court) {
        const auto players = [&](int a, int b) {
            return std::pair(seatAt(game, court * m_spc + a), seatAt(game, court * m_spc + b));
        };
        for (const auto& [a, b] : m_layout.partners) {
            const auto [x, y] = players(a, b);
            if (x >= 0 && y >= 0) {
                countPartners(x, y, +1);
            }
        }
        for (const auto& [a, b] : m_layout.opponents) {
            const auto [x, y] = players(a, b);
            if (x >= 0 && y >= 0) {
                countMeeting(x, y, +1);
            }
        }
    }
}

// Adds (sign +1) or removes (-1) the partnerships and meetings that the players on the seats
// the move changes in `game` have with the rest of their courts; returns the cost change.
Cost Search::link(int game, const Move& move, int sign)
{
    Cost delta;
    for (int i = 0; i < move.count; ++i) {
        const SeatChange& change = move.changes[static_cast<std::size_t>(i)];
        if (change.game != game) {
            continue;
        }
        const int court = courtOf(change.seat);
        const int k = placeOf(change.seat);
        const int x = seatAt(game, change.seat);
        // Two changed seats that are related count once, from the first of them.
        const auto related = [&](int otherK) {
            const int other = court * m_spc + otherK;
            for (int j = 0; j < i; ++j) {
                const SeatChange& earlier = move.changes[static_cast<std::size_t>(j)];
                if (earlier.game == game && earlier.seat == other) {
                    return -1;
                }
            }
            return seatAt(game, other);
        };
        if (m_partnerSeat[k] >= 0) {
            const int y = related(m_partnerSeat[k]);
            if (y >= 0) {
                delta.partners += countPartners(x, y, sign);
            }
        }
        for (int o = 0; o < m_opponentCount[k]; ++o) {
            const int y = related(m_opponentSeats[k][static_cast<std::size_t>(o)]);
            if (y >= 0) {
                delta.others += countMeeting(x, y, sign);
            }
        }
    }
    return m_roundCost ? Cost{} : delta;
}

// Puts the move's players on their seats; whoever they replace is left resting (in a swap the
// other change seats him again).
void Search::place(const Move& move)
{
    for (const SeatChange& change : move) {
        m_where[placeIndex(change.game, seatAt(change.game, change.seat))] = kRest;
    }
    for (const SeatChange& change : move) {
        m_seat[index(change.game, change.seat)] = change.id;
        m_where[placeIndex(change.game, change.id)] = change.seat;
    }
}

// Makes the move; returns the cost change.
Cost Search::apply(const Move& move)
{
    Cost delta{0, m_roundCost ? meetingsCost(move) : 0};
    const int first = move.changes[0].game;
    const int last = move.changes[static_cast<std::size_t>(move.count - 1)].game;
    delta += link(first, move, -1);
    if (last != first) {
        delta += link(last, move, -1);
    }
    place(move);
    delta += link(first, move, +1);
    if (last != first) {
        delta += link(last, move, +1);
    }
    return delta;
}

// The move that puts back who sits on the move's seats now.
Move Search::inverseOf(const Move& move) const
{
    Move inverse = move;
    for (SeatChange& change : inverse) {
        change.id = seatAt(change.game, change.seat);
    }
    return inverse;
}

// The cost of the count changes, from the counts as they are.
Cost Search::price(const CountChanges& changes) const
{
    Cost delta;
    const auto partnerSteps = [this](int c) { return partnerStep(c, m_fairShare); };
    const auto meetingSteps = [this](int c) { return opponentStep(c, m_pricedLimit); };
    for (int i = 0; i < changes.partnerCount; ++i) {
        const auto& [x, y, by] = changes.partners[static_cast<std::size_t>(i)];
        const int count = m_partners[pairIndex(x, y)];
        delta.partners += stepsBetween(partnerSteps, count, count + by);
    }
    std::array<int, 32> touched; // players whose number of different opponents changes
    int touchedCount = 0;
    const auto addMet = [&](int id, int sign) {
        int& change = m_metChange[static_cast<std::size_t>(id)];
        if (change == 0) {
            touched[static_cast<std::size_t>(touchedCount++)] = id;
        }
        change += sign;
    };
    for (int i = 0; i < changes.meetingCount; ++i) {
        const auto& [x, y, by] = changes.meetings[static_cast<std::size_t>(i)];
        const int count = m_opponents[pairIndex(x, y)];
        delta.others += stepsBetween(meetingSteps, count, count + by);
        const int met = (count + by > 0 ? 1 : 0) - (count > 0 ? 1 : 0);
        if (met != 0) {
            addMet(x, met);
            addMet(y, met);
        }
    }
    for (int t = 0; t < touchedCount; ++t) {
        const auto id = static_cast<std::size_t>(touched[static_cast<std::size_t>(t)]);
        const int m = m_unmet[id];
        delta.others += unmetCost(m - m_metChange[id]) - unmetCost(m);
        m_metChange[id] = 0;
    }
    return delta;
}

// Fixed pairs: the change of the round cost of every A pair and B pair whose meetings the move
// shifts. Leaves the seats as they were.
long Search::meetingsCost(const Move& move)
{
    std::array<std::pair<int, int>, 8> pairs{};
    int count = 0;
    const auto collect = [&] {
        for (const SeatChange& change : move) {
            const int court = courtOf(change.seat);
            const std::pair meeting(seatAt(change.game, court * m_spc),
                                    seatAt(change.game, court * m_spc + 1));
            if (std::find(pairs.begin(), pairs.begin() + count, meeting) == pairs.begin() + count) {
                pairs[static_cast<std::size_t>(count++)] = meeting;
            }
        }
    };
    const Move undoing = inverseOf(move);
    collect();
    place(move);
    collect();
    long after = 0;
    for (int i = 0; i < count; ++i) {
        after += roundCost(pairs[static_cast<std::size_t>(i)].first,
                           pairs[static_cast<std::size_t>(i)].second);
    }
    place(undoing);
    long before = 0;
    for (int i = 0; i < count; ++i) {
        before += roundCost(pairs[static_cast<std::size_t>(i)].first,
                            pairs[static_cast<std::size_t>(i)].second);
    }
    return after - before;
}

// How far the meetings of A pair a and B pair b fall behind or ahead of the rounds: after a game
// that completes r whole rounds of meetings every two pairs have met r or r + 1 times, so that
// every A pair meets every B pair once before any two meet again, and so on round after round.
long Search::roundCost(int a, int b) const
{
    if (!m_task.present[static_cast<std::size_t>(a)] ||
        !m_task.present[static_cast<std::size_t>(b)]) {
        return 0;
    }
    long met = m_keptMeetings[pairIndex(a, b)];
    long cost = 0;
    for (int game = m_first; game < m_games; ++game) {
        const int wa = whereIs(game, a);
        const int wb = whereIs(game, b);
        if (wa >= 0 && wb >= 0 && courtOf(wa) == courtOf(wb)) {
            ++met;
        }
        const long rounds = m_roundsDone[static_cast<std::size_t>(game)];
        cost += kRoundStep * (std::max(rounds - met, 0L) + std::max(met - rounds - 1, 0L));
    }
    return cost;
}

Cost Search::totalCost() const
{
    Cost cost;
    if (m_roundCost) {
        for (int a = 0; a < m_task.groupSize[0]; ++a) {
            for (int b = m_offset[1]; b < m_ids; ++b) {
                cost.others += roundCost(a, b);
            }
        }
        return cost;
    }
    for (int x = 0; x < m_ids; ++x) {
        for (int y = x + 1; y < m_ids; ++y) {
            for (int c = 0; c < m_partners[pairIndex(x, y)]; ++c) {
                cost.partners += partnerStep(c, m_fairShare);
            }
            for (int c = 0; c < m_opponents[pairIndex(x, y)]; ++c) {
                cost.others += opponentStep(c, m_pricedLimit);
            }
        }
        cost.others += unmetCost(m_unmet[static_cast<std::size_t>(x)]);
    }
    return cost;
}

// The least cost any table could have, from the partnerships and meetings alone: every one the
// new games add goes to two players who have had the fewest. Reaching it ends the search.
// Counts only the kept games, so it runs before the new games are seated.
Cost Search::lowerBound() const
{
    if (m_roundCost) {
        return {};
    }
    const auto fill = [&](const std::vector<int>& counts, long added, const auto& step,
                          const auto& eligible) {
        std::vector<long> levels(static_cast<std::size_t>(kMaxLevel + 2), 0);
        long cost = 0;
        for (int x = 0; x < m_ids; ++x) {
            for (int y = x + 1; y < m_ids; ++y) {
                if (!m_task.present[static_cast<std::size_t>(x)] ||
                    !m_task.present[static_cast<std::size_t>(y)] || !eligible(x, y)) {
                    continue;
                }
                const int c = std::min(counts[pairIndex(x, y)], kMaxLevel);
                ++levels[static_cast<std::size_t>(c)];
                for (int k = 0; k < c; ++k) {
                    cost += step(k);
                }
            }
        }
        for (int c = 0; c <= kMaxLevel && added > 0; ++c) {
            const long raised = std::min(added, levels[static_cast<std::size_t>(c)]);
            cost += raised * step(c);
            added -= raised;
            levels[static_cast<std::size_t>(c + 1)] += raised;
        }
        return cost;
    };
    const long perGame = static_cast<long>(m_games - m_first) * m_task.courts;
    const auto group = [&](int id) { return m_groupOf[static_cast<std::size_t>(id)]; };
    const auto partnersMay = [&](int x, int y) { return mayPartner(x, y); };
    const auto opponentsMay = [&](int x, int y) {
        return m_task.kind != MatchKind::Team || group(x) != group(y);
    };
    return {fill(
                m_partners, perGame * static_cast<long>(m_layout.partners.size()),
                [&](int c) { return partnerStep(c, m_fairShare); }, partnersMay),
            fill(
                m_opponents, perGame * static_cast<long>(m_layout.opponents.size()),
                [&](int c) { return opponentStep(c, m_pricedLimit); }, opponentsMay)};
}

bool Search::accept(const Cost& delta, double temperature)
{
    const double weighed =
        static_cast<double>(delta.partners) * m_partnerWeight + static_cast<double>(delta.others);
    return m_random.accepts(weighed, temperature);
}

// Saves the table before leaving a best one that was not saved yet.
void Search::keepIfBest()
{
    if (!m_bestSaved && m_cost.weighed(kPartnerWeight) == m_bestCost) {
        m_bestSeats.assign(m_seat.begin() + static_cast<long>(index(m_first, 0)), m_seat.end());
        m_bestSaved = true;
    }
}

// Makes an accepted move of known cost.
void Search::commit(const Move& move, const Cost& delta)
{
    if (delta.weighed(kPartnerWeight) > 0) {
        keepIfBest();
    }
    apply(move);
    m_cost += delta;
}

// Makes the move if it is `allowed()` once made and the temperature accepts its cost.
template <typename Allowed>
bool Search::tryMove(const Move& move, double temperature, const Allowed& allowed)
{
    ++m_priced;
    const Move inverse = inverseOf(move);
    const Cost delta = apply(move);
    if (!allowed() || !accept(delta, temperature)) {
        apply(inverse);
        return false;
    }
    if (delta.weighed(kPartnerWeight) > 0 && !m_bestSaved) {
        apply(inverse);
        keepIfBest();
        apply(move);
    }
    m_cost += delta;
    return true;
}

// The count changes when `coming` takes the seat of `leaving` in a game: the relations of the
// seat with the rest of its court change hands, but the one with seat `kept`, whose player
// trades places with him.
void Search::trade(CountChanges& changes, int game, int seat, int leaving, int coming,
                   int kept) const
{
    const int court = courtOf(seat);
    const int k = placeOf(seat);
    if (m_partnerSeat[k] >= 0 && court * m_spc + m_partnerSeat[k] != kept) {
        const int z = seatAt(game, court * m_spc + m_partnerSeat[k]);
        changes.partner(leaving, z, -1);
        changes.partner(coming, z, +1);
    }
    for (int o = 0; o < m_opponentCount[k]; ++o) {
        const int other = court * m_spc + m_opponentSeats[k][static_cast<std::size_t>(o)];
        if (other != kept) {
            const int z = seatAt(game, other);
            changes.meeting(leaving, z, -1);
            changes.meeting(coming, z, +1);
        }
    }
}

// Makes the move if the temperature accepts the price of its count changes.
bool Search::tryPriced(const Move& move, const CountChanges& changes, double temperature)
{
    ++m_priced;
    const Cost delta = price(changes);
    if (!accept(delta, temperature)) {
        return false;
    }
    commit(move, delta);
    return true;
}

// Seats s1 and s2 of a game (one group's) trade players, if the temperature accepts the cost.
// Priced before it is made: each player leaves the relations of his seat and takes over the
// other's (two seats of one court stay related as they were).
bool Search::trySwap(int game, int s1, int s2, double temperature)
{
    if (s1 == s2 || partnersAt(s1, s2)) {
        return false;
    }
    Move move;
    move.add({game, s1, seatAt(game, s2)});
    move.add({game, s2, seatAt(game, s1)});
    if (m_roundCost) {
        return tryMove(move, temperature, [] { return true; });
    }
    CountChanges changes;
    const int x = seatAt(game, s1);
    const int y = seatAt(game, s2);
    trade(changes, game, s1, x, y, s2);
    trade(changes, game, s2, y, x, s1);
    return tryPriced(move, changes, temperature);
}

bool Search::trySeatSwap(double temperature)
{
    const int game = randomGame();
    const int s1 = m_random.below(m_seatsPerGame);
    return trySwap(game, s1, randomSeatOf(m_layout.group[placeOf(s1)]), temperature);
}

// Two pairs of a game, on different courts, trade places (team match: two pairs of the same
// team): partners stay, each pair takes over the other's opponents.
bool Search::tryPairSwap(double temperature)
{
    const int game = randomGame();
    const int c1 = m_random.below(m_task.courts);
    const int c2 = m_random.below(m_task.courts);
    const int side1 = m_random.below(2);
    const int side2 = m_task.kind == MatchKind::Team ? side1 : m_random.below(2);
    if (c1 == c2) {
        return false;
    }
    CountChanges changes;
    Move move;
    const auto swapPair = [&](int court, int side, int otherCourt, int otherSide) {
        for (int member = 0; member < 2; ++member) {
            const int seat = court * m_spc + 2 * side + member;
            const int other = otherCourt * m_spc + 2 * otherSide + member;
            move.add({game, seat, seatAt(game, other)});
            for (int across = 0; across < 2; ++across) {
                const int z = seatAt(game, court * m_spc + 2 * (1 - side) + across);
                changes.meeting(seatAt(game, seat), z, -1);
                changes.meeting(seatAt(game, other), z, +1);
            }
        }
    };
    swapPair(c1, side1, c2, side2);
    swapPair(c2, side2, c1, side1);
    return tryPriced(move, changes, temperature);
}

// A player of a partnership above the fair share, in a new game where it stands, trades seats
// with another player of his group: some of the moves go where the faults are.
bool Search::tryRepairPartners(double temperature)
{
    const int key =
        m_repeated[static_cast<std::size_t>(m_random.below(static_cast<int>(m_repeated.size())))];
    const int x = key / m_ids;
    const int y = key % m_ids;
    const int game = firstNewGame([&](int g) {
        const int wx = whereIs(g, x);
        const int wy = whereIs(g, y);
        return wx >= 0 && wy >= 0 && partnersAt(wx, wy);
    });
    if (game < 0) {
        return false;
    }
    const int s1 = whereIs(game, m_random.below(2) == 0 ? x : y);
    return trySwap(game, s1, randomSeatOf(m_layout.group[placeOf(s1)]), temperature);
}

// A player outside the band of different opponents, in a new game where he meets someone he
// meets more than once (above the band, once aiming at it: someone he meets only there), trades
// seats with whoever of his group, or that opponent does. Before aiming at the band the player is
// the most short of a few drawn; then any of the first few outside it from a drawn start.
bool Search::tryRepairMeetings(double temperature)
{
    int player = -1;
    if (!m_band) {
        for (int draw = 0; draw < 8; ++draw) {
            const int id = m_random.below(m_ids);
            const int m = m_unmet[static_cast<std::size_t>(id)];
            if (m > 2 && (player < 0 || m > m_unmet[static_cast<std::size_t>(player)])) {
                player = id;
            }
        }
    } else {
        std::array<int, 8> outside{};
        int count = 0;
        for (int id = 0, start = m_random.below(m_ids); id < m_ids && count < 8; ++id) {
            const int x = (start + id) % m_ids;
            const int m = m_unmet[static_cast<std::size_t>(x)];
            if (m > 2 || m < 0) {
                outside[static_cast<std::size_t>(count++)] = x;
            }
        }
        player = count > 0 ? outside[static_cast<std::size_t>(m_random.below(count))] : -1;
    }
    if (player < 0) {
        return false;
    }
    const bool below = m_unmet[static_cast<std::size_t>(player)] > 0;
    int seat = -1;
    bool opponentMoves = false;
    const int game = firstNewGame([&](int g) {
        const int w = whereIs(g, player);
        const int k = w >= 0 ? placeOf(w) : 0;
        for (int o = 0; w >= 0 && o < m_opponentCount[k]; ++o) {
            const int other = courtOf(w) * m_spc + m_opponentSeats[k][static_cast<std::size_t>(o)];
            const int met = m_opponents[pairIndex(player, seatAt(g, other))];
            if (below ? met >= 2 : met == 1) {
                opponentMoves = m_random.below(2) == 0;
                seat = opponentMoves ? other : w;
                return true;
            }
        }
        return false;
    });
    if (game < 0) {
        return false;
    }
    // A player short of opponents gets, where the opponent he meets again leaves, someone of
    // that game he has not met yet, if there is one.
    const int group = m_layout.group[placeOf(seat)];
    int target = randomSeatOf(group);
    if (below && opponentMoves) {
        std::array<int, 64> unmet{};
        int count = 0;
        for (int s = 0; s < m_seatsPerGame && count < 64; ++s) {
            const int z = seatAt(game, s);
            if (m_layout.group[placeOf(s)] == group && z != player &&
                m_opponents[pairIndex(player, z)] == 0) {
                unmet[static_cast<std::size_t>(count++)] = s;
            }
        }
        target = count > 0 ? unmet[static_cast<std::size_t>(m_random.below(count))] : target;
    }
    return trySwap(game, seat, target, temperature);
}

// A resting player x of `game` takes `seat`, and its player y of his group rests instead; at the
// next game where one of them rests alone, it must be y, and x rests there in y's stead. The two
// must have rested equally often before, so that rest counts only trade places and stay within
// one of each other: nothing otherwise, nor where no such later game comes.
std::optional<RestSwap> Search::restSwap(int game, int x, int seat) const
{
    const int y = seatAt(game, seat);
    int later = game + 1;
    while (later < m_games && rests(later, x) == rests(later, y)) {
        ++later;
    }
    if (later >= m_games || rests(later, x) || restsBefore(game, x) != restsBefore(game, y)) {
        return std::nullopt;
    }
    RestSwap swap;
    swap.move.add({game, seat, x});
    swap.move.add({later, whereIs(later, x), y});
    swap.later = later;
    // Whether the move makes y rest in two games in a row around `game`, or x around `later`.
    swap.twice = rests(game - 1, y) || (game + 1 != later && rests(game + 1, y)) ||
                 rests(later + 1, x) || (later - 1 != game && rests(later - 1, x));
    return swap;
}

// The lists of who rests after a rest swap (made, or made again to undo it).
void Search::noteRestSwap(const RestSwap& swap, int group)
{
    const int game = swap.move.changes[0].game;
    const int x = swap.move.changes[0].id;
    const int y = swap.move.changes[1].id;
    auto& resting = m_rests[static_cast<std::size_t>(game)][group];
    auto& laterResting = m_rests[static_cast<std::size_t>(swap.later)][group];
    const bool made = std::find(resting.begin(), resting.end(), x) != resting.end();
    std::replace(resting.begin(), resting.end(), made ? x : y, made ? y : x);
    std::replace(laterResting.begin(), laterResting.end(), made ? y : x, made ? x : y);
}

// A rest swap (restSwap) of a drawn resting player and seat, if the temperature accepts it.
bool Search::tryRestSwap(double temperature)
{
    const int game = randomGame();
    const int group = m_task.groupSize[1] > 0 ? m_random.below(2) : 0;
    auto& resting = m_rests[static_cast<std::size_t>(game)][group];
    // Halves that follow their plan keep it, block by block.
    if (resting.empty() || m_byHalves[group]) {
        return false;
    }
    const int x =
        resting[static_cast<std::size_t>(m_random.below(static_cast<int>(resting.size())))];
    const int seat = randomSeatOf(group);
    const int y = seatAt(game, seat);
    const std::optional<RestSwap> swap = restSwap(game, x, seat);
    if (!swap) {
        return false;
    }
    const Move& move = swap->move;
    const int later = swap->later;
    const int laterSeat = move.changes[1].seat;
    const int present = m_presentOf[group];
    if (swap->twice && present <= 2 * m_onCourt[group]) {
        // Halves of exactly twice the places mix only through double rests, one at most each.
        if (!m_task.mixHalves || present != 2 * m_onCourt[group]) {
            return false;
        }
        const auto allowed = [&] { return doubleRests(x) <= 1 && doubleRests(y) <= 1; };
        if (!tryMove(move, temperature, allowed)) {
            return false;
        }
    } else if (m_roundCost) {
        if (!tryMove(move, temperature, [] { return true; })) {
            return false;
        }
    } else {
        CountChanges changes(true);
        trade(changes, game, seat, y, x);
        trade(changes, later, laterSeat, x, y);
        if (!tryPriced(move, changes, temperature)) {
            return false;
        }
    }
    noteRestSwap(*swap, group);
    return true;
}

// One annealing round of `steps` moves: the temperature falls from `hot` to kCold and the
// weight of partnerships rises from `light` to kHeavyPartners. `done` of `total` steps of the
// whole search came before it.
void Search::anneal(long steps, double hot, double light, long done, long total)
{
    const bool hasRests = std::any_of(m_rests.begin(), m_rests.end(), [this](const auto& rests) {
        return (!rests[0].empty() && !m_byHalves[0]) || (!rests[1].empty() && !m_byHalves[1]);
    });
    const auto start = std::chrono::steady_clock::now();
    const long progressEvery = std::max(total / 100, 1L);
    double temperature = hot;
    m_priced = 0;
    for (long step = 0; step < steps && m_bestCost > m_floor.weighed(kPartnerWeight); ++step) {
        // Not a single move to price: there is none to make (the rests' plan fixes every game).
        if (step == kIdleSteps && m_priced == 0) {
            break;
        }
        if (step % 256 == 0) {
            const double share = static_cast<double>(step) / static_cast<double>(steps);
            temperature = hot * std::pow(kCold / hot, share);
            m_partnerWeight = light * std::pow(kHeavyPartners / light, share);
            if (step % 4096 == 0 &&
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >
                    m_limits.seconds) {
                break;
            }
        }
        if (m_limits.progress && (done + step) % progressEvery == 0) {
            m_limits.progress(static_cast<int>((done + step) * 100 / total));
        }
        const int draw = m_random.below(10);
        if (hasRests && draw < 3) {
            tryRestSwap(temperature);
        } else if (!m_roundCost && m_task.courts > 1 && draw >= 7) {
            tryPairSwap(temperature);
        } else if (!m_repeated.empty() && draw >= 5) {
            tryRepairPartners(temperature);
        } else if (!m_roundCost && (draw == 4 || (m_band && draw >= 5))) {
            tryRepairMeetings(temperature);
        } else {
            trySeatSwap(temperature);
        }
        if (m_cost.weighed(kPartnerWeight) < m_bestCost) {
            m_bestCost = m_cost.weighed(kPartnerWeight);
            m_bestSaved = false;
        }
    }
}

// Goes back to the best table seen.
void Search::restoreBest()
{
    if (m_bestSaved && m_cost.weighed(kPartnerWeight) > m_bestCost) {
        loadSeats(m_bestSeats);
    }
}

// Seats the new games as given, counts and rests and all.
void Search::loadSeats(const std::vector<int>& seats)
{
    std::copy(seats.begin(), seats.end(), m_seat.begin() + static_cast<long>(index(m_first, 0)));
    m_partners = m_keptPartners;
    m_opponents = m_keptMeetings;
    m_repeated.clear();
    std::fill(m_repeatedAt.begin(), m_repeatedAt.end(), -1);
    for (int game = m_first; game < m_games; ++game) {
        auto& rests = m_rests[static_cast<std::size_t>(game)];
        rests = {};
        for (int id = 0; id < m_ids; ++id) {
            if (m_task.present[static_cast<std::size_t>(id)]) {
                m_where[placeIndex(game, id)] = kRest;
            }
        }
        for (int seat = 0; seat < m_seatsPerGame; ++seat) {
            m_where[placeIndex(game, seatAt(game, seat))] = seat;
        }
        for (int id = 0; id < m_ids; ++id) {
            if (m_where[placeIndex(game, id)] == kRest) {
                rests[m_groupOf[static_cast<std::size_t>(id)]].push_back(id);
            }
        }
        linkGame(game);
    }
    for (int x = 0; x < m_ids; ++x) {
        for (int y = x + 1; y < m_ids; ++y) {
            noteRepeat(x, y, m_partners[pairIndex(x, y)]);
        }
    }
    planUnmet();
    m_cost = totalCost();
    m_bestSaved = false;
}

// The most meetings of two players a fair table allows: one above the least possible for the
// player who plays most (mixed doubles two above, the sexes counted apart). Games per player are
// those of the kept games and the planned rests, which no move changes.
int Search::meetingsAllowed() const
{
    if (m_roundCost) {
        return kMaxLevel;
    }
    int floor = 0;
    for (int id = 0; id < m_ids; ++id) {
        const auto u = static_cast<std::size_t>(id);
        if (!m_task.present[u]) {
            continue;
        }
        int k = 0;
        for (int game = 0; game < m_games; ++game) {
            k += game < m_first ? (whereIs(game, id) >= 0 ? 1 : 0)
                                : (whereIs(game, id) == kRest ? 0 : 1);
        }
        const int own = m_groupOf[u];
        floor =
            std::max(floor, meetingsFloor(m_task.kind, k, m_presentOf[own], m_presentOf[1 - own]));
    }
    return floor + (m_task.kind == MatchKind::Mixed ? 2 : 1);
}

// How far the table falls short of its promises, each of them 0 when kept: partnerships above
// their fair share beyond `repeats` of them; meetings past the most a fair table allows (for
// fixed pairs, meetings out of their round); numbers of different opponents more than two apart.
Shortfall Search::shortfall(int repeats) const
{
    if (m_roundCost) {
        return {0, m_cost.others, 0};
    }
    Shortfall missing;
    for (int key : m_repeated) {
        missing.partners += m_partners[static_cast<std::size_t>(key)] - m_fairShare;
    }
    missing.partners = std::max(missing.partners - repeats, 0L);
    for (int count : m_opponents) {
        missing.meetings += std::max(count - m_meetLimit, 0);
    }
    const std::vector<int> met = metCounts();
    std::array<int, 2> fewest{m_ids, m_ids};
    std::array<int, 2> most{};
    for (int id = 0; id < m_ids; ++id) {
        if (m_task.present[static_cast<std::size_t>(id)]) {
            const int band = m_bandOf[m_groupOf[static_cast<std::size_t>(id)]];
            fewest[band] = std::min(fewest[band], met[static_cast<std::size_t>(id)]);
            most[band] = std::max(most[band], met[static_cast<std::size_t>(id)]);
        }
    }
    for (int band = 0; band < 2; ++band) {
        missing.spread += std::max(most[band] - fewest[band] - 2, 0);
    }
    return missing;
}

// Per band of players compared for their numbers of different opponents: how far the numbers
// spread beyond two, and how many players stand at the ends of such a spread. From the numbers
// short of the target (m_unmet), which share one target within a band.
std::pair<long, long> Search::spreadAtEnds() const
{
    std::array<int, 2> low{m_ids, m_ids};
    std::array<int, 2> high{-m_ids, -m_ids};
    for (int id = 0; id < m_ids; ++id) {
        if (m_task.present[static_cast<std::size_t>(id)]) {
            const int band = m_bandOf[m_groupOf[static_cast<std::size_t>(id)]];
            low[band] = std::min(low[band], m_unmet[static_cast<std::size_t>(id)]);
            high[band] = std::max(high[band], m_unmet[static_cast<std::size_t>(id)]);
        }
    }
    long spread = 0;
    for (int band = 0; band < 2; ++band) {
        spread += std::max(high[band] - low[band] - 2, 0);
    }
    long atEnds = 0;
    for (int id = 0; id < m_ids && spread > 0; ++id) {
        const int band = m_bandOf[m_groupOf[static_cast<std::size_t>(id)]];
        const int u = m_unmet[static_cast<std::size_t>(id)];
        atEnds += m_task.present[static_cast<std::size_t>(id)] && high[band] - low[band] > 2 &&
                          (u == low[band] || u == high[band])
                      ? 1
                      : 0;
    }
    return {spread, atEnds};
}

// Partnerships above the fair share and meetings above the limit, of the pairs among `ids`.
std::pair<long, long> Search::aboveAmong(const std::vector<int>& ids) const
{
    long partners = 0;
    long meetings = 0;
    for (std::size_t a = 0; a < ids.size(); ++a) {
        for (std::size_t b = a + 1; b < ids.size(); ++b) {
            partners += std::max(m_partners[pairIndex(ids[a], ids[b])] - m_fairShare, 0);
            meetings += std::max(m_opponents[pairIndex(ids[a], ids[b])] - m_meetLimit, 0);
        }
    }
    return {partners, meetings};
}

// The last touches to a table that still misses a promise: every swap of two players of one
// group in a game (not partners), and every rest swap, that brings the table closer is made,
// pass after pass, until none does. Closer: fewer partnerships above the fair share (beyond those
// allowed), then fewer meetings above the limit, then numbers of different opponents less spread,
// then fewer players at its ends. A move changes only the counts among the players of the courts it
// touches. If the table misses no less in the end, it stays as it was (polish may have spent the
// partnerships allowed on the way).
void Search::polish()
{
    if (m_roundCost) {
        return;
    }
    const Shortfall before = promisesMissed();
    const std::vector<int> unpolished(m_seat.begin() + static_cast<long>(index(m_first, 0)),
                                      m_seat.end());
    std::vector<int> everybody;
    for (int id = 0; id < m_ids; ++id) {
        if (m_task.present[static_cast<std::size_t>(id)]) {
            everybody.push_back(id);
        }
    }
    // Partnerships above the fair share count beyond those the table may have (repeatsAllowed).
    const long allowed = repeatsAllowed();
    const auto [partners, meetings] = aboveAmong(everybody);
    const auto [spread, atEnds] = spreadAtEnds();
    long raw = partners;
    std::array<long, 4> best{std::max(raw - allowed, 0L), meetings, spread, atEnds};
    std::vector<int> around; // every player whose counts a move changes
    // Makes the move (a rest swap of `group` if `swap`) if it brings the table closer.
    const auto tryCloser = [&](const Move& move, const RestSwap* swap, int group) {
        std::sort(around.begin(), around.end());
        around.erase(std::unique(around.begin(), around.end()), around.end());
        const auto [p0, m0] = aboveAmong(around);
        const Move back = inverseOf(move);
        const Cost delta = apply(move);
        if (swap) {
            noteRestSwap(*swap, group);
        }
        const auto [p1, m1] = aboveAmong(around);
        const auto [spreadNow, atEndsNow] = spreadAtEnds();
        const std::array<long, 4> now{std::max(raw + p1 - p0 - allowed, 0L), best[1] + m1 - m0,
                                      spreadNow, atEndsNow};
        if (now < best) {
            best = now;
            raw += p1 - p0;
            m_cost += delta;
            return true;
        }
        apply(back);
        if (swap) {
            noteRestSwap(*swap, group);
        }
        return false;
    };
    const auto addCourt = [&](int game, int seat) {
        for (int k = 0; k < m_spc; ++k) {
            around.push_back(seatAt(game, courtOf(seat) * m_spc + k));
        }
    };
    bool better = true;
    long tried = 0;
    while (better && tried < kPolishSwaps && promisesMissed() != Shortfall{}) {
        better = false;
        for (int game = m_first; game < m_games; ++game) {
            for (int s1 = 0; s1 < m_seatsPerGame; ++s1) {
                for (int s2 = s1 + 1; s2 < m_seatsPerGame; ++s2) {
                    if (partnersAt(s1, s2) ||
                        m_layout.group[placeOf(s1)] != m_layout.group[placeOf(s2)]) {
                        continue;
                    }
                    ++tried;
                    around.clear();
                    addCourt(game, s1);
                    addCourt(game, s2);
                    Move move;
                    move.add({game, s1, seatAt(game, s2)});
                    move.add({game, s2, seatAt(game, s1)});
                    better = tryCloser(move, nullptr, 0) || better;
                }
            }
            // Rest swaps, but none that makes a player rest twice in a row where that is rationed.
            for (int group = 0; group < 2; ++group) {
                if (m_byHalves[group]) {
                    continue;
                }
                const std::vector<int> resting = m_rests[static_cast<std::size_t>(game)][group];
                for (int x : resting) {
                    for (int seat = 0; seat < m_seatsPerGame && rests(game, x); ++seat) {
                        if (m_layout.group[placeOf(seat)] != group) {
                            continue;
                        }
                        const std::optional<RestSwap> swap = restSwap(game, x, seat);
                        if (!swap || (swap->twice && m_presentOf[group] <= 2 * m_onCourt[group])) {
                            continue;
                        }
                        ++tried;
                        around.clear();
                        addCourt(game, seat);
                        addCourt(swap->later, swap->move.changes[1].seat);
                        better = tryCloser(swap->move, &*swap, group) || better;
                    }
                }
            }
        }
    }
    if (!(promisesMissed() < before)) {
        loadSeats(unpolished);
    }
}

// Whether the table keeps every promise, so that no further round is needed: no partnership
// above its fair share, numbers of different opponents within two of each other, and no two
// players meeting more than one (mixed doubles two) above the least possible; for fixed pairs
// every meeting in its round.
bool Search::goodEnough() const { return shortfall(0) == Shortfall{}; }

// Partnerships above the fair share a table may have: up to two once the games come within a
// tenth of the bound, where even the best searches may not avoid them all.
int Search::repeatsAllowed() const
{
    const int bound = gamesBound(m_task.kind, m_task.groupSize, m_task.courts);
    return m_fairShare == 1 && 10L * m_games > 9L * bound ? 2 : 0;
}

// Whether a group of exactly twice the places keeps its halves apart: everybody plays every
// other game, so its players only ever partner and meet those of their own half.
bool Search::halvesApart() const
{
    for (int group = 0; group < 2; ++group) {
        if (!m_task.mixHalves && m_onCourt[group] > 0 &&
            m_presentOf[group] == 2 * m_onCourt[group]) {
            return true;
        }
    }
    return false;
}

Shortfall Search::promisesMissed() const
{
    return halvesApart() ? Shortfall{} : shortfall(repeatsAllowed());
}

std::vector<std::vector<int>> Search::run()
{
    setUp();
    m_cost = totalCost();
    m_bestCost = m_cost.weighed(kPartnerWeight);
    m_bestSaved = false;
    const long steps = m_games > m_first && m_seatsPerGame > 0 ? m_limits.steps : 0;
    const long later = steps / 2; // the steps of every further round
    const long total = steps + later * (m_limits.rounds - 1);
    // A start that keeps every promise (a design of the whole table) is kept if the search, which
    // also weighs how evenly everything spreads, ends up missing one.
    std::vector<int> keptStart;
    if (promisesMissed() == Shortfall{}) {
        keptStart.assign(m_seat.begin() + static_cast<long>(index(m_first, 0)), m_seat.end());
    }
    // Seats that start without a needless repeated partnership (round-robin, turned lists) keep
    // their partners; otherwise partners are loose at first, so that the search can roam.
    anneal(steps, kHot, m_cost.partners == m_floor.partners ? kHeavyPartners : kLightPartners, 0,
           total);
    for (int round = 1; round < m_limits.rounds; ++round) {
        restoreBest();
        if (goodEnough()) {
            break;
        }
        aimAtBand();
        anneal(later, kHot, kFirmPartners, steps + later * (round - 1), total);
    }
    restoreBest();
    if (!keptStart.empty() && promisesMissed() != Shortfall{}) {
        loadSeats(keptStart);
    }
    if (promisesMissed() != Shortfall{}) {
        polish();
    }
    std::vector<std::vector<int>> games;
    for (int game = m_first; game < m_games; ++game) {
        games.emplace_back(m_seat.begin() + static_cast<long>(index(game, 0)),
                           m_seat.begin() + static_cast<long>(index(game + 1, 0)));
    }
    return games;
}

} // namespace

std::vector<std::vector<int>> runBalancedSearch(const SearchTask& task, const SearchLimits& limits)
{
    // Progress runs over every search the budget allows; one that keeps every promise ends it.
    const int searches = limits.restarts + 1;
    const auto limitsOf = [&](int k) {
        SearchLimits part = limits;
        if (limits.progress) {
            part.progress = [&limits, k, searches](int percent) {
                limits.progress((k * 100 + percent) / searches);
            };
        }
        return part;
    };
    const SearchLimits first = limitsOf(0);
    Search search(task, first);
    std::vector<std::vector<int>> games = search.run();
    Shortfall missed = search.promisesMissed();
    // A table that misses a promise is searched again from other starts; the first that keeps
    // them all is taken, or else the one that comes closest (the first of those).
    for (int restart = 1; restart <= limits.restarts && missed != Shortfall{}; ++restart) {
        SearchTask again = task;
        again.seed = task.seed + static_cast<std::uint64_t>(restart) * 0x9e3779b97f4a7c15ULL;
        const SearchLimits part = limitsOf(restart);
        Search other(again, part);
        std::vector<std::vector<int>> otherGames = other.run();
        if (other.promisesMissed() < missed) {
            missed = other.promisesMissed();
            games = std::move(otherGames);
        }
    }
    return games;
}

} // namespace zoruka
