// The look ahead of a 32,766-transaction register with 50 schedules over a 365-day horizon: every pending occurrence
// found, balanced and merged with the register's later rows for the lowest balance.
#include "BenchLedger.h"
#include "ledger/Schedules.h"
#include "platform/LocaleCodec.h"
#include "register/Forecast.h"
#include "register/RegisterRows.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 32766;
constexpr int Horizon = 365;
// Halfway through the ledger's dates (BuildLedger's run from day 40000), so that later rows count too.
constexpr double Today = 40000 + Rows / 6;

void BM_MakeForecast(benchmark::State& state) {
    bench::BuildLedger(Rows);
    const platform::LocaleCodec codec;
    const std::vector<RegisterRow> rows = BuildRegisterRows(codec);
    const std::vector<ledger::Schedule> schedules = bench::Schedules(Today);
    size_t upcoming = 0;
    for (auto _ : state) {
        const Forecast forecast = MakeForecast(rows, 250000, schedules, Today, Horizon);
        upcoming = forecast.rows.size();
        benchmark::DoNotOptimize(forecast);
    }
    state.counters["upcoming"] = double(upcoming);
}

} // namespace

BENCHMARK(BM_MakeForecast)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
