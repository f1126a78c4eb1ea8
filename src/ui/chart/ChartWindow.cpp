#include "ui/chart/ChartWindow.h"

#include "platform/AtomicFile.h"
#include "platform/LocaleCodec.h"
#include "platform/Prompt.h"
#include "print/BalanceChart.h"
#include "ui/chart/ChartView.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {
QString Hint() {
    return ChartWindow::tr("Point at the chart to see the balance of a day.");
}
} // namespace

ChartWindow::ChartWindow(QWidget* owner, BalanceSeries series, const QString& title) : QDialog(owner), title(title) {
    setObjectName(QStringLiteral("ChartWindow"));
    setWindowTitle(tr("Balance Chart"));
    setModal(true);
    setSizeGripEnabled(true);
    resize(960, 620);

    chart = new ChartView(std::move(series), this);
    pointLabel = new QLabel(Hint(), this);
    pointLabel->setObjectName(QStringLiteral("pointLabel"));
    auto* buttons = new QDialogButtonBox(this);
    copyButton = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    saveButton = buttons->addButton(tr("&Save..."), QDialogButtonBox::ActionRole);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    printButton = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    printButton->setObjectName(QStringLiteral("printButton"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(pointLabel, 1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart, 1);
    layout->addLayout(bottom);

    // The same commands on the chart's context menu.
    chart->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QPushButton* button : {copyButton, saveButton, printButton}) {
        auto* action = new QAction(button->text(), chart);
        action->setObjectName(button->objectName().replace(QLatin1String("Button"), QLatin1String("Action")));
        connect(action, &QAction::triggered, button, &QPushButton::click);
        chart->addAction(action);
    }
    connect(copyButton, &QPushButton::clicked, this, &ChartWindow::CopyChart);
    connect(saveButton, &QPushButton::clicked, this, &ChartWindow::SaveChart);
    connect(printButton, &QPushButton::clicked, this, &ChartWindow::PrintChart);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(chart, &ChartView::HoveredChanged, this, &ChartWindow::ShowHovered);
}

QString ChartWindow::PointText(const BalanceSeries& series, const BalancePoint& point) {
    const platform::LocaleCodec codec;
    const QString date = codec.FormatShortDate(point.day);
    const QString balance = codec.FormatCents(point.cents);
    return IsForecastPoint(series, point) ? tr("%1: %2 (forecast)", "day: balance").arg(date, balance)
                                          : tr("%1: %2", "day: balance").arg(date, balance);
}

void ChartWindow::ShowHovered() {
    const std::optional<BalancePoint> point = chart->Hovered();
    pointLabel->setText(point ? PointText(chart->Series(), *point) : Hint());
}

void ChartWindow::CopyChart() {
    QGuiApplication::clipboard()->setImage(
        print::BalanceChartImage(chart->Series(), chart->size(), print::PaperPalette()));
}

void ChartWindow::SaveChart() {
    const QString path =
        platform::ShowFileDialog(false, QStringLiteral("png"),
                                 tr("PNG image") + QStringLiteral("|*.png|") + tr("SVG image") +
                                     QStringLiteral("|*.svg|") + tr("PDF document") + QStringLiteral("|*.pdf"));
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QByteArray bytes = suffix == QLatin1String("pdf") ? print::BalanceChartPdf(chart->Series(), title)
                             : suffix == QLatin1String("svg")
                                 ? print::BalanceChartSvg(chart->Series(), chart->size(), print::PaperPalette(), title)
                                 : print::BalanceChartPng(chart->Series(), chart->size(), print::PaperPalette());
    const platform::Result<> saved = bytes.isEmpty() ? platform::Fail(tr("the chart could not be drawn"))
                                                     : platform::WriteFileAtomically(path, bytes);
    if (!saved)
        platform::MsgBox(tr("Unable to save the chart to %1: %2.").arg(QFileInfo(path).fileName(), saved.Error()));
}

void ChartWindow::PrintChart() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Balance Chart"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!print::PrintBalanceChart(printer, chart->Series(), title))
        platform::MsgBox(tr("Unable to print the chart."));
}
