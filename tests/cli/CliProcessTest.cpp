// tallix-cli as a user runs it: exit statuses, standard output and standard error.
#include "Version.h"
#include "ledger/Categories.h"
#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "platform/Locale.h"
#include "register/Forecast.h"
#include "settings/CheckOffsets.h"
#include "settings/ForecastSettings.h"
#include "settings/Registry.h"
#include "storage/LedgerFile.h"
#include "storage/Recovery.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using tallix::test::ReadAll;
struct Result {
    int status;
    QString out;
    QString err;
};

Result RunProgram(const QString& program, const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Result Cli(const QStringList& args) {
    return RunProgram(QStringLiteral(TALLIX_CLI_PATH), args);
}

class CliProcess : public testing::Test {
protected:
    QTemporaryDir dir;
    QString ledgerPath = dir.filePath(QStringLiteral("book.tlx"));

    void SetUp() override {
        ledger::NewLedger();
        ledger::SetStartingBalance(50.0f);
        ledger::AddTransaction(7, platform::DayCountFromDate(QDate(2024, 5, 1)), 12.5f, QStringLiteral("Florist"),
                               ledger::CheckOrPayment);
        ledger::AddTransaction(9, platform::DayCountFromDate(QDate(2024, 5, 2)), 3.0f, QStringLiteral("Baker"),
                               ledger::CheckOrPayment);
        ledger::SetDataFileName(ledgerPath);
        ASSERT_TRUE(ledger::SaveLedger());
    }
};
} // namespace

TEST_F(CliProcess, HelpAndVersionGoToStandardOutput) {
    const Result help = Cli({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: tallix-cli print FILE")));
    const Result version = Cli({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("tallix-cli ") + QLatin1String(TallixVersion) + "\nCopyright "));
    EXPECT_TRUE(version.out.contains(QStringLiteral("GNU GPL version 3 or later"))) << version.out.toStdString();
}

TEST_F(CliProcess, UsageErrorsExitWithTwoOnStandardError) {
    for (const QStringList& args :
         {QStringList{},
          QStringList{"frobnicate", ledgerPath},
          QStringList{"print"},
          QStringList{"export", ledgerPath},
          QStringList{"export", ledgerPath, "--format", "xls"},
          QStringList{"check", ledgerPath, ledgerPath},
          QStringList{"import", ledgerPath},
          QStringList{"import", ledgerPath, "a.qif", "--format", "xls"},
          QStringList{"balance", ledgerPath},
          QStringList{"balance", ledgerPath, "--date", "5/32/2024"},
          QStringList{"--bogus"},
          QStringList{"print", "--bogus", ledgerPath},
          QStringList{"print", "-x.tlx"},
          QStringList{"print", ledgerPath, "--pdf"},
          QStringList{"print", "--pdf", "out.pdf"},
          QStringList{"report", ledgerPath},
          QStringList{"report", ledgerPath, "--by", "week"},
          QStringList{"report", ledgerPath, "--by", "payee", "--from", "5/32/2024"},
          QStringList{"report", ledgerPath, "--by", "month", "--from", "2024-02-01", "--to", "2024-01-31"},
          QStringList{"forecast", ledgerPath, "--days", "0"},
          QStringList{"forecast", ledgerPath, "--days", "x"},
          QStringList{"checks", ledgerPath},
          QStringList{"checks", ledgerPath, "--pdf", "a.pdf", "--numbers", "9-7"},
          QStringList{"checks", ledgerPath, "--pdf", "a.pdf", "--numbers", "7-9", "--waiting"},
          QStringList{"checks", ledgerPath, "--pdf", "a.pdf", "--offset", "0.05"},
          QStringList{"checks", ledgerPath, "--pdf", "a.pdf", "--offset", "1.5,0"}}) {
        const Result r = Cli(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage:")));
    }
}

// Also of a file whose name starts with "-", named after "--".
TEST_F(CliProcess, PrintShowsTheRegister) {
    const QString dashed = dir.filePath(QStringLiteral("-book.tlx"));
    ASSERT_TRUE(QFile::copy(ledgerPath, dashed));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const QStringList& args : {QStringList{"print", ledgerPath}, QStringList{"print", "--", "-book.tlx"}}) {
        const Result r = Cli(args);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("Next check number:  10")));
        EXPECT_TRUE(r.out.contains(QStringLiteral("Florist")));
        EXPECT_TRUE(r.out.trimmed().endsWith(QStringLiteral("34.50")));
    }
    QDir::setCurrent(before);
}

