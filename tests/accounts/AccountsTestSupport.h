#pragma once

#include "common/GridModel.h"
#include "registers/RegisterTestSupport.h"
#include "store/StoreTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zoruka::test {

// The grid's filled rows as the user reads them, cells separated by "|".
inline std::vector<std::string> filledRows(const GridModel& grid)
{
    std::vector<std::string> lines;
    for (int row = 0; row < grid.rows; ++row) {
        std::string line;
        bool filled = false;
        for (int column = 0; column < grid.columns; ++column) {
            line += (column == 0 ? "" : "|") + grid.cell(row, column).text;
            filled = filled || !grid.cell(row, column).text.empty();
        }
        if (filled) {
            lines.push_back(line);
        }
    }
    return lines;
}

// A fresh club database (the two carry-forward items included) with a few items of each kind.
class AccountsTest : public ::testing::Test {
protected:
    AccountsTest()
    {
        Database database = Database::openOrCreate(m_folder.location());
        enterItem(database, "1", "10200", "月会費");
        enterItem(database, "1", "10300", "参加費");
        enterItem(database, "2", "20100", "シャトル代");
        enterItem(database, "2", "20200", "コート代");
    }

    const DatabaseLocation location() const { return m_folder.location(); }
    Database open() const { return Database::open(m_folder.location()); }
    std::vector<std::string> rows(const std::string& sql) const
    {
        return queryFile(m_folder.databaseFile(), sql);
    }
    std::vector<std::string> cashRows() const
    {
        return rows("SELECT 出_年, 出_月, 出_日, 出_収支区分, 出_費目番号, 出_金額, 出_備考 FROM "
                    "出納帳 ORDER BY 1, 2, 3, 4, 5");
    }
    std::vector<std::string> detailRows() const
    {
        return rows("SELECT 明_年, 明_月, 明_日, 明_収支区分, 明_費目番号, 明_氏名, 明_金額, "
                    "明_備考 FROM 出納明細 ORDER BY 1, 2, 3, 4, 5, 6");
    }

    TempFolder m_folder;
};

} // namespace zoruka::test
