#include "matchtable/ResultStore.h"

namespace zoruka {

int ResultStore::builtGames(int games) const
{
    int built = 0;
    while (built < games && built < kMaxGames && !gameIsEmpty(built + 1)) {
        ++built;
    }
    return built;
}

} // namespace zoruka
