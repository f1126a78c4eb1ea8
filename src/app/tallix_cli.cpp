// tallix-cli: the register, exports, a format check, the balance chart and printed checks of Tallix data files, from
// the terminal.
#include "Version.h"
#include "cli/CliCheck.h"
#include "cli/CliForecast.h"
#include "cli/CliImport.h"
#include "cli/CliReport.h"
#include "cli/CommandLine.h"
#include "cli/LedgerExport.h"
#include "cli/OutputFile.h"
#include "cli/RegisterText.h"
#include "cli/TerminalPrompts.h"
#include "ledger/Ledger.h"
#include "platform/ForecastHorizon.h"
#include "platform/Prompt.h"
#include "platform/Translations.h"
#include "settings/CheckOffsets.h"
#include "settings/ForecastSettings.h"
#include "storage/LedgerHold.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using cli::Failed;
using cli::Sound;
using cli::UsageError;

QString Tr(const char* text) {
    return QCoreApplication::translate("TallixCli", text);
}

// GNU's "or:" lines, which help2man takes for the manual page's synopsis.
constexpr char Usage[] =
    QT_TRANSLATE_NOOP("TallixCli", "Usage: tallix-cli print FILE [--pdf OUT]\n"
                                   "  or:  tallix-cli export FILE --format csv|qif|ledger [-o OUT]\n"
                                   "  or:  tallix-cli check FILE\n"
                                   "  or:  tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] "
                                   "[--account ID]\n"
                                   "                         [CSV columns]\n"
                                   "  or:  tallix-cli balance LEDGER --date D\n"
                                   "  or:  tallix-cli reconcile LEDGER --date D --balance B\n"
                                   "  or:  tallix-cli forecast LEDGER [--days N]\n"
                                   "  or:  tallix-cli report LEDGER --by category|payee|month [--from D] [--to D] "
                                   "[--csv]\n"
                                   "  or:  tallix-cli chart FILE --png OUT|--svg OUT|--pdf OUT [--days N]\n"
                                   "  or:  tallix-cli checks LEDGER --pdf OUT [--format NAME] [--numbers FIRST-LAST | "
                                   "--waiting]\n"
                                   "                         [--offset X,Y]\n");

// The help after the usage, a paragraph at a time, each translated as a whole.
constexpr const char* Intro =
    QT_TRANSLATE_NOOP("TallixCli", "Reads a Tallix data file (.tlx); only import changes it. print shows the cleared "
                                   "marks in column C:\n"
                                   "c cleared, R reconciled.\n");
