#include "output/MixedCsv.h"

#include "output/CsvLine.h"
#include "output/TableCsv.h"
#include "output/TableLabels.h"
#include "output/TextFile.h"

namespace zoruka {

std::string mixedCsv(const MatchTable& table)
{
    const RunParameters& params = table.params;
    // The men and women texts reuse the participants label: "男 " + " 8 名".
    return tableCsv(table,
                    csvLine({"", "男 " + participantsLabel(params.men),
                             "女 " + participantsLabel(params.women), courtsLabel(params.courts)}),
                    {"試合番号", "ベア男性", "ベア女性", "コート番号"},
                    {{"男性氏名", "女性氏名"}, {0, 1}, {"男", "女"}});
}

std::optional<std::string> writeMixedCsv(const MatchTable& table, const std::string& path,
                                         TextEncoding encoding)
{
    return writeTextFile(path, mixedCsv(table), encoding);
}

} // namespace zoruka
