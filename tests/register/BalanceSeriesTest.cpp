// The chart's series from register rows and a forecast: end-of-day points of the past, the forecast continuing from
// today's balance through the register's later rows and the scheduled ones, and each month's money in and out.
#include "register/BalanceSeries.h"
#include "support/RegisterTestSupport.h"

#include <gtest/gtest.h>

namespace {

using tallix::test::Day;

RegisterRow Row(std::optional<double> day, int16_t type, float amount) {
    RegisterRow row;
    row.record.TypeCode = type;
    row.record.Amount = amount;
    row.record.Date = day.value_or(0);
    row.dateDay = day;
    return row;
}

// A schedule that falls due once, on `day`.
ledger::Schedule Once(double day, int16_t type, int64_t cents) {
    ledger::Schedule schedule;
    schedule.typeCode = type;
    schedule.description = QStringLiteral("Once");
    schedule.amountCents = cents;
    schedule.rule.start = day;
    schedule.rule.unit = ledger::RepeatUnit::Days;
    schedule.rule.count = 1;
    return schedule;
}

struct Case {
    const char* name;
    std::vector<RegisterRow> rows;
    std::vector<ledger::Schedule> schedules;
    int64_t todayCents;
    BalancePoint lowest;
    std::vector<BalancePoint> past;
    std::vector<BalancePoint> forecast;
    std::vector<MonthFlow> months;
};

} // namespace

TEST(BalanceSeriesTest, PastPointsForecastPointsAndMonths) {
    const double today = Day(2026, 3, 10);
    const std::vector<Case> cases{
        {"no rows, no schedules: today's starting balance alone",
         {},
         {},
         10000,
         {today, 10000},
         {},
         {{today, 10000}, {today + 30, 10000}},
         {{2026, 3, 0, 0, 0, 0}, {2026, 4, 0, 0, 0, 0}}},
        {"one point per day; later rows and schedules in the forecast; overdue ones on today; none past the horizon",
         {Row(Day(2026, 1, 15), ledger::Deposit, 500), Row(Day(2026, 2, 1), ledger::CheckOrPayment, 20),
          Row(Day(2026, 2, 1), ledger::Fee, 5), Row(today, ledger::Withdrawal, 100),
          Row(Day(2026, 3, 20), ledger::CheckOrPayment, 1000), Row(Day(2026, 6, 1), ledger::Deposit, 1),
          Row(std::nullopt, ledger::Fee, 7)},
         {Once(Day(2026, 3, 5), ledger::CheckOrPayment, 5000), Once(Day(2026, 3, 25), ledger::Deposit, 200000)},
         47500,
         {Day(2026, 3, 20), -57500},
         {{Day(2026, 1, 15), 60000}, {Day(2026, 2, 1), 57500}, {today, 47500}},
         {{today, 47500}, {today, 42500}, {Day(2026, 3, 20), -57500}, {Day(2026, 3, 25), 142500}, {today + 30, 142500}},
         {{2026, 1, 50000, 0, 0, 0},
          {2026, 2, 0, 2500, 0, 0},
          {2026, 3, 0, 10000, 200000, 105000},
          {2026, 4, 0, 0, 0, 0}}},
        {"a past without a change today still reaches today",
         {Row(Day(2025, 12, 31), ledger::Interest, 1)},
         {},
         10100,
         {today, 10100},
         {{Day(2025, 12, 31), 10100}, {today, 10100}},
         {{today, 10100}, {today + 30, 10100}},
         {{2025, 12, 100, 0, 0, 0},
          {2026, 1, 0, 0, 0, 0},
          {2026, 2, 0, 0, 0, 0},
          {2026, 3, 0, 0, 0, 0},
          {2026, 4, 0, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Forecast forecast = MakeForecast(c.rows, 10000, c.schedules, today, 30);
        EXPECT_EQ(forecast.todayCents, c.todayCents);
        const BalanceSeries series = MakeBalanceSeries(c.rows, 10000, forecast, Day(2026, 1, 31), Day(2026, 2, 28));
        EXPECT_EQ(series.past, c.past);
        EXPECT_EQ(series.forecast, c.forecast);
        EXPECT_EQ(series.months, c.months);
        // The chart's lowest point is one of the points it draws.
        EXPECT_EQ(series.lowest, c.lowest);
        EXPECT_NE(std::find(series.forecast.begin(), series.forecast.end(), c.lowest), series.forecast.end());
        EXPECT_EQ(series.lockDate, Day(2026, 1, 31));
        EXPECT_EQ(series.reconciledDate, Day(2026, 2, 28));
    }
}

TEST(BalanceSeriesTest, NearestPointLooksInThePastAndTheForecast) {
    BalanceSeries series;
    series.today = 100;
    series.past = {{10, 1}, {50, 2}, {100, 3}};
    series.forecast = {{100, 3}, {120, 4}};
    for (const auto& [day, expected] : std::vector<std::pair<double, double>>{
             {0, 10}, {29, 10}, {30, 50}, {74, 50}, {76, 100}, {111, 120}, {500, 120}})
        EXPECT_EQ(NearestPoint(series, day)->day, expected) << day;
    EXPECT_FALSE(NearestPoint(BalanceSeries{}, 5));
}
