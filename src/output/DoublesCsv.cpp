#include "output/DoublesCsv.h"

#include "matchtable/RestRotation.h"
#include "output/CsvLine.h"
#include "output/ExportedRests.h"
#include "output/OutputFile.h"
#include "output/TableCsv.h"
#include "output/TableLabels.h"

namespace zoruka {

std::string doublesCsv(const MatchTable& table)
{
    const RunParameters& params = table.params;
    const std::vector<std::vector<int>> rests = exportedRests(table);
    return tableCsv(
        table, csvLine({participantsLabel(params.participants), courtsLabel(params.courts)}),
        csvLine({"試合番号", "ベア１", "ベア２", "コート番号", "休憩"}),
        [&rests](int game) { return restListText(rests[static_cast<std::size_t>(game - 1)]); });
}

std::optional<std::string> writeDoublesCsv(const MatchTable& table, const std::string& path,
                                           TextEncoding encoding)
{
    return writeOutputFile(path, encodeText(doublesCsv(table), encoding));
}

} // namespace zoruka
