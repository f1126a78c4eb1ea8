#include "storage/LedgerFile.h"
#include "LedgerTestSupport.h"
#include "storage/LedgerHold.h"
#include "storage/SafeFile.h"
#include "support/FailingDisk.h"
#include "support/PromptScript.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ledger;
using namespace tallix::test;
using platform::Answer;

namespace {

const QString UnknownFileType = QStringLiteral("Unknown file type");
const QString ErrorOpeningFile = QStringLiteral("Error opening file");
QString UnableToSave(const QString& path, int errorNumber = 0) {
    return QStringLiteral("Unable to save file:\r") + path +
           (errorNumber ? QLatin1Char('\r') + qt_error_string(errorNumber) : QString());
}

class LedgerFileTest : public LedgerTest {
protected:
    // Saves the sample ledger as `name` and returns its bytes.
    QByteArray SaveSample(const QString& name) {
        BuildMixedLedger();
        SetDataFileName(PathOf(name));
        EXPECT_TRUE(SaveLedger());
        return ReadBytes(PathOf(name));
    }
};

// ---- Loading ------------------------------------------------------------------------------------------------

TEST_F(LedgerFileTest, LoadKeepsFileNameModifiedRecordsLockedAndCursor) {
    const QByteArray bytes = SaveSample(QStringLiteral("a.tlx"));
    NewLedger();
    AddTransaction(5, 1, 1, QStringLiteral("pending"), CheckOrPayment);
    SetRecordsLocked(true);
    TransactionRecord record;
    FirstTransaction(record);
    SetDataFileName(PathOf("a.tlx"));
    ASSERT_TRUE(LoadLedger());
    EXPECT_TRUE(IsModified()) << "a successful load leaves Modified as it was";
    EXPECT_TRUE(AreRecordsLocked());
    EXPECT_EQ(State().Cursor, 2);
    EXPECT_EQ(GetDataFileName(), PathOf("a.tlx"));
    EXPECT_EQ(GetTransactionCount(), 7);

    State().Modified = false;
    ASSERT_TRUE(LoadLedger());
    EXPECT_FALSE(IsModified());
}

TEST_F(LedgerFileTest, SavedDeletionsLeaveNoGapsAfterLoading) {
    AddTransaction(1, 1, 1, QStringLiteral("one"), CheckOrPayment);
    AddTransaction(2, 2, 2, QStringLiteral("two"), CheckOrPayment);
    AddTransaction(3, 3, 3, QStringLiteral("three"), CheckOrPayment);
    DeleteTransaction(2);
    SetDataFileName(PathOf("d.tlx"));
    ASSERT_TRUE(SaveLedger());
    EXPECT_EQ(ReadBytes(PathOf("d.tlx")).size(), 192);
    ASSERT_TRUE(LoadLedger());
    EXPECT_EQ(GetTransactionCount(), 3);
    EXPECT_EQ(State().NextSlot, 3);
    EXPECT_EQ(State().Records[1].CheckNumber, 1);
    EXPECT_EQ(State().Records[2].CheckNumber, 3);
}

QByteArray GoodRecord() {
    return RawRecord(3, 0, 40000, 10, "Salary", 0);
}

std::vector<NamedFile> BadFiles() {
    std::vector<NamedFile> files = {
        {"empty", QByteArray()},
        {"shorter than a header", RawHeader(1, 0, 0, 0).left(63)},
        {"lower-case header", RawHeader(1, 0, 0, 0, "check data header")},
        {"header text with more words", RawHeader(1, 0, 0, 0, "CHECK DATA HEADER 2")},
        {"tab before the header text", RawHeader(1, 0, 0, 0, "\tCHECK DATA HEADER")},
        {"count zero", RawHeader(0, 0, 0, 0)},
        {"count negative", RawHeader(-32768, 0, 0, 0)},
        {"fewer records than counted", RawHeader(3, 0, 0, 0) + GoodRecord()},
        {"last record cut short", RawHeader(2, 0, 0, 0) + GoodRecord().left(40)},
        {"deleted record in the file", RawHeader(2, 0, 0, 0) + RawRecord(-1, 0, 1, 1, "x", 0)},
        {"type code 5", RawHeader(3, 0, 0, 0) + GoodRecord() + RawRecord(5, 0, 1, 1, "x", 0)},
    };
    for (NamedFile& file : OutOfRangeFiles())
        files.push_back(std::move(file));
    return files;
}

TEST_F(LedgerFileTest, BadFilesAreRefusedAndLeaveTheLedgerAsItWas) {
    for (bool modified : {true, false}) {
        for (const NamedFile& bad : BadFiles()) {
            SCOPED_TRACE(std::string(bad.name) + (modified ? ", modified" : ", unmodified"));
            NewLedger();
            BuildMixedLedger();
            State().Modified = modified;
            TransactionRecord record;
            FirstTransaction(record);
            NextTransaction(record);
            const QString path = PathOf(QStringLiteral("bad.tlx"));
            WriteBytes(path, bad.bytes);
            SetDataFileName(path);
            const StateSnapshot before = TakeSnapshot();
            PromptScript script;
            script.ExpectMessage(UnknownFileType, Answer::Ok, path);
            EXPECT_FALSE(LoadLedger());
            EXPECT_TRUE(TakeSnapshot() == before);
        }
    }
}

// Values the program itself can write load, and are saved again exactly as they were.
TEST_F(LedgerFileTest, OddValuesTheProgramCanWriteLoadAndSaveUnchanged) {
    for (const NamedFile& file : InRangeFiles()) {
        SCOPED_TRACE(file.name);
        const QString path = PathOf(QStringLiteral("odd.tlx"));
        WriteBytes(path, file.bytes);
        NewLedger();
        SetDataFileName(path);
        ASSERT_TRUE(LoadLedger());
        SetModified();
        ASSERT_TRUE(SaveLedger());
        EXPECT_EQ(ReadBytes(path), file.bytes);
    }
}

TEST_F(LedgerFileTest, FoldersAndPipesAreNotLedgers) {
    BuildMixedLedger();
    const StateSnapshot before = TakeSnapshot();
    QDir(dir.path()).mkdir(QStringLiteral("folder.tlx"));
    const QString fifo = PathOf("pipe.tlx");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {PathOf("folder.tlx"), fifo}) {
        SetDataFileName(path);
        PromptScript script;
        script.ExpectMessage(UnknownFileType, Answer::Ok, path);
        EXPECT_FALSE(LoadLedger()) << path.toStdString();
        SetDataFileName(before.dataFileName);
        EXPECT_TRUE(TakeSnapshot() == before);
    }
}

