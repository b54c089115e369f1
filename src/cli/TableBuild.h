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

// The lines of --help on these options.
inline constexpr const char* kBuildHelp =
    R"(Balanced tables and changes of lineup:
  --balanced         the balanced table (the screens' "バランス"): every game asked for,
                     partnerships repeated only past the most games without a repeat, opponents
                     as even as can be; --seed S chooses among equally good tables (0 without
                     it), so that a table can be built again
  --mix-halves       with --balanced: in a group of exactly twice as many players as places
                     a player may rest twice in a row once, so that the halves meet
  --stats            after the table its fairness line: games built / asked / without a repeat
                     at most, partnerships repeated, the most meetings of two opponents against
                     the least possible, the rest spread (--format json: {"stats":{...}})
  --from-game K --previous FILE
                     keeps games 1 .. K-1 of FILE (a table of the same kind written with
                     --format json) and builds the others balanced for the counts given, on the
                     same courts; newcomers take the numbers after the last, and the numbers in
                     --leaving LIST ("3,8"; mixed: --leaving-men, --leaving-women; team and
                     fixed: --leaving-a, --leaving-b) take no part from game K on
)";

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
