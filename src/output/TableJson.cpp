#include "output/TableJson.h"

#include "matchtable/FixedPairGenerator.h"
#include "matchtable/RestRotation.h"
#include "output/JsonText.h"

#include <array>
#include <functional>
#include <utility>

namespace zoruka {

namespace {

std::string numberList(const std::vector<int>& numbers)
{
    std::string text = "[";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        text += std::to_string(numbers[i]);
    }
    return text + "]";
}

using Fields = std::vector<std::pair<std::string, std::string>>;

std::string object(const Fields& fields)
{
    std::string text = "{";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        text += "\"" + fields[i].first + "\":" + fields[i].second;
    }
    return text + "}";
}

std::string count(int value) { return std::to_string(value); }

// The names of the roster's groups under `keys` (one per group of the kind), each a list in
// number order ("" for a number without a name).
std::string namesObject(const Roster& roster, const std::vector<std::string>& keys)
{
    Fields fields;
    for (std::size_t group = 0; group < keys.size(); ++group) {
        std::string names = "[";
        for (const std::string& name : roster.groups[group]) {
            names += (names.size() > 1 ? "," : "") + jsonString(name);
        }
        fields.emplace_back(keys[group], names + "]");
    }
    return object(fields);
}

// The built games, each with its slots followed by the fields `restsOf` gives for it. Fixed-pair
// tables hold one slot per court, and list the courts a game filled. A roster's names stand
// after the counts, each group under its key of `nameKeys`.
std::string tableJson(const std::string& kind, const Fields& params, const MatchTable& table,
                      const std::function<Fields(int game)>& restsOf,
                      const std::vector<std::string>& nameKeys)
{
    const bool fixedPairs = kind == "fixed";
    std::string games = "[";
    for (int game = 1; game <= table.builtGames(); ++game) {
        const int slotCount = fixedPairs ? storedCourts(table, game) : 2 * table.params.courts;
        std::string slots = "[";
        for (int slot = 1; slot <= slotCount; ++slot) {
            const Pair pair = table.results.pair(game, slot);
            if (slot > 1) {
                slots += ',';
            }
            slots += numberList({pair.first, pair.second});
        }
        Fields fields{{"game", count(game)}, {fixedPairs ? "courts" : "slots", slots + "]"}};
        for (auto& rests : restsOf(game)) {
            fields.push_back(std::move(rests));
        }
        if (game > 1) {
            games += ',';
        }
        games += object(fields);
    }
    Fields fields{{"kind", "\"" + kind + "\""}, {"params", object(params)}};
    if (!table.roster.empty()) {
        fields.emplace_back("names", namesObject(table.roster, nameKeys));
    }
    fields.emplace_back("games", games + "]");
    return object(fields);
}

// Tables of two groups that rotate separately (men and women, team A and team B, A pairs and B
// pairs), each putting `perGame` of its members on court per game.
struct Group {
    std::string sizeName;
    int size;
    std::string restsName;
    std::string namesName;
};

std::string twoGroupTableJson(const std::string& kind, const MatchTable& table,
                              const std::array<Group, 2>& groups, int perGame)
{
    const RunParameters& params = table.params;
    const int built = table.builtGames();
    std::array<std::vector<std::vector<int>>, 2> playing;
    for (std::size_t i = 0; i < 2; ++i) {
        playing[i] = RestRotation::games(groups[i].size, perGame, built);
    }
    return tableJson(kind,
                     {{groups[0].sizeName, count(groups[0].size)},
                      {groups[1].sizeName, count(groups[1].size)},
                      {"courts", count(params.courts)},
                      {"games", count(params.games)}},
                     table,
                     [&](int game) {
                         Fields rests;
                         for (std::size_t i = 0; i < 2; ++i) {
                             const auto& players = playing[i][static_cast<std::size_t>(game - 1)];
                             rests.emplace_back(groups[i].restsName, numberList(restingPlayers(
                                                                         players, groups[i].size)));
                         }
                         return rests;
                     },
                     {groups[0].namesName, groups[1].namesName});
}

} // namespace

std::string doublesTableJson(const MatchTable& table)
{
    const RunParameters& params = table.params;
    const auto playing =
        RestRotation::games(params.participants, params.onCourt, table.builtGames());
    return tableJson(
        "doubles",
        {{"participants", count(params.participants)},
         {"courts", count(params.courts)},
         {"games", count(params.games)}},
        table,
        [&](int game) {
            const auto& players = playing[static_cast<std::size_t>(game - 1)];
            return Fields{{"rests", numberList(restingPlayers(players, params.participants))}};
        },
        {"participants"});
}

std::string mixedTableJson(const MatchTable& table)
{
    return twoGroupTableJson("mixed", table,
                             {Group{"men", table.params.men, "rests_men", "men"},
                              Group{"women", table.params.women, "rests_women", "women"}},
                             2 * table.params.courts);
}

std::string teamTableJson(const MatchTable& table)
{
    return twoGroupTableJson("team", table,
                             {Group{"a_size", table.params.teamA, "rests_a", "a"},
                              Group{"b_size", table.params.teamB, "rests_b", "b"}},
                             2 * table.params.courts);
}

std::string fixedPairTableJson(const MatchTable& table)
{
    return twoGroupTableJson("fixed", table,
                             {Group{"a_pairs", table.params.teamA, "rests_a", "a"},
                              Group{"b_pairs", table.params.teamB, "rests_b", "b"}},
                             table.params.courts);
}

} // namespace zoruka