TEST_F(LedgerFileTest, MissingOrUnreadableFilesGiveErrorOpeningFile) {
    BuildMixedLedger();
    const StateSnapshot before = TakeSnapshot();
    const QString missing = PathOf("missing.tlx");
    const QString dangling = PathOf("dangling.tlx");
    QFile::link(PathOf("nowhere.tlx"), dangling);
    for (const QString& path : {QString(), missing, dangling}) {
        SetDataFileName(path);
        PromptScript script;
        script.ExpectMessage(ErrorOpeningFile, Answer::Ok, path);
        EXPECT_FALSE(LoadLedger());
        SetDataFileName(before.dataFileName);
        EXPECT_TRUE(TakeSnapshot() == before);
    }
}

TEST_F(LedgerFileTest, FileExistsFindsFilesFoldersAndPatterns) {
    WriteBytes(PathOf("one.tlx"), "x");
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_TRUE(FileExists(PathOf("one.tlx")));
    EXPECT_TRUE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(PathOf("two.tlx")));
    EXPECT_TRUE(FileExists(PathOf("*.tlx")));
    EXPECT_TRUE(FileExists(PathOf("o?e.tlx")));
    EXPECT_FALSE(FileExists(PathOf("*.txt")));
}

// ---- Saving -------------------------------------------------------------------------------------------------

TEST_F(LedgerFileTest, SettingsOnlyLedgerSavesJustTheHeader) {
    SetStartingBalance(50);
    SetNextCheckNumber(1001);
    SetModified();
    SetDataFileName(PathOf("h.tlx"));
    ASSERT_TRUE(SaveLedger());
    EXPECT_EQ(ReadBytes(PathOf("h.tlx")), RawHeader(1, 1001, 0, 50));
    EXPECT_FALSE(IsModified());
}

TEST_F(LedgerFileTest, UnchangedLedgerWritesNothing) {
    SaveSample(QStringLiteral("s.tlx"));
    QFile::remove(PathOf("s.tlx"));
    EXPECT_TRUE(SaveLedger());
    EXPECT_FALSE(QFile::exists(PathOf("s.tlx")));
}

