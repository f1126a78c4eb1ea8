// tallix-pdf FILE: the printed register of a Tallix data file, as PDF on standard output, for
// `tallix-cli print FILE --pdf OUT`. A program of its own because pages need QtGui, whose libraries would make every
// other command of tallix-cli slower to start. FILE is an absolute path: QGuiApplication takes some arguments that
// start with "-" for itself.
#include "cli/TerminalPrompts.h"
#include "ledger/Ledger.h"
#include "print/RegisterPrint.h"

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

} // namespace

int main(int argc, char** argv) {
    // Pages are drawn without a display: the offscreen platform has the fonts and needs no window system.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(WithoutRuntimeDirNote);
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        err << "Usage: tallix-pdf FILE (used by tallix-cli print FILE --pdf OUT)\n";
        return 2;
    }
    cli::TerminalPrompts prompts(err);
    platform::SetPromptBackend(&prompts);
    ledger::NewLedger();
    ledger::SetDataFileName(args[1]);
    if (!ledger::LoadLedger())
        std::_Exit(1);
    const QByteArray pdf = print::RegisterPdf(
        QStringLiteral("Check Register: %1").arg(QFileInfo(args[1]).completeBaseName()), QDate::currentDate());
    if (pdf.isEmpty()) {
        err << "tallix-cli: cannot lay out the register's pages\n";
        err.flush();
        std::_Exit(1);
    }
    const bool written =
        std::fwrite(pdf.constData(), 1, size_t(pdf.size()), stdout) == size_t(pdf.size()) && std::fflush(stdout) == 0;
    // Nothing is left to do; tearing down the ledger would only cost time.
    std::_Exit(written ? 0 : 1);
}