constexpr const char* Commands[] = {
    QT_TRANSLATE_NOOP(
        "TallixCli", "  print    the register as the register window shows it: sorted by date, with running balances;\n"
                     "           with --pdf, as pages in the PDF file OUT (- for standard output), as the program "
                     "prints it\n"),
    QT_TRANSLATE_NOOP("TallixCli",
                      "  export   the transactions with their categories and splits as CSV (RFC 4180), QIF, or a "
                      "journal\n"
                      "           that hledger and ledger-cli read (categories as Expenses: and Income: accounts), to "
                      "OUT or\n"
                      "           standard output\n"),
    QT_TRANSLATE_NOOP("TallixCli",
                      "  check    validate the file against the format; exit status 0 when sound, 1 when not; also "
                      "notes\n"
                      "           unsaved changes that a crashed window left for recovery\n"),
    QT_TRANSLATE_NOOP("TallixCli",
                      "  import   add a bank statement (OFX, QFX, QIF or CSV) to the ledger: one line per transaction "
                      "tells\n"
                      "           whether it is added and as which type, skipped as a duplicate of which record, or "
                      "refused\n"
                      "           and why; then the ledger is saved, unless --dry-run. The format comes from the "
                      "file's\n"
                      "           extension or its content unless --format names it. A statement of several accounts "
                      "is\n"
                      "           refused with their list; --account ID imports the one with that id. Exit status 3\n"
                      "           when lines were refused (the others are added). A ledger open in the window (or in\n"
                      "           another import) is refused with exit status 1.\n"),
    QT_TRANSLATE_NOOP("TallixCli",
                      "  balance  the balance at the end of day D (ISO 2024-01-31 or the locale's short date)\n"),
    QT_TRANSLATE_NOOP("TallixCli",
                      "  reconcile  a bank statement's ending balance B on day D against the cleared balance "
                      "(reconciled\n"
                      "           and cleared transactions), with the difference and the outstanding transactions; "
                      "changes\n"
                      "           nothing. Exit status 0 when they agree, 3 when they do not\n"),
    QT_TRANSLATE_NOOP("TallixCli",
                      "  forecast the scheduled transactions due from today up to N days ahead (by default as set in "
                      "the\n"
                      "           program), overdue ones marked due, with the running balance; then today's balance "
                      "and the\n"
                      "           lowest the balance reaches, with its date. Exit status 3 when that is below zero, or "
                      "below\n"
                      "           the balance set to warn below\n"),
    QT_TRANSLATE_NOOP("TallixCli",
                      "  report   where the money went, beside the period before of the same length: spending and "
                      "income\n"
                      "           by category with subtotals and shares, income and spending month by month, or "
                      "spending by\n"
                      "           payee; this year unless --from or --to (dates as for balance) replace its first or "
                      "last day;\n"
                      "           with --csv, as CSV for other programs (plain amounts, no totals)\n"),
    QT_TRANSLATE_NOOP("TallixCli",
                      "  chart    the balance chart as the program draws it: the balance from the first transaction, "
                      "the\n"
                      "           forecast of the scheduled transactions for N days (at most 3660; by default the "
                      "program's\n"
                      "           horizon, 30 days unless changed) with its lowest point, and the money in and out of "
                      "each\n"
                      "           month; as a PNG image or SVG drawing of 1200 x 700 pixels or a PDF page, in OUT (- "
                      "for\n"
                      "           standard output)\n"),
    QT_TRANSLATE_NOOP("TallixCli",
                      "  checks   checks printed on check stock, as pages in the PDF file OUT (- for standard "
                      "output): the\n"
                      "           checks waiting to print (--waiting, the default) or those numbered FIRST to LAST. "
                      "--format\n"
                      "           names the stock (by default laser-three, three checks per page; a format file that "
                      "cannot be\n"
                      "           read is named and skipped); --offset moves every field X inches right and Y inches "
                      "down\n"
                      "           (negative: left and up; at most 1 inch; by default as set in the program for that "
                      "stock)\n"),
};
constexpr const char* CsvColumns = QT_TRANSLATE_NOOP(
    "TallixCli", "CSV columns (numbered from 1; once imported, remembered for statements with the same header line):\n"
                 "  --date-col N --date-order mdy|dmy|ymd --amount-col N | --debit-col N --credit-col N\n"
                 "  --payee-col N[,M] --check-col N --type-col N --decimal .|, (without --decimal, the amounts tell)\n"
                 "  --direction-col N (words such as D/C, DR/CR, Af/Bij that sign the amounts) --status-col N\n"
                 "  (pending rows are skipped) --header yes|no (whether the first row names the columns; without\n"
                 "  it, a first row that reads as a transaction is one) --category-col N (the category each row is\n"
                 "  added with) --split-col N (the parts of a split, as `export --format csv` writes them)\n");
constexpr const char* ProgramOptions = QT_TRANSLATE_NOOP("TallixCli", "  -h, --help     show this help and exit\n"
                                                                      "  -v, --version  show the version and exit\n");

void PrintHelp(QTextStream& out) {
    out << Tr(Usage) << "\n" << Tr(Intro) << "\n";
    for (const char* command : Commands)
        out << Tr(command);
    out << "\n" << Tr(CsvColumns) << "\n" << Tr(ProgramOptions);
}

int UsageFailure(QTextStream& err, const QString& problem) {
    err << "tallix-cli: " << problem << "\n"
        << Tr(Usage) << QCoreApplication::translate("TallixCli", "Try 'tallix-cli --help' for more information.")
        << "\n";
    return UsageError;
}

// 0 when OUT may be written; otherwise says why and gives the exit status: a refused OUT is a usage error, one that
// cannot be read a failure.
using OutputTarget = platform::Result<cli::OutputKind, cli::OutputRefusal>;
int Unwritable(const OutputTarget& target, const QString& output, QTextStream& err) {
    if (target)
        return Sound;
    err << "tallix-cli: "
        << QCoreApplication::translate("TallixCli", "will not write %1: %2").arg(output, target.Error()) << "\n";
    return target.Code() == cli::OutputRefusal::Refused ? UsageError : Failed;
}

