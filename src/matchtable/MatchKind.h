#pragma once

namespace zoruka {

// The four kinds of match table. Each has one or two rotation groups, whose members rest in turn
// and are numbered from 1 within the group: doubles one (everybody), mixed doubles the men and
// the women, the team match team A and team B, fixed pairs the A pairs and the B pairs.
enum class MatchKind { Doubles, Mixed, Team, FixedPairs };

} // namespace zoruka