TEST_F(CliProcess, PrintPdfWritesTheRegistersPagesAndNeverOverALedger) {
    const QString pdf = dir.filePath(QStringLiteral("book.pdf"));
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.remove(QStringLiteral("DISPLAY"));
    noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
    noDisplay.remove(QStringLiteral("QT_QPA_PLATFORM"));
    noDisplay.remove(QStringLiteral("XDG_RUNTIME_DIR")); // no session either: nothing to say about that
    QProcess process;
    process.setProcessEnvironment(noDisplay);
    process.start(QStringLiteral(TALLIX_CLI_PATH), {QStringLiteral("print"), ledgerPath, QStringLiteral("--pdf"), pdf});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardError(), QByteArray());
    EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF"));
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        const Result text =
            RunProgram(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.out.contains(QStringLiteral("Check Register: book")));
        EXPECT_TRUE(text.out.contains(QStringLiteral("Florist")));
        EXPECT_TRUE(text.out.contains(QStringLiteral("Baker")));
        EXPECT_TRUE(text.out.contains(QStringLiteral("Page 1 of 1")));
    }

    const QByteArray ledgerBytes = ReadAll(ledgerPath);
    const Result refused = Cli({QStringLiteral("print"), ledgerPath, QStringLiteral("--pdf"), ledgerPath});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(ReadAll(ledgerPath), ledgerBytes);
}

TEST_F(CliProcess, ChartWritesPngSvgAndPdfAndRefusesAMissingOutput) {
    struct Case {
        const char* option;
        QByteArray start;
    };
    for (const Case& c : {Case{"--png", "\x89PNG\r\n\x1a\n"}, Case{"--svg", "<?xml"}, Case{"--pdf", "%PDF-"}}) {
        SCOPED_TRACE(c.option);
        const QString out = dir.filePath(QStringLiteral("chart.") + QLatin1String(c.option + 2));
        const Result r = Cli({QStringLiteral("chart"), ledgerPath, QLatin1String(c.option), out,
                              QStringLiteral("--days"), QStringLiteral("365")});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        const QByteArray bytes = ReadAll(out);
        EXPECT_TRUE(bytes.startsWith(c.start)) << bytes.left(16).toStdString();
        if (QLatin1String(c.option) == QLatin1String("--png")) {
            EXPECT_EQ(QImage::fromData(bytes, "PNG").size(), QSize(1200, 700));
        }
        EXPECT_TRUE(QLatin1String(c.option) != QLatin1String("--svg") || bytes.contains("<svg"));
    }
    // Without exactly one output, or with a horizon out of range, the usage.
    for (const QStringList& args :
         {QStringList{"chart", ledgerPath}, QStringList{"chart", ledgerPath, "--png", "a.png", "--svg", "a.svg"},
          QStringList{"chart", ledgerPath, "--png", "a.png", "--days", "0"}}) {
        const Result r = Cli(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage:")));
    }
}

// The payee where the default stock puts it (1 inch in, 82 points down), moved by the offset given or, without one,
// the one stored for the stock; nothing to print and an unknown stock fail with the reason.
TEST_F(CliProcess, ChecksDrawsTheChecksOnTheirStock) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString pdf = dir.filePath(QStringLiteral("checks.pdf"));
    ASSERT_TRUE(settings::WriteCheckOffset(QStringLiteral("laser-three"), {-20, 30}));
    struct Case {
        QStringList options;
        double right; // points
        double down;
    };
    for (const Case& c : {Case{{"--numbers", "7-9", "--offset", "0.05,-0.10"}, 3.6, -7.2}, Case{{}, -14.4, 21.6}}) {
        const Result r = Cli(QStringList{"checks", ledgerPath, "--pdf", pdf, "--numbers", "1-9"} + c.options);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        const QString words = RunProgram(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"}).out;
        for (const auto& [payee, top] : {std::pair("Florist", 0.0), std::pair("Baker", 252.0)}) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"[\\d.]+\" "
                                                  "yMax=\"([\\d.]+)\">%1<")
                                       .arg(QLatin1String(payee)))
                    .match(words);
            ASSERT_TRUE(m.hasMatch()) << payee;
            EXPECT_NEAR(m.captured(1).toDouble(), 72 + c.right, 1) << payee;
            EXPECT_NEAR(m.captured(2).toDouble(), top + 98 + c.down, 1) << payee;
        }
    }
    struct Failure {
        QStringList options;
        const char* reason;
    };
    for (const Failure& f : {Failure{{"--numbers", "100-200"}, "there are no checks numbered 100 to 200"},
                             Failure{{"--waiting"}, "no checks are waiting to print"},
                             Failure{{"--format", "nope"},
                                     "no check stock format named nope; the formats are: "
                                     "laser-three, voucher-bottom"}}) {
        const Result r = Cli(QStringList{"checks", ledgerPath, "--pdf", pdf} + f.options);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(QLatin1String(f.reason))) << r.err.toStdString();
    }
}

