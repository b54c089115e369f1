#include "matchtable/MixedSetup.h"

#include "matchtable/CountFields.h"
#include "matchtable/MixedGenerator.h"

namespace zoruka::mixed_setup {

Check check(std::string_view men, std::string_view women, std::string_view courts,
            std::string_view games)
{
    return Check::from(checkTwoSides({{{men, kChooseMen},
                                       {women, kChooseWomen},
                                       {courts, kChooseCourts},
                                       {games, kChooseGames}}},
                                     2, kTooFewMen, kTooFewWomen),
                       [](const std::vector<int>& v) {
                           return MixedGenerator::parameters(v[Men], v[Women], v[Courts], v[Games]);
                       });
}

} // namespace zoruka::mixed_setup
