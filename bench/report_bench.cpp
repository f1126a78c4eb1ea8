// A year's report at 32,766 categorised transactions, every tenth split in three: spending and income by category,
// month by month and by payee, each with the year before.
#include "BenchLedger.h"
#include "ledger/Categories.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "register/CategoryReport.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

constexpr int Transactions = 32766;

void BuildCategorisedLedger() {
    static const char* const categories[] = {"Food:Groceries", "Food:Dining", "Car:Fuel",     "Car:Insurance",
                                             "Home:Rent",      "Health",      "Income:Salary"};
    bench::BuildLedger(Transactions);
    ledger::TransactionRecord record;
    int16_t slot = 1;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record), ++slot) {
        ledger::CategoryAssignment assignment;
        const int64_t cents = ledger::ToCents(record.Amount);
        if (slot % 10 == 0) {
            assignment.parts = {{categories[slot % 7], {}, cents / 2},
                                {categories[(slot + 1) % 7], {}, cents / 4},
                                {{}, {}, cents - cents / 2 - cents / 4}};
        } else if (slot % 10 != 1) {
            assignment.category = QString::fromUtf8(categories[slot % 7]);
        }
        if (!ledger::SetCategory(slot, assignment))
            std::abort();
    }
}

// The year that holds the middle of BuildLedger's dates.
report::Period AYear() {
    return report::PeriodOf(report::PeriodKind::ThisYear, platform::DateFromDayCount(40000 + Transactions / 6));
}

void BM_ReportByCategory(benchmark::State& state) {
    BuildCategorisedLedger();
    for (auto _ : state)
        benchmark::DoNotOptimize(report::ByCategory(AYear()).spending.totalCents);
}

void BM_ReportByMonth(benchmark::State& state) {
    BuildCategorisedLedger();
    for (auto _ : state)
        benchmark::DoNotOptimize(report::ByMonth(AYear()).size());
}

void BM_ReportByPayee(benchmark::State& state) {
    BuildCategorisedLedger();
    for (auto _ : state)
        benchmark::DoNotOptimize(report::ByPayee(AYear()).size());
}

BENCHMARK(BM_ReportByCategory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportByMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportByPayee)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bench::Prompts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
