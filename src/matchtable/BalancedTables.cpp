#include "matchtable/BalancedTables.h"

#include "matchtable/BalancedSearch.h"
#include "matchtable/FixedPairOrder.h"
#include "matchtable/FixedPairRounds.h"
#include "matchtable/KindCounts.h"
#include "matchtable/SearchRandom.h"
#include "matchtable/SeatLayout.h"
#include "matchtable/TableRests.h"
#include "matchtable/TableSeats.h"
#include "matchtable/WhistTournaments.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace zoruka {

namespace {

// Rounds of search a table may take when its first falls short of a promise.
constexpr int kSearchRounds = 3;
// Tables of at most this many steps a round, which are quick, get two rounds more.
constexpr long kSmallSearch = 1'500'000;
constexpr int kSmallSearchRounds = 5;
// A table that misses a promise is searched afresh from other starts until as many whole
// searches as fit into these steps, the first included, are done, so that even a table that
// never gets there stays under two seconds.
constexpr long kSearchBudget = 12'000'000;

// Search steps of a round: a fixed number (not a time) so that every machine builds the same
// table, sized so that typical club tables take about a tenth of a second and the largest under
// two. Searches that miss a target get there more often from another start than from more steps
// (see kSearchBudget), so a search is kept short. A full whist-tournament length for 4C or
// 4C + 1 players, where no tournament is stored, asks for every partnership exactly once and gets
// a longer round.
long searchSteps(const SearchTask& task)
{
    const long newGames = task.games - static_cast<long>(task.keptGames.size());
    const long seats = static_cast<long>(task.courts) * seatLayout(task.kind).seatsPerCourt;
    const int players = task.groupSize[0];
    const bool wholeWhist = task.kind == MatchKind::Doubles && task.keptGames.empty() &&
                            task.courts > 0 && players - 4 * task.courts <= 1 &&
                            task.games >= gamesBound(task.kind, task.groupSize, task.courts);
    return std::clamp(newGames * seats * (wholeWhist ? 4500L : 750L), 200'000L, 5'000'000L);
}

// Every group's present players who are not on a seat rest.
GameRests restsOf(const std::vector<int>& seats, const std::vector<bool>& present,
                  const PlayerIds& ids)
{
    GameRests rests;
    for (int id = 0; id < ids.count(); ++id) {
        if (present[static_cast<std::size_t>(id)] &&
            std::find(seats.begin(), seats.end(), id) == seats.end()) {
            rests[ids.group(id)].push_back(ids.number(id));
        }
    }
    return rests;
}

// A print block has room for the most players any game of the table rests.
void makeRoomForRests(MatchTable& table)
{
    for (const GameRests& game : table.rests) {
        table.params.resting =
            std::max(table.params.resting, static_cast<int>(game[0].size() + game[1].size()));
    }
}

// The table of `params` whose games seat as `games` does, over and over when it has fewer, with
// every player of the groups taking part.
MatchTable tableOfGames(MatchKind kind, const RunParameters& params,
                        const std::vector<std::vector<int>>& games)
{
    MatchTable table;
    table.params = params;
    const PlayerIds ids{groupSizes(kind, params)};
    const std::vector<bool> everybody(static_cast<std::size_t>(ids.count()), true);
    for (int game = 1; game <= params.games; ++game) {
        const auto& seats = games[static_cast<std::size_t>(game - 1) % games.size()];
        writeGameSeats(kind, table, game, seats, ids);
        table.rests.push_back(restsOf(seats, everybody, ids));
    }
    makeRoomForRests(table);
    return table;
}

// Doubles of 4C or 4C + 1 players for at least as many games as a whist tournament has: the
// tournament's games over and over, so that every partnership comes up once in each round of
// them; nothing for other tables.
std::optional<MatchTable> whistTable(MatchKind kind, const RunParameters& params)
{
    const int players = params.participants;
    if (kind != MatchKind::Doubles || params.courts == 0 || players / 4 != params.courts) {
        return std::nullopt;
    }
    const auto games = whistTournament(players);
    if (!games || static_cast<int>(games->size()) > params.games) {
        return std::nullopt;
    }
    return tableOfGames(kind, params, *games);
}

// Fixed pairs meeting in rounds (fixedPairRounds; for teams of as many pairs where its turns
// would not be fair, fixedPairOrder), the pairs of each team numbered in an order drawn from the
// seed; nothing where neither finds fair turns.
std::optional<MatchTable> fixedPairTable(MatchKind kind, const RunParameters& params,
                                         const BalancedOptions& options)
{
    if (kind != MatchKind::FixedPairs || params.games == 0) {
        return std::nullopt;
    }
    auto games = fixedPairRounds(params.teamA, params.teamB, params.courts, params.games);
    // Halves kept apart never meet every pair of the other team: each half meets the other
    // team's half that plays with it, in rotation.
    const bool halvesApart = params.teamA == 2 * params.courts && !options.mixHalves;
    if (!games && params.teamA == params.teamB) {
        games = halvesApart
                    ? fixedPairHalves(params.courts, params.games)
                    : fixedPairOrder(params.teamA, params.courts, params.games, options.mixHalves);
    }
    if (!games) {
        return std::nullopt;
    }
    std::vector<int> order(static_cast<std::size_t>(params.teamA + params.teamB));
    std::iota(order.begin(), order.end(), 0);
    SearchRandom random(options.seed);
    const auto teamB = order.begin() + params.teamA;
    random.shuffle(order.begin(), teamB);
    random.shuffle(teamB, order.end());
    for (auto& seats : *games) {
        for (int& id : seats) {
            id = order[static_cast<std::size_t>(id)];
        }
    }
    return tableOfGames(kind, params, *games);
}

// The table of `params` whose first `keptGames` games are those of `kept`, the others searched
// for the lineup of `params` without the `leaving` players.
MatchTable searchTable(MatchKind kind, const MatchTable& kept, int keptGames,
                       const RunParameters& params, const std::array<std::vector<int>, 2>& leaving,
                       const BalancedOptions& options)
{
    const std::array<int, 2> newSizes = groupSizes(kind, params);
    const std::array<int, 2> oldSizes = groupSizes(kind, kept.params);
    PlayerIds ids{{std::max(newSizes[0], keptGames > 0 ? oldSizes[0] : 0),
                   std::max(newSizes[1], keptGames > 0 ? oldSizes[1] : 0)}};
    const auto count = static_cast<std::size_t>(ids.count());

    SearchTask task;
    task.kind = kind;
    task.courts = params.courts;
    task.games = params.games;
    task.groupSize = ids.sizes;
    task.mixHalves = options.mixHalves;
    task.seed = options.seed;
    task.present.assign(count, false);
    task.restsSoFar.assign(count, 0);
    task.restedLast.assign(count, false);
    task.doubleRestsSoFar.assign(count, 0);
    for (int group = 0; group < 2; ++group) {
        for (int number = 1; number <= newSizes[group]; ++number) {
            const auto& gone = leaving[group];
            if (std::find(gone.begin(), gone.end(), number) == gone.end()) {
                task.present[static_cast<std::size_t>(ids.id(group, number))] = true;
            }
        }
    }

    std::vector<GameRests> rests;
    std::vector<bool> inLastKept(count, false);
    std::array<std::vector<std::vector<int>>, 2> keptRests;
    for (int group = 0; group < 2; ++group) {
        keptRests[group] = tableRests(kept, kind, group);
    }
    for (int game = 1; game <= keptGames; ++game) {
        task.keptGames.push_back(gameSeats(kind, kept, game, ids));
        GameRests gameRests;
        const GameRests before = rests.empty() ? GameRests{} : rests.back();
        for (int group = 0; group < 2; ++group) {
            gameRests[group] = keptRests[group][static_cast<std::size_t>(game - 1)];
            for (int number : gameRests[group]) {
                const auto id = static_cast<std::size_t>(ids.id(group, number));
                ++task.restsSoFar[id];
                if (std::find(before[group].begin(), before[group].end(), number) !=
                    before[group].end()) {
                    ++task.doubleRestsSoFar[id];
                }
                if (game == keptGames) {
                    task.restedLast[id] = true;
                    inLastKept[id] = true;
                }
            }
        }
        if (game == keptGames) {
            for (int id : task.keptGames.back()) {
                if (id >= 0) {
                    inLastKept[static_cast<std::size_t>(id)] = true;
                }
            }
        }
        rests.push_back(gameRests);
    }
    // Newcomers rest as often as those who have rested least so far.
    for (int group = 0; group < 2; ++group) {
        int fewest = -1;
        for (std::size_t id = 0; id < count; ++id) {
            if (ids.group(static_cast<int>(id)) == group && task.present[id] && inLastKept[id]) {
                fewest = fewest < 0 ? task.restsSoFar[id] : std::min(fewest, task.restsSoFar[id]);
            }
        }
        for (std::size_t id = 0; id < count; ++id) {
            if (ids.group(static_cast<int>(id)) == group && !inLastKept[id]) {
                task.restsSoFar[id] = std::max(fewest, 0);
            }
        }
    }

    SearchLimits limits;
    limits.steps = searchSteps(task);
    // Fixed pairs price their moves by whole rounds of meetings, which costs more per step.
    limits.rounds = kind == MatchKind::FixedPairs  ? 1
                    : limits.steps <= kSmallSearch ? kSmallSearchRounds
                                                   : kSearchRounds;
    const long wholeSearch = limits.steps + (limits.rounds - 1) * (limits.steps / 2);
    limits.restarts =
        kind == MatchKind::FixedPairs ? 0 : static_cast<int>(kSearchBudget / wholeSearch) - 1;
    limits.progress = options.progress;
    const std::vector<std::vector<int>> newGames = runBalancedSearch(task, limits);

    MatchTable table;
    table.params = kindParameters(kind, newSizes, params.courts, params.games);
    for (int game = 1; game <= static_cast<int>(task.keptGames.size()); ++game) {
        writeGameSeats(kind, table, game, task.keptGames[static_cast<std::size_t>(game - 1)], ids);
    }
    for (std::size_t k = 0; k < newGames.size(); ++k) {
        writeGameSeats(kind, table, static_cast<int>(task.keptGames.size() + k) + 1, newGames[k],
                       ids);
        rests.push_back(restsOf(newGames[k], task.present, ids));
    }
    table.rests = std::move(rests);
    makeRoomForRests(table);
    return table;
}

// The last game of the round of meetings that game `done` + 1 of a fixed-pair table falls in:
// the game whose courts bring the meetings of present pairs so far past the next whole number of
// rounds (every present A pair against every present B pair).
int roundEnd(const MatchTable& table, int done, const RunParameters& params,
             const std::array<std::vector<int>, 2>& leaving)
{
    const auto present = [&](int group, int number) {
        const auto& gone = leaving[group];
        return number <= (group == 0 ? params.teamA : params.teamB) &&
               std::find(gone.begin(), gone.end(), number) == gone.end();
    };
    const long pairs = static_cast<long>(params.teamA - static_cast<long>(leaving[0].size())) *
                       (params.teamB - static_cast<long>(leaving[1].size()));
    long meetings = 0;
    for (int game = 1; game <= done; ++game) {
        for (int court = 1; court <= params.courts; ++court) {
            const Pair match = table.results.pair(game, court);
            meetings +=
                !match.empty() && present(0, match.first) && present(1, match.second) ? 1 : 0;
        }
    }
    const long next = (meetings / pairs + 1) * pairs;
    const long games = (next - meetings + params.courts - 1) / params.courts;
    return static_cast<int>(std::min<long>(params.games, done + games));
}

// The table searched for as searchTable does; fixed pairs one round of meetings at a time, the
// rounds before kept as they stand, so that each search only has to fit its own round's
// meetings to the pairs that play.
MatchTable searchTableInRounds(MatchKind kind, const MatchTable& kept, int keptGames,
                               const RunParameters& params,
                               const std::array<std::vector<int>, 2>& leaving,
                               const BalancedOptions& options)
{
    if (kind != MatchKind::FixedPairs) {
        return searchTable(kind, kept, keptGames, params, leaving, options);
    }
    MatchTable table = kept;
    int done = keptGames;
    BalancedOptions part = options;
    do {
        RunParameters round = params;
        round.games = roundEnd(table, done, params, leaving);
        if (options.progress) {
            const int from = done;
            part.progress = [&options, from, &round, &params](int percent) {
                options.progress((from * 100 + (round.games - from) * percent) / params.games);
            };
        }
        table = searchTable(kind, table, done, round, leaving, part);
        done = round.games;
    } while (done < params.games);
    return table;
}

void requireCounts(MatchKind kind, const RunParameters& params)
{
    const std::array<int, 2> sizes = groupSizes(kind, params);
    bool fits = params.courts >= 0 && params.games >= 0 && params.games <= kMaxCount;
    for (int group = 0; group < 2; ++group) {
        fits = fits && sizes[group] >= 0 && sizes[group] <= kMaxCount;
    }
    if (!fits) {
        throw std::invalid_argument("balanced table counts out of range");
    }
}

} // namespace

MatchTable balancedTable(MatchKind kind, const RunParameters& params,
                         const BalancedOptions& options)
{
    requireCounts(kind, params);
    const std::array<int, 2> sizes = groupSizes(kind, params);
    for (int group = 0; group < groupCount(kind); ++group) {
        if (onCourtOfGroup(kind, params, group) > sizes[group]) {
            throw std::invalid_argument("balanced table: too few players for the courts");
        }
    }
    if (auto whist = whistTable(kind, params)) {
        return std::move(*whist);
    }
    if (auto rounds = fixedPairTable(kind, params, options)) {
        return std::move(*rounds);
    }
    return searchTableInRounds(kind, MatchTable{}, 0, params, {}, options);
}

MatchTable rebuiltTable(MatchKind kind, const MatchTable& previous, const LineupChange& change,
                        const BalancedOptions& options)
{
    const RunParameters& params = change.params;
    requireCounts(kind, params);
    const int built = previous.builtGames();
    if (change.fromGame < 1 || change.fromGame > built + 1 || change.fromGame > params.games + 1 ||
        params.courts != previous.params.courts) {
        throw std::invalid_argument("lineup change: no such game or other courts");
    }
    const std::array<int, 2> sizes = groupSizes(kind, params);
    for (int group = 0; group < groupCount(kind); ++group) {
        int staying = sizes[group];
        for (int number : change.leaving[group]) {
            if (number < 1 || number > sizes[group]) {
                throw std::invalid_argument("lineup change: no such player");
            }
            --staying;
        }
        if (onCourtOfGroup(kind, params, group) > staying) {
            throw std::invalid_argument("lineup change: too few players for the courts");
        }
    }
    MatchTable table =
        searchTableInRounds(kind, previous, change.fromGame - 1, params, change.leaving, options);
    // The players who stay keep their names; newcomers have none yet.
    table.roster = previous.roster.resized(sizes);
    return table;
}

} // namespace zoruka
