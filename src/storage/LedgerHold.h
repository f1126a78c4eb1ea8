#pragma once
// Holding a ledger file for writing. A copy of the program that may change a ledger holds NAME.lock beside it
// (a QLockFile, which records the holder's process, host and program) for as long as it has the ledger open, so
// that a second copy sees who has it instead of saving over its work. Readers never need the hold: a save
// replaces the file whole, so a reader sees the complete old or new ledger.

#include <QDateTime>
#include <QString>
#include <memory>

class QLockFile;

namespace ledger {

struct LedgerHolder {
    QString user; // owner of the lock file
    QString host;
    qint64 pid = 0;
    QString program; // the holder's executable: "tallix", or "tallix-cli" during an import
    QDateTime since;
    bool onThisHost = true;
    bool known = false; // false: the lock file names no holder (its writer died before it could)
};

enum class HoldStatus {
    Held,
    HeldByOther,
    Unavailable, // no lock can be made beside the file (a read-only folder); the system's reason is in Error()
};

class LedgerHold {
public:
    LedgerHold();
    ~LedgerHold();
    LedgerHold(LedgerHold&&) noexcept;
    LedgerHold& operator=(LedgerHold&&) noexcept;

    // Tries to hold the file that `ledgerPath` finally names, waiting half a second for a save of another copy
    // to end. A lock left by a process that no longer runs on this host is taken over (also when its process
    // number belongs to a process started after the lock was made); one of another host never is (see TakeOver).
    static LedgerHold Take(const QString& ledgerPath);

    HoldStatus Status() const { return status; }
    bool IsHeld() const { return status == HoldStatus::Held; }
    // The file the hold is for: the ledger's path with symbolic links followed.
    const QString& Target() const { return target; }
    const LedgerHolder& Holder() const { return holder; }
    const QString& Error() const { return error; }

    // Breaks another holder's lock, for a user who has confirmed that the other copy no longer uses the ledger
    // (a lock of another host, or one that names nobody). True when the file is held now.
    bool TakeOver();

private:
    void TryLock();

    std::unique_ptr<QLockFile> lock;
    QString target;
    HoldStatus status = HoldStatus::Unavailable;
    LedgerHolder holder;
    QString error;
};

// "alice on host (process 4242) since <date and time>", for the messages that name a holder.
QString DescribeHolder(const LedgerHolder& holder);

// The store keeps the hold of the ledger it has open, until NewLedger or the next KeepHold. Loads and saves of
// the held file take no lock of their own.
void KeepHold(LedgerHold hold);
// True while the store holds the file that DataFileName names.
bool HoldsLedger();
// True while the store holds the file that `path` names (opening it again needs no hold of its own).
bool HoldsFile(const QString& path);

} // namespace ledger
