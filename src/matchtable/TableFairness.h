#pragma once

#include "matchtable/MatchKind.h"
#include "matchtable/ResultStore.h"

#include <string>
#include <string_view>

namespace zoruka {

namespace table_fairness {

// Shown when a table repeats partnerships (fixed pairs: meetings), as balanced tables do past
// the bound instead of stopping.
inline constexpr std::string_view kPairsAgain = "同じペアが再び組まれます";
inline constexpr std::string_view kMeetingsAgain = "同じ対戦が再び組まれます";

} // namespace table_fairness

// How fair a table is, the same measure for every kind and way of building.
struct TableFairness {
    int built = 0; // games built
    int asked = 0; // games asked for
    int bound = 0; // most games without a repeated partnership (gamesBound)
    // Partnerships formed again (each formed k times counts k - 1); fixed pairs: meetings of an
    // A pair and a B pair again.
    int repeats = 0;
    int mostMeetings = 0;  // the most often two opponents met
    int meetingsFloor = 0; // the least that most can be for the games played (see below)
    // The largest difference in rests between two players of a group at any game; a player who
    // joins part way counts as many rests as the fewest then.
    int restSpread = 0;

    bool operator==(const TableFairness&) const = default;
};

// A player with k games meets 2k opponents (mixed doubles: k of each sex; fixed pairs: k pairs)
// among the n others he can meet, so some two meet ceil(2k / n) times; meetingsFloor is the
// largest of these over the players.
TableFairness tableFairness(MatchKind kind, const MatchTable& table);

// The fairness line under every grid, e.g. "試合数 20/20（重複なしの上限 20）　ペアの重複 0　
// 同じ相手との対戦 最多 2回（下限 2回）　休憩回数の差 1", preceded by kPairsAgain (fixed pairs:
// kMeetingsAgain) when something repeats.
std::string fairnessLine(MatchKind kind, const TableFairness& fairness);

} // namespace zoruka
