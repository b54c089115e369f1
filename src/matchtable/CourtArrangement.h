#pragma once

#include "matchtable/ResultStore.h"

#include <functional>
#include <vector>

namespace zoruka {

// A game's pairs over its courts: element 2c-2 is court c's A side, 2c-1 its B side.
using Arrangement = std::vector<Pair>;

// Calls `meeting(x, y)` for every player of each court's A side against every player of its B
// side: (A1,B1), (A1,B2), (A2,B1), (A2,B2), court by court.
template <typename Meeting> void forEachMeeting(const Arrangement& slots, Meeting&& meeting) {
    for (std::size_t a = 0; a + 1 < slots.size(); a += 2) {
        const Pair& sideA = slots[a];
        const Pair& sideB = slots[a + 1];
        meeting(sideA.first, sideB.first);
        meeting(sideA.first, sideB.second);
        meeting(sideA.second, sideB.first);
        meeting(sideA.second, sideB.second);
    }
}

// How often the opponents of an arrangement have met before.
struct RepeatSummary {
    int sum = 0;
    int maximum = 0;
};

struct RecordedArrangement {
    Arrangement slots;
    RepeatSummary repeats;
};

// The court shuffle: the given arrangement, then C times a rotation of all slots by one place
// followed by C arrangements that rotate every slot but the last, 1 + C x C in all. An
// arrangement is recorded when its repeat sum is not above the lowest recorded so far, so the
// recorded sums never rise along the list.
std::vector<RecordedArrangement>
recordCourtArrangements(Arrangement slots,
                        const std::function<RepeatSummary(const Arrangement&)>& evaluate);

} // namespace zoruka
