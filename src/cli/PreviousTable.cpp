#include "cli/PreviousTable.h"

#include "matchtable/KindCounts.h"
#include "matchtable/Roster.h"
#include "matchtable/SeatLayout.h"
#include "output/TableJson.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <optional>

namespace zoruka {

namespace {

using Json = nlohmann::json;

std::optional<int> countIn(const Json& value, int least)
{
    if (!value.is_number_integer()) {
        return std::nullopt;
    }
    const auto number = value.get<long long>();
    return number >= least && number <= kMaxCount ? std::optional(static_cast<int>(number))
                                                  : std::nullopt;
}

// The names of a table written with them, group by group; nothing when they are not a list of
// texts per group.
std::optional<Roster> rosterOf(MatchKind kind, const Json& data)
{
    Roster roster;
    if (!data.contains("names")) {
        return roster;
    }
    const Json& names = data.at("names");
    for (int group = 0; group < groupCount(kind); ++group) {
        const Json& list = names.at(tableJsonNames(kind).names[static_cast<std::size_t>(group)]);
        if (!list.is_array()) {
            return std::nullopt;
        }
        for (const Json& name : list) {
            if (!name.is_string()) {
                return std::nullopt;
            }
            roster.groups[static_cast<std::size_t>(group)].push_back(name.get<std::string>());
        }
    }
    return roster;
}

// The table the JSON describes, or nothing when it is not one zoruka-cli writes.
std::optional<MatchTable> tableOf(MatchKind kind, const Json& data)
{
    const TableJsonNames& names = tableJsonNames(kind);
    const Json& params = data.at("params");
    std::array<int, 2> sizes{};
    for (int group = 0; group < groupCount(kind); ++group) {
        const auto size = countIn(params.at(names.sizes[group]), 0);
        if (!size) {
            return std::nullopt;
        }
        sizes[group] = *size;
    }
    const auto courts = countIn(params.at("courts"), 0);
    const auto games = countIn(params.at("games"), 0);
    if (!courts || !games) {
        return std::nullopt;
    }
    MatchTable table;
    table.params = kindParameters(kind, sizes, *courts, *games);
    const int slotsPerGame = kind == MatchKind::FixedPairs ? *courts : 2 * *courts;
    int game = 0;
    for (const Json& entry : data.at("games")) {
        ++game;
        const Json& slots = entry.at(names.slots);
        if (game > *games || countIn(entry.at("game"), 1) != game || !slots.is_array() ||
            static_cast<int>(slots.size()) > slotsPerGame) {
            return std::nullopt;
        }
        int slot = 0;
        for (const Json& pair : slots) {
            const auto first = countIn(pair.at(0), 1);
            const auto second = countIn(pair.at(1), 1);
            if (!first || !second || pair.size() != 2) {
                return std::nullopt;
            }
            table.results.setPair(game, ++slot, {*first, *second});
        }
        GameRests rests;
        for (int group = 0; group < groupCount(kind); ++group) {
            for (const Json& number : entry.at(names.rests[group])) {
                const auto rester = countIn(number, 1);
                if (!rester) {
                    return std::nullopt;
                }
                rests[group].push_back(*rester);
            }
        }
        table.rests.push_back(rests);
    }
    return table;
}

} // namespace

std::variant<MatchTable, std::string> readTableJson(MatchKind kind, const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const Json data = Json::parse(in, nullptr, false);
    if (!in.is_open() || data.is_discarded() || !data.is_object()) {
        return std::string(kPreviousUnreadable) + path;
    }
    try {
        if (data.at("kind") != tableJsonNames(kind).kind) {
            return std::string(kPreviousOtherKind) + path;
        }
        auto table = tableOf(kind, data);
        const auto roster = rosterOf(kind, data);
        if (table && roster) {
            // Names of other counts, or names no table could show, are no names of this table.
            std::vector<NameGroup> groups;
            for (const NameGroup& group : rosterGroups(kind, table->params)) {
                if (!roster->groups[static_cast<std::size_t>(group.group)].empty()) {
                    groups.push_back(group);
                }
            }
            if (auto problem = rosterProblem(*roster, groups, BlankNames::Allowed)) {
                return std::string(kPreviousUnreadable) + path + "（" + *problem + "）";
            }
            table->roster = *roster;
            return std::move(*table);
        }
    } catch (const Json::exception&) {
        // A missing field or a value of the wrong type: not a table zoruka-cli wrote.
    }
    return std::string(kPreviousUnreadable) + path;
}

} // namespace zoruka
