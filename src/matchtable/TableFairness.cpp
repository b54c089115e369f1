#include "matchtable/TableFairness.h"

#include "matchtable/KindCounts.h"
#include "matchtable/SeatLayout.h"
#include "matchtable/TableRests.h"
#include "matchtable/TableSeats.h"

#include <algorithm>
#include <map>
#include <set>

namespace zoruka {

namespace {

// Who rested in each game and how many rests everybody had, as the rest spread counts them.
int restSpread(MatchKind kind, const MatchTable& table, const PlayerIds& ids,
               const std::vector<std::vector<int>>& seats)
{
    int spread = 0;
    for (int group = 0; group < groupCount(kind); ++group) {
        const auto rests = tableRests(table, kind, group);
        std::map<int, int> count; // present players of the game before
        for (std::size_t g = 0; g < seats.size(); ++g) {
            std::set<int> present(rests[g].begin(), rests[g].end());
            for (int id : seats[g]) {
                if (id >= 0 && ids.group(id) == group) {
                    present.insert(ids.number(id));
                }
            }
            int fewest = -1;
            for (const auto& [number, rested] : count) {
                if (present.count(number)) {
                    fewest = fewest < 0 ? rested : std::min(fewest, rested);
                }
            }
            std::map<int, int> next;
            for (int number : present) {
                const auto before = count.find(number);
                next[number] = before != count.end() ? before->second : std::max(fewest, 0);
            }
            for (int number : rests[g]) {
                ++next[number];
            }
            if (!next.empty()) {
                const auto [low, high] =
                    std::minmax_element(next.begin(), next.end(), [](const auto& a, const auto& b) {
                        return a.second < b.second;
                    });
                spread = std::max(spread, high->second - low->second);
            }
            count = std::move(next);
        }
    }
    return spread;
}

} // namespace

TableFairness tableFairness(MatchKind kind, const MatchTable& table)
{
    const RunParameters& params = table.params;
    const std::array<int, 2> sizes = groupSizes(kind, params);
    const PlayerIds ids{sizes};
    const SeatLayout layout = seatLayout(kind);

    TableFairness fairness;
    fairness.built = table.builtGames();
    fairness.asked = params.games;
    fairness.bound = gamesBound(kind, sizes, params.courts);

    const auto count = static_cast<std::size_t>(ids.count());
    std::vector<int> partners(count * count, 0);
    std::vector<int> meetings(count * count, 0);
    std::vector<int> games(count, 0);
    std::array<std::set<int>, 2> seen;
    std::vector<std::vector<int>> seats;
    for (int game = 1; game <= fairness.built; ++game) {
        seats.push_back(gameSeats(kind, table, game, ids));
        const auto& placed = seats.back();
        for (std::size_t s = 0; s < placed.size(); ++s) {
            if (placed[s] >= 0) {
                ++games[static_cast<std::size_t>(placed[s])];
                seen[ids.group(placed[s])].insert(placed[s]);
            }
        }
        const auto relate = [&](std::vector<int>& counts, int court,
                                const std::vector<std::pair<int, int>>& relations) {
            for (const auto& [a, b] : relations) {
                const int x = placed[static_cast<std::size_t>(court * layout.seatsPerCourt + a)];
                const int y = placed[static_cast<std::size_t>(court * layout.seatsPerCourt + b)];
                if (x >= 0 && y >= 0) {
                    ++counts[static_cast<std::size_t>(std::min(x, y)) * count +
                             static_cast<std::size_t>(std::max(x, y))];
                }
            }
        };
        for (int court = 0; court < params.courts; ++court) {
            relate(partners, court, layout.partners);
            relate(meetings, court, layout.opponents);
        }
    }
    const std::vector<int>& repeated = kind == MatchKind::FixedPairs ? meetings : partners;
    for (int c : repeated) {
        fairness.repeats += std::max(c - 1, 0);
    }
    fairness.mostMeetings = *std::max_element(meetings.begin(), meetings.end());

    // Opponents a player can meet, and how many a game, per sex for mixed doubles.
    const int seenA = static_cast<int>(seen[0].size());
    const int seenB = static_cast<int>(seen[1].size());
    for (std::size_t id = 0; id < count; ++id) {
        const int k = games[id];
        const bool first = ids.group(static_cast<int>(id)) == 0;
        const int floor = meetingsFloor(kind, k, first ? seenA : seenB, first ? seenB : seenA);
        fairness.meetingsFloor = std::max(fairness.meetingsFloor, floor);
    }
    fairness.restSpread = restSpread(kind, table, ids, seats);
    return fairness;
}

std::string fairnessLine(MatchKind kind, const TableFairness& fairness)
{
    const bool fixedPairs = kind == MatchKind::FixedPairs;
    std::string line;
    if (fairness.repeats > 0) {
        line +=
            std::string(fixedPairs ? table_fairness::kMeetingsAgain : table_fairness::kPairsAgain) +
            "　";
    }
    line += "試合数 " + std::to_string(fairness.built) + "/" + std::to_string(fairness.asked) +
            "（重複なしの上限 " + std::to_string(fairness.bound) + "）　";
    line += std::string(fixedPairs ? "同じ対戦の重複 " : "ペアの重複 ") +
            std::to_string(fairness.repeats) + "　";
    line += "同じ相手との対戦 最多 " + std::to_string(fairness.mostMeetings) + "回（下限 " +
            std::to_string(fairness.meetingsFloor) + "回）　";
    line += "休憩回数の差 " + std::to_string(fairness.restSpread);
    return line;
}

} // namespace zoruka
