#include "output/DoublesCsv.h"

#include "common/NumberFormat.h"
#include "matchtable/RestRotation.h"
#include "output/CsvLine.h"
#include "output/ExportedRests.h"
#include "output/OutputFile.h"
#include "output/TableLabels.h"

namespace zoruka {

namespace {

constexpr int kGamesPerSizeLine = 10;

} // namespace

std::string doublesCsv(const MatchTable& table)
{
    const RunParameters& params = table.params;
    const std::vector<std::vector<int>> rests = exportedRests(table);
    std::string csv;
    for (int game = 1; game <= static_cast<int>(rests.size()); ++game) {
        if (game % kGamesPerSizeLine == 1) {
            csv += csvLine({participantsLabel(params.participants), courtsLabel(params.courts)});
            if (game == 1) {
                csv += csvLine({"試合番号", "ベア１", "ベア２", "コート番号", "休憩"});
            }
        }
        const std::string label = gameLabel(game);
        const int slots = 2 * params.courts;
        for (int slot = 1; slot <= slots; ++slot) {
            const Pair pair = table.results.pair(game, slot);
            const std::string first = twoCharField(pair.first);
            const std::string second = twoCharField(pair.second);
            const std::string side = courtSideLabel(slot);
            if (slot < slots) {
                csv += csvLine({label, first, second, side});
            } else {
                csv += csvLine({label, first, second, side,
                                restListText(rests[static_cast<std::size_t>(game - 1)])});
            }
        }
    }
    return csv;
}

std::optional<std::string> writeDoublesCsv(const MatchTable& table, const std::string& path,
                                           TextEncoding encoding)
{
    return writeOutputFile(path, encodeText(doublesCsv(table), encoding));
}

} // namespace zoruka