// Writes what a command made to OUT, saying why when it cannot.
int Written(const QString& output, cli::OutputKind kind, const QByteArray& bytes, QTextStream& err) {
    const platform::Result<> written = cli::WriteOutput(output, kind, bytes);
    if (written)
        return Sound;
    err << "tallix-cli: "
        << QCoreApplication::translate("TallixCli", "cannot write %1: %2").arg(output, written.Error()) << "\n";
    return Failed;
}

int Export(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption formatOption(QStringLiteral("format"), {}, QStringLiteral("csv|qif|ledger"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")}, {}, QStringLiteral("OUT"));
    parser.addOptions({formatOption, outputOption});
    if (const platform::Result<> parsed = cli::ParseCommand(parser, QStringLiteral("export"), args); !parsed)
        return UsageFailure(err, parsed.Error());
    if (parser.positionalArguments().size() > 1)
        return UsageFailure(err, QCoreApplication::translate("TallixCli", "more than one FILE"));
    const QString file = parser.positionalArguments().value(0);
    const QString format = parser.value(formatOption);
    const QString output = parser.value(outputOption);
    if (file.isEmpty())
        return UsageFailure(err, QCoreApplication::translate("TallixCli", "export needs a FILE"));
    if (format != QLatin1String("csv") && format != QLatin1String("qif") && format != QLatin1String("ledger"))
        return UsageFailure(err, QCoreApplication::translate(
                                     "TallixCli", "export needs --format csv, --format qif or --format ledger"));
    // Decided before the ledger is read, so that a refused OUT leaves nothing written and nothing waiting.
    const OutputTarget target = output.isEmpty() ? cli::OutputKind::StandardOutput : cli::ClassifyOutput(output, file);
    if (const int status = Unwritable(target, output, err))
        return status;
    if (!cli::LoadLedgerFile(file))
        return Failed;
    const QString text = format == QLatin1String("csv")   ? cli::ExportCsv()
                         : format == QLatin1String("qif") ? cli::ExportQif()
                                                          : cli::ExportJournal();
    if (target.Value() == cli::OutputKind::StandardOutput) {
        out << text;
        return Sound;
    }
    return Written(output, target.Value(), text.toUtf8(), err);
}

// The program that draws the pages: beside this one in the build, in libexec/tallix when installed.
QString PdfProgram() {
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {dir + QStringLiteral("/tallix-pdf"), dir + QStringLiteral("/../libexec/tallix/tallix-pdf")})
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    return {};
}

// What tallix-pdf draws with `drawing` before FILE (nothing: the register's pages), written as export writes its
// files.
int Drawn(const QStringList& drawing, const QString& file, const QString& output, QTextStream& out, QTextStream& err) {
    const OutputTarget target =
        output == QLatin1String("-") ? cli::OutputKind::StandardOutput : cli::ClassifyOutput(output, file);
    if (const int status = Unwritable(target, output, err))
        return status;
    const QString program = PdfProgram();
    if (program.isEmpty()) {
        err << "tallix-cli: "
            << QCoreApplication::translate("TallixCli",
                                           "tallix-pdf, which draws the pages, is not installed beside tallix-cli")
            << "\n";
        return Failed;
    }
    err.flush();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, drawing + QStringList{QFileInfo(file).absoluteFilePath()});
    const bool finished = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit;
    const QByteArray bytes = process.readAllStandardOutput();
    if (!finished || process.exitCode() != 0) {
        // tallix-pdf has said why on stderr, unless it could not run at all.
        if (!finished)
            err << "tallix-cli: "
                << QCoreApplication::translate("TallixCli", "cannot run %1: %2").arg(program, process.errorString())
                << "\n";
        return Failed;
    }
    if (target.Value() == cli::OutputKind::StandardOutput) {
        out.flush();
        return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) ? Sound : Failed;
    }
    return Written(output, target.Value(), bytes, err);
}

