#include "matchtable/MixedGenerator.h"

#include "matchtable/CourtArrangement.h"
#include "matchtable/MixedPairSearch.h"
#include "matchtable/OpponentHistory.h"
#include "matchtable/RestRotation.h"

#include <algorithm>
#include <stdexcept>

namespace zoruka {

namespace {

// Women get the ids after the men's, so the history never mistakes man 3 for woman 3.
Arrangement asPlayerIds(const Arrangement& slots)
{
    Arrangement ids = slots;
    for (Pair& pair : ids) {
        pair.second += kMaxCount;
    }
    return ids;
}

Arrangement fromPlayerIds(const Arrangement& ids)
{
    Arrangement slots = ids;
    for (Pair& pair : slots) {
        pair.second -= kMaxCount;
    }
    return slots;
}

// Re-seats a game's pairs over the courts (ids as above); only the first 2 x C shuffles that
// were recorded compete.
Arrangement arrangeCourts(const Arrangement& ids, int game, const OpponentHistory& history)
{
    if (history.repeats(ids).sum == 0) {
        return ids;
    }
    const std::vector<RecordedArrangement> recorded = recordCourtShuffles(
        ids, [&history](const Arrangement& candidate) { return history.repeats(candidate); });
    const std::size_t competing = std::min(recorded.size(), ids.size());

    std::size_t chosen = 0;
    int chosenMaximum = 999;
    int chosenSum = 999;
    int tieBreak = 999;
    int lastMeasure = 0;
    for (std::size_t pos = 0; pos < competing; ++pos) {
        const RepeatSummary& candidate = recorded[pos].repeats;
        if (candidate.maximum < chosenMaximum ||
            (candidate.maximum == chosenMaximum && candidate.sum < chosenSum)) {
            chosen = pos;
            chosenMaximum = candidate.maximum;
            chosenSum = candidate.sum;
            tieBreak = lastMeasure;
        } else if (candidate.maximum == chosenMaximum && candidate.sum == chosenSum && game != 1) {
            lastMeasure = history.meetingsFromLastGame(recorded[pos].slots);
            if (lastMeasure < tieBreak) {
                chosen = pos;
                tieBreak = lastMeasure;
            }
        }
    }
    return recorded[chosen].slots;
}

} // namespace

RunParameters MixedGenerator::parameters(int men, int women, int courts, int games)
{
    RunParameters params = pairedParameters(men + women, courts, games);
    params.men = men;
    params.women = women;
    return params;
}

MatchTable MixedGenerator::generate(int men, int women, int courts, int games)
{
    if (men < 0 || men > kMaxCount || women < 0 || women > kMaxCount || courts < 0 || games < 0 ||
        games > kMaxCount || 2 * courts > std::min(men, women)) {
        throw std::invalid_argument("mixed doubles table counts out of range");
    }
    MatchTable table;
    table.params = parameters(men, women, courts, games);
    const int pairsPerGame = 2 * courts;

    // Pairing, game by game, until a game cannot be paired.
    MixedPairSearch search;
    search.reset(men, women);
    RestRotation menRotation(men, pairsPerGame);
    RestRotation womenRotation(women, pairsPerGame);
    int built = 0;
    for (int game = 1; game <= games && pairsPerGame > 0; ++game) {
        const std::vector<int> gameMen = menRotation.nextGame();
        const std::vector<int> gameWomen = womenRotation.nextGame();
        if (!search.pairGame(gameMen, gameWomen, kScanStepLimit)) {
            break;
        }
        const std::vector<Pair>& pairs = search.pairs();
        for (std::size_t s = 0; s < pairs.size(); ++s) {
            table.results.setPair(game, static_cast<int>(s) + 1, pairs[s]);
        }
        built = game;
    }

    // Courts, game by game, against the games already seated.
    OpponentHistory history;
    history.clear();
    for (int game = 1; game <= built; ++game) {
        Arrangement pairs;
        for (int slot = 1; slot <= pairsPerGame; ++slot) {
            pairs.push_back(table.results.pair(game, slot));
        }
        const Arrangement ids = arrangeCourts(asPlayerIds(pairs), game, history);
        history.addGame(ids);
        const Arrangement slots = fromPlayerIds(ids);
        for (std::size_t s = 0; s < slots.size(); ++s) {
            table.results.setPair(game, static_cast<int>(s) + 1, slots[s]);
        }
    }
    return table;
}

} // namespace zoruka
