#include "matchtable/FixedPairSetup.h"

#include "matchtable/CountFields.h"
#include "matchtable/FixedPairGenerator.h"

#include <algorithm>

namespace zoruka::fixed_pair_setup {

Check check(std::string_view pairsA, std::string_view pairsB, std::string_view courts,
            std::string_view games)
{
    const CountFieldsCheck counts = checkCountFields({{pairsA, kChooseParticipants},
                                                      {pairsB, kChooseParticipants},
                                                      {courts, kChooseCourts},
                                                      {games, kChooseGames}});
    Check result;
    std::copy(counts.failed.begin(), counts.failed.end(), result.failed.begin());
    result.message = counts.message;
    if (!counts.ok()) {
        return result;
    }
    const int perTeam = counts.values[Courts];
    if (perTeam > counts.values[PairsA]) {
        result.message = kTooFewA;
    } else if (perTeam > counts.values[PairsB]) {
        result.message = kTooFewB;
    } else {
        result.params = FixedPairGenerator::parameters(counts.values[PairsA], counts.values[PairsB],
                                                       counts.values[Courts], counts.values[Games]);
    }
    return result;
}

} // namespace zoruka::fixed_pair_setup
