#include "matchtable/MixedSetup.h"

#include "matchtable/CountFields.h"
#include "matchtable/MixedGenerator.h"

#include <algorithm>

namespace zoruka::mixed_setup {

Check check(std::string_view men, std::string_view women, std::string_view courts,
            std::string_view games)
{
    const CountFieldsCheck counts = checkCountFields(
        {{men, kChooseMen}, {women, kChooseWomen}, {courts, kChooseCourts}, {games, kChooseGames}});
    Check result;
    std::copy(counts.failed.begin(), counts.failed.end(), result.failed.begin());
    result.message = counts.message;
    if (!counts.ok()) {
        return result;
    }
    const int pairsPerGame = 2 * counts.values[Courts];
    if (counts.values[Men] < pairsPerGame) {
        result.message = kTooFewMen;
    } else if (counts.values[Women] < pairsPerGame) {
        result.message = kTooFewWomen;
    } else {
        result.params = MixedGenerator::parameters(counts.values[Men], counts.values[Women],
                                                   counts.values[Courts], counts.values[Games]);
    }
    return result;
}

} // namespace zoruka::mixed_setup
