// The balance chart's drawing: where days and balances land, and ink that reads on a dark background.
#include "print/BalanceChart.h"
#include "support/ScopedLocale.h"

#include <QGuiApplication>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

BalanceSeries Sample() {
    BalanceSeries series;
    series.today = 46000;
    series.through = 46030;
    series.past = {{45700, 150000}, {45850, 20000}, {46000, 90000}};
    series.forecast = {{46000, 90000}, {46010, -35000}, {46025, 120000}};
    series.lowest = {46010, -35000};
    series.months = {{2025, 12, 90000, 40000, 0, 0}, {2026, 1, 0, 0, 5000, 125000}};
    series.lockDate = 45800;
    series.reconciledDate = 45900;
    return series;
}

} // namespace

TEST(BalanceChartTest, AxesSpanThePastAndTheForecastInsideTheArea) {
    QFont font;
    font.setPixelSize(12);
    const QFontMetricsF metrics(font);
    for (const QRectF area : {QRectF(0, 0, 1200, 700), QRectF(20, 30, 480, 320)}) {
        const print::ChartAxes axes(Sample(), area, metrics);
        EXPECT_TRUE(area.contains(axes.Plot())) << area.width();
        EXPECT_TRUE(area.contains(axes.Bars())) << area.width();
        EXPECT_LE(axes.Plot().bottom(), axes.Bars().top());
        EXPECT_DOUBLE_EQ(axes.X(45700), axes.Plot().left());
        EXPECT_DOUBLE_EQ(axes.X(46030), axes.Plot().right());
        EXPECT_NEAR(axes.DayAt(axes.X(45850)), 45850, 1e-9);
        // Every balance lies on the plot, between labels of whole steps.
        EXPECT_LE(axes.Low(), -35000);
        EXPECT_GE(axes.High(), 150000);
        EXPECT_EQ(axes.Low() % axes.Step(), 0);
        EXPECT_GE(axes.Y(-35000), axes.Plot().top());
        EXPECT_LE(axes.Y(-35000), axes.Plot().bottom());
        EXPECT_GE(axes.Y(150000), axes.Plot().top());
    }
}

// A chart drawn with a fixed black would vanish on a dark desktop: on a dark palette every pixel is at least as
// light as the background, and the light text shows.
TEST(BalanceChartTest, DarkPalettesGetLightInk) {
    for (const char* locale : {"en_US", "de_DE"}) {
        SCOPED_TRACE(locale);
        tallix::test::ScopedLocale scoped(QString::fromLatin1(locale));
        QPalette dark;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        const QImage image = print::BalanceChartImage(Sample(), QSize(900, 500), dark);
        int darker = 0;
        int light = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int gray = qGray(image.pixel(x, y));
                darker += gray < qGray(dark.color(QPalette::Base).rgb()) - 2;
                light += gray > 200;
            }
        EXPECT_EQ(darker, 0);
        EXPECT_GT(light, 1000);
    }
}
