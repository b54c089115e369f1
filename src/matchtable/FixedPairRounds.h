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

} // namespace zoruka
