#include "matchtable/TeamSetup.h"

#include "matchtable/CountFields.h"
#include "matchtable/TeamGenerator.h"

#include <algorithm>

namespace zoruka::team_setup {

Check check(std::string_view teamA, std::string_view teamB, std::string_view courts,
            std::string_view games)
{
    const CountFieldsCheck counts = checkCountFields({{teamA, kChooseParticipants},
                                                      {teamB, kChooseParticipants},
                                                      {courts, kChooseCourts},
                                                      {games, kChooseGames}});
    Check result;
    std::copy(counts.failed.begin(), counts.failed.end(), result.failed.begin());
    result.message = counts.message;
    if (!counts.ok()) {
        return result;
    }
    const int perTeam = 2 * counts.values[Courts];
    if (perTeam > counts.values[TeamA]) {
        result.message = kTooFewA;
    } else if (perTeam > counts.values[TeamB]) {
        result.message = kTooFewB;
    } else {
        result.params = TeamGenerator::parameters(counts.values[TeamA], counts.values[TeamB],
                                                  counts.values[Courts], counts.values[Games]);
    }
    return result;
}

} // namespace zoruka::team_setup
