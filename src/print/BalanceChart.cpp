#include "print/BalanceChart.h"

#include "print/ChartFiles.h"

#include "platform/Locale.h"
#include "platform/LocaleCodec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace print {

namespace {

// Plain balances leave a little room above and below; a flat line gets a range around it.
constexpr double Padding = 0.06;
constexpr int64_t FlatRangeCents = 10000;
// Ticks of the time axis: days, or months counted from January.
struct TimeStep {
    bool months;
    int count;
};
constexpr std::array<TimeStep, 14> TimeSteps{{{false, 1},
                                              {false, 2},
                                              {false, 7},
                                              {false, 14},
                                              {true, 1},
                                              {true, 2},
                                              {true, 3},
                                              {true, 6},
                                              {true, 12},
                                              {true, 24},
                                              {true, 60},
                                              {true, 120},
                                              {true, 240},
                                              {true, 600}}};

// 1, 2 or 5 times a power of ten, at least `rough`.
int64_t NiceStep(double rough) {
    double power = 1;
    while (power * 10 <= rough)
        power *= 10;
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (power * factor >= rough)
            return std::max<int64_t>(1, int64_t(power * factor));
    return int64_t(power * 10);
}

int64_t FloorTo(int64_t value, int64_t step) {
    const int64_t q = value / step;
    return (value % step != 0 && value < 0 ? q - 1 : q) * step;
}

int64_t CeilTo(int64_t value, int64_t step) {
    const int64_t q = value / step;
    return (value % step != 0 && value > 0 ? q + 1 : q) * step;
}

// The colours of the chart, chosen against its background so that each reads on a light and on a dark one.
struct Inks {
    explicit Inks(const QPalette& palette)
        : background(palette.color(QPalette::Base)), text(palette.color(QPalette::Text)) {
        const bool light = background.lightnessF() >= 0.5;
        line = light ? QColor(0x1F, 0x5F, 0xBF) : QColor(0x7A, 0xB8, 0xFF);
        in = light ? QColor(0x2E, 0x7D, 0x32) : QColor(0x81, 0xC7, 0x84);
        out = light ? QColor(0xE6, 0x51, 0x00) : QColor(0xFF, 0xB7, 0x4D);
        negative = light ? QColor(0xC6, 0x28, 0x28) : QColor(0xFF, 0x6E, 0x6E);
        grid = Mix(text, background, 0.15);
        faint = Mix(text, background, 0.55);
    }
    static QColor Mix(const QColor& a, const QColor& b, double share) {
        return QColor::fromRgbF(float(a.redF() * share + b.redF() * (1 - share)),
                                float(a.greenF() * share + b.greenF() * (1 - share)),
                                float(a.blueF() * share + b.blueF() * (1 - share)));
    }
    // The forecast's part of a month's bar: the same colour, lighter on the background.
    QColor Forecast(const QColor& colour) const { return Mix(colour, background, 0.45); }

