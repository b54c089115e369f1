#pragma once

#include "matchtable/ResultStore.h"

#include <functional>
#include <vector>

namespace zoruka {

// A game's pairs over its courts: element 2c-2 is court c's A side, 2c-1 its B side.
using Arrangement = std::vector<Pair>;

// Calls `meeting(x, y)` for every player of each court's A side against every player of its B
// side: (A1,B1), (A1,B2), (A2,B1), (A2,B2), court by court.
template <typename Meeting> void forEachMeeting(const Arrangement& slots, Meeting&& meeting)
{
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

using EvaluateArrangement = std::function<RepeatSummary(const Arrangement&)>;

// The arrangements below are recorded while they are visited when their repeat sum is not above
// the lowest recorded so far, so the recorded sums never rise along the list.

// The court shuffle: the given arrangement, then C times a rotation of all slots by one place
// followed by C arrangements that rotate every slot but the last, 1 + C x C in all.
std::vector<RecordedArrangement> recordCourtShuffles(Arrangement slots,
                                                     const EvaluateArrangement& evaluate);

// The given arrangement, then C - 1 times every B side moved one court down (court c takes the
// B pair of court c + 1, the last court the one court 1 had); the A sides stay.
std::vector<RecordedArrangement> recordSideBRotations(Arrangement slots,
                                                      const EvaluateArrangement& evaluate);

struct ArrangementChoice {
    std::size_t index = 0; // into the recorded list
    int score = 0;         // repeat sum + repeat maximum + previous-game meetings
};

// The recorded arrangement with the lowest repeat sum, then the lowest maximum. Among equal
// ones after game 1, one whose meetings repeat fewer of the previous game's (as
// `previousGameMeetings` counts them) wins over the chosen one; an arrangement chosen on sum or
// maximum carries the measure last computed in this choice (0 before any).
ArrangementChoice
chooseLowestSum(const std::vector<RecordedArrangement>& recorded, int game,
                const std::function<int(const Arrangement&)>& previousGameMeetings);

// A completed attempt at a game: its arrangement and its score (lower is better).
struct ScoredAttempt {
    Arrangement slots;
    int score = 0;
};

// The attempt with the lowest score under 999, the earlier one on ties; nullptr when none.
const ScoredAttempt* lowestScore(const std::vector<ScoredAttempt>& attempts);

} // namespace zoruka