TEST_F(LedgerFileTest, SavingOverALongerFileLeavesNoOldTail) {
    for (int i = 0; i < 10; ++i)
        AddTransaction(0, 1, 1, QStringLiteral("old"), Deposit);
    SetDataFileName(PathOf("t.tlx"));
    ASSERT_TRUE(SaveLedger());
    ASSERT_EQ(ReadBytes(PathOf("t.tlx")).size(), 11 * 64);
    NewLedger();
    AddTransaction(1, 1, 1, QStringLiteral("new"), CheckOrPayment);
    AddTransaction(2, 1, 1, QStringLiteral("new"), CheckOrPayment);
    SetDataFileName(PathOf("t.tlx"));
    ASSERT_TRUE(SaveLedger());
    EXPECT_EQ(ReadBytes(PathOf("t.tlx")).size(), 3 * 64);
}

TEST_F(LedgerFileTest, PreviousVersionIsKeptAsBak) {
    const QByteArray first = SaveSample(QStringLiteral("b.tlx"));
    EXPECT_FALSE(QFile::exists(PathOf("b.tlx.bak"))) << "a new file has no previous version";
    AddTransaction(0, 1, 1, QStringLiteral("second"), Deposit);
    ASSERT_TRUE(SaveLedger());
    const QByteArray second = ReadBytes(PathOf("b.tlx"));
    EXPECT_EQ(ReadBytes(PathOf("b.tlx.bak")), first);
    AddTransaction(0, 1, 1, QStringLiteral("third"), Deposit);
    ASSERT_TRUE(SaveLedger());
    EXPECT_EQ(ReadBytes(PathOf("b.tlx.bak")), second);
    EXPECT_NE(ReadBytes(PathOf("b.tlx")), second);
    EXPECT_EQ(Entries(dir.path()), QStringList({"b.tlx", "b.tlx.bak"}));
}

TEST_F(LedgerFileTest, SaveFollowsASymlinkAndKeepsPermissions) {
    QDir(dir.path()).mkdir(QStringLiteral("real"));
    const QString target = PathOf("real/target.tlx");
    WriteBytes(target, RawHeader(1, 0, 0, 0));
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(target, PathOf("link.tlx")));

    const QByteArray expected = SaveSample(QStringLiteral("link.tlx"));
    EXPECT_TRUE(QFileInfo(PathOf("link.tlx")).isSymLink());
    EXPECT_EQ(ReadBytes(target), expected);
    EXPECT_EQ(ReadBytes(target + ".bak"), RawHeader(1, 0, 0, 0));
    EXPECT_EQ(QFileInfo(target).permissions() & 0x0FFF, QFileInfo(target + ".bak").permissions() & 0x0FFF);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Entries(dir.path()), QStringList({"link.tlx", "real"}));
    EXPECT_EQ(Entries(PathOf("real")), QStringList({"target.tlx", "target.tlx.bak"}));

    NewLedger();
    SetDataFileName(PathOf("link.tlx"));
    ASSERT_TRUE(LoadLedger());
    EXPECT_EQ(GetTransactionCount(), 7);
}

TEST_F(LedgerFileTest, DanglingRelativeSymlinkCreatesItsTarget) {
    ASSERT_EQ(::symlink("new-target.tlx", QFile::encodeName(PathOf("link.tlx")).constData()), 0);
    const QByteArray bytes = SaveSample(QStringLiteral("link.tlx"));
    EXPECT_TRUE(QFileInfo(PathOf("link.tlx")).isSymLink());
    EXPECT_EQ(ReadBytes(PathOf("new-target.tlx")), bytes);
}

