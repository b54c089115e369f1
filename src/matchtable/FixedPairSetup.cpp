#include "matchtable/FixedPairSetup.h"

#include "matchtable/CountFields.h"
#include "matchtable/FixedPairGenerator.h"

namespace zoruka::fixed_pair_setup {

Check check(std::string_view pairsA, std::string_view pairsB, std::string_view courts,
            std::string_view games)
{
    return Check::from(checkTwoSides({{{pairsA, kChooseParticipants},
                                       {pairsB, kChooseParticipants},
                                       {courts, kChooseCourts},
                                       {games, kChooseGames}}},
                                     1, kTooFewA, kTooFewB),
                       [](const std::vector<int>& v) {
                           return FixedPairGenerator::parameters(v[PairsA], v[PairsB], v[Courts],
                                                                 v[Games]);
                       });
}

} // namespace zoruka::fixed_pair_setup
