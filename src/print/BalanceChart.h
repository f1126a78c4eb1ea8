#pragma once
// The balance chart drawn with QPainter: the past as a solid line, the forecast dashed, the lowest projected point
// marked (red below zero), today, the lock date and the last reconciled statement marked on the time axis, and the
// money in and out of every month as bars below. One drawing serves the window, the clipboard, PNG, SVG, PDF and
// the printer, and it draws at most one point per day, so 32,766 transactions cost no more than their days; a
// chart library would have needed a second drawing for the files and a point per transaction. Colours come from
// the palette it is given, so the chart reads as well on a dark desktop as on paper.

#include "register/BalanceSeries.h"

#include <QByteArray>
#include <QFontMetricsF>
#include <QImage>
#include <QPalette>
#include <QRectF>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace print {

// Where the chart puts days and balances in the rectangle it is drawn into, for the text it is drawn with.
class ChartAxes {
public:
    ChartAxes(const BalanceSeries& series, const QRectF& area, const QFontMetricsF& metrics);
    QRectF Plot() const { return plot; } // the balance lines
    QRectF Bars() const { return bars; } // the months' money in and out
    double X(double day) const;
    double Y(int64_t cents) const;
    // The day at a horizontal position, within the chart's days.
    double DayAt(double x) const;
    double FirstDay() const { return firstDay; }
    double LastDay() const { return lastDay; }
    int64_t Low() const { return low; }
    int64_t High() const { return high; }
    int64_t Step() const { return step; } // between the balance axis's labels

private:
    QRectF plot;
    QRectF bars;
    double firstDay = 0;
    double lastDay = 1;
    int64_t low = 0;
    int64_t high = 1;
    int64_t step = 1;
};

// Draws the chart filling `area` with the painter's font; the palette's Base is its background, Text its ink.
void DrawBalanceChart(QPainter& painter, const QRectF& area, const BalanceSeries& series, const QPalette& palette);

// Black on white, for paper and for files that leave the program.
QPalette PaperPalette();
// The chart as an image, a PNG file or an SVG file of `size` pixels.
QImage BalanceChartImage(const BalanceSeries& series, const QSize& size, const QPalette& palette);
QByteArray BalanceChartPng(const BalanceSeries& series, const QSize& size, const QPalette& palette);
QByteArray BalanceChartSvg(const BalanceSeries& series, const QSize& size, const QPalette& palette,
                           const QString& title);
// One landscape page with `title` above the chart, on a printer or a PDF writer whose layout is set; false when
// the device cannot be painted on.
bool PrintBalanceChart(QPagedPaintDevice& device, const BalanceSeries& series, const QString& title);
// That page as PDF bytes on Letter paper; empty on failure.
QByteArray BalanceChartPdf(const BalanceSeries& series, const QString& title);

} // namespace print
