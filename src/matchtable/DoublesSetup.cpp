#include "matchtable/DoublesSetup.h"

#include "matchtable/CountFields.h"
#include "matchtable/DoublesGenerator.h"

namespace zoruka::doubles_setup {

Check check(std::string_view participants, std::string_view courts, std::string_view games)
{
    Check result = Check::from(
        checkCountFields(
            {{participants, kChooseParticipants}, {courts, kChooseCourts}, {games, kChooseGames}}),
        [](const std::vector<int>& v) {
            return DoublesGenerator::parameters(v[Participants], v[Courts], v[Games]);
        });
    if (result.params && result.params->onCourt > result.params->participants) {
        result.params.reset();
        result.message = kTooFewParticipants;
    }
    return result;
}

} // namespace zoruka::doubles_setup
