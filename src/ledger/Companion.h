#pragma once
// The companion file NAME.tlx.db, private to the ledger module: an SQLite database of the marks, statements and
// bank ids (ClearMarks.h) of the data file it was written with, by the records' positions in that file (1 for the
// first record after the header), and of the ledger's schedules (Schedules.h). The data file's format never changes
// for it, and a ledger without marks or schedules has none.
//
// Schema version 2 (PRAGMA user_version 2; PRAGMA application_id CompanionApplicationId, "TlxM"):
//   data_file(size, modified_ns, crc32, records)   one row: the data file's size, modification time (ns since
//                                                  1970) and CRC-32, and how many records follow its header
//   records(first INTEGER PRIMARY KEY, marks BLOB, bank_ids BLOB)
//                                                  the records by position, in blocks of up to CompanionBlock from
//                                                  position `first` on: a mark byte per record (0 none, 1 cleared,
//                                                  2 reconciled); for each record that has a bank id, its index in
//                                                  the block (u16 LE), the id's length (u16 LE) and its UTF-8 bytes
//   record_hashes(first INTEGER PRIMARY KEY, hashes BLOB)
//                                                  the same blocks: the first 8 bytes of the SHA-1 of each record's
//                                                  64 bytes
//   statements(id INTEGER PRIMARY KEY, date REAL, ending_cents INTEGER, positions BLOB)
//                                                  in the order recorded; positions as i32 LE
//   deleted_bank_ids(id INTEGER PRIMARY KEY, bank_id TEXT)   in the order deleted
//   schedules(id INTEGER PRIMARY KEY, schedule BLOB)          in the user's order; each as ScheduleBytes.h lays it out
// Version 1 had no schedules table; it is still read, as a ledger without schedules.
// Records are packed into blocks because one row per record takes longer to read than the whole data file, and
// their hashes have a table of their own because only a data file changed behind the companion's back needs them.

#include "ledger/LedgerState.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

namespace ledger {

constexpr int32_t CompanionApplicationId = 0x546C784D;
constexpr int32_t CompanionVersion = 2;
constexpr int CompanionBlock = 4096;

// A companion's contents by position.
struct CompanionContents {
    DiskStamp dataFile;                           // size, modifiedNs and crc of the data file written with it
    int records = 0;                              // positions 1 to records
    QByteArray marks;                             // one ClearMark per position, from position 1
    QByteArray hashes;                            // 8 bytes per position; read only when asked for
    std::vector<std::pair<int, QString>> bankIds; // position and id, by position
    struct Statement {
        double date = 0;
        int64_t endingCents = 0;
        std::vector<int> positions;
    };
    std::vector<Statement> statements;
    QStringList deletedBankIds;
    std::vector<Schedule> schedules;
};

// The first 8 bytes of the SHA-1 of each of the first `records` 64-byte records after the header of a data file.
QByteArray RecordHashes(const QByteArray& ledgerBytes, int records);

enum class CompanionRead { Read, Missing, Unusable };
// Reads the companion at `path`. Its record hashes are read only when `unchanged`, given its data file's stamp and
// record count, says it was written with another data file. Unusable, with the reason in `problem` ("it was written
// by a newer version of Tallix"), for a file that is not a companion of a version this program reads, or that
// cannot be read whole.
CompanionRead ReadCompanionFile(const QString& path, CompanionContents& contents,
                                const std::function<bool(const CompanionContents&)>& unchanged, QString& problem);
// Writes the companion at `path`, an absent or already removed file, in one transaction; with mode `mode`. False with
// the reason in `error`; then nothing remains at `path`.
bool WriteCompanionFile(const QString& path, const CompanionContents& contents, unsigned mode, QString& error);

// LoadLedger's side: the marks of the data file `ledgerTarget`, read as `ledgerBytes` with `records` records after
// its header from a file of `stamp`'s size and time, by slot into `into` (empty), and its schedules into `schedules`.
CompanionLoad LoadCompanion(const QString& ledgerTarget, const QByteArray& ledgerBytes, int records,
                            const DiskStamp& stamp, ClearMarkState& into, std::vector<Schedule>& schedules);
// SaveLedger's side, right after `ledgerBytes` replaced the data file `ledgerTarget`: writes its companion when the
// ledger has marks or schedules or one exists, keeping the previous one as NAME.tlx.db.bak. False with the reason in
// `error`.
bool SaveCompanion(LedgerState& state, const QString& ledgerTarget, const QByteArray& ledgerBytes, QString& error);

} // namespace ledger
