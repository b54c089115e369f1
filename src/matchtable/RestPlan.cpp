#include "matchtable/RestPlan.h"

#include <algorithm>

namespace zoruka {

std::vector<std::array<std::vector<int>, 2>> planRests(const SearchTask& task,
                                                       std::array<int, 2> onCourt)
{
    const int first = static_cast<int>(task.keptGames.size());
    const auto ids = static_cast<std::size_t>(task.ids());
    std::vector<int> count(task.restsSoFar.begin(), task.restsSoFar.end());
    std::vector<int> lastRest(ids, -1000);
    for (std::size_t id = 0; id < ids; ++id) {
        if (task.restedLast[id]) {
            lastRest[id] = first - 1;
        }
    }
    std::vector<std::array<std::vector<int>, 2>> plan;
    for (int game = first; game < task.games; ++game) {
        std::array<std::vector<int>, 2>& rests = plan.emplace_back();
        for (int group = 0; group < 2; ++group) {
            const int offset = group == 0 ? 0 : task.groupSize[0];
            std::vector<int> members;
            for (int id = offset; id < offset + task.groupSize[group]; ++id) {
                if (task.present[static_cast<std::size_t>(id)]) {
                    members.push_back(id);
                }
            }
            const int resting = static_cast<int>(members.size()) - onCourt[group];
            const bool avoidTwice = resting <= onCourt[group];
            std::stable_sort(members.begin(), members.end(), [&](int a, int b) {
                const auto ua = static_cast<std::size_t>(a);
                const auto ub = static_cast<std::size_t>(b);
                if (count[ua] != count[ub]) {
                    return count[ua] < count[ub];
                }
                const bool restedA = lastRest[ua] == game - 1;
                const bool restedB = lastRest[ub] == game - 1;
                if (avoidTwice && restedA != restedB) {
                    return restedB;
                }
                if (lastRest[ua] != lastRest[ub]) {
                    return lastRest[ua] < lastRest[ub];
                }
                return a > b;
            });
            for (int k = 0; k < resting; ++k) {
                const auto id = static_cast<std::size_t>(members[static_cast<std::size_t>(k)]);
                ++count[id];
                lastRest[id] = game;
                rests[group].push_back(static_cast<int>(id));
            }
        }
    }
    return plan;
}

} // namespace zoruka
