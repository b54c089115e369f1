#pragma once

#include "store/Database.h"

#include <string>

namespace zoruka::test {

// Adds or replaces an expense item.
inline void enterItem(Database& database, const std::string& direction, const std::string& code,
                      const std::string& name, const std::string& shortName = "")
{
    TableCursor row = database.table("費目");
    row.editOrAddNew({direction, code});
    row.setValue("費_名称", name);
    row.setValue("費_略称", shortName);
    row.update();
}

// Adds a fee detail row of the cash-book entry (date "yy/mm/dd", kind, item) for `name`.
inline void enterDetail(Database& database, const std::string& date, const std::string& kind,
                        const std::string& item, const std::string& name)
{
    TableCursor row = database.table("出納明細");
    row.editOrAddNew({date.substr(0, 2), date.substr(3, 2), date.substr(6, 2), kind, item, name});
    row.setValue("明_金額", "500");
    row.update();
}

} // namespace zoruka::test
