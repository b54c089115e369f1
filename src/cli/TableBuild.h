#pragma once

#include "cli/TableKinds.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>

namespace zoruka {

// The options of a run as given ("--name" -> value; flags have an empty value).
using OptionValues = std::map<std::string, std::string>;

// The options that choose how the table is built, besides --random and --seed.
inline const std::vector<std::string> kBuildOptions{"--from-game", "--previous"};
inline const std::vector<std::string> kBuildFlags{"--balanced", "--mix-halves", "--stats"};

// The table a run builds for the checked counts `params`: by the kind's exact rule (the
// default), by chance (--random, with `seed`), balanced (--balanced, with `seed` or 0, and
// --mix-halves), or from game K of a table written earlier as JSON for a changed lineup
// (--from-game K --previous FILE, with the kind's --leaving options). Or the message refusing
// the options.
std::variant<MatchTable, std::string> buildTable(const TableKind& kind, const OptionValues& options,
                                                 const RunParameters& params,
                                                 std::optional<std::uint32_t> seed);

// --stats: the fairness line of the table (TableFairness) after the table's own output, as the
// screens show it, or with --format json as one line
// {"stats":{"built":20,"asked":20,"bound":20,"repeats":0,"most_meetings":3,"meetings_floor":2,
// "rest_spread":1}}.
std::string statsOutput(const TableKind& kind, const MatchTable& table, const std::string& format);

} // namespace zoruka
