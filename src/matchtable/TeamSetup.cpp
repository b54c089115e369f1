#include "matchtable/TeamSetup.h"

#include "matchtable/CountFields.h"
#include "matchtable/TeamGenerator.h"

namespace zoruka::team_setup {

Check check(std::string_view teamA, std::string_view teamB, std::string_view courts,
            std::string_view games)
{
    return Check::from(checkTwoSides({{{teamA, kChooseParticipants},
                                       {teamB, kChooseParticipants},
                                       {courts, kChooseCourts},
                                       {games, kChooseGames}}},
                                     2, kTooFewA, kTooFewB),
                       [](const std::vector<int>& v) {
                           return TeamGenerator::parameters(v[TeamA], v[TeamB], v[Courts],
                                                            v[Games]);
                       });
}

} // namespace zoruka::team_setup
