#include "matchtable/LineupSetup.h"

#include "common/CountText.h"
#include "matchtable/DoublesSetup.h"
#include "matchtable/FixedPairSetup.h"
#include "matchtable/KindCounts.h"
#include "matchtable/MixedSetup.h"
#include "matchtable/SeatLayout.h"
#include "matchtable/TeamSetup.h"

#include <algorithm>

namespace zoruka::lineup_setup {

namespace {

// The kind's own refusal when a group has too few players for the courts.
std::string_view tooFew(MatchKind kind, int group)
{
    switch (kind) {
    case MatchKind::Doubles:
        return doubles_setup::kTooFewParticipants;
    case MatchKind::Mixed:
        return group == 0 ? mixed_setup::kTooFewMen : mixed_setup::kTooFewWomen;
    case MatchKind::Team:
        return group == 0 ? team_setup::kTooFewA : team_setup::kTooFewB;
    case MatchKind::FixedPairs:
        break;
    }
    return group == 0 ? fixed_pair_setup::kTooFewA : fixed_pair_setup::kTooFewB;
}

} // namespace

std::optional<std::vector<int>> parseNumberList(std::string_view text, int most)
{
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view item = text.substr(start, comma - start);
        if (item.find_first_not_of(" \t") != std::string_view::npos) {
            const std::optional<int> number = parseCount(item, most);
            if (!number || *number < 1 ||
                std::find(numbers.begin(), numbers.end(), *number) != numbers.end()) {
                return std::nullopt;
            }
            numbers.push_back(*number);
        } else if (comma < text.size()) {
            return std::nullopt; // an empty item between commas
        }
        start = comma + 1;
    }
    return numbers;
}

std::variant<LineupChange, std::string> check(MatchKind kind, const MatchTable& previous,
                                              std::string_view fromGame,
                                              const RunParameters& params,
                                              const std::array<std::string_view, 2>& leaving)
{
    const int built = previous.builtGames();
    if (built == 0) {
        return std::string(kNothingBuilt);
    }
    const std::optional<int> from = parseCount(fromGame, kMaxCount + 1);
    if (!from || *from < 2 || *from > built + 1) {
        return std::string(kChooseFromGame);
    }
    if (params.courts != previous.params.courts) {
        return std::string(kSameCourts);
    }
    if (params.games < *from) {
        return std::string(kGamesFromChange);
    }
    LineupChange change;
    change.fromGame = *from;
    change.params = params;
    const std::array<int, 2> sizes = groupSizes(kind, params);
    for (int group = 0; group < groupCount(kind); ++group) {
        const auto numbers =
            parseNumberList(leaving[static_cast<std::size_t>(group)], sizes[group]);
        if (!numbers) {
            return std::string(kLeavingNumbers);
        }
        if (sizes[group] - static_cast<int>(numbers->size()) <
            onCourtOfGroup(kind, params, group)) {
            return std::string(tooFew(kind, group));
        }
        change.leaving[static_cast<std::size_t>(group)] = *numbers;
    }
    return change;
}

} // namespace zoruka::lineup_setup