TEST_F(LedgerFileTest, FileNamePromptDecidesAboutUnnamedLedgers) {
    AddTransaction(1, 1, 1, QStringLiteral("x"), CheckOrPayment);
    int asked = 0;
    SetFileNamePrompt([&](bool bOpen) {
        EXPECT_FALSE(bOpen);
        ++asked;
        return false;
    });
    EXPECT_FALSE(SaveLedger());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(IsModified());
    EXPECT_TRUE(Entries(dir.path()).isEmpty());

    SetFileNamePrompt([&](bool) {
        SetDataFileName(PathOf("chosen.tlx"));
        return true;
    });
    ASSERT_TRUE(SaveLedger());
    EXPECT_FALSE(IsModified());
    EXPECT_EQ(ReadBytes(PathOf("chosen.tlx")).size(), 128);

    // A name just chosen always names a file, even for an unchanged ledger; a named, unchanged one writes nothing.
    NewLedger();
    SetFileNamePrompt([&](bool) {
        SetDataFileName(PathOf("other.tlx"));
        return true;
    });
    EXPECT_TRUE(SaveLedger());
    EXPECT_EQ(GetDataFileName(), PathOf("other.tlx"));
    EXPECT_EQ(ReadBytes(PathOf("other.tlx")), RawHeader(1, 0, 0, 0));
    QFile::remove(PathOf("other.tlx"));
    EXPECT_TRUE(SaveLedger());
    EXPECT_FALSE(QFile::exists(PathOf("other.tlx")));
}

TEST_F(LedgerFileTest, UnnamedLedgerWithoutPromptIsNotSaved) {
    SetModified();
    EXPECT_FALSE(SaveLedger());
    EXPECT_TRUE(IsModified());
}

TEST_F(LedgerFileTest, FolderInTheWayFailsTheSaveCleanly) {
    QDir(dir.path()).mkpath(QStringLiteral("in-the-way.tlx/inner"));
    BuildMixedLedger();
    const QString path = PathOf("in-the-way.tlx");
    SetDataFileName(path);
    PromptScript script;
    script.ExpectMessage(UnableToSave(path, EISDIR));
    EXPECT_FALSE(SaveLedger());
    EXPECT_TRUE(IsModified());
    EXPECT_EQ(GetDataFileName(), path);
    EXPECT_EQ(Entries(dir.path()), QStringList({"in-the-way.tlx"}));
    EXPECT_EQ(Entries(path), QStringList({"inner"}));
}

TEST_F(LedgerFileTest, BackupThatCannotBeMadeFailsTheSaveAndKeepsTheFile) {
    const QByteArray old = SaveSample(QStringLiteral("f.tlx"));
    QDir(dir.path()).mkpath(QStringLiteral("f.tlx.bak/inner"));
    AddTransaction(0, 1, 1, QStringLiteral("more"), Deposit);
    PromptScript script;
    script.ExpectMessage(UnableToSave(PathOf("f.tlx"), EISDIR));
    EXPECT_FALSE(SaveLedger());
    EXPECT_TRUE(IsModified());
    EXPECT_EQ(ReadBytes(PathOf("f.tlx")), old);
    EXPECT_EQ(Entries(dir.path()), QStringList({"f.tlx", "f.tlx.bak"}));
}

// Each step of the replacement fails in turn as on a failing disk: the save is reported as failed with the
// system's reason, Modified stays true, no temporary file remains, and the old file is untouched unless the new
// one had already taken its name.
TEST_F(LedgerFileTest, FailingDiskIsNeverReportedAsSaved) {
    for (const FailingStep& failing : FailingSteps) {
        SCOPED_TRACE(failing.name);
        NewLedger();
        for (const QString& name : Entries(dir.path()))
            QFile::remove(PathOf(name));
        const QByteArray old = SaveSample(QStringLiteral("f.tlx"));
        AddTransaction(0, 40000, 1, QStringLiteral("more"), Deposit);
        {
            PromptScript script;
            script.ExpectMessage(UnableToSave(PathOf("f.tlx"), EIO));
            FailingDisk disk(failing.step);
            EXPECT_FALSE(SaveLedger());
        }
        EXPECT_TRUE(IsModified());
        EXPECT_EQ(ReadBytes(PathOf("f.tlx")) == old, !failing.renamed);
        const QStringList expected =
            failing.step >= DiskStep::Rename ? QStringList({"f.tlx", "f.tlx.bak"}) : QStringList({"f.tlx"});
        EXPECT_EQ(Entries(dir.path()), expected);
        ASSERT_TRUE(SaveLedger()) << "a sound disk saves again";
        EXPECT_FALSE(IsModified());
    }
}

