#pragma once

#include "BenchFolder.h"

#include "store/Database.h"
#include "store/Transaction.h"

#include <cstdio>
#include <string>

namespace zoruka::bench {

inline std::string twoDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// Ten years of a busy cash book, 100 entries a month (12,000 rows), and of attendance, eight
// practice days a month of twenty players (19,200 rows), built once per run in a temporary folder
// that is removed at exit.
class TenYearFile {
public:
    TenYearFile()
    {
        Database database = Database::openOrCreate(location());
        Transaction transaction(database);
        TableCursor cash = database.table("出納帳");
        for (int year = 16; year <= 25; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 25; ++day) {
                    for (const char* item : {"10200", "10300", "20100", "20200"}) {
                        cash.editOrAddNew({twoDigits(year), twoDigits(month), twoDigits(day),
                                           std::string(item, 1), item});
                        cash.setValue("出_金額", "1,500");
                        cash.setValue("出_備考", "練習会");
                        cash.update();
                    }
                }
            }
        }
        TableCursor attendance = database.table("参加者");
        for (int year = 16; year <= 25; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 29; day += 4) {
                    for (int order = 1; order <= 20; ++order) {
                        attendance.editOrAddNew({twoDigits(year), twoDigits(month), twoDigits(day),
                                                 std::to_string(order)});
                        attendance.setValue("参_氏名", "会員" + std::to_string(order));
                        attendance.update();
                    }
                }
            }
        }
        TableCursor master = database.table("マスタ");
        master.editOrAddNew({"500", "001"});
        master.setValue("マ_名称", "ゾルカ会");
        master.update();
        transaction.commit();
    }

    DatabaseLocation location() const { return m_folder.location(); }

private:
    BenchFolder m_folder;
};

inline const TenYearFile& tenYearFile()
{
    static const TenYearFile file;
    return file;
}

} // namespace zoruka::bench
