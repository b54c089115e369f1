#pragma once

#include "matchtable/MatchKind.h"

#include <array>
#include <utility>
#include <vector>

namespace zoruka {

// Who stands where on one court of a kind, as places ("seats") 0 .. seatsPerCourt - 1:
// - doubles, mixed doubles, team match: seats 0 and 1 are the pair on side A (result slot 2c-1,
//   members 1 and 2), seats 2 and 3 the pair on side B (slot 2c); mixed doubles seat the men in
//   0 and 2 and the women in 1 and 3, the team match team A in 0 and 1 and team B in 2 and 3;
// - fixed pairs: seat 0 the A pair and seat 1 the B pair (result slot c).
struct SeatLayout {
    int seatsPerCourt = 4;
    std::array<int, 4> group{};                 // the rotation group that fills each seat
    std::vector<std::pair<int, int>> partners;  // seats whose players are partners
    std::vector<std::pair<int, int>> opponents; // seats whose players meet across the net

    // How many seats of one court group `g` fills.
    int seatsOfGroup(int g) const;
};

SeatLayout seatLayout(MatchKind kind);

// Rotation groups of a kind: 1 for doubles, 2 for the others.
int groupCount(MatchKind kind);

} // namespace zoruka
