#include "output/TableJson.h"

#include "matchtable/FixedPairGenerator.h"
#include "matchtable/KindCounts.h"
#include "matchtable/SeatLayout.h"
#include "matchtable/TableRests.h"
#include "output/JsonText.h"

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

// The names of the roster's first `groups` groups under `keys`, each a list in number order (""
// for a number without a name).
std::string namesObject(const Roster& roster, int groups, const std::array<std::string, 2>& keys)
{
    Fields fields;
    for (std::size_t group = 0; group < static_cast<std::size_t>(groups); ++group) {
        std::string names = "[";
        for (const std::string& name : roster.groups[group]) {
            names += (names.size() > 1 ? "," : "") + jsonString(name);
        }
        fields.emplace_back(keys[group], names + "]");
    }
    return object(fields);
}

} // namespace

const TableJsonNames& tableJsonNames(MatchKind kind)
{
    static const std::array<TableJsonNames, 4> names{{
        {"doubles", {"participants", ""}, "slots", {"rests", ""}, {"participants", ""}},
        {"mixed", {"men", "women"}, "slots", {"rests_men", "rests_women"}, {"men", "women"}},
        {"team", {"a_size", "b_size"}, "slots", {"rests_a", "rests_b"}, {"a", "b"}},
        {"fixed", {"a_pairs", "b_pairs"}, "courts", {"rests_a", "rests_b"}, {"a", "b"}},
    }};
    return names[static_cast<std::size_t>(kind)];
}

// The built games, each with its slots and then the resting players of each group. Fixed-pair
// tables hold one slot per court, and list the courts a game filled.
std::string tableJson(MatchKind kind, const MatchTable& table)
{
    const TableJsonNames& names = tableJsonNames(kind);
    const int groups = groupCount(kind);
    const std::array<int, 2> sizes = groupSizes(kind, table.params);
    std::array<std::vector<std::vector<int>>, 2> rests;
    Fields params;
    for (int group = 0; group < groups; ++group) {
        rests[group] = tableRests(table, kind, group);
        params.emplace_back(names.sizes[group], count(sizes[group]));
    }
    params.insert(params.end(),
                  {{"courts", count(table.params.courts)}, {"games", count(table.params.games)}});

    const bool fixedPairs = kind == MatchKind::FixedPairs;
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
        Fields fields{{"game", count(game)}, {names.slots, slots + "]"}};
        for (int group = 0; group < groups; ++group) {
            fields.emplace_back(names.rests[group],
                                numberList(rests[group][static_cast<std::size_t>(game - 1)]));
        }
        if (game > 1) {
            games += ',';
        }
        games += object(fields);
    }
    Fields fields{{"kind", "\"" + names.kind + "\""}, {"params", object(params)}};
    if (!table.roster.empty()) {
        fields.emplace_back("names", namesObject(table.roster, groups, names.names));
    }
    fields.emplace_back("games", games + "]");
    return object(fields);
}

std::string doublesTableJson(const MatchTable& table)
{
    return tableJson(MatchKind::Doubles, table);
}

std::string mixedTableJson(const MatchTable& table) { return tableJson(MatchKind::Mixed, table); }

std::string teamTableJson(const MatchTable& table) { return tableJson(MatchKind::Team, table); }

std::string fixedPairTableJson(const MatchTable& table)
{
    return tableJson(MatchKind::FixedPairs, table);
}

} // namespace zoruka
