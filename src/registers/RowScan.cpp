#include "registers/RowScan.h"

#include <string>
#include <vector>

namespace zoruka {

bool anyRow(Database& database, std::string_view table,
            const std::function<bool(const TableCursor&)>& matches)
{
    const IndexDef& key = schemaTable(table).keyIndex();
    TableCursor rows = database.table(table);
    rows.setIndex(key.name);
    rows.seek(Seek::AtLeast, std::vector<std::string>(key.columns.size()));
    for (; !rows.eof(); rows.moveNext()) {
        if (matches(rows)) {
            return true;
        }
    }
    return false;
}

} // namespace zoruka
