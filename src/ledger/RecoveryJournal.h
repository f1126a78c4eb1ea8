#pragma once
// The recovery journal's file: every change made to a ledger since it was last saved, appended and synced to
// disk as it is made, so that a crash or a power cut loses none of them.
//
// Version 1, all numbers little-endian:
//   header  "TLXJRNL\n", u32 version, u32 n, u32 CRC-32 of the n bytes that follow: i64 time begun (ms since
//           1970), the ledger file's stamp when the journal began (u8 exists, i64 size, i64 modified ns, u32 CRC,
//           i64 bytes hashed), u32 m and m bytes of the ledger's path in UTF-8 (none for a ledger without a file)
//   entry   u32 n, u32 CRC-32 of the n bytes that follow: i64 time made (ms), u32 change count, the changes:
//           'S' i32 slot, the slot's 64-byte record as the data file holds it (type -1 for a deleted one);
//           'V' i16 next check number, f32 starting balance, f64 lock date; 'N' i32 slot count;
//           'M' i32 slot, u8 mark (ClearMark), u32 m and m bytes of the slot's bank id in UTF-8;
//           'R' a statement recorded: f64 date, i64 ending cents, u32 k and k i32 slots;
//           'C' no marks, statements or bank ids at all; 'D' u32 m and m bytes of UTF-8: one more id of a record
//           deleted before the ledger was loaded;
//           'P' the ledger's schedules, replacing those before: u32 k, then k times u32 m and m bytes of a schedule
//           as ScheduleBytes.h lays it out.
// The first entry holds the whole ledger (N, every slot, C, M of every slot that has a mark or bank id, R, D, P, V);
// each later one the changes of one user action. An entry is whole or missing: one whose bytes or CRC-32 fall short
// ends the journal there. Journals without the marks' kinds (M, R, C, D), as versions before them wrote, replay
// with the marks that the load found, and journals without P with its schedules; a version before those kinds
// stops at the first entry that has one.

#include "ledger/ClearMarks.h"
#include "ledger/DiskStamp.h"
#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "platform/Result.h"

#include <QString>
#include <vector>

namespace ledger {

constexpr quint32 JournalVersion = 1;

struct JournalChange {
    enum Kind : char {
        Slot = 'S',
        Values = 'V',
        SlotCount = 'N',
        Mark = 'M',
        Statement = 'R',
        NoMarks = 'C',
        DeletedBankId = 'D',
        Schedules = 'P',
    };
    Kind kind = Slot;
    int32_t slot = 0; // Slot, Mark: the slot; SlotCount: the count
    TransactionRecord record;
    int16_t nextCheckNumber = 0;
    float startingBalance = 0;
    double lockDate = 0;
    ClearMark mark = ClearMark::None;
    QString bankId; // Mark, DeletedBankId
    ReconciledStatement statement;
    std::vector<Schedule> schedules;
};

struct JournalEntry {
    qint64 madeMs = 0;
    std::vector<JournalChange> changes;
};

struct JournalHeader {
    qint64 begunMs = 0;
    DiskStamp base;
    QString ledgerPath;
};

struct JournalContents {
    JournalHeader header;
    std::vector<JournalEntry> entries;
    bool cutShort = false; // bytes after the last whole entry did not make one
};

using platform::FileRead;
// Reads a journal: Missing when there is none, Unreadable (with the reason) for a file that is not a journal of a
// version this program knows.
platform::Result<JournalContents, FileRead> ReadJournal(const QString& path);

// Writes one journal. While open it holds an exclusive flock on the file, which tells other copies of the
// program that the journal is in use (IsJournalInUse).
class JournalWriter {
public:
    JournalWriter() = default;
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Makes the journal at `path` with its header and `first` entry, complete on disk before it takes the name
    // (replacing a journal of that name).
    platform::Result<> Begin(const QString& path, const JournalHeader& header, const JournalEntry& first);
    // Appends an entry and waits until it is on the disk.
    platform::Result<> Append(const JournalEntry& entry);
    bool IsOpen() const { return fd >= 0; }
    const QString& Path() const { return path; }
    // Closes the journal; `remove` deletes it first, or where it cannot be deleted cuts it back to its header, a
    // journal with no change to offer. A failure when neither could be done.
    platform::Result<> Close(bool remove);

private:
    int fd = -1;
    QString path;
    qint64 headerSize = 0;
};

// True while another process writes the journal at `path`.
bool IsJournalInUse(const QString& path);

} // namespace ledger
