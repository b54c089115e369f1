#include "matchtable/CourtArrangement.h"

#include <algorithm>

namespace zoruka {

namespace {

class Recorder {
public:
    explicit Recorder(const EvaluateArrangement& evaluate) : m_evaluate(evaluate) {}

    void offer(const Arrangement& slots)
    {
        const RepeatSummary repeats = m_evaluate(slots);
        if (repeats.sum <= m_bestSum) {
            m_bestSum = repeats.sum;
            m_recorded.push_back({slots, repeats});
        }
    }

    std::vector<RecordedArrangement> take() { return std::move(m_recorded); }

private:
    const EvaluateArrangement& m_evaluate;
    int m_bestSum = 9999;
    std::vector<RecordedArrangement> m_recorded;
};

} // namespace

std::vector<RecordedArrangement> recordCourtShuffles(Arrangement slots,
                                                     const EvaluateArrangement& evaluate)
{
    Recorder recorder(evaluate);
    recorder.offer(slots);
    const auto courts = static_cast<int>(slots.size() / 2);
    for (int r = 1; r <= courts; ++r) {
        std::rotate(slots.begin(), slots.end() - 1, slots.end());
        for (int j = 1; j <= courts; ++j) {
            recorder.offer(slots);
            if (j < courts) {
                std::rotate(slots.begin(), slots.end() - 2, slots.end() - 1);
            }
        }
    }
    return recorder.take();
}

std::vector<RecordedArrangement> recordSideBRotations(Arrangement slots,
                                                      const EvaluateArrangement& evaluate)
{
    Recorder recorder(evaluate);
    recorder.offer(slots);
    const std::size_t courts = slots.size() / 2;
    for (std::size_t r = 1; r < courts; ++r) {
        const Pair first = slots[1];
        for (std::size_t c = 0; c + 1 < courts; ++c) {
            slots[2 * c + 1] = slots[2 * c + 3];
        }
        slots[2 * courts - 1] = first;
        recorder.offer(slots);
    }
    return recorder.take();
}

ArrangementChoice
chooseLowestSum(const std::vector<RecordedArrangement>& recorded, int game,
                const std::function<int(const Arrangement&)>& previousGameMeetings)
{
    std::size_t chosen = 0;
    int chosenSum = 999;
    int chosenMaximum = 999;
    int tieBreak = 999;
    int lastMeasure = 0;
    for (std::size_t pos = 0; pos < recorded.size(); ++pos) {
        const RepeatSummary& candidate = recorded[pos].repeats;
        if (candidate.sum < chosenSum ||
            (candidate.sum == chosenSum && candidate.maximum < chosenMaximum)) {
            chosen = pos;
            chosenSum = candidate.sum;
            chosenMaximum = candidate.maximum;
            tieBreak = lastMeasure;
        } else if (candidate.sum == chosenSum && candidate.maximum == chosenMaximum && game > 1) {
            lastMeasure = previousGameMeetings(recorded[pos].slots);
            if (lastMeasure < tieBreak) {
                chosen = pos;
                tieBreak = lastMeasure;
            }
        }
    }
    return {chosen, tieBreak + chosenSum + chosenMaximum};
}

const ScoredAttempt* lowestScore(const std::vector<ScoredAttempt>& attempts)
{
    const ScoredAttempt* chosen = nullptr;
    int best = 999;
    for (const ScoredAttempt& attempt : attempts) {
        if (attempt.score < best) {
            best = attempt.score;
            chosen = &attempt;
        }
    }
    return chosen;
}

} // namespace zoruka
