#include "output/ExportedRests.h"

#include "matchtable/RestRotation.h"

namespace zoruka {

std::vector<std::vector<int>> exportedRests(const MatchTable& table)
{
    const RunParameters& params = table.params;
    const auto playing =
        RestRotation::games(params.participants, params.onCourt, table.builtGames());
    std::vector<std::vector<int>> rests;
    rests.reserve(playing.size());
    for (const auto& players : playing) {
        std::vector<int> resting = restingPlayers(players, params.participants);
        if (resting.size() > static_cast<std::size_t>(kMaxExportedRests)) {
            resting.resize(kMaxExportedRests);
        }
        rests.push_back(std::move(resting));
    }
    return rests;
}

} // namespace zoruka
