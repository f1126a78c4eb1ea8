// tallix-cli as a user runs it: exit statuses, standard output and standard error.
#include "Version.h"
#include "ledger/Ledger.h"
#include "platform/Locale.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {
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
    EXPECT_EQ(version.out, QStringLiteral("tallix-cli ") + QLatin1String(TallixVersion) + QStringLiteral("\n"));
}

TEST_F(CliProcess, UsageErrorsExitWithTwoOnStandardError) {
    for (const QStringList& args :
         {QStringList{}, QStringList{"frobnicate", ledgerPath}, QStringList{"print"}, QStringList{"export", ledgerPath},
          QStringList{"export", ledgerPath, "--format", "xls"}, QStringList{"check", ledgerPath, ledgerPath}}) {
        const Result r = Cli(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage:")));
    }
}

TEST_F(CliProcess, PrintShowsTheRegister) {
    const Result r = Cli({QStringLiteral("print"), ledgerPath});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Next check number:  10")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("Florist")));
    EXPECT_TRUE(r.out.trimmed().endsWith(QStringLiteral("34.50")));
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

TEST_F(CliProcess, ExportWritesTheOutputFile) {
    const QString out = dir.filePath(QStringLiteral("book.qif"));
    const Result r = Cli({QStringLiteral("export"), ledgerPath, QStringLiteral("--format"), QStringLiteral("qif"),
                          QStringLiteral("-o"), out});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("!Type:Bank\n"));
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

TEST_F(CliProcess, TallixRefusesUnknownOptionsWithUsage) {
    for (const QStringList& args : {QStringList{"--bogus"}, QStringList{"a.tlx", "b.tlx"}, QStringList{"-x"}}) {
        const Result r = RunProgram(QStringLiteral(TALLIX_PATH), args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage: tallix"))) << r.err.toStdString();
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
    // A sound ledger followed by a hole of 2 GiB: the check reads what a ledger can hold and says the rest is there.
    QFile sparse(ledgerPath);
    ASSERT_TRUE(sparse.open(QIODevice::ReadWrite));
    ASSERT_TRUE(sparse.resize(qint64(2) << 30));
    sparse.close();
    const Result r = Cli({QStringLiteral("check"), ledgerPath});
    EXPECT_TRUE(r.out.contains(QStringLiteral("the rest is not read"))) << r.out.toStdString();
}