TEST_F(CliProcess, UnreadableFilesFailWithTheLoadersMessage) {
    const Result missing = Cli({QStringLiteral("print"), dir.filePath(QStringLiteral("none.tlx"))});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Error opening file")));
    QFile junk(dir.filePath(QStringLiteral("junk.tlx")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(128, 'x'));
    junk.close();
    const Result unknown =
        Cli({QStringLiteral("export"), junk.fileName(), QStringLiteral("--format"), QStringLiteral("csv")});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Unknown file type")));
    const Result check = Cli({QStringLiteral("check"), junk.fileName()});
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(check.out.contains(QStringLiteral("header: error:")));
}

// An amount no program could have typed is refused like a foreign file, and the check names its record.
TEST_F(CliProcess, ValuesBeyondTheProgramAreRefused) {
    const QString bad = dir.filePath(QStringLiteral("nan.tlx"));
    ledger::AddTransaction(0, 40000, std::numeric_limits<float>::quiet_NaN(), QStringLiteral("x"), ledger::Deposit);
    ledger::SetDataFileName(bad);
    ASSERT_TRUE(ledger::SaveLedger());
    for (const QStringList& args : {QStringList{"print", bad}, QStringList{"export", bad, "--format", "qif"}}) {
        const Result r = Cli(args);
        EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err, QStringLiteral("tallix-cli: %1: Unknown file type\n").arg(bad));
    }
    const Result check = Cli({QStringLiteral("check"), bad});
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(check.out.contains(QStringLiteral("record 3: error: amount nan")));
}

TEST_F(CliProcess, CheckReportsGapsButCallsTheFileSound) {
    const Result r = Cli({QStringLiteral("check"), ledgerPath});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("note: check 8 is missing")));
    EXPECT_TRUE(r.out.contains(QStringLiteral(": sound")));
}

// The cleared marks beside the ledger are not part of its format: a companion that does not match is a note.
TEST_F(CliProcess, CheckNotesClearedMarksThatDoNotMatchTheLedger) {
    ledger::AddTransaction(10, platform::DayCountFromDate(QDate(2024, 5, 3)), 8, QStringLiteral("Grocer"),
                           ledger::CheckOrPayment);
    ledger::SetClearMark(3, ledger::ClearMark::Cleared);
    ASSERT_TRUE(ledger::SetCategory(3, {QStringLiteral("Food:Groceries"), {}}));
    ASSERT_TRUE(ledger::SaveLedger());
    ASSERT_TRUE(QFile::remove(ledgerPath) && QFile::rename(ledgerPath + ".bak", ledgerPath));
    const QString companion = ledgerPath + ".db";
    Result r = Cli({QStringLiteral("check"), ledgerPath});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(
        r.out.contains(QStringLiteral("%1: note: written with another version of %2; 1 of its cleared marks, 0 of "
                                      "its bank transaction ids, 0 of its checks' memos or addresses and 1 of its "
                                      "transactions' categories match no record and would be dropped\n")
                           .arg(companion, ledgerPath)))
        << r.out.toStdString();
    ASSERT_TRUE(QFile::resize(companion, 50));
    r = Cli({QStringLiteral("check"), ledgerPath});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("%1: note: cannot be used: it is not a file of cleared marks written by "
                                              "Tallix; Tallix opens the ledger without its cleared marks")
                                   .arg(companion)))
        << r.out.toStdString();

    // An import would save the ledger without them: it is refused before anything is written.
    QFile statement(dir.filePath(QStringLiteral("bank.qif")));
    ASSERT_TRUE(statement.open(QIODevice::WriteOnly) && statement.write("!Type:Bank\nD5/9/2024\nT-4.00\nPShop\n^\n"));
    statement.close();
    const QByteArray before = ReadAll(ledgerPath);
    r = Cli({QStringLiteral("import"), ledgerPath, statement.fileName()});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("not imported: %1 cannot be used (it is not a file").arg(companion)))
        << r.err.toStdString();
    EXPECT_EQ(ReadAll(ledgerPath), before);
    EXPECT_EQ(ReadAll(companion).size(), 50);
}

// -o never writes over the ledger being read or any other ledger, whatever name it goes by, nor over a folder:
// usage error, nothing written. A file that cannot be read to tell (reading /proc/self/mem at 0 fails with EIO)
// is not written either, and that is a failure.
TEST_F(CliProcess, ExportRefusesToWriteOverLedgersAndFolders) {
    const QByteArray ledgerBytes = ReadAll(ledgerPath);
    const QDir folder(dir.path());
    ASSERT_TRUE(QFile::link(ledgerPath, folder.filePath("link.tlx")));
    ASSERT_EQ(::link(QFile::encodeName(ledgerPath).constData(), QFile::encodeName(folder.filePath("hard")).constData()),
              0);
    ASSERT_TRUE(QFile::copy(ledgerPath, folder.filePath("other.csv")));
    ASSERT_TRUE(folder.mkdir("sub"));
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    const struct {
        QString output, reason;
        int status = 2;
    } cases[] = {
        {ledgerPath, "it is the file being exported"},
        {folder.filePath("sub/../book.tlx"), "it is the file being exported"},
        {folder.filePath("link.tlx"), "it is the file being exported"},
        {folder.filePath("hard"), "it is the file being exported"},
        {folder.filePath("other.csv"), "it is a Tallix ledger"},
        {folder.filePath("sub"), "it is a folder"},
        {"/proc/self/mem", "it cannot be read to see whether it is a ledger", 1},
    };
    for (const auto& c : cases) {
        const Result r = Cli({"export", ledgerPath, "--format", "csv", "-o", c.output});
        EXPECT_EQ(r.status, c.status) << c.output.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err, QStringLiteral("tallix-cli: will not write %1: %2\n").arg(c.output, c.reason));
    }
    EXPECT_EQ(ReadAll(ledgerPath), ledgerBytes);
    EXPECT_EQ(ReadAll(folder.filePath("other.csv")), ledgerBytes);
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System), entries);
}