// Without hard links the backup is a copy, with the ledger's permissions, written as checked as a save: a failing
// disk fails it, the older backup (or none) stays, and no temporary file remains.
TEST_F(LedgerFileTest, CopiedBackupOnAFailingDiskIsReportedAsFailed) {
    SetHardLinksForTesting(false);
    const QString path = PathOf("c.tlx");
    for (const bool hadBackup : {true, false}) {
        for (const FailingStep& failing : FailingSteps) {
            SCOPED_TRACE(std::string(failing.name) + (hadBackup ? ", over an older backup" : ", first backup"));
            for (const QString& name : Entries(dir.path()))
                QFile::remove(PathOf(name));
            WriteBytes(path, "current");
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
            if (hadBackup)
                WriteBytes(path + ".bak", "older");
            QString error;
            {
                FailingDisk disk(failing.step);
                const platform::Result<> kept = KeepBackup(path);
                ASSERT_FALSE(kept.Ok());
                error = kept.Error();
            }
            EXPECT_EQ(error, qt_error_string(EIO));
            const QStringList left =
                failing.renamed || hadBackup ? QStringList{"c.tlx", "c.tlx.bak"} : QStringList{"c.tlx"};
            EXPECT_EQ(Entries(dir.path()), left);
            if (hadBackup) {
                EXPECT_EQ(ReadBytes(path + ".bak"), failing.renamed ? "current" : "older");
            }

            const platform::Result<> kept = KeepBackup(path);
            ASSERT_TRUE(kept.Ok()) << kept.Error().toStdString();
            EXPECT_EQ(ReadBytes(path + ".bak"), "current");
            EXPECT_EQ(QFileInfo(path + ".bak").permissions(), QFileInfo(path).permissions());
            EXPECT_EQ(Entries(dir.path()), QStringList({"c.tlx", "c.tlx.bak"}));
        }
    }
    SetHardLinksForTesting(true);
}

// The file-size limit makes every write past it fail with EFBIG, as a full disk would; it is set in a child
// process so the test binary keeps its own limits.
TEST_F(LedgerFileTest, WriteErrorLeavesTheOldFileAndNoTemporaryFile) {
    const QByteArray old = SaveSample(QStringLiteral("w.tlx"));
    for (int i = 0; i < 500; ++i)
        AddTransaction(0, 1, 1, QStringLiteral("big"), Deposit);
    const QString path = PathOf("w.tlx");

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8192, 8192};
        setrlimit(RLIMIT_FSIZE, &limit);
        RecordingPrompts prompts;
        const bool saved = SaveLedger();
        int fault = 0;
        if (saved)
            fault |= 1;
        if (prompts.messages.size() != 1 || prompts.messages[0].text != UnableToSave(path, EFBIG) ||
            prompts.messages[0].caption != QStringLiteral("Tallix"))
            fault |= 2;
        if (!IsModified())
            fault |= 4;
        _exit(fault);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported success, 2: wrong message, 4: Modified cleared";
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(Entries(dir.path()), QStringList({"w.tlx"}));
}

// A folder the user may read but not write. Root writes anywhere, so when the tests run as root the child gives
// up its rights first and works as "nobody".
TEST_F(LedgerFileTest, ReadOnlyFolderRefusesTheSaveAndKeepsTheFile) {
    const QString folder = PathOf("readonly");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + "/r.tlx";
    BuildMixedLedger();
    SetDataFileName(path);
    ASSERT_TRUE(SaveLedger());
    const QByteArray old = ReadBytes(path);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            _exit(64);
        RecordingPrompts prompts;
        NewLedger();
        SetDataFileName(path);
        int fault = LoadLedger() ? 0 : 8;
        AddTransaction(0, 40000, 5, QStringLiteral("one more"), Deposit);
        if (SaveLedger())
            fault |= 1;
        if (prompts.messages.size() != 1 || prompts.messages[0].text != UnableToSave(path, EACCES))
            fault |= 2;
        if (!IsModified())
            fault |= 4;
        _exit(fault);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 64)
        GTEST_SKIP() << "running as root without the right to become another user";
    EXPECT_EQ(WEXITSTATUS(status), 0)
        << "1: reported success, 2: wrong message, 4: Modified cleared, 8: could not load";
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(Entries(folder), QStringList({"r.tlx"}));
}

// ---- Two running copies -------------------------------------------------------------------------------------

