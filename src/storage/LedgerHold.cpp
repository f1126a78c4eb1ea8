#include "storage/LedgerHold.h"

#include "ledger/Ledger.h"
#include "ledger/StoreHooks.h"
#include "platform/AtomicFile.h"
#include "platform/Locale.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <cerrno>
#include <unistd.h>

namespace ledger {

namespace {
// A save of another copy takes milliseconds; a copy that finds the lock held this long is told who holds it.
constexpr int LockWaitMs = 500;

// The clock and file times may differ by a file system's coarse times (2 s on FAT) and the kernel's whole-second
// boot time; a process that started later than this after a lock was made cannot have made it.
constexpr qint64 StartSlackSecs = 5;

LedgerHold& StoreHold() {
    static LedgerHold hold;
    return hold;
}

// When the process `pid` of this host started, in seconds since 1970; -1 when that cannot be told.
qint64 ProcessStartSecs(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    QFile system(QStringLiteral("/proc/stat"));
    if (!stat.open(QIODevice::ReadOnly) || !system.open(QIODevice::ReadOnly))
        return -1;
    // The program's name, in parentheses, may hold spaces: the fields are counted after its last ')'.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int StartTimeField = 19; // field 22 of the line, the third after the name
    bool ok = false;
    const qint64 ticks = fields.value(StartTimeField).toLongLong(&ok);
    const long ticksPerSec = ::sysconf(_SC_CLK_TCK);
    if (!ok || ticksPerSec <= 0)
        return -1;
    for (const QByteArray& entry : system.readAll().split('\n')) {
        if (entry.startsWith("btime ")) {
            const qint64 bootSecs = entry.mid(6).trimmed().toLongLong(&ok);
            return ok ? bootSecs + ticks / ticksPerSec : -1;
        }
    }
    return -1;
}
} // namespace

LedgerHold::LedgerHold() = default;
LedgerHold::~LedgerHold() = default;
LedgerHold::LedgerHold(LedgerHold&&) noexcept = default;
LedgerHold& LedgerHold::operator=(LedgerHold&&) noexcept = default;

LedgerHold LedgerHold::Take(const QString& ledgerPath) {
    LedgerHold hold;
    hold.target = platform::ResolveSymlinks(ledgerPath);
    hold.lock = std::make_unique<QLockFile>(hold.target + QStringLiteral(".lock"));
    // A window holds its ledger for hours: a lock is never stale by age, only when its process is gone.
    hold.lock->setStaleLockTime(0);
    hold.TryLock();
    return hold;
}

void LedgerHold::TryLock() {
    holder = {};
    error.clear();
    errno = 0;
    const bool locked = lock->tryLock(LockWaitMs);
    // Qt returns at once when the lock file cannot be made, with the system's reason still in errno.
    const int reason = errno;
    if (locked) {
        status = HoldStatus::Held;
        return;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        status = HoldStatus::Unavailable;
        error = qt_error_string(reason != 0 ? reason : lock->error() == QLockFile::PermissionError ? EACCES : EIO);
        return;
    }
    status = HoldStatus::HeldByOther;
    holder.known = lock->getLockInfo(&holder.pid, &holder.host, &holder.program);
    if (!holder.known) {
        // A copy killed before it wrote its name leaves an empty lock file. Qt removes it only when no process
        // has it open, so a lock being written right now is kept.
        if (lock->removeStaleLockFile() && lock->tryLock(0)) {
            status = HoldStatus::Held;
            return;
        }
    }
    const QFileInfo info(lock->fileName());
    holder.user = info.owner();
    holder.since = info.lastModified();
    holder.onThisHost = !holder.known || holder.host.isEmpty() || holder.host == QSysInfo::machineHostName();
    // Qt knows a lock as stale when its process is gone or runs another program. A process number taken since by
    // another copy of the same program is told apart by its start, after the lock was made; the removal still
    // fails while the real holder keeps the lock file locked.
    const qint64 started = holder.known && holder.onThisHost ? ProcessStartSecs(holder.pid) : -1;
    if (started > holder.since.toSecsSinceEpoch() + StartSlackSecs && lock->removeStaleLockFile() && lock->tryLock(0)) {
        holder = {};
        status = HoldStatus::Held;
    }
}

bool LedgerHold::TakeOver() {
    if (!lock || status != HoldStatus::HeldByOther)
        return IsHeld();
    // Qt's own removal refuses while the other process keeps the file open; another host's process may do so
    // over a network file system, and the user has said that it no longer uses the ledger.
    if (!lock->removeStaleLockFile())
        QFile::remove(lock->fileName());
    TryLock();
    return IsHeld();
}

QString DescribeHolder(const LedgerHolder& holder) {
    const QString since = platform::FormatShortDateTime(holder.since);
    if (!holder.known)
        return QCoreApplication::translate("LedgerHold", "a copy that did not say who it is, since %1").arg(since);
    return QCoreApplication::translate("LedgerHold", "%1 on %2 (process %3) since %4")
        .arg(holder.user.isEmpty() ? QCoreApplication::translate("LedgerHold", "someone") : holder.user, holder.host,
             QString::number(holder.pid), since);
}

void KeepHold(LedgerHold hold) {
    // NewLedger lets go of it.
    SetReleaseFileHook([] { StoreHold() = LedgerHold(); });
    StoreHold() = std::move(hold);
}

bool HoldsLedger() {
    return HoldsFile(GetDataFileName());
}

bool HoldsFile(const QString& path) {
    const LedgerHold& hold = StoreHold();
    return hold.IsHeld() && !path.isEmpty() && hold.Target() == platform::ResolveSymlinks(path);
}

} // namespace ledger