    QColor background;
    QColor text;
    QColor line;
    QColor in;
    QColor out;
    QColor negative;
    QColor grid;
    QColor faint;
};

double MonthStart(int year, int month) {
    return platform::DayCountFromDate(QDate(year, month, 1));
}

// The ticks of the time axis and their labels, as many as fit without touching.
std::vector<double> TimeTicks(const ChartAxes& axes, const QFontMetricsF& metrics, const platform::LocaleCodec& codec) {
    const double labelWidth = metrics.horizontalAdvance(codec.FormatShortDate(axes.LastDay())) + metrics.height();
    const double pixelsPerDay = axes.Plot().width() / std::max(1.0, axes.LastDay() - axes.FirstDay());
    for (const TimeStep& step : TimeSteps) {
        const double days = step.months ? step.count * 30.44 : step.count;
        if (days * pixelsPerDay < labelWidth && &step != &TimeSteps.back())
            continue;
        std::vector<double> ticks;
        if (!step.months) {
            for (double day = std::ceil(axes.FirstDay()); day <= axes.LastDay(); day += step.count)
                ticks.push_back(day);
            return ticks;
        }
        const QDate first = platform::DateFromDayCount(axes.FirstDay());
        int index = first.year() * 12 + first.month() - 1;
        index = (index + step.count - 1) / step.count * step.count;
        for (;; index += step.count) {
            const double day = MonthStart(index / 12, index % 12 + 1);
            if (day > axes.LastDay())
                break;
            if (day >= axes.FirstDay())
                ticks.push_back(day);
        }
        return ticks;
    }
    return {};
}

// A balance holds from the end of one day to the next change: the line steps, level between its points. Days that
// share a pixel column keep only their first, lowest, highest and last balance there: the same line at any size,
// drawn in a fraction of the time when years of days stand in a few hundred columns.
QPolygonF Steps(const ChartAxes& axes, const std::vector<BalancePoint>& points) {
    QPolygonF line;
    for (size_t i = 0; i < points.size();) {
        const double x = axes.X(points[i].day);
        const double first = axes.Y(points[i].cents);
        double top = first;
        double bottom = first;
        double last = first;
        size_t next = i + 1;
        for (; next < points.size() && std::floor(axes.X(points[next].day)) == std::floor(x); ++next) {
            last = axes.Y(points[next].cents);
            top = std::min(top, last);
            bottom = std::max(bottom, last);
        }
        if (!line.isEmpty())
            line << QPointF(x, line.back().y());
        line << QPointF(x, first);
        if (next > i + 1)
            line << QPointF(x, top) << QPointF(x, bottom) << QPointF(x, last);
        i = next;
    }
    return line;
}

// What the forecast's bounds left out, as a label of the legend (the register and tallix-cli say it in full);
// empty when nothing.
QString CutLabel(const ForecastCut& cut, const platform::LocaleCodec& codec) {
    QStringList parts;
    if (cut.overdueBefore != 0)
        parts << QCoreApplication::translate("BalanceChart", "overdue before %1")
                     .arg(codec.FormatShortDate(cut.overdueBefore));
    if (cut.from != 0)
        parts << QCoreApplication::translate("BalanceChart", "from %1 on").arg(codec.FormatShortDate(cut.from));
    return parts.isEmpty()
               ? QString()
               : QCoreApplication::translate("BalanceChart", "Forecast cut: %1").arg(parts.join(QStringLiteral(", ")));
}

// The lines' and bars' keys, then what the forecast left out, if anything.
void DrawLegend(QPainter& painter, const QRectF& area, const QFontMetricsF& metrics, const Inks& inks,
                const QString& cut) {
    const double h = metrics.height();
    double left = area.left();
    const double middle = area.top() + h / 2;
    const auto text = [&](const QString& label) {
        painter.setPen(inks.text);
        painter.drawText(QPointF(left, middle + metrics.ascent() / 2 - metrics.descent() / 2), label);
        left += metrics.horizontalAdvance(label) + h * 1.5;
    };
    const auto line = [&](Qt::PenStyle style, const QString& label) {
        painter.setPen(QPen(inks.line, 2, style));
        painter.drawLine(QPointF(left, middle), QPointF(left + h * 2, middle));
        left += h * 2.4;
        text(label);
    };
    const auto boxes = [&](const QColor& in, const QColor& out, const QString& label) {
        for (const QColor& colour : {in, out}) {
            painter.fillRect(QRectF(left, middle - h * 0.35, h * 0.7, h * 0.7), colour);
            left += h * 0.8;
        }
        left += h * 0.2;
        text(label);
    };
    line(Qt::SolidLine, QCoreApplication::translate("BalanceChart", "Balance"));
    line(Qt::DashLine, QCoreApplication::translate("BalanceChart", "Forecast"));
    boxes(inks.in, inks.out, QCoreApplication::translate("BalanceChart", "Money in, out"));
    boxes(inks.Forecast(inks.in), inks.Forecast(inks.out),
          QCoreApplication::translate("BalanceChart", "Forecast in, out"));
    if (!cut.isEmpty()) // shortened to the chart's width when narrow
        text(metrics.elidedText(cut, Qt::ElideRight, std::max(0.0, area.right() - left)));
}

// Today, the lock date and the last statement: a line across the plot each, labelled at its top; labels that would
// touch go one row lower.
void DrawDayMarkers(QPainter& painter, const ChartAxes& axes, const BalanceSeries& series, const QFontMetricsF& metrics,
                    const Inks& inks) {
    struct Marker {
        double day;
        QString label;
        Qt::PenStyle style;
    };
    std::vector<Marker> markers{{series.today, QCoreApplication::translate("BalanceChart", "Today"), Qt::SolidLine}};
    if (series.lockDate != 0)
        markers.push_back({series.lockDate, QCoreApplication::translate("BalanceChart", "Lock date"), Qt::DotLine});
    if (series.reconciledDate != 0)
        markers.push_back(
            {series.reconciledDate, QCoreApplication::translate("BalanceChart", "Last statement"), Qt::DashDotLine});
    std::stable_sort(markers.begin(), markers.end(), [](const Marker& a, const Marker& b) { return a.day < b.day; });
    const QRectF plot = axes.Plot();
    std::vector<QRectF> placed;
    for (const Marker& marker : markers) {
        if (marker.day < axes.FirstDay() || marker.day > axes.LastDay())
            continue;
        const double x = axes.X(marker.day);
        painter.setPen(QPen(inks.faint, 1, marker.style));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const double width = metrics.horizontalAdvance(marker.label) + 4;
        // Right of its line, unless that runs out of the plot.
        const double left = x + 3 + width <= plot.right() ? x + 3 : x - 3 - width;
        QRectF box(left, plot.top() + 2, width, metrics.height());
        while (std::any_of(placed.begin(), placed.end(), [&](const QRectF& other) { return other.intersects(box); }))
            box.translate(0, metrics.height());
        placed.push_back(box);
        painter.fillRect(box, inks.background);
        painter.setPen(inks.text);
        painter.drawText(box, Qt::AlignCenter, marker.label);
    }
}

void DrawLowest(QPainter& painter, const ChartAxes& axes, const BalanceSeries& series, const QFontMetricsF& metrics,
                const Inks& inks, const platform::LocaleCodec& codec) {
    const QColor colour = series.lowest.cents < 0 ? inks.negative : inks.line;
    const QPointF at(axes.X(series.lowest.day), axes.Y(series.lowest.cents));
    const double radius = metrics.height() * 0.3;
    painter.setPen(QPen(colour, 2));
    painter.setBrush(inks.background);
    painter.drawEllipse(at, radius, radius);
    painter.setBrush(Qt::NoBrush);
    const QString label = QCoreApplication::translate("BalanceChart", "Lowest: %1 on %2")
                              .arg(codec.FormatCents(series.lowest.cents), codec.FormatShortDate(series.lowest.day));
    const QRectF plot = axes.Plot();
    const double width = metrics.horizontalAdvance(label) + 6;
    const double height = metrics.height();
    // Below the point, where the forecast is not (nothing in it is lower), starting at the point or ending at the
    // plot's right edge; a veil keeps lines under it faintly visible.
    const double left = std::max(plot.left(), std::min(at.x() - radius, plot.right() - width));
    double top = at.y() + radius + 2;
    if (top + height > plot.bottom())
        top = at.y() - radius - 2 - height;
    const QRectF box(left, top, width, height);
    QColor veil = inks.background;
    veil.setAlpha(200);
    painter.fillRect(box, veil);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, label);
}

