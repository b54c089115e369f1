#include "store/Database.h"
#include "store/FileCheck.h"
#include "store/MasterLookup.h"
#include "store/Transaction.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

using namespace zoruka;

std::string twoDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// Ten years of a busy cash book, 100 entries a month (12,000 rows), built once per run in a
// temporary folder that is removed at exit.
class TenYearFile {
public:
    TenYearFile()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zoruka-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        m_folder = pattern;
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
        TableCursor master = database.table("マスタ");
        master.editOrAddNew({"500", "001"});
        master.setValue("マ_名称", "ゾルカ会");
        master.update();
        transaction.commit();
    }

    ~TenYearFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    DatabaseLocation location() const { return DatabaseLocation(m_folder); }

private:
    std::filesystem::path m_folder;
};

const TenYearFile& tenYearFile()
{
    static const TenYearFile file;
    return file;
}

// One cash-book screen refresh: open the file, seek the month, read every column of its rows.
void BM_ReadMonthOfCashBook(benchmark::State& state)
{
    const DatabaseLocation location = tenYearFile().location();
    std::int64_t rows = 0;
    for (auto _ : state) {
        Database database = Database::open(location);
        TableCursor cash = database.table("出納帳");
        cash.setIndex("Key_出納帳");
        cash.seek(Seek::AtLeast, {"21", "06", "", "", ""});
        long long balance = 0;
        for (; !cash.eof() && cash.value("出_年") == "21" && cash.value("出_月") == "06";
             cash.moveNext()) {
            const long long amount = cash.number("出_金額");
            balance += cash.value("出_収支区分") == "1" ? amount : -amount;
            benchmark::DoNotOptimize(cash.value("出_日") + cash.value("出_費目番号") +
                                     cash.value("出_備考"));
            ++rows;
        }
        benchmark::DoNotOptimize(balance);
    }
    state.counters["rows"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

// The club-name lookup the printouts make.
void BM_LookUpClubName(benchmark::State& state)
{
    MasterLookup lookup(tenYearFile().location());
    for (auto _ : state) {
        std::string clubName;
        lookup.findByKey("500", "001", clubName);
        benchmark::DoNotOptimize(clubName);
    }
}

// The check every start makes before anything is written: the file's size against its pages,
// SQLite's quick check of every page and index, and the layout.
void BM_StartupCheck(benchmark::State& state)
{
    const DatabaseLocation location = tenYearFile().location();
    const auto size = std::filesystem::file_size(location.file());
    for (auto _ : state) {
        Database database = Database::openAsIs(location);
        const std::vector<std::string> findings = damageFindings(database, size);
        if (!findings.empty()) {
            state.SkipWithError(findings.front().c_str());
        }
    }
}

} // namespace

BENCHMARK(BM_StartupCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMonthOfCashBook)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookUpClubName)->Unit(benchmark::kMicrosecond);
