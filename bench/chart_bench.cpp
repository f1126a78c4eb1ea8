// The balance chart at 32,766 transactions with a 365-day forecast of 50 schedules: the series from the
// ledger in the store (its rows, the forecast, the points and months), and its first paint into a 1200 x 700
// image. Runs offscreen.
#include "BenchLedger.h"
#include "ledger/Schedules.h"
#include "platform/LocaleCodec.h"
#include "print/BalanceChart.h"
#include "register/BalanceSeries.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

constexpr int Transactions = 32766;
constexpr int HorizonDays = 365;
// BuildLedger's dates run from day 40000 over a third as many days as transactions: today is its last day.
constexpr double Today = 40000 + Transactions / 3 + 1;

void AddSchedules() {
    if (!ledger::SetSchedules(bench::Schedules(Today)))
        std::abort();
}

BalanceSeries Series(const platform::LocaleCodec& codec) {
    return StoreBalanceSeries(codec, Today, HorizonDays);
}

void BM_ChartSeries(benchmark::State& state) {
    bench::BuildLedger(Transactions);
    AddSchedules();
    const platform::LocaleCodec codec;
    for (auto _ : state)
        benchmark::DoNotOptimize(Series(codec).past.size());
}

void BM_ChartFirstPaint(benchmark::State& state) {
    bench::BuildLedger(Transactions);
    AddSchedules();
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
