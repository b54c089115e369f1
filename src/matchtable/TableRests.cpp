#include "matchtable/TableRests.h"

#include "matchtable/KindCounts.h"
#include "matchtable/RestRotation.h"

namespace zoruka {

std::vector<std::vector<int>> tableRests(const MatchTable& table, MatchKind kind, int group)
{
    const int built = table.builtGames();
    std::vector<std::vector<int>> rests;
    if (!table.rests.empty()) {
        for (int game = 1; game <= built; ++game) {
            rests.push_back(table.rests[static_cast<std::size_t>(game - 1)][group]);
        }
        return rests;
    }
    const int size = groupSizes(kind, table.params)[group];
    for (const auto& playing :
         RestRotation::games(size, onCourtOfGroup(kind, table.params, group), built)) {
        rests.push_back(restingPlayers(playing, size));
    }
    return rests;
}

} // namespace zoruka
