#pragma once

#include <optional>
#include <vector>

namespace zoruka {

// Fixed pairs meeting in rounds: the t-th meeting of the table is A pair t mod aPairs against
// B pair (t + t div lcm(aPairs, bPairs)) mod bPairs, `courts` meetings a game. Every round of
// aPairs x bPairs meetings has every A pair meet every B pair once, and both teams' pairs take
// their turns in rotation, so rests stay within one of each other. Each game lists, court by
// court, the A pair (0 .. aPairs - 1) and the B pair (aPairs .. aPairs + bPairs - 1). Nothing
// when the turns would give a pair two rests in a row while fewer rest than play, or a pair two
// courts of one game.
std::optional<std::vector<std::vector<int>>> fixedPairRounds(int aPairs, int bPairs, int courts,
                                                             int games);

// Two teams of exactly twice as many pairs as courts whose halves stay apart: the halves of both
// teams take turns game by game, and in its j-th game the i-th A pair of a half meets the
// (i + j) mod courts-th B pair of the half that plays with it. Those are the only B pairs it can
// ever meet, and it meets each of them once in every `courts` of its games. Games as
// fixedPairRounds lists them.
std::vector<std::vector<int>> fixedPairHalves(int courts, int games);

} // namespace zoruka
