#pragma once

#include <utility>
#include <vector>

namespace zoruka {

// Round `round` of the round-robin ("circle") schedule of `members`: everyone paired once, and
// no two rounds of one cycle of members.size() - 1 rounds (rounded up to even) share a pair.
// With an odd count one member's partner is -1.
std::vector<std::pair<int, int>> circleRound(const std::vector<int>& members, int round);

} // namespace zoruka
