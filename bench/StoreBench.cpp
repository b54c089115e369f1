#include "TenYearFile.h"

#include "registers/Attendance.h"
#include "store/Database.h"
#include "store/FileCheck.h"
#include "store/MasterLookup.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace zoruka;
using bench::tenYearFile;

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

// Opening the attendance screen on a day without a list of its own: the last list used.
void BM_OfferLastAttendance(benchmark::State& state)
{
    const AttendanceBook book(tenYearFile().location());
    for (auto _ : state) {
        benchmark::DoNotOptimize(book.offered({"26", "01", "05"}));
    }
}

} // namespace

BENCHMARK(BM_OfferLastAttendance)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMonthOfCashBook)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookUpClubName)->Unit(benchmark::kMicrosecond);
