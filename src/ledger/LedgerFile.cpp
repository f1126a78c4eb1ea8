#include "ledger/LedgerFormat.h"
#include "ledger/SafeFile.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

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

// New content goes to a temporary file beside the target, the old file becomes the .bak, and only then is the
// temporary file renamed over the target: at every moment the target is the complete old or new ledger.
bool WriteDataFile(const LedgerState& state, const QString& target) {
    QLockFile lock(LockPath(target));
    if (!TakeLock(lock))
        return false;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteLedger(file, state))
        return false;
    if (QFileInfo::exists(target) && !KeepBackup(target))
        return false;
    if (!file.commit())
        return false;
    SyncFolder(target);
    return true;
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

    const QString target = ResolveSymlinks(path);
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
    if (s.DataFileName.isEmpty() && !(fileNamePrompt && fileNamePrompt(false) && !s.DataFileName.isEmpty()))
        return false;
    if (!s.Modified)
        return true;
    if (!WriteDataFile(s, ResolveSymlinks(s.DataFileName))) {
        platform::MsgBox(QStringLiteral("Unable to save file:\r") + s.DataFileName);
        return false;
    }
    s.Modified = false;
    return true;
}

} // namespace ledger
