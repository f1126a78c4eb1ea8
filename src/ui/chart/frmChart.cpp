#include "ui/chart/frmChart.h"

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
const QString Hint = QStringLiteral("Point at the chart to see the balance of a day.");
} // namespace

frmChart::frmChart(QWidget* owner, BalanceSeries series, const QString& title) : QDialog(owner), title(title) {
    setObjectName(QStringLiteral("frmChart"));
    setWindowTitle(QStringLiteral("Balance Chart"));
    setModal(true);
    setSizeGripEnabled(true);
    resize(960, 620);

    Chart = new ChartView(std::move(series), this);
    lblPoint = new QLabel(Hint, this);
    lblPoint->setObjectName(QStringLiteral("lblPoint"));
    auto* buttons = new QDialogButtonBox(this);
    cmdCopy = buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdSave = buttons->addButton(QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdPrint = buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblPoint, 1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Chart, 1);
    layout->addLayout(bottom);

    // The same commands on the chart's context menu.
    Chart->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QPushButton* button : {cmdCopy, cmdSave, cmdPrint}) {
        auto* action = new QAction(button->text(), Chart);
        action->setObjectName(button->objectName().replace(0, 3, QStringLiteral("mnu")));
        connect(action, &QAction::triggered, button, &QPushButton::click);
        Chart->addAction(action);
    }
    connect(cmdCopy, &QPushButton::clicked, this, &frmChart::Copy_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmChart::Save_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmChart::Print_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Chart, &ChartView::HoveredChanged, this, &frmChart::ShowHovered);
}

QString frmChart::PointText(const BalanceSeries& series, const BalancePoint& point) {
    const platform::LocaleCodec codec;
    QString text = QStringLiteral("%1: %2").arg(codec.FormatShortDate(point.day), codec.FormatCents(point.cents));
    if (IsForecastPoint(series, point))
        text += QStringLiteral(" (forecast)");
    return text;
}

void frmChart::ShowHovered() {
    const std::optional<BalancePoint> point = Chart->Hovered();
    lblPoint->setText(point ? PointText(Chart->Series(), *point) : Hint);
}

void frmChart::Copy_Click() {
    QGuiApplication::clipboard()->setImage(
        print::BalanceChartImage(Chart->Series(), Chart->size(), print::PaperPalette()));
}

void frmChart::Save_Click() {
    const QString path = platform::ShowFileDialog(false, QStringLiteral("png"),
                                                  QStringLiteral("PNG image|*.png|SVG image|*.svg|PDF document|*.pdf"));
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QByteArray bytes = suffix == QLatin1String("pdf") ? print::BalanceChartPdf(Chart->Series(), title)
                             : suffix == QLatin1String("svg")
                                 ? print::BalanceChartSvg(Chart->Series(), Chart->size(), print::PaperPalette(), title)
                                 : print::BalanceChartPng(Chart->Series(), Chart->size(), print::PaperPalette());
    QString error;
    if (bytes.isEmpty())
        error = QStringLiteral("the chart could not be drawn");
    if (error.isEmpty() && platform::WriteFileAtomically(path, bytes, error))
        return;
    platform::MsgBox(QStringLiteral("Unable to save the chart to %1: %2.").arg(QFileInfo(path).fileName(), error));
}

void frmChart::Print_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Balance Chart"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!print::PrintBalanceChart(printer, Chart->Series(), title))
        platform::MsgBox(QStringLiteral("Unable to print the chart."));
}