void DrawMonths(QPainter& painter, const ChartAxes& axes, const BalanceSeries& series, const QFontMetricsF& metrics,
                const Inks& inks, const platform::LocaleCodec& codec) {
    const QRectF bars = axes.Bars();
    int64_t most = 0;
    for (const MonthFlow& month : series.months)
        most = std::max({most, month.inCents + month.forecastIn, month.outCents + month.forecastOut});
    painter.setPen(inks.grid);
    painter.drawLine(bars.bottomLeft(), bars.bottomRight());
    painter.setPen(inks.text);
    const QString caption = QCoreApplication::translate("BalanceChart", "Money in and out per month");
    painter.drawText(QRectF(bars.left() + 4, bars.top(), bars.width(), metrics.height()), Qt::AlignLeft, caption);
    if (most == 0)
        return;
    painter.drawText(QRectF(0, bars.top(), bars.left() - metrics.height() * 0.4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, codec.FormatCents(most));
    const double scale = (bars.height() - metrics.height()) / double(most);
    const auto bar = [&](double left, double width, int64_t done, int64_t forecast, const QColor& colour) {
        const double doneHeight = double(done) * scale;
        const double forecastHeight = double(forecast) * scale;
        painter.fillRect(QRectF(left, bars.bottom() - doneHeight, width, doneHeight), colour);
        painter.fillRect(QRectF(left, bars.bottom() - doneHeight - forecastHeight, width, forecastHeight),
                         inks.Forecast(colour));
    };
    for (const MonthFlow& month : series.months) {
        const double start = std::max(axes.X(MonthStart(month.year, month.month)), bars.left());
        const double end = std::min(
            axes.X(month.month == 12 ? MonthStart(month.year + 1, 1) : MonthStart(month.year, month.month + 1)),
            bars.right());
        if (end <= start)
            continue;
        // Money in on the left half of the month, money out on the right; at least a pixel each.
        const double width = std::max(1.0, (end - start) * 0.4);
        const double middle = (start + end) / 2;
        bar(middle - width, width, month.inCents, month.forecastIn, inks.in);
        bar(middle, width, month.outCents, month.forecastOut, inks.out);
    }
}

} // namespace

