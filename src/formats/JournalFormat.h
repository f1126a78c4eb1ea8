#pragma once
// The recovery journal's bytes (storage/RecoveryJournal.h writes and reads its file): every change made to a ledger
// since it was last saved, appended and synced to disk as it is made, so that a crash or a power cut loses none of
// them.
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
//           as ScheduleBytes.h lays it out;
//           'K' a slot's check details, replacing those before: i32 slot, u32 m and m bytes of the memo in UTF-8,
//           u32 k and k times u32 m and m bytes of an address line in UTF-8, u8 waiting to print (0 or 1);
//           'A' a slot's category or split, replacing the one before: i32 slot, u32 m and m bytes of the category
//           in UTF-8 (none for a split), u32 k and k parts, each u32 m and m bytes of its category, u32 m and m bytes
//           of its memo (UTF-8) and its i64 cents;
//           'L' the ledger's list of categories and import rules, replacing those before: u32 k and k paths, u32 r
//           and r rules, each as u32 m and m bytes of its text and of its category (UTF-8 all).
// The first entry holds the whole ledger (N, every slot, C, M of every slot that has a mark or bank id, K of every
// slot that has details, A of every slot that has a category, R, D, P, L, V);
// each later one the changes of one user action. An entry is whole or missing: one whose bytes or CRC-32 fall short
// ends the journal there. Journals without the marks' kinds (M, R, C, D), as versions before them wrote, replay
// with the marks that the load found, and journals without P with its schedules; a version before those kinds
// stops at the first entry that has one. K came after them: C clears the details with the marks, and a version
// before K stops at the first entry that has one. A and L came last: C clears the categories too, a journal without
// L replays with the list and rules the load found, and a version before them stops at the first entry with one.

#include "model/Category.h"
#include "model/ClearMark.h"
#include "model/DiskStamp.h"
#include "model/Schedule.h"
#include "model/TransactionRecord.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
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
        Detail = 'K',
        Category = 'A',
        CategoryList = 'L',
    };
    Kind kind = Slot;
    int32_t slot = 0; // Slot, Mark, Detail, Category: the slot; SlotCount: the count
    TransactionRecord record;
    int16_t nextCheckNumber = 0;
    float startingBalance = 0;
    double lockDate = 0;
    ClearMark mark = ClearMark::None;
    QString bankId; // Mark, DeletedBankId
    ReconciledStatement statement;
    std::vector<Schedule> schedules;
    QString memo; // Detail
    QStringList address;
    bool waitingToPrint = false;
    CategoryAssignment category; // Category
    QStringList keptCategories;  // CategoryList
    std::vector<CategoryRule> categoryRules;
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

// The bytes that begin a journal: its magic, version and framed header.
QByteArray EncodeJournalStart(const JournalHeader& header);
// One entry, framed, as it is appended.
QByteArray EncodeJournalEntry(const JournalEntry& entry);
// Reads a journal's bytes; a failure (with the reason) for bytes that are not a journal of a version this program
// knows. Entries after the first one that is cut short or damaged are not read (cutShort).
platform::Result<JournalContents> DecodeJournal(const QByteArray& bytes);

} // namespace ledger