// chart FILE --png OUT|--svg OUT|--pdf OUT [--days N]: the balance chart from tallix-pdf.
int Chart(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption png(QStringLiteral("png"), {}, QStringLiteral("OUT"));
    const QCommandLineOption svg(QStringLiteral("svg"), {}, QStringLiteral("OUT"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), {}, QStringLiteral("OUT"));
    const QCommandLineOption daysOption(QStringLiteral("days"), {}, QStringLiteral("N"));
    parser.addOptions({png, svg, pdf, daysOption});
    if (const platform::Result<> parsed = cli::ParseCommand(parser, QStringLiteral("chart"), args); !parsed)
        return UsageFailure(err, parsed.Error());
    if (parser.positionalArguments().size() != 1)
        return UsageFailure(err, QCoreApplication::translate("TallixCli", "chart needs exactly one FILE"));
    QStringList formats;
    for (const QCommandLineOption* format : {&png, &svg, &pdf})
        if (parser.isSet(*format))
            formats << format->names().first();
    if (formats.size() != 1)
        return UsageFailure(
            err, QCoreApplication::translate("TallixCli", "chart needs one of --png OUT, --svg OUT or --pdf OUT"));
    bool numeric = false;
    const int days = parser.isSet(daysOption) ? parser.value(daysOption).toInt(&numeric)
                                              : settings::ReadForecastSettings().horizonDays;
    if (parser.isSet(daysOption) && (!numeric || days < 1 || days > platform::MaxHorizonDays))
        return UsageFailure(err, QCoreApplication::translate("TallixCli", "--days takes a number of days from 1 to %1")
                                     .arg(platform::MaxHorizonDays));
    return Drawn({QStringLiteral("chart"), formats.first(), QString::number(days)},
                 parser.positionalArguments().first(), parser.value(formats.first()), out, err);
}

// "FIRST-LAST" as two check numbers, the first not above the last; none for anything else.
std::optional<std::pair<int, int>> CheckNumberRange(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5})-(\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    const int first = match.captured(1).toInt();
    const int last = match.captured(2).toInt();
    if (!match.hasMatch() || first < 1 || first > last || last > ledger::MaxCheckNumber)
        return std::nullopt;
    return std::pair(first, last);
}

// "X,Y" in inches, as hundredths of an inch: "RIGHT,DOWN"; empty for anything else or beyond an inch.
QString OffsetHundredths(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    QStringList hundredths;
    for (const QString& part : parts) {
        bool numeric = false;
        const double inches = QLocale::c().toDouble(part.trimmed(), &numeric);
        if (!numeric || std::abs(inches) > settings::MaxCheckOffset / 100.0)
            return {};
        hundredths << QString::number(std::lround(inches * 100));
    }
    return parts.size() == 2 ? hundredths.join(QLatin1Char(',')) : QString();
}

// checks LEDGER --pdf OUT [--format NAME] [--numbers FIRST-LAST | --waiting] [--offset X,Y]: drawn by tallix-pdf,
// which knows the formats.
int Checks(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption pdf(QStringLiteral("pdf"), {}, QStringLiteral("OUT"));
    const QCommandLineOption formatOption(QStringLiteral("format"), {}, QStringLiteral("NAME"));
    const QCommandLineOption numbersOption(QStringLiteral("numbers"), {}, QStringLiteral("FIRST-LAST"));
    const QCommandLineOption waitingOption(QStringLiteral("waiting"));
    const QCommandLineOption offsetOption(QStringLiteral("offset"), {}, QStringLiteral("X,Y"));
    parser.addOptions({pdf, formatOption, numbersOption, waitingOption, offsetOption});
    if (const platform::Result<> parsed = cli::ParseCommand(parser, QStringLiteral("checks"), args); !parsed)
        return UsageFailure(err, parsed.Error());
    if (parser.positionalArguments().size() != 1)
        return UsageFailure(err, QCoreApplication::translate("TallixCli", "checks needs exactly one LEDGER"));
    if (!parser.isSet(pdf))
        return UsageFailure(err, QCoreApplication::translate("TallixCli", "checks needs --pdf OUT"));
    if (parser.isSet(numbersOption) && parser.isSet(waitingOption))
        return UsageFailure(err, QCoreApplication::translate("TallixCli", "give either --numbers or --waiting"));
    const std::optional<std::pair<int, int>> range =
        parser.isSet(numbersOption) ? CheckNumberRange(parser.value(numbersOption)) : std::pair(0, 0);
    if (!range)
        return UsageFailure(err, QCoreApplication::translate(
                                     "TallixCli", "--numbers takes two check numbers from 1 to %1 as FIRST-LAST, "
                                                  "the first not above the last (for example 1101-1103)")
                                     .arg(ledger::MaxCheckNumber));
    const QString offset = parser.isSet(offsetOption) ? OffsetHundredths(parser.value(offsetOption)) : QString();
    if (parser.isSet(offsetOption) && offset.isEmpty())
        return UsageFailure(err, QCoreApplication::translate("TallixCli",
                                                             "--offset takes inches right and down from -1 to 1 as "
                                                             "X,Y (for example 0.05,-0.10)"));
    const QString selection = parser.isSet(numbersOption) ? QStringLiteral("%1-%2").arg(range->first).arg(range->second)
                                                          : QStringLiteral("waiting");
    return Drawn({QStringLiteral("checks"), parser.value(formatOption), selection, offset},
                 parser.positionalArguments().first(), parser.value(pdf), out, err);
}

