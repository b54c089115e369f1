#include "BenchFolder.h"

#include "accounts/CashBookGrid.h"
#include "accounts/CashBookMonth.h"
#include "accounts/ClosingGrid.h"
#include "accounts/MonthClosing.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace zoruka;

std::string fiveDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%05d", value);
    return text;
}

// A file whose April 2026 has `entries` cash-book entries over 50 items of each kind, so that the
// month grid grows well past its first hundred rows. Removed when the benchmark ends.
class BusyMonth {
public:
    explicit BusyMonth(int entries)
    {
        Database database = Database::openOrCreate(location());
        Transaction transaction(database);
        TableCursor items = database.table("費目");
        TableCursor cash = database.table("出納帳");
        for (int item = 0; item < 100; ++item) {
            items.editOrAddNew({item < 50 ? "1" : "2", fiveDigits(11000 + item * 100)});
            items.setValue("費_名称", "費目" + std::to_string(item));
            items.update();
        }
        for (int entry = 0; entry < entries; ++entry) {
            const int item = entry % 100;
            char day[4];
            std::snprintf(day, sizeof day, "%02d", 1 + entry / 100 % 30);
            cash.editOrAddNew({"26", "04", day, item < 50 ? "1" : "2",
                               fiveDigits(11000 + item * 100 + entry / 3000)});
            cash.setValue("出_金額", 1500);
            cash.setValue("出_備考", "練習会");
            cash.update();
        }
        transaction.commit();
    }

    DatabaseLocation location() const { return m_folder.location(); }

private:
    bench::BenchFolder m_folder;
};

// The cash-book screen's refresh: the month with its running balance and its grid.
void BM_CashBookMonthGrid(benchmark::State& state)
{
    const BusyMonth month(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(cashBookGrid(readCashBookMonth(month.location(), "26", "04")));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The closing screen's display: the month totalled per item and its grid.
void BM_ClosingTotalsGrid(benchmark::State& state)
{
    const BusyMonth month(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(closingGrid(
            monthTotals(readCashBookMonth(month.location(), "26", "04"), {"26", "04", "01"})));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_CashBookMonthGrid)->Arg(99)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClosingTotalsGrid)->Arg(99)->Arg(1000)->Unit(benchmark::kMillisecond);
