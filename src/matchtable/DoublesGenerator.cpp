#include "matchtable/DoublesGenerator.h"

#include "matchtable/CourtArrangement.h"
#include "matchtable/OpponentHistory.h"
#include "matchtable/PairSearch.h"
#include "matchtable/RestRotation.h"

#include <array>
#include <optional>
#include <stdexcept>

namespace zoruka {

namespace {

class DoublesBuilder {
public:
    DoublesBuilder(int participants, int courts) : m_courts(courts), m_search(m_marks)
    {
        m_marks.reset(participants);
        m_history.clear();
    }

    // The chosen arrangement of game `game`, or nothing when no attempt completed.
    std::optional<Arrangement> buildGame(int game, const std::vector<int>& playing);

private:
    int score(int game, Arrangement& slots) const;

    int m_courts;
    PartnerMarks m_marks;
    PairSearch m_search;
    OpponentHistory m_history;
    ScanState m_scan;
};

std::optional<Arrangement> DoublesBuilder::buildGame(int game, const std::vector<int>& playing)
{
    // Odd games begin with the search flipped to ascending, even games to descending.
    m_scan.descending = game % 2 == 1;
    m_scan.failures = 0;
    m_search.startGame(playing);

    std::vector<ScoredAttempt> attempts;
    for (int a = 1; a <= DoublesGenerator::kAttemptsPerGame; ++a) {
        if (!m_search.pairEveryone(m_scan, 2 * m_courts, DoublesGenerator::kScanStepLimit)) {
            break;
        }
        Arrangement slots = m_search.pairs();
        m_marks.releaseAll(PartnerMark::InAttempt);
        // Later attempts of this game must find other pairs.
        for (const Pair& pair : slots) {
            m_marks.setBoth(pair.first, pair.second, PartnerMark::EarlierAttempt);
        }
        m_scan.failures = 0;
        const int attemptScore = score(game, slots);
        attempts.push_back({std::move(slots), attemptScore});
    }
    m_marks.releaseAll(PartnerMark::InAttempt);
    m_marks.releaseAll(PartnerMark::EarlierAttempt);

    const ScoredAttempt* chosen = lowestScore(attempts);
    if (chosen == nullptr) {
        return std::nullopt;
    }
    for (const Pair& pair : chosen->slots) {
        m_marks.setBoth(pair.first, pair.second, PartnerMark::Never);
    }
    m_history.addGame(chosen->slots);
    return chosen->slots;
}

// Lower is better: repeated meetings plus the worst repeat, after the pairs have been shuffled
// over the courts; among equally good shuffles, one that repeats fewer meetings of the previous
// game is preferred.
int DoublesBuilder::score(int game, Arrangement& slots) const
{
    const RepeatSummary repeats = m_history.repeats(slots);
    if (repeats.sum == 0) {
        return 0;
    }
    const std::vector<RecordedArrangement> recorded = recordCourtShuffles(
        slots, [this](const Arrangement& candidate) { return m_history.repeats(candidate); });
    const ArrangementChoice choice =
        chooseLowestSum(recorded, game, [this](const Arrangement& candidate) {
            return m_history.meetingsFromLastGame(candidate);
        });
    slots = recorded[choice.index].slots;
    return choice.score;
}

} // namespace

RunParameters DoublesGenerator::parameters(int participants, int courts, int games)
{
    return pairedParameters(participants, courts, games);
}

MatchTable DoublesGenerator::generate(int participants, int courts, int games)
{
    if (participants < 0 || participants > kMaxCount || courts < 0 || games < 0 ||
        games > kMaxCount || 4 * courts > participants) {
        throw std::invalid_argument("doubles table counts out of range");
    }
    MatchTable table;
    table.params = parameters(participants, courts, games);

    DoublesBuilder builder(participants, courts);
    RestRotation rotation(participants, table.params.onCourt);
    for (int g = 1; g <= games; ++g) {
        const std::optional<Arrangement> slots = builder.buildGame(g, rotation.nextGame());
        if (!slots || slots->empty()) {
            break; // nothing after the first empty game is shown
        }
        for (std::size_t s = 0; s < slots->size(); ++s) {
            table.results.setPair(g, static_cast<int>(s) + 1, (*slots)[s]);
        }
    }
    return table;
}

} // namespace zoruka