// A copy that holds the ledger is its one writer: others read it freely, but never save over it.
TEST_F(LedgerFileTest, HeldLedgerIsReadByOthersButNeverSavedOver) {
    const QByteArray old = SaveSample(QStringLiteral("l.tlx"));
    const QString path = PathOf("l.tlx");
    QLockFile other(path + ".lock");
    ASSERT_TRUE(other.tryLock(0));

    NewLedger();
    SetDataFileName(path);
    EXPECT_TRUE(LoadLedger());
    AddTransaction(0, 1, 1, QStringLiteral("more"), Deposit);
    {
        RecordingPrompts prompts;
        EXPECT_FALSE(SaveLedger());
        ASSERT_EQ(prompts.messages.size(), 1u);
        const QString text = prompts.messages[0].text;
        EXPECT_TRUE(text.startsWith(UnableToSave(path) + "\rIt is open in another copy of Tallix: "))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("(process %1)").arg(QCoreApplication::applicationPid())))
            << text.toStdString();
        EXPECT_TRUE(IsModified());
    }
    EXPECT_EQ(ReadBytes(path), old);

    other.unlock();
    EXPECT_TRUE(SaveLedger());
    EXPECT_EQ(Entries(dir.path()), QStringList({"l.tlx", "l.tlx.bak"}));
}

// Another host's lock may belong to a copy that still runs there: only an explicit takeover breaks it.
TEST_F(LedgerFileTest, LockOfAnotherHostIsTakenOnlyWhenAsked) {
    SaveSample(QStringLiteral("h.tlx"));
    const QString path = PathOf("h.tlx");
    WriteBytes(path + ".lock", "4242\ntallix\nfaraway-host\n");
    LedgerHold hold = LedgerHold::Take(path);
    ASSERT_EQ(hold.Status(), HoldStatus::HeldByOther);
    EXPECT_FALSE(hold.Holder().onThisHost);
    EXPECT_EQ(hold.Holder().host, QStringLiteral("faraway-host"));
    EXPECT_EQ(hold.Holder().pid, 4242);
    SetModified();
    {
        RecordingPrompts prompts;
        EXPECT_FALSE(SaveLedger());
    }
    EXPECT_TRUE(hold.TakeOver());
    KeepHold(std::move(hold));
    EXPECT_TRUE(HoldsLedger());
    EXPECT_TRUE(SaveLedger());
    // The hold outlives the save, until the ledger is closed.
    EXPECT_EQ(LedgerHold::Take(path).Status(), HoldStatus::HeldByOther);
    NewLedger();
    EXPECT_FALSE(QFile::exists(path + ".lock"));
}

// The user protected the file (mode 444): root could write it, but the program does not.
TEST_F(LedgerFileTest, WriteProtectedFileIsNotReplaced) {
    const QByteArray old = SaveSample(QStringLiteral("p.tlx"));
    const QString path = PathOf("p.tlx");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    AddTransaction(0, 40000, 1, QStringLiteral("more"), Deposit);
    {
        PromptScript script;
        script.ExpectMessage(UnableToSave(path, EACCES));
        EXPECT_FALSE(SaveLedger());
    }
    EXPECT_TRUE(IsModified());
    EXPECT_EQ(ReadBytes(path), old);
    SetDataFileName(PathOf("copy.tlx"));
    EXPECT_TRUE(SaveLedger());
}

// A save killed with SIGKILL leaves its temporary file; the next save of that ledger removes it, and only it.
TEST_F(LedgerFileTest, TemporaryFilesOfAKilledSaveAreRemovedByTheNext) {
    const QByteArray old = SaveSample(QStringLiteral("t.tlx"));
    const QStringList kept = {"t.tlx.20261209", "t.tlx.notes", "t.tlx.zz"};
    for (const QString& name : kept)
        WriteBytes(PathOf(name), "the user's own file");
    WriteBytes(PathOf("t.tlx.4fk2l0q9x1ab3"), old);
    WriteBytes(PathOf("t.tlx.0k7c1mzq2w9"), QByteArray());
    SetModified();
    ASSERT_TRUE(SaveLedger());
    EXPECT_EQ(Entries(dir.path()), QStringList({"t.tlx", "t.tlx.20261209", "t.tlx.bak", "t.tlx.notes", "t.tlx.zz"}));
}