// Pipes and devices are written as streams and stay what they are; files are replaced whole, links kept.
TEST_F(CliProcess, ExportWritesStreamsIntoPipesAndDevicesAndReplacesFiles) {
    const QDir folder(dir.path());
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("pipe")).constData(), 0600), 0);
    QFile old(folder.filePath("old.csv"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x')); // longer than the export: a file written in place would keep a tail
    old.close();
    ASSERT_TRUE(QFile::link(old.fileName(), folder.filePath("link.csv")));
    const QByteArray csv = Cli({"export", ledgerPath, "--format", "csv"}).out.toUtf8();
    ASSERT_TRUE(csv.startsWith("Date,"));
    const struct {
        QString output;
        int status;
        mode_t type; // of the output afterwards
    } cases[] = {
        {folder.filePath("new.csv"), 0, S_IFREG},
        {old.fileName(), 0, S_IFREG},
        {folder.filePath("link.csv"), 0, S_IFLNK},
        {folder.filePath("pipe"), 0, S_IFIFO},
        {"/dev/null", 0, S_IFCHR},
        {"/dev/full", 1, S_IFCHR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output.toStdString());
        QProcess reader;
        if (c.type == S_IFIFO)
            reader.start("cat", {c.output});
        const Result r = Cli({"export", ledgerPath, "--format", "csv", "-o", c.output});
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err.startsWith(QStringLiteral("tallix-cli: cannot write %1: ").arg(c.output)), c.status == 1);
        if (c.type == S_IFIFO) {
            ASSERT_TRUE(reader.waitForFinished(30000));
            EXPECT_EQ(reader.readAllStandardOutput(), csv);
        } else if (c.type != S_IFCHR) {
            EXPECT_EQ(ReadAll(c.output), csv);
        }
        struct stat st {};
        ASSERT_EQ(::lstat(QFile::encodeName(c.output).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & S_IFMT, c.type);
    }
    EXPECT_EQ(Cli({"export", ledgerPath, "--format", "csv", "-o", "-"}).out.toUtf8(), csv);
}

TEST_F(CliProcess, AFailedWriteOfTheOutputFails) {
    const QStringList commands[] = {
        {"print", ledgerPath}, {"check", ledgerPath}, {"export", ledgerPath, "--format", "csv"}};
    for (const QStringList& command : commands) {
        for (const char* redirect : {"> /dev/full", ">&-"}) {
            const Result r = RunProgram(QStringLiteral("/bin/sh"),
                                        QStringList{"-c", QStringLiteral("exec \"$0\" \"$@\" %1").arg(redirect),
                                                    QStringLiteral(TALLIX_CLI_PATH)} +
                                            command);
            EXPECT_EQ(r.status, 1) << command.first().toStdString() << " " << redirect;
            EXPECT_TRUE(r.err.contains(QStringLiteral("cannot write"))) << r.err.toStdString();
        }
    }
}

// Qt's own options are left to Qt; what remains is the program's.
TEST_F(CliProcess, TallixTakesQtOptionsAndRefusesUnknownOnesWithUsage) {
    for (const QStringList& args : {QStringList{"--bogus"}, QStringList{"a.tlx", "b.tlx"}, QStringList{"-x"},
                                    QStringList{"-style", "Fusion", "a.tlx", "b.tlx"}, QStringList{"--demo", "-style"},
                                    QStringList{"--", "-reverse", "a.tlx"}}) {
        const Result r = RunProgram(QStringLiteral(TALLIX_PATH), args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage: tallix"))) << r.err.toStdString();
    }
    for (const QStringList& args : {QStringList{"-style", "Fusion", "--version"},
                                    QStringList{"-platform", "xcb", "--style=Fusion", "-reverse", "-v"},
                                    QStringList{"--version", "-qwindowtitle", "Checks", "-widgetcount"}}) {
        const Result r = RunProgram(QStringLiteral(TALLIX_PATH), args);
        EXPECT_EQ(r.status, 0) << args.join(' ').toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("tallix "))) << r.out.toStdString();
    }
}

