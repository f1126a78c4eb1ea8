#include "print/ReportChart.h"

#include "platform/LocaleCodec.h"
#include "print/BalanceChart.h"
#include "print/ChartFiles.h"
#include "print/RegisterPrint.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <cmath>

namespace print {

namespace {

// Slices and series: mid tones that read on a light and on a dark background alike; "Other" is grey.
constexpr std::array<QRgb, 10> SliceColours{0x4E79A7, 0xF28E2B, 0xE15759, 0x76B7B2, 0x59A14F,
                                            0xEDC948, 0xB07AA1, 0xFF9DA7, 0x9C755F, 0x86BCB6};
constexpr QRgb OtherColour = 0xA0A0A0;
constexpr int MostSlices = 9;
constexpr double SmallestSlice = 0.03;

QColor Mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(float(a.redF() * share + b.redF() * (1 - share)),
                            float(a.greenF() * share + b.greenF() * (1 - share)),
                            float(a.blueF() * share + b.blueF() * (1 - share)));
}

QString OtherLabel() {
    return QCoreApplication::translate("ReportChart", "Other");
}

double TextTop(const QRectF& row, const QFontMetricsF& metrics) {
    return row.center().y() + metrics.ascent() / 2 - metrics.descent() / 2;
}

void DrawNothing(QPainter& painter, const QRectF& area, const QColor& ink) {
    painter.setPen(ink);
    painter.drawText(area, Qt::AlignCenter, QCoreApplication::translate("ReportChart", "Nothing in this period."));
}

// The series' colour boxes and names in one row.
void DrawSeriesLegend(QPainter& painter, const QRectF& row, const QStringList& series, const QColor& ink,
                      const QFontMetricsF& metrics) {
    const double h = metrics.height();
    double left = row.left();
    for (qsizetype i = 0; i < series.size(); ++i) {
        painter.fillRect(QRectF(left, row.center().y() - h * 0.35, h * 0.7, h * 0.7), QColor(SliceColours[i % 10]));
        left += h;
        painter.setPen(ink);
        painter.drawText(QPointF(left, TextTop(row, metrics)), series[i]);
        left += metrics.horizontalAdvance(series[i]) + h * 1.5;
    }
}

void DrawBars(QPainter& painter, const QRectF& area, const ReportChart& chart, const QColor& ink,
              const QColor& background, const QFontMetricsF& metrics) {
    const double h = metrics.height();
    const bool two = chart.series.size() >= 2;
    QRectF rows = area;
    if (two) {
        DrawSeriesLegend(painter, QRectF(area.left(), area.top(), area.width(), h * 1.4), chart.series, ink, metrics);
        rows.setTop(area.top() + h * 1.6);
    }
    double rowHeight = two ? h * 2.3 : h * 1.5;
    const std::vector<ReportChartItem> items =
        ShownItems(chart, std::max(1, int(std::floor(rows.height() / rowHeight))));
    if (items.empty())
        return DrawNothing(painter, rows, ink);
    // Items in an order of their own all stay: their rows narrow, their texts left out when they would touch.
    const double fullHeight = rowHeight;
    rowHeight = std::min(rowHeight, rows.height() / double(items.size()));
    const bool labels = rowHeight >= h;
    const bool amounts = rowHeight >= fullHeight * 0.8;
    const platform::LocaleCodec codec;
    int64_t low = 0;
    int64_t high = 0;
    double labelWidth = 0;
    double amountWidth = 0;
    for (const ReportChartItem& item : items) {
        for (const int64_t cents : {item.cents, two ? item.secondCents : 0}) {
            low = std::min(low, cents);
            high = std::max(high, cents);
            amountWidth = std::max(amountWidth, metrics.horizontalAdvance(codec.FormatCents(cents)));
        }
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(item.label));
    }
    labelWidth = std::min(labelWidth, area.width() * 0.35);
    const double barLeft = area.left() + labelWidth + h * 0.6;
    const double barWidth = std::max(h, area.right() - amountWidth - h * 0.6 - barLeft);
    const double range = double(std::max<int64_t>(1, high - low));
    const auto x = [&](int64_t cents) { return barLeft + double(cents - low) / range * barWidth; };
    const QColor first(SliceColours[0]);
    const QColor second = Mix(QColor(SliceColours[1]), background, 0.85);
    double top = rows.top();
    for (const ReportChartItem& item : items) {
        const QRectF row(area.left(), top, area.width(), rowHeight);
        painter.setPen(ink);
        if (labels)
            painter.drawText(QRectF(area.left(), top, labelWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(item.label, Qt::ElideRight, labelWidth));
        const double barHeight = two ? rowHeight * 0.36 : rowHeight * 0.62;
        const double firstTop = two ? top + rowHeight * 0.1 : row.center().y() - barHeight / 2;
        const auto bar = [&](int64_t cents, double barTop, const QColor& colour) {
            painter.fillRect(QRectF(QPointF(std::min(x(0), x(cents)), barTop),
                                    QPointF(std::max(x(0), x(cents)), barTop + barHeight)),
                             colour);
            painter.setPen(ink);
            if (amounts)
                painter.drawText(QRectF(barLeft + barWidth, barTop - h, amountWidth + h * 0.6, barHeight + 2 * h),
                                 Qt::AlignRight | Qt::AlignVCenter, codec.FormatCents(cents));
        };
        bar(item.cents, firstTop, first);
        if (two)
            bar(item.secondCents, firstTop + barHeight + rowHeight * 0.06, second);
        top += rowHeight;
    }
    // The zero line, where bars of both signs meet.
    painter.setPen(Mix(ink, background, 0.55));
    painter.drawLine(QPointF(x(0), rows.top()), QPointF(x(0), top));
}

void DrawPie(QPainter& painter, const QRectF& area, const ReportChart& chart, const QColor& ink,
             const QColor& background, const QFontMetricsF& metrics) {
    const std::vector<ReportChartItem> items = ShownItems(chart, 0);
    if (items.empty())
        return DrawNothing(painter, area, ink);
    int64_t total = 0;
    for (const ReportChartItem& item : items)
        total += item.cents;
    const double h = metrics.height();
    const double side = std::max(h * 2, std::min(area.height(), area.width() * 0.45));
    const QRectF pie(area.left(), area.top() + (area.height() - side) / 2, side, side);
    const auto colour = [&](size_t i) {
        return items[i].gathered ? QColor(OtherColour) : QColor(SliceColours[i % 10]);
    };
    // Clockwise from twelve o'clock; Qt counts sixteenths of a degree counter-clockwise from three.
    int64_t before = 0;
    painter.setPen(QPen(background, 1.5));
    for (size_t i = 0; i < items.size(); ++i) {
        const int start = int(std::lround(90 * 16 - double(before) / double(total) * 360 * 16));
        before += items[i].cents;
        const int end = int(std::lround(90 * 16 - double(before) / double(total) * 360 * 16));
        painter.setBrush(colour(i));
        painter.drawPie(pie, start, end - start);
    }
    painter.setBrush(Qt::NoBrush);

    const platform::LocaleCodec codec;
    const double left = pie.right() + h * 1.5;
    const double rowHeight = h * 1.5;
    double amountWidth = 0;
    for (const ReportChartItem& item : items)
        amountWidth = std::max(amountWidth, metrics.horizontalAdvance(codec.FormatCents(item.cents)));
    const double shareWidth = metrics.horizontalAdvance(ShareText(1));
    const double labelWidth = std::max(h, area.right() - left - h * 1.2 - amountWidth - shareWidth - h * 1.6);
    double top = area.top() + std::max(0.0, (area.height() - rowHeight * double(items.size())) / 2);
    for (size_t i = 0; i < items.size(); ++i) {
        const QRectF row(left, top, area.right() - left, rowHeight);
        painter.fillRect(QRectF(left, row.center().y() - h * 0.35, h * 0.7, h * 0.7), colour(i));
        painter.setPen(ink);
        double x = left + h * 1.2;
        painter.drawText(QRectF(x, top, labelWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(items[i].label, Qt::ElideRight, labelWidth));
        x += labelWidth + h * 0.8;
        painter.drawText(QRectF(x, top, amountWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                         codec.FormatCents(items[i].cents));
        x += amountWidth + h * 0.8;
        painter.drawText(QRectF(x, top, shareWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                         ShareText(double(items[i].cents) / double(total)));
        top += rowHeight;
    }
}

} // namespace

QString ShareText(double share) {
    return QCoreApplication::translate("ReportChart", "%1%", "a share in percent")
        .arg(QLocale().toString(share * 100, 'f', 1));
}

std::vector<ReportChartItem> ShownItems(const ReportChart& chart, int rows) {
    std::vector<ReportChartItem> items;
    for (const ReportChartItem& item : chart.items)
        if (chart.kind == ReportChartKind::Bars || item.cents > 0)
            items.push_back(item);
    if (chart.kind == ReportChartKind::Pie || !chart.keepOrder)
        std::stable_sort(items.begin(), items.end(),
                         [](const ReportChartItem& a, const ReportChartItem& b) { return a.cents > b.cents; });
    size_t kept = items.size();
    if (chart.kind == ReportChartKind::Bars) {
        if (!chart.keepOrder && items.size() > size_t(std::max(1, rows)))
            kept = size_t(std::max(1, rows) - 1);
    } else {
        int64_t total = 0;
        for (const ReportChartItem& item : items)
            total += item.cents;
        kept = 0;
        while (kept < items.size() && kept < MostSlices && double(items[kept].cents) >= SmallestSlice * double(total))
            ++kept;
        if (kept + 1 == items.size())
            kept = items.size();
    }
    if (kept == items.size())
        return items;
    ReportChartItem other{OtherLabel(), 0, 0, true};
    for (size_t i = kept; i < items.size(); ++i) {
        other.cents += items[i].cents;
        other.secondCents += items[i].secondCents;
    }
    items.resize(kept);
    items.push_back(other);
    return items;
}

void DrawReportChart(QPainter& painter, const QRectF& area, const ReportChart& chart, const QPalette& palette) {
    const QColor background = palette.color(QPalette::Base);
    const QColor ink = palette.color(QPalette::Text);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double h = metrics.height();
    const double margin = h * 0.6;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, background);
    const QFont plain = painter.font();
    QFont bold = plain;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(ink);
    const QRectF inner = area.adjusted(margin, margin, -margin, -margin);
    painter.drawText(QRectF(inner.left(), inner.top(), inner.width(), h * 1.4), Qt::AlignLeft | Qt::AlignVCenter,
                     chart.title);
    painter.setFont(plain);
    const QRectF body = inner.adjusted(0, h * 1.8, 0, 0);
    if (chart.kind == ReportChartKind::Pie)
        DrawPie(painter, body, chart, ink, background, metrics);
    else
        DrawBars(painter, body, chart, ink, background, metrics);
    painter.restore();
}

QImage ReportChartImage(const ReportChart& chart, const QSize& size, const QPalette& palette) {
    return ChartImage(size, palette,
                      [&](QPainter& painter, const QRectF& area) { DrawReportChart(painter, area, chart, palette); });
}

QByteArray ReportChartPng(const ReportChart& chart, const QSize& size, const QPalette& palette) {
    return ChartPng(ReportChartImage(chart, size, palette));
}

QByteArray ReportChartSvg(const ReportChart& chart, const QSize& size, const QPalette& palette) {
    return ChartSvg(size, chart.title,
                    [&](QPainter& painter, const QRectF& area) { DrawReportChart(painter, area, chart, palette); });
}

int PrintReport(QPagedPaintDevice& device, const ReportPage& page) {
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    // Laid out in screen pixels (96 to the inch) and scaled to the device, as the balance chart prints.
    const double scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    const QRectF paper(0, 0, device.width() / scale, device.height() / scale);
    const QFont plain = ChartFont();
    QFont bold = plain;
    bold.setBold(true);
    QFont heading = bold;
    heading.setPixelSize(18);
    const QFontMetricsF metrics(plain, &device);
    const QFontMetricsF boldMetrics(bold, &device);
    const double h = metrics.height();
    const double rowHeight = h * 1.35;
    painter.setPen(Qt::black);
    painter.setFont(heading);
    const double headingHeight = QFontMetricsF(heading, &device).height() * 1.3;
    painter.drawText(QRectF(paper.left(), paper.top(), paper.width(), headingHeight), Qt::AlignLeft, page.title);
    painter.setFont(plain);
    painter.drawText(QRectF(paper.left(), paper.top() + headingHeight, paper.width(), h), Qt::AlignLeft, page.period);
    double y = paper.top() + headingHeight + h * 2;

    // The numbers' columns as wide as their widest text, the names' column the rest.
    const qsizetype columns = page.table.headers.size();
    std::vector<double> widths(size_t(std::max<qsizetype>(columns, 1)), 0);
    for (qsizetype c = 1; c < columns; ++c) {
        widths[size_t(c)] = boldMetrics.horizontalAdvance(page.table.headers[c]);
        for (const ReportTable::Row& row : page.table.rows)
            if (c < row.cells.size())
                widths[size_t(c)] = std::max(widths[size_t(c)], boldMetrics.horizontalAdvance(row.cells[c]));
        widths[size_t(c)] += h * 1.2;
    }
    double numbers = 0;
    for (size_t c = 1; c < widths.size(); ++c)
        numbers += widths[c];
    widths[0] = std::max(h * 6, paper.width() - numbers);
    const auto drawRow = [&](const QStringList& cells, int depth, bool strong) {
        painter.setFont(strong ? bold : plain);
        const QFontMetricsF& m = strong ? boldMetrics : metrics;
        double x = paper.left();
        for (qsizetype c = 0; c < cells.size() && c < columns; ++c) {
            const double width = widths[size_t(c)];
            if (c == 0) {
                const double indent = h * 1.2 * depth;
                painter.drawText(QRectF(x + indent, y, width - indent - h * 0.3, rowHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter,
                                 m.elidedText(cells[c], Qt::ElideRight, width - indent - h * 0.3));
            } else {
                painter.drawText(QRectF(x, y, width, rowHeight), Qt::AlignRight | Qt::AlignVCenter, cells[c]);
            }
            x += width;
        }
        y += rowHeight;
    };
    const auto drawHeaders = [&] {
        drawRow(page.table.headers, 0, true);
        painter.setPen(QPen(Qt::black, 0.8));
        painter.drawLine(QPointF(paper.left(), y), QPointF(paper.right(), y));
        y += h * 0.3;
    };
    int pages = 1;
    const auto nextPage = [&] {
        if (!device.newPage())
            return false;
        ++pages;
        y = paper.top();
        return true;
    };
    drawHeaders();
    for (const ReportTable::Row& row : page.table.rows) {
        if (y + rowHeight > paper.bottom()) {
            if (!nextPage())
                return 0;
            drawHeaders();
        }
        drawRow(row.cells, row.depth, row.bold);
    }
    if (!page.chart.items.empty()) {
        const double chartHeight = std::min(paper.height() * 0.5, h * 30);
        y += h;
        if (y + chartHeight > paper.bottom() && !nextPage())
            return 0;
        painter.setFont(plain);
        DrawReportChart(painter, QRectF(paper.left(), y, paper.width(), chartHeight), page.chart, PaperPalette());
    }
    return painter.end() ? pages : 0;
}

QByteArray ReportPdf(const ReportPage& page) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(page.title);
        writer.setCreator(QStringLiteral("Tallix"));
        writer.setPageLayout(RegisterPageLayout(QLocale()));
        pages = PrintReport(writer, page);
    }
    return pages > 0 ? buffer.data() : QByteArray();
}

} // namespace print