// Before a save replaces the file, the file must still be the one loaded or saved last; the user decides.
TEST_F(LedgerFileTest, FileChangedOnDiskIsNeverOverwrittenSilently) {
    const struct {
        const char* change;
        DiskChangeAnswer answer;
        bool saved;
    } cases[] = {
        {"copied over", DiskChangeAnswer::Cancel, false}, {"copied over", DiskChangeAnswer::Overwrite, true},
        {"moved over", DiskChangeAnswer::SaveAs, true},   {"deleted", DiskChangeAnswer::Overwrite, true},
        {"touched", DiskChangeAnswer::Cancel, false},     {"unchanged", DiskChangeAnswer::Cancel, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        const QString path = PathOf("d.tlx");
        QFile::remove(path);
        NewLedger();
        SaveSample(QStringLiteral("d.tlx"));
        NewLedger();
        SetDataFileName(path);
        ASSERT_TRUE(LoadLedger());
        AddTransaction(0, 40000, 2, QStringLiteral("mine"), Deposit);
        const QString change = QString::fromLatin1(c.change);
        const QByteArray theirs = ReadBytes(path).left(64 * 3);
        if (change == "copied over") {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(theirs);
        } else if (change == "moved over") {
            WriteBytes(PathOf("other.tlx"), theirs);
            ASSERT_TRUE(QFile::remove(path) && QFile::rename(PathOf("other.tlx"), path));
        } else if (change == "deleted") {
            ASSERT_TRUE(QFile::remove(path));
        } else if (change == "touched") {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        }
        const QByteArray onDisk = ReadBytes(path);
        int asked = 0;
        bool vanished = false;
        SetDiskChangePrompt([&](const QString& name, bool gone) {
            EXPECT_EQ(name, path);
            ++asked;
            vanished = gone;
            return c.answer;
        });
        SetFileNamePrompt([this](bool) {
            SetDataFileName(PathOf("saved as.tlx"));
            return true;
        });
        EXPECT_EQ(SaveLedger(), c.saved);
        SetDiskChangePrompt({});
        EXPECT_EQ(asked, change == "unchanged" ? 0 : 1);
        EXPECT_EQ(vanished, change == "deleted");
        EXPECT_EQ(IsModified(), !c.saved);
        const bool wroteHere = c.saved && c.answer != DiskChangeAnswer::SaveAs;
        EXPECT_EQ(ReadBytes(path) != onDisk, wroteHere);
        EXPECT_EQ(QFile::exists(PathOf("saved as.tlx")), c.answer == DiskChangeAnswer::SaveAs);
        QFile::remove(PathOf("saved as.tlx"));
    }
}

TEST_F(LedgerFileTest, LockLeftByADeadProcessIsTakenOver) {
    SaveSample(QStringLiteral("z.tlx"));
    const QString path = PathOf("z.tlx");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(path + ".lock");
        _exit(lock.tryLock(0) ? 0 : 1); // ends without unlocking, as a crash would
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(path + ".lock"));

    EXPECT_TRUE(LoadLedger());
    SetModified();
    EXPECT_TRUE(SaveLedger());
    EXPECT_FALSE(QFile::exists(path + ".lock"));
}

// A lock naming this process, which started long after the lock's time: its number was taken since, unless the
// lock's holder still keeps it locked.
TEST_F(LedgerFileTest, LockWhoseProcessNumberALaterProcessTookIsTakenOver) {
    SaveSample(QStringLiteral("y.tlx"));
    const QString lockPath = PathOf("y.tlx.lock");
    for (const bool stillLocked : {false, true}) {
        QLockFile own(lockPath);
        ASSERT_TRUE(own.tryLock(0));
        if (!stillLocked) {
            const QByteArray left = ReadBytes(lockPath);
            own.unlock();
            WriteBytes(lockPath, left);
        }
        QFile lock(lockPath);
        ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        EXPECT_EQ(LedgerHold::Take(PathOf("y.tlx")).IsHeld(), !stillLocked) << stillLocked;
    }
}

TEST_F(LedgerFileTest, EmptyLockOfAProcessKilledWhileLockingIsTakenOver) {
    SaveSample(QStringLiteral("e.tlx"));
    const QString path = PathOf("e.tlx");
    WriteBytes(path + ".lock", QByteArray());
    SetModified();
    EXPECT_TRUE(SaveLedger());
    EXPECT_FALSE(QFile::exists(path + ".lock"));
}

} // namespace