TEST_F(CliProcess, CheckReadsOnlyRegularFilesAndNoMoreThanALedgerHolds) {
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("mkfifo"), {fifo}), 0);
    for (const QString& path : {QStringLiteral("/dev/zero"), fifo}) {
        const Result r = Cli({QStringLiteral("check"), path});
        EXPECT_EQ(r.status, 1) << path.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("not a regular file"))) << r.err.toStdString();
    }
    // A sound ledger followed by a hole of 2 GiB: the check reads what a ledger can hold and says the rest is
    // there.
    QFile sparse(ledgerPath);
    ASSERT_TRUE(sparse.open(QIODevice::ReadWrite));
    ASSERT_TRUE(sparse.resize(qint64(2) << 30));
    sparse.close();
    const Result r = Cli({QStringLiteral("check"), ledgerPath});
    EXPECT_TRUE(r.out.contains(QStringLiteral("the rest is not read"))) << r.out.toStdString();
}

// The columns given for a CSV are remembered only by an import that added lines with them.
TEST_F(CliProcess, ImportAddsAStatementOnceWritesOnlyWhenItMayAndThenRemembersItsColumns) {
    const QString csv = dir.filePath(QStringLiteral("bank.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Date,Payee,Amount,Check\n5/1/2024,FLORIST ON MAIN,-12.50,7\n5/3/2024,Garage,-20.00,10\n");
    file.close();
    const QStringList columns = {"--date-col", "1", "--payee-col", "2", "--amount-col", "3", "--check-col", "4"};
    const QByteArray before = ReadAll(ledgerPath);
    const struct {
        QStringList args;
        int status;
        const char* out; // in standard output, or standard error when the status is 1
        bool changes;
    } steps[] = {
        {QStringList{"import", ledgerPath, csv, "--dry-run"} + columns, 0,
         "Dates read month first, as the locale writes dates: no date in the statement tells.\nline 2  5/1/2024  "
         "-12.50  FLORIST ON MAIN  matches 5/1/2024 Florist 12.50: marks it cleared\n"
         "line 3  5/3/2024  -20.00  Garage  added as Check 10\n"
         "1 added, 1 marked cleared, 0 skipped, 0 refused (dry run: nothing written)",
         false},
        {{"import", ledgerPath, csv},
         1,
         "no column mapping is known for the header line: Date,Payee,Amount,Check",
         false},
        {QStringList{"import", ledgerPath, csv} + columns, 1, "is open in Tallix (", false}, // the test holds the lock
        {QStringList{"import", ledgerPath, csv} + columns, 0,
         "line 2  5/1/2024  -12.50  FLORIST ON MAIN  matches 5/1/2024 Florist 12.50: marks it cleared", true},
        {{"import", ledgerPath, csv}, 0, "0 added, 0 marked cleared, 2 skipped, 0 refused", false},
        {{"balance", ledgerPath, "--date", "2024-05-02"}, 0, "34.50\n", false},
        {{"balance", ledgerPath, "--date", "5/3/2024"}, 0, "14.50\n", false},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        const QByteArray old = ReadAll(ledgerPath);
        QLockFile lock(ledgerPath + QStringLiteral(".lock"));
        if (i == 2) {
            ASSERT_TRUE(lock.tryLock(0));
        }
        const Result r = Cli(steps[i].args);
        EXPECT_EQ(r.status, steps[i].status) << r.err.toStdString();
        EXPECT_TRUE((r.status == 1 ? r.err : r.out).contains(QLatin1String(steps[i].out)))
            << r.out.toStdString() << r.err.toStdString();
        EXPECT_EQ(ReadAll(ledgerPath) != old, steps[i].changes);
        lock.unlock();
        EXPECT_FALSE(QFile::exists(ledgerPath + QStringLiteral(".lock"))) << "left behind by tallix-cli";
    }
    EXPECT_EQ(ReadAll(ledgerPath + QStringLiteral(".bak")), before);
}

// A CSV without a header row, its debits and credits told by a column of words: the header option decides what
// the first row is. A line's category is said after what it is added as.
TEST_F(CliProcess, ImportTakesAHeaderlessCsvWithADirectionColumn) {
    const QString csv = dir.filePath(QStringLiteral("noheader.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("05/13/2024;12,50;D;Florist;Main St;Gifts\n05/14/2024;20,00;C;Refund;;\n");
    file.close();
    const QStringList columns = {
        "import",          ledgerPath, csv,           "--dry-run", "--date-col",     "1", "--amount-col", "2",
        "--direction-col", "3",        "--payee-col", "4,5",       "--category-col", "6"};
    const struct {
        QString header;
        int status;
        const char* out;
    } cases[] = {
        {"no", 0,
         "Dates read month first (05/13/2024 has no month 13).\n"
         "line 1  5/13/2024  -12.50  Florist Main St  added as Payment, Gifts\n"
         "line 2  5/14/2024  20.00  Refund  added as Deposit\n2 added"},
        {"yes", 0, "Dates read month first (05/14/2024 has no month 14).\nline 2  5/14/2024  20.00  Refund"},
        {"maybe", 2, "--header takes yes or no"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header.toStdString());
        const Result r = Cli(columns + QStringList{"--header", c.header});
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_TRUE((r.status ? r.err : r.out).contains(QLatin1String(c.out))) << r.out.toStdString();
    }
}

namespace {
// A QIF statement of `count` lines whose payees start with `payee`.
QString WriteStatement(const QTemporaryDir& dir, const QString& payee, int count) {
    const QString path = dir.filePath(payee + QStringLiteral(".qif"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("!Type:Bank\n");
    for (int i = 0; i < count; ++i)
        file.write(QStringLiteral("D6/%1/2024\nT-%2.%3\nP%4 %5\n^\n")
                       .arg(1 + i % 28)
                       .arg(1 + i)
                       .arg(i % 100, 2, 10, QLatin1Char('0'))
                       .arg(payee)
                       .arg(i)
                       .toUtf8());
    return path;
}
} // namespace

// Two imports into one ledger at once: each adds its whole statement or is refused; none is lost.
TEST_F(CliProcess, ConcurrentImportsNeverLoseAStatement) {
    constexpr int Lines = 1500;
    const QString statements[2] = {WriteStatement(dir, QStringLiteral("north"), Lines),
                                   WriteStatement(dir, QStringLiteral("south"), Lines)};
    const QByteArray fresh = ReadAll(ledgerPath);
    int refused = 0;
    for (int round = 0; round < 5; ++round) {
        QFile reset(ledgerPath);
        ASSERT_TRUE(reset.open(QIODevice::WriteOnly | QIODevice::Truncate));
        reset.write(fresh);
        reset.close();
        QProcess imports[2];
        for (int i = 0; i < 2; ++i)
            imports[i].start(QStringLiteral(TALLIX_CLI_PATH), {"import", ledgerPath, statements[i]});
        int added = 0;
        for (QProcess& import : imports) {
            ASSERT_TRUE(import.waitForFinished(60000));
            const int status = import.exitCode();
            ASSERT_TRUE(status == 0 || status == 1);
            if (status == 1) {
                ++refused;
                EXPECT_TRUE(import.readAllStandardError().contains("is being changed by another tallix-cli"));
            }
            added += status == 0 ? Lines : 0;
        }
        EXPECT_GE(added, Lines);
        EXPECT_EQ(ReadAll(ledgerPath).size(), (3 + added) * 64) << "round " << round;
    }
    std::printf("%d of 10 imports were refused while the other ran\n", refused);
}

// The real window holds its ledger: an import from the terminal is refused until the window is gone.
TEST_F(CliProcess, ImportIsRefusedWhileTheWindowHasTheLedgerOpen) {
    Registry settings;
    ASSERT_TRUE(settings.RegCreate(QStringLiteral("Software\\Morvane Freeware\\Tallix\\Settings"), QString(),
                                   Registry::HKEY_CURRENT_USER));
    settings.RegClose();
    QProcess window;
    window.start(QStringLiteral(TALLIX_PATH), {ledgerPath});
    QLockFile probe(ledgerPath + QStringLiteral(".lock"));
    for (int i = 0; i < 200 && probe.tryLock(0); ++i) {
        probe.unlock();
        QThread::msleep(50);
    }
    const QString statement = WriteStatement(dir, QStringLiteral("bank"), 2);
    const QByteArray before = ReadAll(ledgerPath);
    Result r = Cli({QStringLiteral("import"), ledgerPath, statement});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("is open in Tallix (")) &&
                r.err.contains(QStringLiteral("File > Import")))
        << r.err.toStdString();
    EXPECT_EQ(ReadAll(ledgerPath), before);
    EXPECT_EQ(Cli({QStringLiteral("print"), ledgerPath}).status, 0);

    window.kill();
    window.waitForFinished();
    r = Cli({QStringLiteral("import"), ledgerPath, statement});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(ReadAll(ledgerPath).size(), 5 * 64);
}

// Unsaved changes that a crashed window left would undo the import, or it them: the user recovers or discards them
// in Tallix first. In a folder where no lock can be made the import says why. Nothing changes either way.
TEST_F(CliProcess, ImportRefusesALedgerWithUnsavedChangesOrWithoutALock) {
    const QString statement = WriteStatement(dir, QStringLiteral("bank"), 2);
    const QByteArray before = ReadAll(ledgerPath);
    const QString journal = ledger::JournalPathFor(ledgerPath);
    ledger::SetRecoveryJournal(true);
    ledger::AddTransaction(0, 45000, 1, QStringLiteral("Typed"), ledger::Deposit);
    const QByteArray crashed = ReadAll(journal);
    ledger::NewLedger();
    ledger::SetRecoveryJournal(false);
    QFile left(journal);
    ASSERT_TRUE(left.open(QIODevice::WriteOnly) && left.write(crashed) == crashed.size());
    left.close();
    const Result r = Cli({QStringLiteral("import"), ledgerPath, statement});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(
        QStringLiteral(": 1 unsaved change from %1 wait in the recovery journal %2; open the "
                       "ledger in Tallix to recover or discard them, then import")
            .arg(platform::FormatShortDateTime(ledger::PeekRecovery(ledgerPath).pending.lastChange), journal)))
        << r.err.toStdString();
    EXPECT_EQ(Cli({QStringLiteral("import"), ledgerPath, statement, QStringLiteral("--dry-run")}).status, 0);
    QFile::remove(journal);

    // Root writes anywhere: this import runs without that right, as a user's would.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    QProcess cli;
    cli.setChildProcessModifier([] {
        if (::geteuid() == 0 && ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) != 0)
            ::_exit(77);
    });
    cli.start(QStringLiteral(TALLIX_CLI_PATH), {QStringLiteral("import"), ledgerPath, statement});
    ASSERT_TRUE(cli.waitForFinished(30000));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    if (cli.exitCode() == 77)
        GTEST_SKIP() << "root that cannot give up writing anywhere";
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_TRUE(cli.readAllStandardError().contains(
        QStringLiteral("no lock file can be made in %1 (Permission denied)").arg(dir.path()).toUtf8()));
    EXPECT_EQ(ReadAll(ledgerPath), before);
}

TEST_F(CliProcess, ImportOfSeveralAccountsNeedsOneChosenAndEchoesNoControlCharacter) {
    const QString qif = dir.filePath(QStringLiteral("two\x1b[2Jaccounts.qif"));
    QFile file(qif);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("!Account\nNChecking\nTBank\n^\n!Type:Bank\nD5/1/2024\nT-1.00\nPEvil\x1b]0;pwned\x07\x1b[2J\n^\n"
               "!Account\nNSavings\nTBank\n^\n!Type:Bank\nD5/2/2024\nT2.00\nPInterest\n^\nD5/2/2024\nT2.00\n^\n");
    file.close();
    const struct {
        QStringList args;
        int status;
        const char* text; // in standard output, or standard error when the status is 1
    } steps[] = {
        {{"import", ledgerPath, qif},
         1,
         "two\\x1b[2Jaccounts.qif: it holds 2 accounts; choose one with --account ID:\n"
         "  Checking  1 transaction\n  Savings  2 transactions\n"},
        {{"import", ledgerPath, qif, "--account", "Loan"}, 1, "no account Loan; it holds 2 accounts"},
        {{"import", ledgerPath, qif, "--account", "Checking", "--dry-run"},
         0,
         "line 6  5/1/2024  -1.00  Evil ]0;pwned [2J  added as Payment"},
        {{"import", ledgerPath, qif, "--account", "Savings"}, 0, "2 added, 0 marked cleared, 0 skipped, 0 refused"},
    };
    for (const auto& step : steps) {
        const Result r = Cli(step.args);
        EXPECT_EQ(r.status, step.status) << r.err.toStdString();
        EXPECT_TRUE((r.status == 1 ? r.err : r.out).contains(QLatin1String(step.text)))
            << r.out.toStdString() << r.err.toStdString();
        EXPECT_FALSE((r.out + r.err).contains(QChar(0x1b)));
    }
}

// The bank's refusal is the import's; an account the statement names without transactions imports nothing, and
// says so.
TEST_F(CliProcess, ImportTellsTheBanksErrorAndAnAccountWithoutTransactions) {
    const QString error = dir.filePath(QStringLiteral("error.ofx")), ofx = dir.filePath(QStringLiteral("june.ofx"));
    for (const auto& [path, data] :
         {std::pair(error,
                    "<OFX><SONRS><STATUS><CODE>15500<SEVERITY>ERROR<MESSAGE>Signon invalid</STATUS></SONRS></OFX>"),
          std::pair(ofx, "<OFX><STMTRS><BANKACCTFROM><ACCTID>9100</BANKACCTFROM><STMTTRN><DTPOSTED>20240605<TRNAMT>-1"
                         "</STMTTRN></STMTRS><STMTRS><BANKACCTFROM><ACCTID>9200</BANKACCTFROM></STMTRS></OFX>")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(data) > 0);
    }
    const Result refused = Cli({QStringLiteral("import"), ledgerPath, error});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.endsWith(
        QStringLiteral("error.ofx: the bank answered with error 15500: Signon invalid; the file holds no statement\n")))
        << refused.err.toStdString();
    const Result none =
        Cli({QStringLiteral("import"), ledgerPath, ofx, QStringLiteral("--account"), QStringLiteral("9200")});
    EXPECT_EQ(none.status, 0) << none.err.toStdString();
    EXPECT_TRUE(none.out.endsWith(QStringLiteral("Account 9200 has no transactions in this statement.\n"
                                                 "0 added, 0 marked cleared, 0 skipped, 0 refused\n")))
        << none.out.toStdString();
}

