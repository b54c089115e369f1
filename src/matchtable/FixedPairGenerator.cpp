#include "matchtable/FixedPairGenerator.h"

#include "matchtable/RestRotation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace zoruka {

namespace {

enum class Meeting : std::uint8_t {
    Free,
    InGame,  // matched, or withdrawn and forbidden, in the game being built
    Earlier, // met in an earlier game
};

class FixedPairBuilder {
public:
    FixedPairBuilder(int pairsB, int courts) : m_pairsB(pairsB), m_courts(courts) {}

    // Fills `courts` (court p = the match of the game's p-th A pair) and returns whether every
    // court was filled. The matches stored up to the first empty court are met for good.
    bool buildGame(const std::vector<int>& listA, const std::vector<int>& listB,
                   std::vector<Pair>& courts);

private:
    Meeting& mark(int a, int b)
    {
        return m_marks[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
    }
    bool repair(int withdrawals, const std::vector<int>& listA, const std::vector<int>& listB,
                std::vector<Pair>& courts);

    int m_pairsB;
    int m_courts;
    std::array<std::array<Meeting, kMaxCount + 1>, kMaxCount + 1> m_marks{};
    std::vector<bool> m_usedA;
    std::vector<bool> m_usedB;
};

bool FixedPairBuilder::buildGame(const std::vector<int>& listA, const std::vector<int>& listB,
                                 std::vector<Pair>& courts)
{
    const auto c = static_cast<std::size_t>(m_courts);
    courts.assign(c, Pair{});
    m_usedA.assign(c, false);
    m_usedB.assign(c, false);
    int repairs = 0;
    bool complete = true;
    for (std::size_t p = 0; p < c;) {
        if (m_usedA[p]) {
            ++p;
            continue;
        }
        const int a = listA[p];
        std::size_t q = 0;
        while (q < c && (m_usedB[q] || mark(a, listB[q]) != Meeting::Free)) {
            ++q;
        }
        if (q < c) {
            m_usedA[p] = true;
            m_usedB[q] = true;
            courts[p] = {a, listB[q]};
            mark(a, listB[q]) = Meeting::InGame;
            ++p;
            continue;
        }
        if (repairs > m_courts) {
            complete = false;
            break;
        }
        ++repairs;
        if (!repair(repairs, listA, listB, courts)) {
            complete = false;
            break;
        }
        p = 0;
    }

    for (auto& row : m_marks) {
        std::replace(row.begin(), row.end(), Meeting::InGame, Meeting::Free);
    }
    for (const Pair& court : courts) {
        if (court.empty()) {
            break;
        }
        mark(court.first, court.second) = Meeting::Earlier;
    }
    return complete;
}

// Withdraws the last `withdrawals` matches; the A pairs from the topmost withdrawn one on forget
// what they tried, and that topmost match is forbidden for now. Succeeds when some A pair of the
// game meets an unmet B pair that is free before it meets an unmet one that is taken.
bool FixedPairBuilder::repair(int withdrawals, const std::vector<int>& listA,
                              const std::vector<int>& listB, std::vector<Pair>& courts)
{
    const auto c = static_cast<std::size_t>(m_courts);
    std::size_t topmost = c;
    Pair last;
    for (std::size_t row = c; row-- > 0 && withdrawals > 0;) {
        if (courts[row].empty()) {
            continue;
        }
        last = courts[row];
        courts[row] = {};
        m_usedA[row] = false;
        const auto q = std::find(listB.begin(), listB.end(), last.second) - listB.begin();
        m_usedB[static_cast<std::size_t>(q)] = false;
        mark(last.first, last.second) = Meeting::Free;
        topmost = row;
        --withdrawals;
    }
    if (topmost == c) {
        return false; // nothing was left to withdraw
    }
    for (std::size_t p = topmost; p < c; ++p) {
        for (int b = 1; b <= m_pairsB; ++b) {
            if (mark(listA[p], b) == Meeting::InGame) {
                mark(listA[p], b) = Meeting::Free;
            }
        }
    }
    mark(last.first, last.second) = Meeting::InGame;

    for (std::size_t p = 0; p < c; ++p) {
        for (std::size_t q = 0; q < c; ++q) {
            if (mark(listA[p], listB[q]) == Meeting::Free) {
                if (!m_usedB[q]) {
                    return true;
                }
                break;
            }
        }
    }
    return false;
}

} // namespace

RunParameters FixedPairGenerator::parameters(int pairsA, int pairsB, int courts, int games)
{
    RunParameters params;
    params.teamA = pairsA;
    params.teamB = pairsB;
    params.courts = courts;
    params.pairSize = 2;
    params.games = games;
    params.onCourt = 2 * courts;
    return params;
}

MatchTable FixedPairGenerator::generate(int pairsA, int pairsB, int courts, int games)
{
    if (pairsA < 0 || pairsA > kMaxCount || pairsB < 0 || pairsB > kMaxCount || courts < 0 ||
        games < 0 || games > kMaxCount || courts > std::min(pairsA, pairsB)) {
        throw std::invalid_argument("fixed-pair table counts out of range");
    }
    MatchTable table;
    table.params = parameters(pairsA, pairsB, courts, games);

    FixedPairBuilder builder(pairsB, courts);
    RestRotation rotationA(pairsA, courts);
    RestRotation rotationB(pairsB, courts);
    std::vector<Pair> stored;
    for (int game = 1; game <= games; ++game) {
        const std::vector<int> listA = rotationA.nextGame();
        const std::vector<int> listB = rotationB.nextGame();
        const bool complete = builder.buildGame(listA, listB, stored);
        for (std::size_t court = 0; court < stored.size() && !stored[court].empty(); ++court) {
            table.results.setPair(game, static_cast<int>(court) + 1, stored[court]);
        }
        if (!complete) {
            break;
        }
    }
    return table;
}

int storedCourts(const MatchTable& table, int game)
{
    int courts = 0;
    while (courts < table.params.courts && !table.results.pair(game, courts + 1).empty()) {
        ++courts;
    }
    return courts;
}

} // namespace zoruka
