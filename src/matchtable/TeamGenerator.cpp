#include "matchtable/TeamGenerator.h"

#include "matchtable/CourtArrangement.h"
#include "matchtable/OpponentHistory.h"
#include "matchtable/PairSearch.h"
#include "matchtable/RestRotation.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>

namespace zoruka {

namespace {

// B players get the ids after the A players', so that A player 3 and B player 3 stay apart.
constexpr int kTeamBIdOffset = kMaxCount;

// One team's marks and pair search.
struct Team {
    PartnerMarks marks;
    PairSearch search{marks};
    int firstPlayer = 0;

    // After a complete pass: the pass's tries are forgotten, and the pair of the game's first
    // player is kept from the next attempts so that he gets another partner.
    void endPass()
    {
        marks.releaseAll(PartnerMark::InAttempt);
        for (const Pair& pair : search.pairs()) {
            if (pair.first == firstPlayer || pair.second == firstPlayer) {
                marks.setBoth(pair.first, pair.second, PartnerMark::EarlierAttempt);
            }
        }
    }
};

class TeamBuilder {
public:
    TeamBuilder(int teamA, int teamB, int courts) : m_courts(courts)
    {
        m_teams[0].marks.reset(teamA);
        m_teams[1].marks.reset(teamB);
        m_history.clear();
    }

    // The chosen courts of a game (B players as themselves), or nothing when no attempt built
    // both teams' pairs.
    std::optional<Arrangement> buildGame(int game, const std::vector<int>& playingA,
                                         const std::vector<int>& playingB);

private:
    bool runPass(Team& team);
    ScoredAttempt score(int game, const Arrangement& ids) const;

    int m_courts;
    std::array<Team, 2> m_teams;
    ScanState m_scan{false, false, 0};
    OpponentHistory m_history;
};

bool TeamBuilder::runPass(Team& team)
{
    if (!team.search.pairEveryone(m_scan, 2 * m_courts, TeamGenerator::kScanStepLimit)) {
        return false;
    }
    team.endPass();
    m_scan.failures = 0;
    return true;
}

std::optional<Arrangement> TeamBuilder::buildGame(int game, const std::vector<int>& playingA,
                                                  const std::vector<int>& playingB)
{
    Team& a = m_teams[0];
    Team& b = m_teams[1];
    m_scan.failures = 0;
    a.search.startGame(playingA);
    b.search.startGame(playingB);
    a.firstPlayer = playingA.empty() ? 0 : playingA.front();
    b.firstPlayer = playingB.empty() ? 0 : playingB.front();

    std::vector<ScoredAttempt> attempts;
    for (int attempt = 1; attempt <= TeamGenerator::kAttemptsPerGame; ++attempt) {
        if (!runPass(a) || !runPass(b)) {
            break;
        }
        Arrangement ids;
        for (int court = 0; court < m_courts; ++court) {
            const Pair pairB = b.search.pairs()[static_cast<std::size_t>(court)];
            ids.push_back(a.search.pairs()[static_cast<std::size_t>(court)]);
            ids.push_back({pairB.first + kTeamBIdOffset, pairB.second + kTeamBIdOffset});
        }
        attempts.push_back(score(game, ids));
    }
    for (Team& team : m_teams) {
        team.marks.releaseAll(PartnerMark::InAttempt);
        team.marks.releaseAll(PartnerMark::EarlierAttempt);
    }

    const ScoredAttempt* chosen = lowestScore(attempts);
    if (chosen == nullptr || chosen->slots.empty()) {
        return std::nullopt;
    }
    m_history.addGame(chosen->slots);
    Arrangement slots = chosen->slots;
    for (std::size_t s = 0; s < slots.size(); s += 2) {
        Pair& pairB = slots[s + 1];
        pairB = {pairB.first - kTeamBIdOffset, pairB.second - kTeamBIdOffset};
        a.marks.setBoth(slots[s].first, slots[s].second, PartnerMark::Never);
        b.marks.setBoth(pairB.first, pairB.second, PartnerMark::Never);
    }
    return slots;
}

// The B pairs are rotated over the courts; the lowest repeat sum, then the lowest worst
// repeat, then fewest meetings of the previous game wins.
ScoredAttempt TeamBuilder::score(int game, const Arrangement& ids) const
{
    const std::vector<RecordedArrangement> recorded = recordSideBRotations(
        ids, [this](const Arrangement& candidate) { return m_history.repeats(candidate); });
    const ArrangementChoice choice =
        chooseLowestSum(recorded, game, [this](const Arrangement& candidate) {
            return m_history.meetingsFromLastGame(candidate);
        });
    return {recorded[choice.index].slots, choice.score};
}

} // namespace

RunParameters TeamGenerator::parameters(int teamA, int teamB, int courts, int games)
{
    RunParameters params = pairedParameters(teamA + teamB, courts, games);
    params.teamA = teamA;
    params.teamB = teamB;
    return params;
}

MatchTable TeamGenerator::generate(int teamA, int teamB, int courts, int games)
{
    if (teamA < 0 || teamA > kMaxCount || teamB < 0 || teamB > kMaxCount || courts < 0 ||
        games < 0 || games > kMaxCount || 2 * courts > std::min(teamA, teamB)) {
        throw std::invalid_argument("team match counts out of range");
    }
    MatchTable table;
    table.params = parameters(teamA, teamB, courts, games);

    TeamBuilder builder(teamA, teamB, courts);
    RestRotation rotationA(teamA, 2 * courts);
    RestRotation rotationB(teamB, 2 * courts);
    for (int game = 1; game <= games; ++game) {
        const std::vector<int> playingA = rotationA.nextGame();
        const std::vector<int> playingB = rotationB.nextGame();
        const std::optional<Arrangement> slots = builder.buildGame(game, playingA, playingB);
        if (!slots) {
            break; // nothing after the first empty game is shown or printed
        }
        for (std::size_t s = 0; s < slots->size(); ++s) {
            table.results.setPair(game, static_cast<int>(s) + 1, (*slots)[s]);
        }
    }
    return table;
}

} // namespace zoruka