ChartAxes::ChartAxes(const BalanceSeries& series, const QRectF& area, const QFontMetricsF& metrics) {
    firstDay = std::min(series.past.empty() ? series.today : series.past.front().day, series.today);
    lastDay = std::max(series.through, firstDay + 1);
    bool any = false;
    for (const std::vector<BalancePoint>* points : {&series.past, &series.forecast})
        for (const BalancePoint& point : *points) {
            low = any ? std::min(low, point.cents) : point.cents;
            high = any ? std::max(high, point.cents) : point.cents;
            any = true;
        }
    if (!any)
        low = high = 0;
    if (high - low < FlatRangeCents) {
        low -= FlatRangeCents / 2;
        high += FlatRangeCents / 2;
    }
    const double h = metrics.height();
    const double margin = h * 0.6;
    const double legend = h * 1.6;
    const double timeLabels = h * 1.6;
    const double usable = std::max(h * 4, area.height() - 2 * margin - legend - timeLabels);
    const double plotHeight = usable * 0.72;
    const double padding = double(high - low) * Padding;
    step = NiceStep(double(high - low) * (1 + 2 * Padding) / std::max(1.0, plotHeight / (h * 2.5)));
    low = FloorTo(low - int64_t(padding), step);
    high = CeilTo(high + int64_t(padding), step);

    const platform::LocaleCodec codec;
    double labelWidth = 0;
    for (int64_t value = low; value <= high; value += step)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(codec.FormatCents(value)));
    const double left = area.left() + margin + labelWidth + h * 0.4;
    const double right = area.right() - margin - h * 0.5;
    const double top = area.top() + margin + legend;
    plot = QRectF(left, top, std::max(1.0, right - left), plotHeight);
    bars = QRectF(left, plot.bottom() + h * 1.2, plot.width(), std::max(h, usable - plotHeight - h * 1.2));
}

double ChartAxes::X(double day) const {
    return plot.left() + (day - firstDay) / (lastDay - firstDay) * plot.width();
}

double ChartAxes::Y(int64_t cents) const {
    return plot.bottom() - double(cents - low) / double(high - low) * plot.height();
}

double ChartAxes::DayAt(double x) const {
    return std::clamp(firstDay + (x - plot.left()) / plot.width() * (lastDay - firstDay), firstDay, lastDay);
}

