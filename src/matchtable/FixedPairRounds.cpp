#include "matchtable/FixedPairRounds.h"

#include <numeric>

namespace zoruka {

namespace {

// Whether one team's pairs, `first` .. first + count - 1, each play at most once a game and,
// while fewer rest than play, never miss two games in a row.
bool fairTurns(const std::vector<std::vector<int>>& games, int first, int count, int courts)
{
    std::vector<int> lastPlayed(static_cast<std::size_t>(count), -1);
    const bool avoidTwice = count - courts <= courts;
    for (int game = 0; game < static_cast<int>(games.size()); ++game) {
        const auto& seats = games[static_cast<std::size_t>(game)];
        for (std::size_t s = first == 0 ? 0 : 1; s < seats.size(); s += 2) {
            int& last = lastPlayed[static_cast<std::size_t>(seats[s] - first)];
            if (last == game) {
                return false;
            }
            last = game;
        }
        for (const int last : lastPlayed) {
            if (avoidTwice && game - last > 1) {
                return false;
            }
        }
    }
    return true;
}

std::vector<std::vector<int>> turns(int aPairs, int bPairs, int courts, int games)
{
    const long block = std::lcm(static_cast<long>(aPairs), static_cast<long>(bPairs));
    std::vector<std::vector<int>> table;
    for (long game = 0; game < games; ++game) {
        std::vector<int>& seats = table.emplace_back();
        for (long t = game * courts; t < (game + 1) * courts; ++t) {
            seats.push_back(static_cast<int>(t % aPairs));
            seats.push_back(aPairs + static_cast<int>((t + t / block) % bPairs));
        }
    }
    return table;
}

} // namespace

std::optional<std::vector<std::vector<int>>> fixedPairRounds(int aPairs, int bPairs, int courts,
                                                             int games)
{
    if (courts < 1 || courts > aPairs || courts > bPairs) {
        return std::nullopt;
    }
    std::vector<std::vector<int>> table = turns(aPairs, bPairs, courts, games);
    if (!fairTurns(table, aPairs, bPairs, courts)) {
        // The other team's pairs take the uneven turns.
        table = turns(bPairs, aPairs, courts, games);
        for (auto& seats : table) {
            for (std::size_t s = 0; s < seats.size(); s += 2) {
                const int b = seats[s];
                seats[s] = seats[s + 1] - bPairs;
                seats[s + 1] = aPairs + b;
            }
        }
    }
    if (!fairTurns(table, 0, aPairs, courts) || !fairTurns(table, aPairs, bPairs, courts)) {
        return std::nullopt;
    }
    return table;
}

std::vector<std::vector<int>> fixedPairHalves(int courts, int games)
{
    std::vector<std::vector<int>> table;
    for (int game = 0; game < games; ++game) {
        const int half = (game % 2) * courts;
        std::vector<int>& seats = table.emplace_back();
        for (int i = 0; i < courts; ++i) {
            seats.push_back(half + i);
            seats.push_back(2 * courts + half + (i + game / 2) % courts);
        }
    }
    return table;
}

} // namespace zoruka
