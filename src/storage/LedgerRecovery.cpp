// The store's side of the recovery journal: its changes as journal entries, and a journal's changes replayed.
#include "formats/LedgerFormat.h"
#include "ledger/CheckDetails.h"
#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerState.h"
#include "ledger/StoreHooks.h"
#include "ledger/StoreNotifier.h"
#include "platform/AtomicFile.h"
#include "platform/Locale.h"
#include "platform/UserFolders.h"
#include "storage/CategoryValues.h"
#include "storage/DiskStamping.h"
#include "storage/Recovery.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace ledger {

namespace {
struct Journal {
    bool on = false;
    bool replaying = false;
    bool failed = false; // the failure went to the user; nothing more is journalled until the journal ends
    JournalEntry pending;
    // The changes of `pending` that the store does not hold yet (the register's edits before its write-back): a
    // journal that begins with them begins with the store and then needs them as an entry of their own.
    std::vector<JournalChange> aheadOfStore;
    JournalWriter writer;
};

Journal& J() {
    static Journal journal;
    return journal;
}

qint64 NowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

QString CurrentJournalPath() {
    const QString& name = State().DataFileName;
    if (!name.isEmpty())
        return JournalPathFor(name);
    return QDir(RecoveryFolder())
        .filePath(QStringLiteral("untitled-%1-%2.journal").arg(QCoreApplication::applicationPid()).arg(NowMs()));
}

JournalHeader CurrentHeader() {
    const LedgerState& s = State();
    JournalHeader header;
    header.begunMs = NowMs();
    if (!s.DataFileName.isEmpty())
        header.ledgerPath = platform::ResolveSymlinks(s.DataFileName);
    if (!header.ledgerPath.isEmpty() && s.StampedFile == header.ledgerPath)
        header.base = WithHash(s.Stamp, s.StampedBytes);
    return header;
}

JournalEntry Snapshot();

platform::Result<> BeginJournal(const JournalEntry& first) {
    if (!QDir().mkpath(RecoveryFolder()))
        return platform::Fail(
            QCoreApplication::translate("LedgerRecovery", "the folder %1 cannot be made").arg(RecoveryFolder()));
    return J().writer.Begin(CurrentJournalPath(), CurrentHeader(), first);
}

// The user is told once: nothing more is journalled until the journal ends.
platform::Failure<> StopJournalling(const QString& error) {
    J().failed = true;
    return platform::Fail(
        QCoreApplication::translate("LedgerRecovery", "Unsaved changes cannot be kept for recovery after a crash:") +
        QLatin1Char('\r') + error + QLatin1Char('\r') +
        QCoreApplication::translate("LedgerRecovery", "Save the ledger to keep them."));
}

platform::Result<> Flush() {
    Journal& j = J();
    if (j.pending.changes.empty())
        return {};
    JournalEntry entry = std::move(j.pending);
    j.pending = {};
    entry.madeMs = NowMs();
    std::vector<JournalChange> ahead = std::move(j.aheadOfStore);
    j.aheadOfStore = {};
    platform::Result<> written;
    if (j.writer.IsOpen()) {
        written = j.writer.Append(entry);
    } else {
        // A journal begins with the whole ledger as it is in memory, which the pending changes are part of but for
        // those still ahead of the store: its slots (deleted ones too, which a saved file leaves out) are what every
        // later entry numbers.
        JournalEntry first = Snapshot();
        first.changes.insert(first.changes.end(), ahead.begin(), ahead.end());
        written = BeginJournal(first);
    }
    if (!written)
        return StopJournalling(written.Error());
    return {};
}

platform::Result<> Record(const JournalChange& change) {
    Journal& j = J();
    j.pending.changes.push_back(change);
    if (ChangeBatchDepth() == 0)
        return Flush();
    return {};
}

bool Recording() {
    const Journal& j = J();
    return j.on && !j.replaying && !j.failed;
}

JournalChange ValuesChange() {
    const LedgerState& s = State();
    JournalChange change;
    change.kind = JournalChange::Values;
    change.nextCheckNumber = s.NextCheckNumber;
    change.startingBalance = s.StartingBalance;
    change.lockDate = s.LockDate;
    return change;
}

JournalChange MarkChange(int slot) {
    JournalChange change;
    change.kind = JournalChange::Mark;
    change.slot = slot;
    change.mark = State().Marks.MarkOf(slot);
    change.bankId = State().Marks.BankIdOf(slot);
    return change;
}

JournalChange DetailChange(int slot) {
    const CheckDetail detail = State().Marks.DetailOf(slot);
    JournalChange change;
    change.kind = JournalChange::Detail;
    change.slot = slot;
    change.memo = detail.memo;
    change.address = detail.address;
    change.waitingToPrint = detail.waitingToPrint;
    return change;
}

JournalChange CategoryChange(int slot) {
    JournalChange change;
    change.kind = JournalChange::Category;
    change.slot = slot;
    change.category = State().Marks.CategoryOf(slot);
    return change;
}

JournalChange CategoryListChange() {
    JournalChange change;
    change.kind = JournalChange::CategoryList;
    change.keptCategories = State().KeptCategories;
    change.categoryRules = State().CategoryRules;
    return change;
}

JournalChange SchedulesChange() {
    JournalChange change;
    change.kind = JournalChange::Schedules;
    change.schedules = State().Schedules;
    return change;
}

// The marks, details and categories as changes that replace whatever the ledger has, deleted slots' hidden ones too.
void AppendMarks(std::vector<JournalChange>& changes) {
    const LedgerState& s = State();
    changes.emplace_back().kind = JournalChange::NoMarks;
    const int end = std::min<int>(s.NextSlot, int(std::max(s.Marks.marks.size(), s.Marks.bankIds.size())));
    for (int slot = 1; slot < end; ++slot) {
        if (s.Marks.MarkOf(slot) != ClearMark::None || !s.Marks.BankIdOf(slot).isEmpty())
            changes.push_back(MarkChange(slot));
    }
    for (int slot = 1; slot < std::min<int>(s.NextSlot, int(s.Marks.details.size())); ++slot) {
        if (s.Marks.details[size_t(slot)] != CheckDetail())
            changes.push_back(DetailChange(slot));
    }
    for (int slot = 1; slot < std::min<int>(s.NextSlot, int(s.Marks.categories.size())); ++slot) {
        if (!s.Marks.categories[size_t(slot)].IsEmpty())
            changes.push_back(CategoryChange(slot));
    }
    for (const ReconciledStatement& statement : s.Marks.statements) {
        JournalChange& change = changes.emplace_back();
        change.kind = JournalChange::Statement;
        change.statement = statement;
    }
    for (const QString& id : s.Marks.deletedBankIds) {
        JournalChange& change = changes.emplace_back();
        change.kind = JournalChange::DeletedBankId;
        change.bankId = id;
    }
}

// The whole ledger as one entry: where a journal begins.
JournalEntry Snapshot() {
    const LedgerState& s = State();
    JournalEntry entry;
    entry.madeMs = NowMs();
    JournalChange count;
    count.kind = JournalChange::SlotCount;
    count.slot = s.NextSlot;
    entry.changes.push_back(count);
    for (int slot = 1; slot < s.NextSlot; ++slot) {
        JournalChange change;
        change.slot = slot;
        change.record = s.Records[size_t(slot)];
        entry.changes.push_back(change);
    }
    AppendMarks(entry.changes);
    entry.changes.push_back(SchedulesChange());
    entry.changes.push_back(CategoryListChange());
    entry.changes.push_back(ValuesChange());
    return entry;
}

// A change fits when the ledger could hold it: a slot that exists or comes next, values the loader would read.
bool Fits(const JournalChange& change, int nextSlot) {
    switch (change.kind) {
    case JournalChange::Slot:
        return change.slot >= 1 && change.slot <= nextSlot && change.slot < MaxSlots &&
               change.record.TypeCode >= Deleted && change.record.TypeCode <= Interest &&
               IsReadableRecord(change.record);
    case JournalChange::Values: {
        const TransactionRecord values{0, 0, change.lockDate == 0 ? 1.0 : change.lockDate, change.startingBalance};
        return IsReadableRecord(values);
    }
    case JournalChange::SlotCount:
        return change.slot >= 1 && change.slot <= MaxSlots;
    case JournalChange::Mark:
        return change.slot >= 1 && change.slot < nextSlot && change.mark <= ClearMark::Reconciled &&
               change.bankId.size() <= MaxBankIdLength;
    case JournalChange::Detail:
        return change.slot >= 1 && change.slot < nextSlot && change.memo.size() <= MaxMemoLength &&
               change.address.size() <= MaxAddressLines &&
               std::all_of(change.address.begin(), change.address.end(),
                           [](const QString& line) { return line.size() <= MaxAddressLineLength; });
    case JournalChange::Category:
        return change.slot >= 1 && change.slot < nextSlot &&
               (change.category.IsEmpty() || IsKeptAssignment(change.category));
    case JournalChange::CategoryList:
        return IsKeptList(change.keptCategories, change.categoryRules);
    case JournalChange::Statement:
        return platform::IsDayCountInRange(change.statement.date) &&
               std::all_of(change.statement.slots.begin(), change.statement.slots.end(),
                           [nextSlot](int slot) { return slot >= 1 && slot < nextSlot; });
    case JournalChange::NoMarks:
    case JournalChange::DeletedBankId:
    case JournalChange::Schedules: // each checked as it was read
        return true;
    }
    return false;
}

bool EntryFits(const JournalEntry& entry, int nextSlot) {
    for (const JournalChange& change : entry.changes) {
        if (!Fits(change, nextSlot))
            return false;
        if (change.kind == JournalChange::SlotCount)
            nextSlot = change.slot;
        else if (change.kind == JournalChange::Slot && change.slot == nextSlot)
            nextSlot += 1;
    }
    return true;
}

void Apply(const JournalChange& change) {
    LedgerState& s = State();
    const auto makeRoom = [&s](int nextSlot) {
        if (nextSlot >= s.UpperBound())
            s.Records.resize(size_t(nextSlot + 1 + SlotGrowth));
    };
    switch (change.kind) {
    case JournalChange::Slot:
        makeRoom(change.slot + 1);
        s.Records[size_t(change.slot)] = change.record;
        s.NextSlot = std::max(s.NextSlot, change.slot + 1);
        break;
    case JournalChange::SlotCount:
        makeRoom(change.slot);
        std::fill(s.Records.begin() + change.slot, s.Records.end(), TransactionRecord());
        s.NextSlot = change.slot;
        s.Marks.DropFrom(change.slot);
        break;
    case JournalChange::Mark:
        s.Marks.SetMark(change.slot, change.mark);
        s.Marks.SetBankId(change.slot, change.bankId);
        break;
    case JournalChange::Detail:
        s.Marks.SetDetail(change.slot, {change.memo, change.address, change.waitingToPrint});
        break;
    case JournalChange::Category:
        s.Marks.SetCategory(change.slot, change.category);
        break;
    case JournalChange::CategoryList:
        s.KeptCategories = change.keptCategories;
        s.CategoryRules = change.categoryRules;
        break;
    case JournalChange::Statement:
        s.Marks.statements.push_back(change.statement);
        break;
    case JournalChange::NoMarks:
        s.Marks = {};
        break;
    case JournalChange::DeletedBankId:
        s.Marks.deletedBankIds << change.bankId;
        break;
    case JournalChange::Schedules:
        s.Schedules = change.schedules;
        break;
    case JournalChange::Values:
        s.NextCheckNumber = change.nextCheckNumber;
        s.StartingBalance = change.startingBalance;
        s.LockDate = change.lockDate;
        break;
    }
}

platform::Result<> LogSlot(int index) {
    if (!Recording())
        return {};
    JournalChange change;
    change.slot = index;
    change.record = State().Records[size_t(index)];
    return Record(change);
}

platform::Result<> LogValues() {
    if (!Recording())
        return {};
    return Record(ValuesChange());
}

platform::Result<> LogMark(int index) {
    if (!Recording())
        return {};
    return Record(MarkChange(index));
}

platform::Result<> LogDetail(int index) {
    if (!Recording())
        return {};
    return Record(DetailChange(index));
}

platform::Result<> LogCategory(int index) {
    if (!Recording())
        return {};
    return Record(CategoryChange(index));
}

platform::Result<> LogCategoryList() {
    if (!Recording())
        return {};
    return Record(CategoryListChange());
}

platform::Result<> LogStatement(const ReconciledStatement& statement) {
    if (!Recording())
        return {};
    JournalChange change;
    change.kind = JournalChange::Statement;
    change.statement = statement;
    return Record(change);
}

// One entry: the batch's end writes it (and the store shows what failed).
platform::Result<> LogAllMarks() {
    if (!Recording())
        return {};
    std::vector<JournalChange> changes;
    AppendMarks(changes);
    const ChangeBatch oneEntry;
    for (const JournalChange& change : changes)
        (void)Record(change);
    return {};
}

platform::Result<> LogSchedules() {
    if (!Recording())
        return {};
    return Record(SchedulesChange());
}

platform::Result<> LogBatch() {
    if (!Recording())
        return {};
    return Flush();
}

platform::Result<> CloseJournal() {
    Journal& j = J();
    j.pending = {};
    j.aheadOfStore = {};
    j.failed = false;
    const QString path = j.writer.Path();
    const platform::Result<> closed = j.writer.Close(true);
    if (!closed)
        return platform::Fail(
            QCoreApplication::translate("LedgerRecovery", "The recovery journal %1 cannot be removed: %2.")
                .arg(path, closed.Error()) +
            QLatin1Char('\r') +
            QCoreApplication::translate("LedgerRecovery", "The next time this ledger is opened, Tallix may offer its "
                                                          "changes again although they were saved or discarded; "
                                                          "discard them then."));
    return {};
}

platform::Result<> BeginAgain() {
    Journal& j = J();
    if (!j.writer.IsOpen())
        return {};
    // Begin replaces the journal whole, so a crash finds the old one or the new one.
    const platform::Result<> begun = BeginJournal(Snapshot());
    if (!begun)
        return StopJournalling(begun.Error());
    return {};
}
} // namespace

