#include "matchtable/KindCounts.h"

#include "matchtable/DoublesGenerator.h"
#include "matchtable/FixedPairGenerator.h"
#include "matchtable/MixedGenerator.h"
#include "matchtable/SeatLayout.h"
#include "matchtable/TeamGenerator.h"

#include <algorithm>

namespace zoruka {

std::array<int, 2> groupSizes(MatchKind kind, const RunParameters& params)
{
    switch (kind) {
    case MatchKind::Doubles:
        return {params.participants, 0};
    case MatchKind::Mixed:
        return {params.men, params.women};
    case MatchKind::Team:
    case MatchKind::FixedPairs:
        break;
    }
    return {params.teamA, params.teamB};
}

int onCourtOfGroup(MatchKind kind, const RunParameters& params, int group)
{
    return params.courts * seatLayout(kind).seatsOfGroup(group);
}

RunParameters kindParameters(MatchKind kind, std::array<int, 2> sizes, int courts, int games)
{
    switch (kind) {
    case MatchKind::Doubles:
        return DoublesGenerator::parameters(sizes[0], courts, games);
    case MatchKind::Mixed:
        return MixedGenerator::parameters(sizes[0], sizes[1], courts, games);
    case MatchKind::Team:
        return TeamGenerator::parameters(sizes[0], sizes[1], courts, games);
    case MatchKind::FixedPairs:
        break;
    }
    return FixedPairGenerator::parameters(sizes[0], sizes[1], courts, games);
}

int gamesBound(MatchKind kind, std::array<int, 2> sizes, int courts)
{
    if (courts <= 0) {
        return 0;
    }
    const auto [a, b] = sizes;
    switch (kind) {
    case MatchKind::Doubles:
        return a * (a - 1) / (4 * courts);
    case MatchKind::Mixed:
        return a * b / (2 * courts);
    case MatchKind::Team:
        return std::min(a * (a - 1) / 2, b * (b - 1) / 2) / courts;
    case MatchKind::FixedPairs:
        break;
    }
    return a * b / courts;
}

int meetingsFloor(MatchKind kind, int k, int own, int other)
{
    const auto ceilDiv = [](int a, int b) { return b <= 0 ? 0 : (a + b - 1) / b; };
    switch (kind) {
    case MatchKind::Doubles:
        return ceilDiv(2 * k, own - 1);
    case MatchKind::Mixed:
        return std::max(ceilDiv(k, own - 1), ceilDiv(k, other));
    case MatchKind::Team:
        return ceilDiv(2 * k, other);
    case MatchKind::FixedPairs:
        break;
    }
    return ceilDiv(k, other);
}

} // namespace zoruka
