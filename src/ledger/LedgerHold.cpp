#include "ledger/LedgerHold.h"

#include "ledger/LedgerState.h"
#include "platform/AtomicFile.h"
#include "platform/Locale.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <cerrno>

namespace ledger {

namespace {
// A save of another copy takes milliseconds; a copy that finds the lock held this long is told who holds it.
constexpr int LockWaitMs = 500;

LedgerHold& StoreHold() {
    static LedgerHold hold;
    return hold;
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
    if (lock->tryLock(LockWaitMs)) {
        status = HoldStatus::Held;
        return;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        status = HoldStatus::Unavailable;
        error = qt_error_string(lock->error() == QLockFile::PermissionError ? EACCES : EIO);
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
        return QStringLiteral("a copy that did not say who it is, since %1").arg(since);
    return QStringLiteral("%1 on %2 (process %3) since %4")
        .arg(holder.user.isEmpty() ? QStringLiteral("someone") : holder.user, holder.host)
        .arg(holder.pid)
        .arg(since);
}

void KeepHold(LedgerHold hold) {
    StoreHold() = std::move(hold);
}

bool HoldsLedger() {
    return HoldsFile(State().DataFileName);
}

bool HoldsFile(const QString& path) {
    const LedgerHold& hold = StoreHold();
    return hold.IsHeld() && !path.isEmpty() && hold.Target() == platform::ResolveSymlinks(path);
}

} // namespace ledger