TEST_F(CliProcess, ImportSavesWhenItsOutputIsCutShortAndTellsRefusedLinesApart) {
    const QString qif = dir.filePath(QStringLiteral("long.qif"));
    QFile file(qif);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("!Type:Bank\nD5/3/2024\nT-200000.01\nPNot to the cent\n^\nD5/3/2024\nT-0.005\nPRounding\n^\n");
    for (int i = 0; i < 3000; ++i) // more output than a pipe holds
        file.write(QStringLiteral("D5/4/2024\nT-1.00\nPShop %1\n^\n").arg(i).toUtf8());
    file.close();
    const Result cut = RunProgram(QStringLiteral("sh"),
                                  {QStringLiteral("-c"), QStringLiteral("\"$0\" import \"$1\" \"$2\" | head -c 1"),
                                   QStringLiteral(TALLIX_CLI_PATH), ledgerPath, qif});
    EXPECT_EQ(cut.out, QStringLiteral("D")); // "Dates read month first ..."
    const Result again = Cli({QStringLiteral("import"), ledgerPath, qif});
    EXPECT_EQ(again.status, 3); // the lines of 200,000.01 and 0.005 are refused again; the others were saved
    EXPECT_TRUE(again.out.endsWith(QStringLiteral("0 added, 0 marked cleared, 3000 skipped, 2 refused\n")))
        << again.out.right(80).toStdString();
}

