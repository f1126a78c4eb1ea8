// The balance chart at 32,766 transactions with a 365-day forecast of 50 monthly schedules: the series from the
// register's rows, and its first paint into a 1200 x 700 image. Runs offscreen.
#include "BenchLedger.h"
#include "ledger/TransactionRules.h"
#include "platform/LocaleCodec.h"
#include "print/BalanceChart.h"
#include "register/BalanceSeries.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr int Transactions = 32766;
constexpr int Schedules = 50;
constexpr int HorizonDays = 365;
// BuildLedger's dates run from day 40000 over a third as many days as transactions: today is its last day.
constexpr double Today = 40000 + Transactions / 3 + 1;

// A year of 50 monthly schedules, each falling on a day of its own.
Forecast YearOfSchedules(int64_t todayCents) {
    Forecast forecast;
    forecast.today = Today;
    forecast.through = Today + HorizonDays;
    forecast.todayCents = todayCents;
    for (int s = 0; s < Schedules; ++s)
        for (int month = 0; month < 12; ++month) {
            UpcomingRow row;
            row.schedule = s;
            const double day = Today + 1 + (s * 7 + month * 30) % HorizonDays;
            row.occurrence = {month, day, day};
            row.typeCode = s % 5 == 0 ? ledger::Deposit : ledger::CheckOrPayment;
            row.amountCents = 1000 + s * 137;
            forecast.rows.push_back(row);
        }
    std::sort(forecast.rows.begin(), forecast.rows.end(),
              [](const UpcomingRow& a, const UpcomingRow& b) { return a.occurrence.day < b.occurrence.day; });
    forecast.lowestDay = Today;
    forecast.lowestCents = todayCents;
    return forecast;
}

BalanceSeries Series(const platform::LocaleCodec& codec) {
    const std::vector<RegisterRow> rows = BuildRegisterRows(codec);
    const int64_t startingCents = ledger::ToCents(ledger::GetStartingBalance());
    const Forecast forecast = YearOfSchedules(BalanceThrough(rows, Today));
    return MakeBalanceSeries(rows, startingCents, forecast, 40000, 40000 + 365);
}

void BM_ChartSeries(benchmark::State& state) {
    bench::BuildLedger(Transactions);
    const platform::LocaleCodec codec;
    for (auto _ : state)
        benchmark::DoNotOptimize(Series(codec).past.size());
}

void BM_ChartFirstPaint(benchmark::State& state) {
    bench::BuildLedger(Transactions);
    const BalanceSeries series = Series(platform::LocaleCodec());
    const QPalette palette = QApplication::palette();
    for (auto _ : state) {
        QImage image(1200, 700, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        print::DrawBalanceChart(painter, QRectF(0, 0, 1200, 700), series, palette);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] = double(series.past.size() + series.forecast.size());
}

BENCHMARK(BM_ChartSeries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    bench::Prompts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
