#include "matchtable/RestPlan.h"

#include "matchtable/HalvesPlan.h"
#include "matchtable/KindCounts.h"
#include "matchtable/OneCourtHalves.h"
#include "matchtable/SearchRandom.h"

#include <algorithm>
#include <numeric>

namespace zoruka {

namespace {

using Plan = std::vector<std::array<std::vector<int>, 2>>;

// The present players of a group, by id.
std::vector<int> presentOf(const SearchTask& task, int group)
{
    const int offset = group == 0 ? 0 : task.groupSize[0];
    std::vector<int> members;
    for (int id = offset; id < offset + task.groupSize[group]; ++id) {
        if (task.present[static_cast<std::size_t>(id)]) {
            members.push_back(id);
        }
    }
    return members;
}

// Pairs who play together in at most this many games have little chance to meet.
constexpr long kFewGames = 2;
// FillsGaps: what a pair that has never rested (played) together weighs, a pair that has once a
// quarter of it, and so on.
constexpr long kGapWeight = 1'000'000;

// Among players equally due to rest, who rests first.
enum class Choice {
    LongestAgo,     // whoever rested longest ago: rests go round in a fixed order
    SeldomTogether, // whoever has rested least often with those resting already
    FillsGaps,      // whoever has rested seldom with the most of those resting already
};

int ceilDiv(int a, int b) { return b <= 0 ? 0 : (a + b - 1) / b; }

// The most times two players of a table whose groups mix their halves may partner and meet: a
// partnership once (past the bound G / bound times, rounded up), meetings the allowance above
// the least possible (one, mixed doubles two).
struct PairLimits {
    int partnerships = 0;
    int meetings = 0;
};

PairLimits halvesLimits(const SearchTask& task)
{
    const std::array<int, 2> present{static_cast<int>(presentOf(task, 0).size()),
                                     static_cast<int>(presentOf(task, 1).size())};
    const int blocks = (task.games + 1) / 2; // every player's games
    const int allowance = task.kind == MatchKind::Mixed ? 2 : 1;
    PairLimits limits;
    for (int group = 0; group < 2; ++group) {
        if (present[group] > 0) {
            limits.meetings = std::max(
                limits.meetings,
                meetingsFloor(task.kind, blocks, present[group], present[1 - group]) + allowance);
        }
    }
    const int bound = gamesBound(task.kind, present, task.courts);
    limits.partnerships = task.games <= bound ? 1 : ceilDiv(task.games, bound);
    return limits;
}

// The most blocks two players of the groups planned by halves may share (planHalves), for two of
// the first planned group, two of the second and one of each: the average, rounded up, and for
// two who cannot partner the meetings' allowance above it. On one court, where two who share a
// block play that game together, one more, but never past the table's own limits (halvesLimits).
std::array<int, 3> halvesCaps(const SearchTask& task, std::array<bool, 2> byHalves)
{
    const std::array<int, 2> present{static_cast<int>(presentOf(task, 0).size()),
                                     static_cast<int>(presentOf(task, 1).size())};
    const int blocks = (task.games + 1) / 2;
    const bool mixed = task.kind == MatchKind::Mixed;
    const int allowance = mixed ? 2 : 1;
    const auto [partnerships, meetings] = halvesLimits(task);
    const auto cap = [&](bool partners, bool meet, int average) {
        const int aboveAverage = average + (partners ? 0 : allowance);
        if (task.courts == 1) {
            return std::min((partners ? partnerships : 0) + (meet ? meetings : 0),
                            aboveAverage + 1);
        }
        return aboveAverage;
    };
    std::array<int, 3> caps{};
    int k = 0;
    for (int group = 0; group < 2; ++group) {
        if (byHalves[group]) {
            const int n = present[group];
            caps[static_cast<std::size_t>(k++)] =
                cap(!mixed, task.kind != MatchKind::Team, ceilDiv((n / 2 - 1) * blocks, n - 1));
        }
    }
    caps[2] = cap(mixed, task.kind != MatchKind::Doubles, ceilDiv(blocks, 2));
    return caps;
}

// The rests of the groups whose halves mix by plan (restsByHalves), block by block.
struct HalvesRests {
    std::array<bool, 2> planned{};
    std::vector<std::vector<bool>> blocks; // see planHalves
};

HalvesRests halvesRests(const SearchTask& task, std::array<int, 2> onCourt, const Designs& designs)
{
    HalvesRests halves;
    const int blocks = (task.games + 1) / 2;
    std::array<bool, 2> byPlan{};
    std::vector<std::vector<int>> groups;
    for (int group = 0; group < 2; ++group) {
        halves.planned[group] = restsByHalves(task, onCourt, group);
        byPlan[group] = halves.planned[group] && !designs[group];
        if (byPlan[group]) {
            groups.push_back(presentOf(task, group));
        }
    }
    halves.blocks = groups.empty()
                        ? std::vector<std::vector<bool>>(static_cast<std::size_t>(blocks))
                        : planHalves(groups, blocks, halvesCaps(task, byPlan), task.seed);
    for (auto& block : halves.blocks) {
        block.resize(static_cast<std::size_t>(task.ids()), false);
    }
    for (int group = 0; group < 2; ++group) {
        if (designs[group]) {
            const std::vector<int> members = presentOf(task, group);
            for (std::size_t t = 0; t < halves.blocks.size(); ++t) {
                for (std::size_t i = 0; i < members.size(); ++i) {
                    halves.blocks[t][static_cast<std::size_t>(members[i])] =
                        designs[group]->restsFirst[t][i];
                }
            }
        }
    }
    return halves;
}

Plan plan(const SearchTask& task, std::array<int, 2> onCourt, const HalvesRests& halves,
          Choice choice)
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
    std::vector<bool> restedTwice(ids, false);
    for (std::size_t id = 0; id < ids; ++id) {
        restedTwice[id] = task.doubleRestsSoFar[id] > 0;
    }
    std::array<int, 2> mixed{}; // double rests given so far to mix a group's halves
    // Games two players rested in together, and played in together.
    std::vector<int> restedWith(ids * ids, 0);
    std::vector<int> playedWith(ids * ids, 0);
    const auto with = [ids](std::vector<int>& counts, int x, int y) -> int& {
        return counts[static_cast<std::size_t>(x) * ids + static_cast<std::size_t>(y)];
    };
    SearchRandom random(task.seed ^ 0x5e57'9a1aULL);
    std::vector<int> drawn(ids);
    Plan plan;
    for (int game = first; game < task.games; ++game) {
        std::array<std::vector<int>, 2>& rests = plan.emplace_back();
        std::vector<int> resting; // this game's, both groups
        std::vector<int> playing;
        std::iota(drawn.begin(), drawn.end(), 0);
        random.shuffle(drawn);
        for (int group = 0; group < 2; ++group) {
            const int offset = group == 0 ? 0 : task.groupSize[0];
            std::vector<int> members = presentOf(task, group);
            const int wanted = static_cast<int>(members.size()) - onCourt[group];
            if (wanted <= 0) {
                playing.insert(playing.end(), members.begin(), members.end());
                continue;
            }
            if (halves.planned[group]) {
                const auto& block = halves.blocks[static_cast<std::size_t>((game - first) / 2)];
                for (int id : members) {
                    const bool restsNow = block[static_cast<std::size_t>(id)] == (game % 2 == 0);
                    (restsNow ? resting : playing).push_back(id);
                    if (restsNow) {
                        rests[group].push_back(id);
                    }
                }
                continue;
            }
            const bool avoidTwice = wanted <= onCourt[group];
            // Halves of exactly twice the places mix when asked: whenever everybody has rested
            // equally often, some who rested the game before rest once more (each once at most,
            // spread over the table), and as many of the others play a second game in a row.
            const bool mixable = task.mixHalves && 2 * wanted == static_cast<int>(members.size());
            int mixing = 0;
            if (mixable && std::all_of(members.begin(), members.end(), [&](int id) {
                    return count[static_cast<std::size_t>(id)] ==
                           count[static_cast<std::size_t>(members[0])];
                })) {
                const long share = static_cast<long>(members.size()) * (game - first + 1) /
                                   std::max(task.games - first, 1);
                mixing = std::max(static_cast<int>(share) - mixed[group], 0);
            }
            const auto mayRestAgain = [&](int id) {
                return mixing > 0 && !restedTwice[static_cast<std::size_t>(id)];
            };
            // Fewest rests first, so that rests never differ by more than one; while fewer rest
            // than play, those who rested the game before only when nobody else can.
            const auto tier = [&](int id) {
                const auto u = static_cast<std::size_t>(id);
                return 2 * count[u] +
                       (avoidTwice && lastRest[u] == game - 1 && !mayRestAgain(id) ? 1 : 0);
            };
            std::sort(members.begin(), members.end(),
                      [&](int a, int b) { return tier(a) != tier(b) ? tier(a) < tier(b) : a < b; });
            const int cut = tier(members[static_cast<std::size_t>(wanted - 1)]);
            std::vector<int> choices;
            int rest = wanted;
            for (int id : members) {
                if (tier(id) < cut) {
                    resting.push_back(id);
                    rests[group].push_back(id);
                    --rest;
                } else if (tier(id) == cut) {
                    choices.push_back(id);
                } else {
                    playing.push_back(id);
                }
            }
            // Of those equally due, the fewer who rest or the fewer who play, whichever they are,
            // are picked one by one: who has rested (played) least often with those resting
            // (playing) already; or simply who rested longest ago.
            const bool pickRests = mixing > 0 || rest <= static_cast<int>(choices.size()) - rest;
            std::vector<int>& picked = pickRests ? resting : playing;
            const auto score = [&](int id) {
                if (choice == Choice::LongestAgo) {
                    return static_cast<long>(pickRests ? lastRest[static_cast<std::size_t>(id)]
                                                       : -lastRest[static_cast<std::size_t>(id)]);
                }
                long sum = 0;
                for (int z : picked) {
                    const long c = with(pickRests ? restedWith : playedWith, id, z);
                    sum += choice == Choice::FillsGaps ? -kGapWeight / ((1 + c) * (1 + c)) : c * c;
                }
                return sum;
            };
            const auto ahead = [&](int a, int b) {
                const long sa = score(a);
                const long sb = score(b);
                if (sa != sb) {
                    return sa < sb;
                }
                if (choice == Choice::LongestAgo) {
                    return pickRests == (a > b);
                }
                return drawn[static_cast<std::size_t>(a)] < drawn[static_cast<std::size_t>(b)];
            };
            for (int k = pickRests ? rest : static_cast<int>(choices.size()) - rest; k > 0; --k) {
                const auto best =
                    std::min_element(choices.begin(), choices.end(), [&](int a, int b) {
                        // Once the halves have mixed enough for this game, nobody rests again.
                        const bool againA = mixable && mixing == 0 &&
                                            lastRest[static_cast<std::size_t>(a)] == game - 1;
                        const bool againB = mixable && mixing == 0 &&
                                            lastRest[static_cast<std::size_t>(b)] == game - 1;
                        return againA != againB ? againB : ahead(a, b);
                    });
                if (pickRests && mixable && lastRest[static_cast<std::size_t>(*best)] == game - 1) {
                    restedTwice[static_cast<std::size_t>(*best)] = true;
                    ++mixed[group];
                    --mixing;
                }
                picked.push_back(*best);
                choices.erase(best);
            }
            std::vector<int>& others = pickRests ? playing : resting;
            others.insert(others.end(), choices.begin(), choices.end());
            rests[group].clear();
            for (int id : resting) {
                if (id >= offset && id < offset + task.groupSize[group]) {
                    rests[group].push_back(id);
                }
            }
        }
        for (int x : resting) {
            ++count[static_cast<std::size_t>(x)];
            lastRest[static_cast<std::size_t>(x)] = game;
            for (int y : resting) {
                ++with(restedWith, x, y);
            }
        }
        for (int x : playing) {
            for (int y : playing) {
                ++with(playedWith, x, y);
            }
        }
    }
    return plan;
}

// How well a plan lets everybody play alongside everybody: first the most players any one plays
// no more than a few games with, then how unevenly pairs play together (lower is better).
std::pair<int, long> playTogetherScore(const SearchTask& task, const Plan& plan)
{
    const auto ids = static_cast<std::size_t>(task.ids());
    std::vector<int> together(ids * ids, 0);
    std::vector<bool> plays(ids);
    std::vector<int> players;
    for (const auto& rests : plan) {
        players.clear();
        for (std::size_t id = 0; id < ids; ++id) {
            plays[id] = task.present[id];
        }
        for (const auto& group : rests) {
            for (int id : group) {
                plays[static_cast<std::size_t>(id)] = false;
            }
        }
        for (std::size_t id = 0; id < ids; ++id) {
            if (plays[id]) {
                players.push_back(static_cast<int>(id));
            }
        }
        for (int x : players) {
            for (int y : players) {
                ++together[static_cast<std::size_t>(x) * ids + static_cast<std::size_t>(y)];
            }
        }
    }
    int worst = 0;
    long squares = 0;
    for (std::size_t x = 0; x < ids; ++x) {
        if (!task.present[x]) {
            continue;
        }
        int seldom = 0;
        for (std::size_t y = 0; y < ids; ++y) {
            if (y != x && task.present[y]) {
                const long c = together[x * ids + y];
                seldom += c <= kFewGames ? 1 : 0;
                squares += c * c;
            }
        }
        worst = std::max(worst, seldom);
    }
    return {worst, squares};
}

} // namespace

bool restsByHalves(const SearchTask& task, std::array<int, 2> onCourt, int group)
{
    if (!task.mixHalves || !task.keptGames.empty() || task.kind == MatchKind::FixedPairs ||
        onCourt[group] <= 0) {
        return false;
    }
    return static_cast<int>(presentOf(task, group).size()) == 2 * onCourt[group];
}

std::optional<HalvesDesign> designOf(const SearchTask& task, std::array<int, 2> onCourt, int group)
{
    if (task.kind == MatchKind::Mixed || !restsByHalves(task, onCourt, group)) {
        return std::nullopt;
    }
    if (task.courts == 1) {
        if (task.kind != MatchKind::Doubles) {
            return std::nullopt;
        }
        const PairLimits limits = halvesLimits(task);
        return oneCourtHalves(task.games, limits.partnerships, limits.meetings, task.seed);
    }
    return halvesDesign(static_cast<int>(presentOf(task, group).size()), (task.games + 1) / 2,
                        task.seed + static_cast<std::uint64_t>(group), group == 1);
}

Plan planRests(const SearchTask& task, std::array<int, 2> onCourt, const Designs& designs)
{
    const HalvesRests halves = halvesRests(task, onCourt, designs);
    Plan best = plan(task, onCourt, halves, Choice::LongestAgo);
    for (Choice choice : {Choice::SeldomTogether, Choice::FillsGaps}) {
        Plan other = plan(task, onCourt, halves, choice);
        if (playTogetherScore(task, other) < playTogetherScore(task, best)) {
            best = std::move(other);
        }
    }
    return best;
}

} // namespace zoruka