void SetRecoveryJournal(bool on) {
    SetJournalHooks({LogSlot, LogValues, LogMark, LogDetail, LogCategory, LogCategoryList, LogStatement, LogAllMarks,
                     LogSchedules, LogBatch, CloseJournal, BeginAgain});
    J().on = on;
}

void JournalPendingRecord(int16_t slot, const std::optional<TransactionRecord>& pending) {
    const LedgerState& s = State();
    if (!Recording() || slot < 1 || slot >= s.NextSlot || s.Records[size_t(slot)].TypeCode == Deleted)
        return;
    JournalChange change;
    change.slot = slot;
    change.record = s.Records[size_t(slot)];
    if (pending) {
        // As UpdateTransaction will store it.
        change.record.CheckNumber = pending->CheckNumber;
        change.record.Date = pending->Date;
        change.record.Amount = pending->Amount;
        change.record.Description = FixDescription(pending->Description);
        change.record.Locked = pending->Locked != 0 ? -1 : 0;
    }
    J().aheadOfStore.push_back(change);
    ShowJournalFailure(Record(change));
}

platform::Result<> DiscardJournal() {
    return CloseJournal();
}

QString RecoveryFolder() {
    return platform::UserStateFolder() + QStringLiteral("/recovery");
}

QString JournalPathFor(const QString& ledgerPath) {
    const QString target = platform::ResolveSymlinks(ledgerPath);
    const QByteArray id = QCryptographicHash::hash(target.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir(RecoveryFolder())
        .filePath(QFileInfo(target).fileName() + QLatin1Char('-') + QString::fromLatin1(id) +
                  QStringLiteral(".journal"));
}

namespace {
// A journal that is not to be applied is renamed, never deleted: the changes in it may still be wanted.
QString KeepAside(const QString& path, const QString& why) {
    const QString keptAs = path + QLatin1Char('.') + why + QLatin1Char('-') +
                           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QFile::rename(path, keptAs) ? keptAs : path;
}

// `tidy`: a journal that cannot be read or names another ledger is moved aside, and one with nothing to recover
// removed.
RecoverySearch Search(const QString& ledgerPath, bool tidy) {
    QStringList candidates;
    if (!ledgerPath.isEmpty()) {
        candidates << JournalPathFor(ledgerPath);
    } else {
        const QDir folder(RecoveryFolder());
        for (const QString& name : folder.entryList({QStringLiteral("untitled-*.journal")}, QDir::Files, QDir::Time))
            candidates << folder.filePath(name);
    }
    const QString ledgerTarget = ledgerPath.isEmpty() ? QString() : platform::ResolveSymlinks(ledgerPath);
    RecoverySearch search;
    for (const QString& path : candidates) {
        if (path == J().writer.Path() || IsJournalInUse(path))
            continue;
        platform::Result<JournalContents, FileRead> read = ReadJournal(path);
        if (!read && read.Code() == FileRead::Missing)
            continue;
        if (!read) {
            search.found = RecoveryFound::Unreadable;
            search.error = read.Error();
            search.keptAs = tidy ? KeepAside(path, QStringLiteral("unreadable")) : path;
            return search;
        }
        JournalContents& contents = read.Value();
        const JournalHeader& header = contents.header;
        // Journals are found by name only; a copied or renamed one would replace this ledger by another.
        if (header.ledgerPath != ledgerTarget) {
            search.found = RecoveryFound::Foreign;
            search.otherLedger = header.ledgerPath;
            search.keptAs = tidy ? KeepAside(path, QStringLiteral("foreign")) : path;
            return search;
        }
        if (contents.entries.empty()) {
            // Nothing whole was written before the crash: there is nothing to offer.
            if (tidy)
                QFile::remove(path);
            continue;
        }
        PendingRecovery& pending = search.pending;
        pending.journalPath = path;
        pending.changeCount = int(contents.entries.size());
        pending.lastChange = QDateTime::fromMSecsSinceEpoch(contents.entries.back().madeMs);
        pending.ledgerChanged =
            !header.ledgerPath.isEmpty() && RestampLike(header.ledgerPath, header.base) != header.base;
        pending.contents = std::move(contents);
        search.found = RecoveryFound::Read;
        return search;
    }
    return search;
}
} // namespace

RecoverySearch FindRecovery(const QString& ledgerPath) {
    return Search(ledgerPath, true);
}

RecoverySearch PeekRecovery(const QString& ledgerPath) {
    return Search(ledgerPath, false);
}

AppliedRecovery ApplyRecovery(const PendingRecovery& pending) {
    // Over a file saved since, the journal would undo that save: the user's ledger comes back beside it instead.
    if (pending.ledgerChanged)
        NewLedger();
    Journal& j = J();
    LedgerState& s = State();
    j.replaying = true;
    int applied = 0;
    for (const JournalEntry& entry : pending.contents.entries) {
        if (!EntryFits(entry, s.NextSlot))
            break;
        for (const JournalChange& change : entry.changes)
            Apply(change);
        applied += 1;
    }
    j.replaying = false;
    s.LiveCount = 1 + int32_t(std::count_if(s.Records.begin() + 1, s.Records.begin() + s.NextSlot,
                                            [](const TransactionRecord& r) { return r.TypeCode != Deleted; }));
    s.Modified = true;
    // The journal goes on from the recovered ledger, against the file as it is now.
    platform::Result<> ended = EndJournal();
    if (j.on && !BeginJournal(Snapshot()))
        j.failed = true;
    if (pending.journalPath != j.writer.Path())
        QFile::remove(pending.journalPath);
    NoteStoreChange();
    return {applied, ended};
}

void DiscardRecovery(const PendingRecovery& pending) {
    QFile::remove(pending.journalPath);
}

} // namespace ledger
