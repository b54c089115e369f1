#include "output/ExportedRests.h"

#include "matchtable/TableRests.h"

namespace zoruka {

std::vector<std::vector<int>> exportedRests(const MatchTable& table)
{
    std::vector<std::vector<int>> rests = tableRests(table, MatchKind::Doubles, 0);
    for (std::vector<int>& resting : rests) {
        if (resting.size() > static_cast<std::size_t>(kMaxExportedRests)) {
            resting.resize(kMaxExportedRests);
        }
    }
    return rests;
}

} // namespace zoruka
