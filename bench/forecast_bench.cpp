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
constexpr int ScheduleCount = 50;
constexpr int Horizon = 365;
// Halfway through the ledger's dates (BuildLedger's run from day 40000), so that later rows count too.
constexpr double Today = 40000 + Rows / 6;

// Every kind of rule, each done up to a month ago: a month of overdue occurrences, then a year ahead.
std::vector<ledger::Schedule> Schedules() {
    std::vector<ledger::Schedule> schedules;
    for (int i = 0; i < ScheduleCount; ++i) {
        ledger::Schedule s;
        s.typeCode = int16_t(i % 5);
        s.description = QStringLiteral("Schedule %1").arg(i);
        s.amountCents = 1000 + i * 1337;
        s.rule.start = Today - 400 + i;
        s.rule.weekend = ledger::WeekendShift(i % 3);
        switch (i % 4) {
        case 0:
            s.rule.unit = ledger::RepeatUnit::Days;
            s.rule.every = 3 + i % 11;
            break;
        case 1:
            s.rule.unit = ledger::RepeatUnit::Weeks;
            s.rule.every = 1 + i % 3;
            break;
        case 2:
            s.rule.dayOfMonth = 1 + i % 31;
            break;
        default:
            s.rule.place = ledger::MonthPlace::NthWeekday;
            s.rule.nth = 1 + i % 5;
            s.rule.weekday = 1 + i % 7;
        }
        if (const std::optional<ledger::Occurrence> first = ledger::OccurrenceAfter(s.rule, s.rule.start - 1))
            s.doneThrough = first->nominal;
        for (const ledger::Occurrence& o : ledger::OccurrencesBetween(s.rule, s.doneThrough, Today - 30))
            s.doneThrough = o.nominal;
        schedules.push_back(s);
    }
    return schedules;
}

void BM_MakeForecast(benchmark::State& state) {
    bench::BuildLedger(Rows);
    const platform::LocaleCodec codec;
    const std::vector<RegisterRow> rows = BuildRegisterRows(codec);
    const std::vector<ledger::Schedule> schedules = Schedules();
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
