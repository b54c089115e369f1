#include "matchtable/DoublesSetup.h"

#include "matchtable/CountFields.h"
#include "matchtable/DoublesGenerator.h"

#include <algorithm>

namespace zoruka::doubles_setup {

Check check(std::string_view participants, std::string_view courts, std::string_view games)
{
    const CountFieldsCheck counts = checkCountFields(
        {{participants, kChooseParticipants}, {courts, kChooseCourts}, {games, kChooseGames}});
    Check result;
    std::copy(counts.failed.begin(), counts.failed.end(), result.failed.begin());
    result.message = counts.message;
    if (!counts.ok()) {
        return result;
    }
    const RunParameters params = DoublesGenerator::parameters(
        counts.values[Participants], counts.values[Courts], counts.values[Games]);
    if (params.onCourt > params.participants) {
        result.message = kTooFewParticipants;
        return result;
    }
    result.params = params;
    return result;
}

} // namespace zoruka::doubles_setup
