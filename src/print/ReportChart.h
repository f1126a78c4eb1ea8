#pragma once
// The reports' chart drawn with QPainter: horizontal bars (a label, the bar and its amount on each row, a second
// value such as the previous period's as a thinner bar beneath) or a pie with a legend. Like the balance chart, one
// drawing serves the window, PNG, SVG, PDF and the printer; colours come from the palette it is given. The printed
// report is a page of its own: the title, the period, the table as the window shows it and the chart below.

#include <QByteArray>
#include <QImage>
#include <QPalette>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace print {

enum class ReportChartKind { Bars, Pie };

struct ReportChartItem {
    QString label;
    int64_t cents = 0;
    int64_t secondCents = 0; // drawn only when the chart has a second series
    bool gathered = false;   // "Other": those the chart had no room for
};

struct ReportChart {
    QString title;
    ReportChartKind kind = ReportChartKind::Bars;
    std::vector<ReportChartItem> items;
    // The series' names for the legend: none or one for a single value per item, two to draw secondCents beside.
    // A pie shows the first only.
    QStringList series;
    // Bars are drawn largest first unless the order of the items means something (months).
    bool keepOrder = false;
};

// What the chart draws: bars largest first with those that do not fit gathered into "Other", or all of them in their
// own order (narrower when they do not fit); for a pie the
// positive items largest first, those under 3% of the whole and those beyond the ninth gathered into "Other"
// (a single small one keeps its own slice). `rows` is how many bars fit, ignored for a pie.
std::vector<ReportChartItem> ShownItems(const ReportChart& chart, int rows);

// A share of a whole as the chart and the reports' tables show it: "12.5%", one decimal in the locale.
QString ShareText(double share);

// Draws the chart filling `area` with the painter's font; the palette's Base is its background, Text its ink.
void DrawReportChart(QPainter& painter, const QRectF& area, const ReportChart& chart, const QPalette& palette);

QImage ReportChartImage(const ReportChart& chart, const QSize& size, const QPalette& palette);
QByteArray ReportChartPng(const ReportChart& chart, const QSize& size, const QPalette& palette);
QByteArray ReportChartSvg(const ReportChart& chart, const QSize& size, const QPalette& palette);

// A report's table: the first column holds names (indented by depth), the others numbers, right-aligned.
struct ReportTable {
    struct Row {
        QStringList cells;
        int depth = 0;
        bool bold = false; // a total
    };
    QStringList headers;
    std::vector<Row> rows;
};

struct ReportPage {
    QString title;
    QString period; // "1/1/2026 to 12/31/2026"
    ReportTable table;
    ReportChart chart; // left out when it has no items
};

// The report on `device` (a printer or a PDF writer whose layout is set): the headers repeat on every page and the
// chart follows the table, on a page of its own when too little room is left. The number of pages, 0 when the
// device cannot be painted on.
int PrintReport(QPagedPaintDevice& device, const ReportPage& page);
// Those pages as PDF bytes on the locale's paper (as the register prints); empty on failure.
QByteArray ReportPdf(const ReportPage& page);

} // namespace print