// Low is what the window shows in red: below zero, or below the balance set to warn below. 34.50 today, 14.50 after
// the second payment.
TEST_F(CliProcess, ForecastExitsThreeBelowTheBalanceSetToWarnBelow) {
    ASSERT_TRUE(ledger::SetSchedules({{.description = "Gym",
                                       .amountCents = 1000,
                                       .rule = {.unit = ledger::RepeatUnit::Weeks, .start = platform::Today() + 1}}}));
    ASSERT_TRUE(ledger::SaveLedger());
    for (const auto& [cushionCents, status] : {std::pair<int64_t, int>{0, 0}, {1450, 0}, {1451, 3}, {9999, 3}}) {
        ASSERT_TRUE(settings::WriteForecastSettings({platform::DefaultHorizonDays, cushionCents}));
        const Result r = Cli({QStringLiteral("forecast"), ledgerPath, QStringLiteral("--days"), QStringLiteral("10")});
        EXPECT_EQ(r.status, status) << cushionCents << r.err.toStdString();
    }
    ASSERT_TRUE(settings::WriteForecastSettings({}));
}

// The look ahead from today: an overdue refund first, then a weekly payment; below zero within 30 days, not in 10.
TEST_F(CliProcess, ForecastListsWhatIsDueAndExitsThreeBelowZero) {
    const double today = platform::Today();
    using ledger::RepeatUnit;
    const ledger::Schedule refund{.typeCode = ledger::Deposit,
                                  .description = "Refund",
                                  .amountCents = 500,
                                  .rule = {.unit = RepeatUnit::Days, .start = today - 2, .count = 1}};
    const ledger::Schedule gym{
        .description = "Gym", .amountCents = 1000, .rule = {.unit = RepeatUnit::Weeks, .start = today + 1}};
    ASSERT_TRUE(ledger::SetSchedules({gym, refund}));
    ASSERT_TRUE(ledger::SaveLedger());
    const auto date = [today](int days) { return platform::FormatShortDate(today + days); };
    const QString lines = QStringLiteral("  %1  Deposit  Refund  5.00  39.50  due\n"
                                         "  %2  Payment  Gym  -10.00  29.50\n"
                                         "  %3  Payment  Gym  -10.00  19.50\n")
                              .arg(date(-2), date(1), date(8));
    const Result ten = Cli({QStringLiteral("forecast"), ledgerPath, QStringLiteral("--days"), QStringLiteral("10")});
    EXPECT_EQ(ten.status, 0) << ten.err.toStdString();
    EXPECT_EQ(ten.out, lines + QStringLiteral("Today (%1): 34.50  Lowest: 19.50 on %2\n").arg(date(0), date(8)));
    const Result month = Cli({QStringLiteral("forecast"), ledgerPath});
    EXPECT_EQ(month.status, 3) << month.err.toStdString();
    EXPECT_TRUE(month.out.startsWith(lines));
    EXPECT_TRUE(month.out.endsWith(QStringLiteral("  %1  Payment  Gym  -10.00  -10.50\n"
                                                  "Today (%2): 34.50  Lowest: -10.50 on %1\n")
                                       .arg(date(29), date(0))))
        << month.out.toStdString();
    // Never entered since 1990: only the last MaxOverdueDays days of it are listed, and the line before the last
    // says so.
    ASSERT_TRUE(ledger::SetSchedules(
        {{.description = "Paper", .amountCents = 100, .rule = {.unit = RepeatUnit::Days, .start = today - 12000}}}));
    ASSERT_TRUE(ledger::SaveLedger());
    const QStringList old =
        Cli({QStringLiteral("forecast"), ledgerPath, QStringLiteral("--days"), QStringLiteral("1")}).out.split('\n');
    ASSERT_EQ(old.size(), MaxOverdueDays + 5); // the overdue days, today, tomorrow, the two lines and the last end
    EXPECT_EQ(old[MaxOverdueDays + 2], QStringLiteral("Overdue scheduled transactions before %1 are left out: edit "
                                                      "the schedules that start before then.")
                                           .arg(date(-MaxOverdueDays)));
}
