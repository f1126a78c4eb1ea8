#include "storage/LedgerFile.h"

#include "formats/LedgerFormat.h"
#include "ledger/StoreNotifier.h"
#include "platform/AtomicFile.h"
#include "platform/Prompt.h"
#include "storage/Companion.h"
#include "storage/CompanionCheck.h"
#include "storage/DiskStamping.h"
#include "storage/LedgerHold.h"
#include "storage/SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {

namespace {
FileNamePrompt fileNamePrompt;
DiskChangePrompt diskChangePrompt;
bool holdWhileOpen = false;

// What a load that fails says, with the file's name as the caption.
constexpr char OpenFailed[] = QT_TRANSLATE_NOOP("LedgerFile", "Error opening file");
constexpr char UnknownType[] = QT_TRANSLATE_NOOP("LedgerFile", "Unknown file type");

bool RefuseLoad(const char* text, const QString& path) {
    platform::MsgBox(QCoreApplication::translate("LedgerFile", text), platform::Buttons::Ok, path);
    return false;
}

bool HasWildcard(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// A file without write permission is one the user protected: it is not replaced, even by root, whose writes
// the permission bits would not stop.
platform::Result<> MayReplace(const QString& target) {
    struct stat st {};
    const QByteArray name = QFile::encodeName(target);
    if (::stat(name.constData(), &st) != 0)
        return {};
    if (::access(name.constData(), W_OK) != 0 || (st.st_mode & 0222) == 0)
        return platform::Fail(qt_error_string(EACCES));
    return {};
}

void KeepStamp(LedgerState& state, const QString& target, const QByteArray& bytes) {
    state.StampedFile = target;
    state.Stamp = MetadataOf(target);
    state.StampedBytes = bytes;
}

// The first line of every refused save; the file's name and the reason follow on lines of their own.
QString UnableToSave() {
    return QCoreApplication::translate("LedgerFile", "Unable to save file:");
}

enum class DiskCheck { Unchanged, Overwrite, SaveAs, Cancel };

// Before a save replaces the file it read or wrote last, the file must still be that one: another program, a
// sync tool or the user may have replaced it meanwhile, and a silent save would lose their version.
DiskCheck CheckDisk(const LedgerState& state, const QString& target) {
    if (state.StampedFile != target || !state.Stamp.exists)
        return DiskCheck::Unchanged;
    if (StillHolds(target, state.Stamp, state.StampedBytes))
        return DiskCheck::Unchanged;
    const bool vanished = !MetadataOf(target).exists;
    if (!diskChangePrompt) {
        platform::MsgBox(UnableToSave() + QLatin1Char('\r') + state.DataFileName + QLatin1Char('\r') +
                         QCoreApplication::translate("LedgerFile", "It changed on disk since it was read."));
        return DiskCheck::Cancel;
    }
    switch (diskChangePrompt(state.DataFileName, vanished)) {
    case DiskChangeAnswer::Overwrite:
        return DiskCheck::Overwrite;
    case DiskChangeAnswer::SaveAs:
        return DiskCheck::SaveAs;
    case DiskChangeAnswer::Cancel:
        break;
    }
    return DiskCheck::Cancel;
}

// The store's hold of the file serves as the lock for a save; without it the file is held for the save alone,
// and a file another copy holds is refused.
platform::Result<> HoldForSave(const QString& target, LedgerHold& ownHold) {
    if (HoldsLedger())
        return {};
    ownHold = LedgerHold::Take(target);
    if (ownHold.Status() == HoldStatus::HeldByOther)
        return platform::Fail(QCoreApplication::translate("LedgerFile", "It is open in another copy of Tallix: %1.")
                                  .arg(DescribeHolder(ownHold.Holder())));
    if (ownHold.Status() == HoldStatus::Unavailable)
        return platform::Fail(ownHold.Error());
    return {};
}

// The file is replaced as a whole, and the old one becomes the .bak just before the new one takes its name: at
// every moment the target is the complete old or new ledger.
platform::Result<> WriteDataFile(LedgerState& state, const QString& target, const QByteArray& bytes) {
    platform::Result<> mayReplace = MayReplace(target);
    if (!mayReplace)
        return mayReplace;
    // Only a save of this file makes these, and it holds the file's lock: a leftover is from a save that was killed.
    platform::RemoveLeftoverTemporaries(target, [](const QByteArray& head) {
        return head.size() >= RecordSize && IsHeaderText(head.constData() + TextOffset);
    });
    const bool hasOldVersion = QFileInfo(target).isFile();
    platform::Result<> written = platform::WriteFileAtomically(target, bytes, [&]() -> platform::Result<> {
        if (!hasOldVersion)
            return {};
        return KeepBackup(target);
    });
    // A failure after the rename (the folder's sync) leaves the new file in place: it is the one to compare with.
    if (written || StillHolds(target, MetadataOf(target), bytes))
        KeepStamp(state, target, bytes);
    return written;
}

// After a save that failed only to write the companion, the data file may already hold exactly this ledger.
bool AlreadyWritten(const LedgerState& state, const QString& target, const QByteArray& bytes) {
    return state.CompanionPending && state.StampedFile == target && state.StampedBytes == bytes &&
           StillHolds(target, state.Stamp, bytes);
}

bool RefuseSave(const QString& path, const QString& reason) {
    QString text = UnableToSave() + QLatin1Char('\r') + path;
    if (!reason.isEmpty())
        text += QLatin1Char('\r') + reason;
    platform::MsgBox(text);
    return false;
}

// What the load found beside the data file, when the user has to know.
void ReportCompanion(const CompanionLoad& load, const QString& ledgerPath, const QString& companionPath) {
    if (load.outcome == CompanionLoad::Outcome::Unusable) {
        platform::MsgBox(
            QCoreApplication::translate("LedgerFile",
                                        "%1 cannot be used: %2. The ledger opens without its cleared "
                                        "marks, schedules and categories, and saving leaves that file as it is; move "
                                        "it aside to save new ones.")
                .arg(companionPath, load.problem));
        return;
    }
    const auto count = [](int n, const char* one, const char* many) {
        return n == 1 ? QCoreApplication::translate("LedgerFile", one)
                      : QCoreApplication::translate("LedgerFile", many).arg(n);
    };
    QStringList lost;
    if (load.marksDropped > 0)
        lost << count(load.marksDropped, QT_TRANSLATE_NOOP("LedgerFile", "1 cleared mark"),
                      QT_TRANSLATE_NOOP("LedgerFile", "%1 cleared marks"));
    if (load.bankIdsDropped > 0)
        lost << count(load.bankIdsDropped, QT_TRANSLATE_NOOP("LedgerFile", "1 bank transaction id"),
                      QT_TRANSLATE_NOOP("LedgerFile", "%1 bank transaction ids"));
    if (load.detailsDropped > 0)
        lost << count(load.detailsDropped, QT_TRANSLATE_NOOP("LedgerFile", "1 check's memo or address"),
                      QT_TRANSLATE_NOOP("LedgerFile", "%1 checks' memos or addresses"));
    if (load.categoriesDropped > 0)
        lost << count(load.categoriesDropped, QT_TRANSLATE_NOOP("LedgerFile", "1 transaction's category"),
                      QT_TRANSLATE_NOOP("LedgerFile", "%1 transactions' categories"));
    if (lost.isEmpty())
        return;
    QString what;
    switch (lost.size()) {
    case 1:
        what = lost[0];
        break;
    case 2:
        what = QCoreApplication::translate("LedgerFile", "%1 and %2").arg(lost[0], lost[1]);
        break;
    case 3:
        what = QCoreApplication::translate("LedgerFile", "%1, %2 and %3").arg(lost[0], lost[1], lost[2]);
        break;
    default:
        what = QCoreApplication::translate("LedgerFile", "%1, %2, %3 and %4").arg(lost[0], lost[1], lost[2], lost[3]);
        break;
    }
    platform::MsgBox(
        load.marksDropped + load.bankIdsDropped + load.detailsDropped + load.categoriesDropped == 1
            ? QCoreApplication::translate("LedgerFile", "%1 of %2 could not be matched to its records and was dropped.")
                  .arg(what, ledgerPath)
            : QCoreApplication::translate("LedgerFile",
                                          "%1 of %2 could not be matched to its records and were dropped.")
                  .arg(what, ledgerPath));
}
} // namespace

void SetFileNamePrompt(FileNamePrompt prompt) {
    fileNamePrompt = std::move(prompt);
}

void SetDiskChangePrompt(DiskChangePrompt prompt) {
    diskChangePrompt = std::move(prompt);
}

void SetHoldWhileOpen(bool hold) {
    holdWhileOpen = hold;
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
        return RefuseLoad(OpenFailed, path);

    // No lock: a save replaces the file whole, so this reads the complete old or new ledger even while another
    // copy saves it.
    const QString target = platform::ResolveSymlinks(path);
    QFile file;
    switch (OpenRegularFile(target, file)) {
    case OpenResult::NotRegular:
        return RefuseLoad(UnknownType, path);
    case OpenResult::Failed:
        return RefuseLoad(OpenFailed, path);
    case OpenResult::Opened:
        break;
    }
    // One read of the whole file, which is also stamped. Read into a ledger of its own: a failed load leaves the
    // current one exactly as it was.
    QByteArray bytes = file.read(std::min(file.size(), MaxLedgerBytes));
    if (file.error() != QFileDevice::NoError)
        return RefuseLoad(OpenFailed, path);
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    LedgerState loaded;
    switch (ReadLedger(device, loaded)) {
    case ReadResult::Unreadable:
        return RefuseLoad(OpenFailed, path);
    case ReadResult::UnknownType:
        return RefuseLoad(UnknownType, path);
    case ReadResult::Loaded:
        break;
    }
    // The marks never decide whether the ledger opens.
    const CompanionLoad companion = LoadCompanion(target, bytes, loaded.NextSlot - 1, loaded);
    s.Records.swap(loaded.Records);
    s.NextSlot = loaded.NextSlot;
    s.LiveCount = loaded.LiveCount;
    s.NextCheckNumber = loaded.NextCheckNumber;
    s.StartingBalance = loaded.StartingBalance;
    s.LockDate = loaded.LockDate;
    s.Marks = std::move(loaded.Marks);
    s.Schedules = std::move(loaded.Schedules);
    s.KeptCategories = std::move(loaded.KeptCategories);
    s.CategoryRules = std::move(loaded.CategoryRules);
    s.LastLoad = companion;
    // A companion the load did not take is left alone by saves: a late one may hold this ledger's marks.
    const bool taken =
        companion.outcome == CompanionLoad::Outcome::Matched || companion.outcome == CompanionLoad::Outcome::Rematched;
    s.UnusableCompanion = taken ? QString() : CompanionPathOf(target);
    s.UnusableProblem = companion.outcome == CompanionLoad::Outcome::Unusable
                            ? companion.problem
                            : QCoreApplication::translate("LedgerFile", "it was not there when the ledger was opened");
    s.CompanionPending = false;
    KeepStamp(s, target, bytes);
    ShowJournalFailure(EndJournal());
    NoteStoreChange();
    ReportCompanion(companion, path, CompanionPathOf(target));
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
    const QString target = platform::ResolveSymlinks(s.DataFileName);
    switch (CheckDisk(s, target)) {
    case DiskCheck::Cancel:
        return false;
    case DiskCheck::SaveAs: {
        const QString previous = s.DataFileName;
        if (!fileNamePrompt || !fileNamePrompt(false) || s.DataFileName.isEmpty()) {
            s.DataFileName = previous;
            return false;
        }
        // The new name is written even when it is the same file: the user chose to replace it.
        if (platform::ResolveSymlinks(s.DataFileName) == target)
            s.Stamp = {};
        return SaveLedger();
    }
    case DiskCheck::Overwrite:
    case DiskCheck::Unchanged:
        break;
    }
    LedgerHold ownHold;
    if (const platform::Result<> held = HoldForSave(target, ownHold); !held)
        return RefuseSave(s.DataFileName, held.Error());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteLedger(buffer, s);
    const QByteArray& bytes = buffer.data();
    // The companion is written whole under its staged name before the data file is replaced and takes its place
    // after: a kill at any point leaves a data file whose own companion the next load finds.
    const QString companion = CompanionPathOf(target);
    if (const platform::Result<> finished = FinishKilledSave(target); !finished)
        return RefuseSave(companion, finished.Error());
    const platform::Result<CompanionStage> stage = StageCompanion(s, target, bytes);
    if (!stage)
        return RefuseSave(companion, stage.Error());
    const bool staged = stage.Value() == CompanionStage::Staged;
    if (!AlreadyWritten(s, target, bytes)) {
        if (const platform::Result<> written = WriteDataFile(s, target, bytes); !written) {
            if (staged)
                DropStagedCompanion(target, bytes);
            return RefuseSave(s.DataFileName, written.Error());
        }
    }
    // The data file is saved, and loads take the staged companion with it; until that is in place, the ledger stays
    // modified and its journal stays.
    platform::Result<> placed;
    if (staged)
        placed = PlaceCompanion(s, target);
    s.CompanionPending = !placed;
    if (ownHold.IsHeld() && holdWhileOpen)
        KeepHold(std::move(ownHold));
    if (s.CompanionPending) {
        // The journal goes on against the file just saved, so that recovering it is not taken for undoing that file.
        ShowJournalFailure(RestartJournal());
        return RefuseSave(companion, placed.Error());
    }
    s.Modified = false;
    ShowJournalFailure(EndJournal());
    return true;
}

} // namespace ledger
