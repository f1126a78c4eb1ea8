// tallix-cli: the register, exports and a format check for Tallix data files, from the terminal.
#include "Version.h"
#include "cli/CliCheck.h"
#include "cli/CliImport.h"
#include "cli/LedgerExport.h"
#include "cli/OutputFile.h"
#include "cli/RegisterText.h"
#include "ledger/Ledger.h"
#include "platform/Prompt.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Sound = 0;
constexpr int Failed = 1;
constexpr int UsageError = 2;

// GNU's "or:" lines, which help2man takes for the manual page's synopsis.
const char* const Usage = "Usage: tallix-cli print FILE\n"
                          "  or:  tallix-cli export FILE --format csv|qif [-o OUT]\n"
                          "  or:  tallix-cli check FILE\n"
                          "  or:  tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [CSV columns]\n"
                          "  or:  tallix-cli balance LEDGER --date D\n";

void PrintHelp(QTextStream& out) {
    out << Usage
        << "\n"
           "Reads a Tallix data file (.tlx); only import changes it.\n"
           "\n"
           "  print   the register as the register window shows it: sorted by date, with running balances\n"
           "  export  the transactions as CSV (RFC 4180) or QIF, to OUT or standard output\n"
           "  check   validate the file against the format; exit status 0 when sound, 1 when not\n"
           "  import  add a bank statement (OFX, QFX, QIF or CSV) to the ledger: one line per transaction tells\n"
           "          whether it is added and as which type, skipped as a duplicate of which record, or refused\n"
           "          and why; then the ledger is saved, unless --dry-run. The format comes from the file's\n"
           "          extension or its content unless --format names it.\n"
           "  balance the balance at the end of day D (ISO 2024-01-31 or the locale's short date)\n"
           "\n"
           "CSV columns (numbered from 1; remembered for statements with the same header line):\n"
           "  --date-col N --date-order mdy|dmy|ymd --amount-col N | --debit-col N --credit-col N\n"
           "  --payee-col N --check-col N --decimal .|,\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n";
}

// The loader reports its failures as message boxes; here they become one line on stderr.
class TerminalPrompts : public platform::PromptBackend {
public:
    explicit TerminalPrompts(QTextStream& err) : err(err) {}
    platform::Answer ShowMessage(const platform::MessageRequest& request) override {
        QString text = request.text;
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        err << "tallix-cli: " << request.caption << ": " << text << "\n";
        err.flush();
        return platform::Answer::Cancel;
    }
    QString ShowFileDialog(const platform::FileDialogRequest&) override { return {}; }

private:
    QTextStream& err;
};

bool Load(const QString& path) {
    ledger::NewLedger();
    ledger::SetDataFileName(path);
    return ledger::LoadLedger();
}

int UsageFailure(QTextStream& err, const QString& problem) {
    err << "tallix-cli: " << problem << "\n" << Usage << "Try 'tallix-cli --help' for more information.\n";
    return UsageError;
}

int Export(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString format;
    QString output;
    QString file;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == QLatin1String("--format") || a == QLatin1String("-o") || a == QLatin1String("--output")) &&
            i + 1 < args.size()) {
            (a == QLatin1String("--format") ? format : output) = args[++i];
        } else if (a.startsWith(QLatin1String("--format="))) {
            format = a.mid(9);
        } else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            return UsageFailure(err, QStringLiteral("unknown or incomplete option '%1'").arg(a));
        } else if (file.isEmpty()) {
            file = a;
        } else {
            return UsageFailure(err, QStringLiteral("more than one FILE"));
        }
    }
    if (file.isEmpty())
        return UsageFailure(err, QStringLiteral("export needs a FILE"));
    if (format != QLatin1String("csv") && format != QLatin1String("qif"))
        return UsageFailure(err, QStringLiteral("export needs --format csv or --format qif"));
    // Decided before the ledger is read, so that a refused OUT leaves nothing written and nothing waiting.
    const cli::OutputTarget target =
        output.isEmpty() ? cli::OutputTarget{cli::OutputKind::StandardOutput, {}} : cli::ClassifyOutput(output, file);
    if (target.kind == cli::OutputKind::Refused) {
        err << "tallix-cli: will not write " << output << ": " << target.reason << "\n";
        return UsageError;
    }
    if (!Load(file))
        return Failed;
    const QString text = format == QLatin1String("csv") ? cli::ExportCsv() : cli::ExportQif();
    if (target.kind == cli::OutputKind::StandardOutput) {
        out << text;
        return Sound;
    }
    QString error;
    if (!cli::WriteOutput(output, target.kind, text.toUtf8(), error)) {
        err << "tallix-cli: cannot write " << output << ": " << error << "\n";
        return Failed;
    }
    return Sound;
}

int Run(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.isEmpty())
        return UsageFailure(err, QStringLiteral("no command given"));
    const QString& command = args.first();
    if (command == QLatin1String("-h") || command == QLatin1String("--help")) {
        PrintHelp(out);
        return Sound;
    }
    if (command == QLatin1String("-v") || command == QLatin1String("--version")) {
        out << "tallix-cli " << TallixVersion << "\n";
        return Sound;
    }
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("export"))
        return Export(rest, out, err);
    if (command == QLatin1String("import"))
        return cli::RunImport(rest, out, err);
    if (command == QLatin1String("balance"))
        return cli::RunBalance(rest, out, err);
    if (command != QLatin1String("print") && command != QLatin1String("check"))
        return UsageFailure(err, QStringLiteral("unknown command '%1'").arg(command));
    if (rest.size() != 1 || rest.first().startsWith(QLatin1Char('-')))
        return UsageFailure(err, QStringLiteral("%1 needs exactly one FILE").arg(command));
    if (command == QLatin1String("check"))
        return cli::RunCheck(rest.first(), out, err);
    if (!Load(rest.first()))
        return Failed;
    out.flush();
    const bool written = cli::WriteRegister([](QByteArrayView bytes) {
        return std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    });
    if (!written || std::fflush(stdout) != 0) {
        err << "tallix-cli: cannot write the register to standard output\n";
        return Failed;
    }
    return Sound;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    TerminalPrompts prompts(err);
    platform::SetPromptBackend(&prompts);
    int status = Run(QCoreApplication::arguments().mid(1), out, err);
    out.flush();
    // Whatever was written, a full disk or a closed output must not pass for success.
    const bool written = out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (!written && status == Sound) {
        err << "tallix-cli: cannot write to standard output\n";
        status = Failed;
    }
    err.flush();
    std::fflush(nullptr);
    // Nothing is left to write; tearing down a ledger of tens of thousands of records would only cost time.
    std::_Exit(status);
}
