// tallix-pdf FILE: the printed register of a Tallix data file, as PDF on standard output, for
// `tallix-cli print FILE --pdf OUT`; tallix-pdf chart png|svg|pdf DAYS FILE: the balance chart with a forecast of
// DAYS days, for `tallix-cli chart`. A program of its own because pages need QtGui, whose libraries would make every
// other command of tallix-cli slower to start. FILE is an absolute path: QGuiApplication takes some arguments that
// start with "-" for itself.
#include "cli/TerminalPrompts.h"
#include "ledger/CheckDetails.h"
#include "ledger/Ledger.h"
#include "platform/ForecastHorizon.h"
#include "platform/Locale.h"
#include "platform/LocaleCodec.h"
#include "platform/Translations.h"
#include "print/BalanceChart.h"
#include "print/CheckPrint.h"
#include "print/LedgerChecks.h"
#include "print/RegisterPrint.h"
#include "settings/CheckOffsets.h"
#include "storage/LedgerFile.h"

#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
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

// The checks that `selection` names in the loaded ledger, by check number: those waiting to print, or those
// numbered FIRST to LAST.
std::vector<print::CheckToPrint> SelectedChecks(const QString& selection) {
    const bool waiting = selection == QLatin1String("waiting");
    const int first = selection.section(QLatin1Char('-'), 0, 0).toInt();
    const int last = selection.section(QLatin1Char('-'), 1, 1).toInt();
    std::vector<print::CheckToPrint> checks;
    for (const print::LedgerCheck& check : print::ChecksByNumber()) {
        const int number = check.record.CheckNumber;
        if (waiting ? ledger::IsWaitingToPrint(check.slot) : number >= first && number <= last)
            checks.push_back(print::CheckToPrintOf(check));
    }
    return checks;
}

// The checks' pages as PDF bytes; empty (having said why) when there is nothing to draw.
QByteArray ChecksPdf(const QStringList& args, QTextStream& err) {
    for (const print::CheckFormatProblem& problem : print::CheckFormatProblems())
        err << "tallix-cli: "
            << QCoreApplication::translate("TallixPdf", "skipped the check stock format %1: %2")
                   .arg(problem.file, problem.reason)
            << "\n";
    const QString name = args[2].isEmpty() ? print::DefaultCheckFormatName() : args[2];
    const std::optional<print::CheckFormat> format = print::FindCheckFormat(name);
    if (!format) {
        QStringList names;
        for (const print::CheckFormat& known : print::CheckFormats())
            names << known.name;
        err << "tallix-cli: "
            << QCoreApplication::translate("TallixPdf", "there is no check stock format named %1; the formats are: %2")
                   .arg(name, names.join(QLatin1String(", ")))
            << "\n";
        return {};
    }
    const std::vector<print::CheckToPrint> checks = SelectedChecks(args[3]);
    if (checks.empty()) {
        err << "tallix-cli: "
            << (args[3] == QLatin1String("waiting")
                    ? QCoreApplication::translate("TallixPdf", "no checks are waiting to print")
                    : QCoreApplication::translate("TallixPdf", "there are no checks numbered %1 to %2")
                          .arg(args[3].section(QLatin1Char('-'), 0, 0), args[3].section(QLatin1Char('-'), 1, 1)))
            << "\n";
        return {};
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Tallix"));
    const settings::StoredCheckOffset stored = settings::ReadCheckOffset(format->name);
    const print::CheckOffset offset = args[4].isEmpty()
                                          ? print::CheckOffset{stored.right, stored.down}
                                          : print::CheckOffset{args[4].section(QLatin1Char(','), 0, 0).toInt(),
                                                               args[4].section(QLatin1Char(','), 1, 1).toInt()};
    if (!print::DrawChecks(writer, *format, checks, offset)) {
        err << "tallix-cli: " << QCoreApplication::translate("TallixPdf", "cannot draw the checks") << "\n";
        return {};
    }
    return buffer.data();
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
    const bool checks = args.size() == 6 && args[1] == QLatin1String("checks");
    if (args.size() != 2 && !checks && !(chart && daysOk && days >= 1 && days <= platform::MaxHorizonDays)) {
        err << QCoreApplication::translate("TallixPdf",
                                           "Usage: tallix-pdf FILE | tallix-pdf chart png|svg|pdf DAYS "
                                           "FILE | tallix-pdf checks FORMAT waiting|FIRST-LAST RIGHT,DOWN FILE "
                                           "(used by tallix-cli print, chart and checks)")
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
    if (checks) {
        const QByteArray pdf = ChecksPdf(args, err);
        err.flush();
        const bool written = !pdf.isEmpty() &&
                             std::fwrite(pdf.constData(), 1, size_t(pdf.size()), stdout) == size_t(pdf.size()) &&
                             std::fflush(stdout) == 0;
        std::_Exit(written ? 0 : 1);
    }
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
