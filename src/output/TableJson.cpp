#include "output/TableJson.h"

#include "matchtable/FixedPairGenerator.h"
#include "matchtable/RestRotation.h"

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

// The built games, each with its slots followed by the fields `restsOf` gives for it. Fixed-pair
// tables hold one slot per court, and list the courts a game filled.
std::string tableJson(const std::string& kind, const Fields& params, const MatchTable& table,
                      const std::function<Fields(int game)>& restsOf)
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
    return object(
        {{"kind", "\"" + kind + "\""}, {"params", object(params)}, {"games", games + "]"}});
}

// Tables of two groups that rotate separately (men and women, team A and team B, A pairs and B
// pairs), each putting `perGame` of its members on court per game.
struct Group {
    std::string sizeName;
    int size;
    std::string restsName;
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
                     table, [&](int game) {
                         Fields rests;
                         for (std::size_t i = 0; i < 2; ++i) {
                             const auto& players = playing[i][static_cast<std::size_t>(game - 1)];
                             rests.emplace_back(groups[i].restsName, numberList(restingPlayers(
                                                                         players, groups[i].size)));
                         }
                         return rests;
                     });
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
        table, [&](int game) {
            const auto& players = playing[static_cast<std::size_t>(game - 1)];
            return Fields{{"rests", numberList(restingPlayers(players, params.participants))}};
        });
}

std::string mixedTableJson(const MatchTable& table)
{
    return twoGroupTableJson("mixed", table,
                             {Group{"men", table.params.men, "rests_men"},
                              Group{"women", table.params.women, "rests_women"}},
                             2 * table.params.courts);
}

std::string teamTableJson(const MatchTable& table)
{
    return twoGroupTableJson("team", table,
                             {Group{"a_size", table.params.teamA, "rests_a"},
                              Group{"b_size", table.params.teamB, "rests_b"}},
                             2 * table.params.courts);
}

std::string fixedPairTableJson(const MatchTable& table)
{
    return twoGroupTableJson("fixed", table,
                             {Group{"a_pairs", table.params.teamA, "rests_a"},
                              Group{"b_pairs", table.params.teamB, "rests_b"}},
                             table.params.courts);
}

} // namespace zoruka
