// The reports' chart and printed page read back from their SVG and PDF: what is drawn, in which order, and what
// is gathered into "Other".
#include "print/ReportChart.h"
#include "support/ScopedLocale.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

print::ReportChart Chart(print::ReportChartKind kind, std::vector<print::ReportChartItem> items) {
    print::ReportChart chart;
    chart.title = QStringLiteral("Spending");
    chart.kind = kind;
    chart.items = std::move(items);
    return chart;
}

QString Labels(const std::vector<print::ReportChartItem>& items) {
    QStringList labels;
    for (const print::ReportChartItem& item : items)
        labels << QStringLiteral("%1=%2").arg(item.label).arg(item.cents);
    return labels.join(u' ');
}

// The SVG's texts top to bottom, with their heights.
std::multimap<double, QString> SvgTexts(const QByteArray& svg) {
    std::multimap<double, QString> texts;
    static const QRegularExpression text(QStringLiteral("<text[^>]* y=\"([-0-9.]+)\"[^>]*>\\s*([^<]*?)\\s*</text>"));
    for (const QRegularExpressionMatch& match : text.globalMatch(QString::fromUtf8(svg)))
        texts.emplace(match.captured(1).toDouble(), match.captured(2));
    return texts;
}

} // namespace

TEST(ReportChartTest, ShownItemsSortGatherAndDropWhatTheChartCannotShow) {
    using enum print::ReportChartKind;
    const std::vector<print::ReportChartItem> many{{QStringLiteral("a"), 500},  {QStringLiteral("b"), 9000},
                                                   {QStringLiteral("c"), -300}, {QStringLiteral("d"), 2000},
                                                   {QStringLiteral("e"), 100},  {QStringLiteral("f"), 0}};
    struct Case {
        print::ReportChartKind kind;
        std::vector<print::ReportChartItem> items;
        bool keepOrder;
        int rows;
        const char* shown;
    };
    for (const Case& c : {
             Case{Bars, many, false, 10, "b=9000 d=2000 a=500 e=100 f=0 c=-300"},
             // In an order of their own, all of them, fitting or not.
             Case{Bars, many, true, 2, "a=500 b=9000 c=-300 d=2000 e=100 f=0"},
             // Four rows: three bars and the rest in one, whatever their signs.
             Case{Bars, many, false, 4, "b=9000 d=2000 a=500 Other=-200"},
             // A pie shows positive amounts only; under 3% of them (11,600) goes to "Other" unless it is alone.
             Case{Pie, many, false, 0, "b=9000 d=2000 a=500 e=100"},
             Case{Pie,
                  {{QStringLiteral("x"), 9700}, {QStringLiteral("y"), 200}, {QStringLiteral("z"), 100}},
                  false,
                  0,
                  "x=9700 Other=300"},
         }) {
        print::ReportChart chart = Chart(c.kind, c.items);
        chart.keepOrder = c.keepOrder;
        EXPECT_EQ(Labels(print::ShownItems(chart, c.rows)), QLatin1String(c.shown));
    }
    // More than nine slices of the same size: nine and "Other".
    std::vector<print::ReportChartItem> equal;
    for (int i = 0; i < 12; ++i)
        equal.push_back({QString::number(i), 100});
    const std::vector<print::ReportChartItem> slices = print::ShownItems(Chart(Pie, equal), 0);
    ASSERT_EQ(slices.size(), 10u);
    EXPECT_EQ(slices.back().cents, 300);
}

TEST(ReportChartTest, BarsAndPieDrawTheirLabelsAndAmountsInTheLocale) {
    using enum print::ReportChartKind;
    struct Case {
        const char* locale;
        print::ReportChartKind kind;
        bool compare;
        const char* topToBottom; // the texts from the top, title first
    };
    for (const Case& c : {
             Case{"en_US", Bars, false, "Spending|Rent|1,200.00|Food|345.67|Gifts|-5.00"},
             // The previous period's bar below the period's, the label between their amounts.
             Case{"de_DE", Bars, true, "Spending|This year|1.200,00|Rent|1.000,00|345,67|Food|400,00|-5,00|Gifts|0,00"},
             // The pie leaves out the refund; its legend gives each slice's share.
             Case{"en_US", Pie, false, "Spending|Rent|1,200.00|77.6%|Food|345.67|22.4%"},
             Case{"de_DE", Pie, false, "Spending|Rent|1.200,00|77,6%|Food|345,67|22,4%"},
         }) {
        SCOPED_TRACE(c.locale);
        tallix::test::ScopedLocale locale(QString::fromLatin1(c.locale));
        print::ReportChart chart = Chart(c.kind, {{QStringLiteral("Food"), 34567, 40000},
                                                  {QStringLiteral("Gifts"), -500, 0},
                                                  {QStringLiteral("Rent"), 120000, 100000}});
        if (c.compare)
            chart.series = QStringList{QStringLiteral("This year"), QStringLiteral("Last year")};
        QStringList drawn;
        for (const auto& [y, text] : SvgTexts(print::ReportChartSvg(chart, QSize(700, 400), QPalette())))
            drawn << text;
        drawn.removeAll(QStringLiteral("Last year")); // beside "This year", on its row
        EXPECT_EQ(drawn.join(u'|'), QLatin1String(c.topToBottom));
    }
}

TEST(ReportChartTest, ThePrintedReportRepeatsItsHeadersOnEveryPageAndEndsWithTheChart) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    for (const int rows : {3, 120}) {
        print::ReportPage page;
        page.title = QStringLiteral("Spending by payee");
        page.period = QStringLiteral("1/1/2026 to 12/31/2026");
        page.table.headers = QStringList{QStringLiteral("Payee"), QStringLiteral("Spending")};
        for (int i = 0; i < rows; ++i)
            page.table.rows.push_back({{QStringLiteral("Payee %1").arg(i), QStringLiteral("%1.00").arg(i)}, 0, false});
        page.chart = Chart(print::ReportChartKind::Bars, {{QStringLiteral("Grocer"), 1234}});
        page.chart.title = QStringLiteral("Chart title");
        const QByteArray pdf = print::ReportPdf(page);
        ASSERT_TRUE(pdf.startsWith("%PDF"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pdf);
        file.close();
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        ASSERT_TRUE(process.waitForFinished(60000));
        QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
        pages.removeAll(QString());
        ASSERT_GE(pages.size(), rows > 50 ? 2 : 1);
        EXPECT_TRUE(pages.front().contains(page.period));
        for (const QString& text : pages)
            EXPECT_TRUE(text.contains(QStringLiteral("Payee")) || text.contains(QStringLiteral("Chart title")));
        // Every row once, in order, and the chart after the last.
        qsizetype at = 0;
        const QString all = pages.join(u'\n');
        for (int i = 0; i < rows; ++i) {
            at = all.indexOf(QRegularExpression(QStringLiteral("Payee %1 +%1\\.00").arg(i)), at);
            ASSERT_GE(at, 0) << i;
        }
        EXPECT_GT(all.indexOf(QStringLiteral("Chart title")), at);
        EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("Grocer +12\\.34"))));
    }
}
