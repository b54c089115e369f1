#include "matchtable/SeatLayout.h"

#include <algorithm>

namespace zoruka {

int SeatLayout::seatsOfGroup(int g) const
{
    return static_cast<int>(std::count(group.begin(), group.begin() + seatsPerCourt, g));
}

SeatLayout seatLayout(MatchKind kind)
{
    const std::vector<std::pair<int, int>> pairs{{0, 1}, {2, 3}};
    const std::vector<std::pair<int, int>> across{{0, 2}, {0, 3}, {1, 2}, {1, 3}};
    switch (kind) {
    case MatchKind::Doubles:
        return {4, {0, 0, 0, 0}, pairs, across};
    case MatchKind::Mixed:
        return {4, {0, 1, 0, 1}, pairs, across};
    case MatchKind::Team:
        return {4, {0, 0, 1, 1}, pairs, across};
    case MatchKind::FixedPairs:
        break;
    }
    return {2, {0, 1, 0, 0}, {}, {{0, 1}}};
}

int groupCount(MatchKind kind) { return kind == MatchKind::Doubles ? 1 : 2; }

} // namespace zoruka
