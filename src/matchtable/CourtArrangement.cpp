#include "matchtable/CourtArrangement.h"

#include <algorithm>

namespace zoruka {

std::vector<RecordedArrangement>
recordCourtArrangements(Arrangement slots,
                        const std::function<RepeatSummary(const Arrangement&)>& evaluate) {
    std::vector<RecordedArrangement> recorded;
    int bestSum = 9999;
    const auto record = [&] {
        const RepeatSummary repeats = evaluate(slots);
        if (repeats.sum <= bestSum) {
            bestSum = repeats.sum;
            recorded.push_back({slots, repeats});
        }
    };

    record();
    const auto courts = static_cast<int>(slots.size() / 2);
    for (int r = 1; r <= courts; ++r) {
        std::rotate(slots.begin(), slots.end() - 1, slots.end());
        for (int j = 1; j <= courts; ++j) {
            record();
            if (j < courts) {
                std::rotate(slots.begin(), slots.end() - 2, slots.end() - 1);
            }
        }
    }
    return recorded;
}

} // namespace zoruka