void DrawBalanceChart(QPainter& painter, const QRectF& area, const BalanceSeries& series, const QPalette& palette) {
    const Inks inks(palette);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const ChartAxes axes(series, area, metrics);
    const platform::LocaleCodec codec;
    const QRectF plot = axes.Plot();
    const double h = metrics.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, inks.background);
    DrawLegend(painter, QRectF(plot.left(), area.top() + h * 0.6, plot.width(), h), metrics, inks,
               CutLabel(series.cut, codec));

    // The balance axis: a grid line and a label at every step, zero stronger.
    for (int64_t value = axes.Low(); value <= axes.High(); value += axes.Step()) {
        const double y = axes.Y(value);
        painter.setPen(QPen(value == 0 ? inks.faint : inks.grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(inks.text);
        painter.drawText(QRectF(area.left(), y - h / 2, plot.left() - h * 0.4 - area.left(), h),
                         Qt::AlignRight | Qt::AlignVCenter, codec.FormatCents(value));
    }
    // The time axis, below the bars.
    const double axisY = axes.Bars().bottom();
    for (const double day : TimeTicks(axes, metrics, codec)) {
        const double x = axes.X(day);
        painter.setPen(inks.grid);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, axisY + h * 0.3));
        const QString label = codec.FormatShortDate(day);
        const double width = metrics.horizontalAdvance(label);
        const double left = std::clamp(x - width / 2, area.left() + h * 0.3, area.right() - h * 0.3 - width);
        painter.setPen(inks.text);
        painter.drawText(QRectF(left, axisY + h * 0.3, width + 1, h), Qt::AlignLeft, label);
    }
    painter.setPen(inks.text);
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(QPointF(plot.left(), axisY), QPointF(plot.right(), axisY));

    DrawMonths(painter, axes, series, metrics, inks, codec);
    DrawDayMarkers(painter, axes, series, metrics, inks);
    painter.setClipRect(plot.adjusted(-2, -2, 2, 2));
    painter.setPen(QPen(inks.line, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(Steps(axes, series.past));
    painter.setPen(QPen(inks.line, 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(Steps(axes, series.forecast));
    painter.setClipping(false);
    DrawLowest(painter, axes, series, metrics, inks, codec);
    painter.restore();
}

QPalette PaperPalette() {
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    return palette;
}

QImage BalanceChartImage(const BalanceSeries& series, const QSize& size, const QPalette& palette) {
    return ChartImage(size, palette,
                      [&](QPainter& painter, const QRectF& area) { DrawBalanceChart(painter, area, series, palette); });
}

QByteArray BalanceChartPng(const BalanceSeries& series, const QSize& size, const QPalette& palette) {
    return ChartPng(BalanceChartImage(series, size, palette));
}

QByteArray BalanceChartSvg(const BalanceSeries& series, const QSize& size, const QPalette& palette,
                           const QString& title) {
    return ChartSvg(size, title,
                    [&](QPainter& painter, const QRectF& area) { DrawBalanceChart(painter, area, series, palette); });
}

bool PrintBalanceChart(QPagedPaintDevice& device, const BalanceSeries& series, const QString& title) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Laid out in screen pixels (96 to the inch) and scaled to the device, so the chart looks as in the window.
    const double scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    const QRectF page(0, 0, device.width() / scale, device.height() / scale);
    QFont heading = ChartFont();
    heading.setPixelSize(18);
    heading.setBold(true);
    painter.setFont(heading);
    const double headingHeight = QFontMetricsF(heading, &device).height() * 1.4;
    painter.setPen(Qt::black);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), headingHeight), Qt::AlignLeft, title);
    painter.setFont(ChartFont());
    DrawBalanceChart(painter, page.adjusted(0, headingHeight, 0, 0), series, PaperPalette());
    return painter.end();
}

QByteArray BalanceChartPdf(const BalanceSeries& series, const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool ok = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tallix"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        ok = PrintBalanceChart(writer, series, title);
    }
    return ok ? buffer.data() : QByteArray();
}

} // namespace print
