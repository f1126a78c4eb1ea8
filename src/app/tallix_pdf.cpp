// tallix-pdf FILE: the printed register of a Tallix data file, as PDF on standard output, for
// `tallix-cli print FILE --pdf OUT`; tallix-pdf chart png|svg|pdf DAYS FILE: the balance chart with a forecast of
// DAYS days, for `tallix-cli chart`. A program of its own because pages need QtGui, whose libraries would make every
// other command of tallix-cli slower to start. FILE is an absolute path: QGuiApplication takes some arguments that
// start with "-" for itself.
#include "cli/TerminalPrompts.h"
#include "ledger/Ledger.h"
#include "platform/ForecastHorizon.h"
#include "platform/Locale.h"
#include "platform/LocaleCodec.h"
#include "platform/Translations.h"
#include "print/BalanceChart.h"
#include "print/RegisterPrint.h"
#include "storage/LedgerFile.h"

#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtHandler = nullptr;

// Outside a desktop session (cron, ssh, CI) XDG_RUNTIME_DIR is unset and QtGui says so on standard error, though the
// offscreen platform keeps nothing there: that note is no message of this program's.
void WithoutRuntimeDirNote(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        qtHandler(type, context, message);
}

// The chart's bytes in `format`, as large as a window shows it; empty when it cannot be drawn.
QByteArray ChartBytes(const QString& format, int days, const QString& title) {
    const platform::LocaleCodec codec;
    const BalanceSeries series = StoreBalanceSeries(codec, platform::Today(), days);
    const QSize size(1200, 700);
    if (format == QLatin1String("png"))
        return print::BalanceChartPng(series, size, print::PaperPalette());
    if (format == QLatin1String("svg"))
        return print::BalanceChartSvg(series, size, print::PaperPalette(), title);
    return print::BalanceChartPdf(series, title);
}

} // namespace

int main(int argc, char** argv) {
    // Pages are drawn without a display: the offscreen platform has the fonts and needs no window system.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(WithoutRuntimeDirNote);
    QGuiApplication app(argc, argv);
    platform::InstallEnvironmentLanguage();
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    const bool chart =
        args.size() == 5 && args[1] == QLatin1String("chart") &&
        QStringList{QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")}.contains(args[2]);
    bool daysOk = false;
    const int days = chart ? args[3].toInt(&daysOk) : 0;
    if (args.size() != 2 && !(chart && daysOk && days >= 1 && days <= platform::MaxHorizonDays)) {
        err << QCoreApplication::translate("TallixPdf", "Usage: tallix-pdf FILE | tallix-pdf chart png|svg|pdf DAYS "
                                                        "FILE (used by tallix-cli print and chart)")
            << "\n";
        return 2;
    }
    const QString file = args.last();
    cli::TerminalPrompts prompts(err);
    platform::SetPromptBackend(&prompts);
    ledger::NewLedger();
    ledger::SetDataFileName(file);
    if (!ledger::LoadLedger())
        std::_Exit(1);
    const QString name = QFileInfo(file).completeBaseName();
    const QByteArray bytes =
        chart ? ChartBytes(args[2], days, QCoreApplication::translate("TallixPdf", "Balance Chart: %1").arg(name))
              : print::RegisterPdf(QCoreApplication::translate("TallixPdf", "Check Register: %1").arg(name),
                                   QDate::currentDate());
    if (bytes.isEmpty()) {
        err << "tallix-cli: "
            << (chart ? QCoreApplication::translate("TallixPdf", "cannot draw the chart")
                      : QCoreApplication::translate("TallixPdf", "cannot lay out the register's pages"))
            << "\n";
        err.flush();
        std::_Exit(1);
    }
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
                         std::fflush(stdout) == 0;
    // Nothing is left to do; tearing down the ledger would only cost time.
    std::_Exit(written ? 0 : 1);
}