// The command line as a whole: the program's own options, then a command and what the command reads itself.
int Run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({helpOption, versionOption});
    if (!parser.parse(arguments))
        return UsageFailure(err, parser.errorText());
    if (parser.isSet(helpOption)) {
        PrintHelp(out);
        return Sound;
    }
    if (parser.isSet(versionOption)) {
        out << "tallix-cli " << TallixVersion << "\n"
            << QString::fromUtf8(TallixCopyright) << "\n"
            << TallixLicense << "\n";
        return Sound;
    }
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return UsageFailure(err, QCoreApplication::translate("TallixCli", "no command given"));
    const QString& command = words.first();
    const QStringList rest = words.mid(1);
    if (command == QLatin1String("export"))
        return Export(rest, out, err);
    if (command == QLatin1String("import"))
        return cli::RunImport(rest, out, err);
    if (command == QLatin1String("balance"))
        return cli::RunBalance(rest, out, err);
    if (command == QLatin1String("reconcile"))
        return cli::RunReconcile(rest, out, err);
    if (command == QLatin1String("forecast")) {
        const settings::ForecastSettings forecast = settings::ReadForecastSettings();
        return cli::RunForecast(rest, forecast.horizonDays, forecast.cushionCents, out, err);
    }
    if (command == QLatin1String("report"))
        return cli::RunReport(rest, out, err);
    if (command == QLatin1String("chart"))
        return Chart(rest, out, err);
    if (command == QLatin1String("checks"))
        return Checks(rest, out, err);
    if (command != QLatin1String("print") && command != QLatin1String("check"))
        return UsageFailure(err, QCoreApplication::translate("TallixCli", "unknown command '%1'").arg(command));
    QCommandLineParser operands;
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), {}, QStringLiteral("OUT"));
    if (command == QLatin1String("print"))
        operands.addOption(pdfOption);
    if (const platform::Result<> parsed = cli::ParseCommand(operands, command, rest); !parsed)
        return UsageFailure(err, parsed.Error());
    if (operands.positionalArguments().size() != 1)
        return UsageFailure(err, QCoreApplication::translate("TallixCli", "%1 needs exactly one FILE").arg(command));
    const QString file = operands.positionalArguments().first();
    if (command == QLatin1String("check"))
        return cli::RunCheck(file, out, err);
    if (operands.isSet(pdfOption))
        return Drawn({}, file, operands.value(pdfOption), out, err);
    if (!cli::LoadLedgerFile(file))
        return Failed;
    out.flush();
    const bool written = cli::WriteRegister([](QByteArrayView bytes) {
        return std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    });
    if (!written || std::fflush(stdout) != 0) {
        err << "tallix-cli: "
            << QCoreApplication::translate("TallixCli", "cannot write the register to standard output") << "\n";
        return Failed;
    }
    return Sound;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    platform::InstallEnvironmentLanguage();
    QTextStream out(stdout);
    QTextStream err(stderr);
    cli::TerminalPrompts prompts(err);
    platform::SetPromptBackend(&prompts);
    int status = Run(QCoreApplication::arguments(), out, err);
    out.flush();
    // Whatever was written, a full disk or a closed output must not pass for success.
    const bool written = out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (!written && status == Sound) {
        err << "tallix-cli: " << QCoreApplication::translate("TallixCli", "cannot write to standard output") << "\n";
        status = Failed;
    }
    err.flush();
    std::fflush(nullptr);
    // The one thing to undo before the quick exit below: an import's hold, or its lock file would outlive it.
    ledger::KeepHold({});
    // Nothing is left to write; tearing down a ledger of tens of thousands of records would only cost time.
    std::_Exit(status);
}
