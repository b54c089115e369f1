#include "output/TableJson.h"

#include "matchtable/RestRotation.h"

namespace zoruka {

namespace {

std::string numberList(const std::vector<int>& numbers)
{
    std::string text = "[";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        text += std::to_string(numbers[i]);
    }
    return text + "]";
}

} // namespace

std::string doublesTableJson(const MatchTable& table)
{
    const RunParameters& params = table.params;
    std::string json = "{\"kind\":\"doubles\",\"params\":{\"participants\":" +
                       std::to_string(params.participants) +
                       ",\"courts\":" + std::to_string(params.courts) +
                       ",\"games\":" + std::to_string(params.games) + "},\"games\":[";
    const int built = table.builtGames();
    const auto playing = RestRotation::games(params.participants, params.onCourt, built);
    for (int game = 1; game <= built; ++game) {
        if (game > 1) {
            json += ',';
        }
        json += "{\"game\":" + std::to_string(game) + ",\"slots\":[";
        for (int slot = 1; slot <= 2 * params.courts; ++slot) {
            const Pair pair = table.results.pair(game, slot);
            if (slot > 1) {
                json += ',';
            }
            json += numberList({pair.first, pair.second});
        }
        json += "],\"rests\":" +
                numberList(restingPlayers(playing[static_cast<std::size_t>(game - 1)],
                                          params.participants)) +
                "}";
    }
    return json + "]}";
}

} // namespace zoruka
