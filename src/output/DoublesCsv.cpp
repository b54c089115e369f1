#include "output/DoublesCsv.h"

#include "output/CsvLine.h"
#include "output/ExportedRests.h"
#include "output/TableCsv.h"
#include "output/TableLabels.h"
#include "output/TextFile.h"

namespace zoruka {

std::string doublesCsv(const MatchTable& table)
{
    const RunParameters& params = table.params;
    const std::vector<std::vector<int>> rests = exportedRests(table);
    return tableCsv(table,
                    csvLine({participantsLabel(params.participants), courtsLabel(params.courts)}),
                    {"試合番号", "ベア１", "ベア２", "コート番号", "休憩"},
                    {{"氏名１", "氏名２", "休憩者"}, {0, 0}, {}},
                    [&rests](int game) { return rests[static_cast<std::size_t>(game - 1)]; });
}

std::optional<std::string> writeDoublesCsv(const MatchTable& table, const std::string& path,
                                           TextEncoding encoding)
{
    return writeTextFile(path, doublesCsv(table), encoding);
}

} // namespace zoruka
