#pragma once

// A built table measured player by player, for the properties the balanced tables promise.

#include "matchtable/KindCounts.h"
#include "matchtable/SeatLayout.h"
#include "matchtable/TableRests.h"
#include "matchtable/TableSeats.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zoruka::test {

struct TableMeasure {
    std::string fault; // the first structural fault found, empty when none
    std::map<std::pair<int, int>, int> partners;
    std::map<std::pair<int, int>, int> meetings;
    int partnerMax = 0;
    int distinctSpread = 0;    // within a rotation group, different opponents met
    int distinctSpreadAll = 0; // the same over all players
    int unfairDoubleRests = 0; // rested twice in a row while someone who played both had fewer
    int doubleRests = 0;
    std::vector<int> doubleRestsOf; // per id

    int partnerRepeats() const
    {
        int repeats = 0;
        for (const auto& [pair, count] : partners) {
            repeats += count - 1;
        }
        return repeats;
    }
};

inline TableMeasure measureTable(MatchKind kind, const MatchTable& table)
{
    TableMeasure m;
    const PlayerIds ids{groupSizes(kind, table.params)};
    const SeatLayout layout = seatLayout(kind);
    const int built = table.builtGames();
    std::vector<std::set<int>> opponents(static_cast<std::size_t>(ids.count()));
    std::vector<std::vector<bool>> resting(static_cast<std::size_t>(built),
                                           std::vector<bool>(opponents.size(), false));
    std::vector<std::vector<bool>> seated = resting;
    for (int group = 0; group < groupCount(kind); ++group) {
        const auto rests = tableRests(table, kind, group);
        for (int game = 0; game < built; ++game) {
            for (int number : rests[static_cast<std::size_t>(game)]) {
                resting[static_cast<std::size_t>(game)]
                       [static_cast<std::size_t>(ids.id(group, number))] = true;
            }
        }
    }
    for (int game = 1; game <= built; ++game) {
        const std::vector<int> seats = gameSeats(kind, table, game, ids);
        std::set<int> seen;
        for (std::size_t s = 0; s < seats.size(); ++s) {
            const int id = seats[s];
            const auto place = static_cast<int>(s) % layout.seatsPerCourt;
            if (id < 0 || !seen.insert(id).second ||
                resting[static_cast<std::size_t>(game - 1)][static_cast<std::size_t>(id)] ||
                ids.group(id) != layout.group[place]) {
                m.fault = "game " + std::to_string(game) + ": seat " + std::to_string(s);
                return m;
            }
            seated[static_cast<std::size_t>(game - 1)][static_cast<std::size_t>(id)] = true;
        }
        for (int court = 0; court < table.params.courts; ++court) {
            const auto at = [&](int k) {
                return seats[static_cast<std::size_t>(court * layout.seatsPerCourt + k)];
            };
            for (const auto& [a, b] : layout.partners) {
                const int count = ++m.partners[std::minmax(at(a), at(b))];
                m.partnerMax = std::max(m.partnerMax, count);
            }
            for (const auto& [a, b] : layout.opponents) {
                ++m.meetings[std::minmax(at(a), at(b))];
                opponents[static_cast<std::size_t>(at(a))].insert(at(b));
                opponents[static_cast<std::size_t>(at(b))].insert(at(a));
            }
        }
    }
    std::vector<int> allMet;
    for (int group = 0; group < groupCount(kind); ++group) {
        std::vector<int> met;
        for (int id = 0; id < ids.count(); ++id) {
            if (ids.group(id) == group && !opponents[static_cast<std::size_t>(id)].empty()) {
                met.push_back(static_cast<int>(opponents[static_cast<std::size_t>(id)].size()));
            }
        }
        if (!met.empty()) {
            const auto [low, high] = std::minmax_element(met.begin(), met.end());
            m.distinctSpread = std::max(m.distinctSpread, *high - *low);
        }
        allMet.insert(allMet.end(), met.begin(), met.end());
    }
    if (!allMet.empty()) {
        const auto [low, high] = std::minmax_element(allMet.begin(), allMet.end());
        m.distinctSpreadAll = *high - *low;
    }
    // Double rests, and those a player got while someone of his group who played both games had
    // rested less than he had.
    m.doubleRestsOf.assign(static_cast<std::size_t>(ids.count()), 0);
    std::vector<int> rested(static_cast<std::size_t>(ids.count()), 0);
    for (int game = 0; game < built; ++game) {
        const auto& now = resting[static_cast<std::size_t>(game)];
        if (game > 0) {
            const auto& before = resting[static_cast<std::size_t>(game - 1)];
            for (int x = 0; x < ids.count(); ++x) {
                const auto ux = static_cast<std::size_t>(x);
                if (!now[ux] || !before[ux]) {
                    continue;
                }
                ++m.doubleRests;
                ++m.doubleRestsOf[ux];
                for (int y = 0; y < ids.count(); ++y) {
                    const auto uy = static_cast<std::size_t>(y);
                    const bool playedBoth = ids.group(y) == ids.group(x) &&
                                            seated[static_cast<std::size_t>(game)][uy] &&
                                            seated[static_cast<std::size_t>(game - 1)][uy];
                    if (playedBoth && rested[uy] <= rested[ux] - 1) {
                        ++m.unfairDoubleRests;
                        break;
                    }
                }
            }
        }
        for (std::size_t id = 0; id < now.size(); ++id) {
            rested[id] += now[id] ? 1 : 0;
        }
    }
    return m;
}

} // namespace zoruka::test
