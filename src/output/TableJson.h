#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"

#include <array>
#include <string>

namespace zoruka {

// The names a kind's table uses in its JSON: "kind", the counts of its rotation groups in
// "params" (doubles' second is empty), the slots ("slots", fixed pairs "courts"), the rests of
// each group and the players' names of each group in "names".
struct TableJsonNames {
    std::string kind;
    std::array<std::string, 2> sizes;
    std::string slots;
    std::array<std::string, 2> rests;
    std::array<std::string, 2> names;
};

const TableJsonNames& tableJsonNames(MatchKind kind);

// The table of `kind` as one line of JSON, as below.
std::string tableJson(MatchKind kind, const MatchTable& table);

// A table as one line of JSON (no trailing newline). Slots stand in result-store order (2c-1 =
// court c side A), rests ascending; the games are those before the first empty one. A table with
// a roster has a "names" object after "params": per group the names in number order ("" for a
// number without one), under "participants" (doubles), "men" and "women" (mixed), "a" and "b"
// (team, fixed pairs): {"kind":"doubles","params":{...},"names":{"participants":["山田",...]},...}
// Doubles:
// {"kind":"doubles","params":{"participants":9,"courts":2,"games":5},
//  "games":[{"game":1,"slots":[[1,2],[3,8],[4,5],[6,7]],"rests":[9]},...]}
std::string doublesTableJson(const MatchTable& table);

// Mixed doubles, pairs as [man,woman]:
// {"kind":"mixed","params":{"men":4,"women":4,"courts":2,"games":1},
//  "games":[{"game":1,"slots":[[1,1],[2,4],[3,2],[4,3]],"rests_men":[],"rests_women":[]}]}
std::string mixedTableJson(const MatchTable& table);

// Team match, slot 2c-1 the A pair and slot 2c the B pair of court c:
// {"kind":"team","params":{"a_size":4,"b_size":4,"courts":2,"games":4},
//  "games":[{"game":1,"slots":[[1,2],[1,2],[3,4],[3,4]],"rests_a":[],"rests_b":[]},...]}
std::string teamTableJson(const MatchTable& table);

// Fixed-pair team-versus-team, each court as [A pair, B pair]; the last game may be one that
// could not be completed, listed with the courts it filled:
// {"kind":"fixed","params":{"a_pairs":3,"b_pairs":3,"courts":3,"games":2},
//  "games":[{"game":1,"courts":[[1,1],[2,2],[3,3]],"rests_a":[],"rests_b":[]},...]}
std::string fixedPairTableJson(const MatchTable& table);

} // namespace zoruka
