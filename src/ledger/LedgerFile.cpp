#include "ledger/LedgerFormat.h"
#include "ledger/SafeFile.h"
#include "platform/AtomicFile.h"
#include "platform/Prompt.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <cerrno>

namespace ledger {

namespace {
FileNamePrompt fileNamePrompt;

// A load or save takes milliseconds; a copy that finds the lock held this long is told so instead of waiting.
constexpr int LockWaitMs = 500;
// Beyond the takeover of a dead process's lock (which Qt does at once), a lock this old is taken over too.
constexpr int StaleLockMs = 10000;

QString LockPath(const QString& target) {
    return target + QStringLiteral(".lock");
}

// Qt takes over the lock of a dead process by the process id written in it. A process killed before it wrote
// its id leaves an empty lock file that Qt would honour until it ages out; so a lock still refused after the wait
// is removed when no process holds it open (Qt's removal checks that), and taken once more.
bool TakeLock(QLockFile& lock) {
    lock.setStaleLockTime(StaleLockMs);
    if (lock.tryLock(LockWaitMs))
        return true;
    return lock.error() == QLockFile::LockFailedError && lock.removeStaleLockFile() && lock.tryLock(0);
}

bool RefuseLoad(const char* text, const QString& path) {
    platform::MsgBox(QString::fromLatin1(text), platform::Buttons::Ok, path);
    return false;
}

bool HasWildcard(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// The file is replaced as a whole, and the old one becomes the .bak just before the new one takes its name: at
// every moment the target is the complete old or new ledger. An empty `error` after a failure means the lock is
// held by another copy of the program.
bool WriteDataFile(const LedgerState& state, const QString& target, QString& error) {
    QLockFile lock(LockPath(target));
    if (!TakeLock(lock)) {
        if (lock.error() == QLockFile::PermissionError)
            error = qt_error_string(EACCES);
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteLedger(buffer, state);
    const bool hasOldVersion = QFileInfo(target).isFile();
    return platform::WriteFileAtomically(target, buffer.data(), error, [&](QString& backupError) {
        return !hasOldVersion || KeepBackup(target, backupError);
    });
}
} // namespace

void SetFileNamePrompt(FileNamePrompt prompt) {
    fileNamePrompt = std::move(prompt);
}

bool FileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return true;
    // The name part may be a pattern: the file counts as existing when anything matches it.
    if (!HasWildcard(info.fileName()))
        return false;
    return !info.dir()
                .entryList({info.fileName()}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                .isEmpty();
}

bool LoadLedger() {
    LedgerState& s = State();
    const QString path = s.DataFileName;
    if (!FileExists(path))
        return RefuseLoad("Error opening file", path);

    const QString target = platform::ResolveSymlinks(path);
    QLockFile lock(LockPath(target));
    // A folder where no lock can be made (read-only media) is still read; only another holder refuses.
    if (!TakeLock(lock) && lock.error() == QLockFile::LockFailedError)
        return RefuseLoad("Error opening file", path);

    QFile file;
    switch (OpenRegularFile(target, file)) {
    case OpenResult::NotRegular:
        return RefuseLoad("Unknown file type", path);
    case OpenResult::Failed:
        return RefuseLoad("Error opening file", path);
    case OpenResult::Opened:
        break;
    }
    // Read into a ledger of its own: a failed load leaves the current one exactly as it was.
    LedgerState loaded;
    switch (ReadLedger(file, loaded)) {
    case ReadResult::Unreadable:
        return RefuseLoad("Error opening file", path);
    case ReadResult::UnknownType:
        return RefuseLoad("Unknown file type", path);
    case ReadResult::Loaded:
        break;
    }
    s.Records.swap(loaded.Records);
    s.NextSlot = loaded.NextSlot;
    s.LiveCount = loaded.LiveCount;
    s.NextCheckNumber = loaded.NextCheckNumber;
    s.StartingBalance = loaded.StartingBalance;
    s.LockDate = loaded.LockDate;
    return true;
}

bool SaveLedger() {
    LedgerState& s = State();
    const bool newName = s.DataFileName.isEmpty();
    if (newName && !(fileNamePrompt && fileNamePrompt(false) && !s.DataFileName.isEmpty()))
        return false;
    // A name just chosen is written at once, even for an unchanged ledger: a name that names no file would fail
    // to open the next time the program starts.
    if (!s.Modified && !newName)
        return true;
    QString reason;
    if (!WriteDataFile(s, platform::ResolveSymlinks(s.DataFileName), reason)) {
        QString text = QStringLiteral("Unable to save file:\r") + s.DataFileName;
        if (!reason.isEmpty())
            text += QLatin1Char('\r') + reason;
        platform::MsgBox(text);
        return false;
    }
    s.Modified = false;
    return true;
}

} // namespace ledger
