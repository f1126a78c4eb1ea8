#pragma once
// The companion file NAME.tlx.db, private to storage: an SQLite database of the marks, statements and bank ids
// (ledger/ClearMarks.h) of the data file it was written with, by the records' positions in that file (1 for the first
// record after the header), and of the ledger's schedules (ledger/Schedules.h). The data file's format never changes
// for it, and a ledger without marks or schedules has none. Its blobs are packed by formats/CompanionBytes.h.
//
// Schema version 2 (PRAGMA user_version 2; PRAGMA application_id CompanionApplicationId, "TlxM"):
//   data_file(size, modified_ns, crc32, records)   one row: the data file's size, modification time (ns since
//                                                  1970; 0 now that the companion is written first) and CRC-32,
//                                                  and how many records follow its header
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
//   schedules(id INTEGER PRIMARY KEY, schedule BLOB)          in the user's order; laid out as formats/ScheduleBytes.h
//   check_details(position INTEGER PRIMARY KEY, memo TEXT, address BLOB, waiting INTEGER)
//                                                  version 3: the records that have a memo, an address or wait to
//                                                  be printed (0 or 1); the address's lines packed by PackLines
//   categories(position INTEGER PRIMARY KEY, category TEXT, parts BLOB)
//                                                  version 4: the records that have a category (parts empty) or
//                                                  are split (category empty; the parts packed by PackParts)
//   kept_categories(id INTEGER PRIMARY KEY, path TEXT)              version 4: the ledger's list, in its order
//   category_rules(id INTEGER PRIMARY KEY, contains TEXT, category TEXT)   version 4: the import rules, in order
// Version 1 had no schedules table; it is still read, as a ledger without schedules. A ledger without check details
// is written as version 2, which versions before them read in full; one with them as version 3, which those
// versions refuse as newer and so never write over (they would drop the details). Version 4 only for a ledger whose
// categories differ from a new ledger's (an assignment, a rule, or another list than DefaultCategories()): a file
// before it gives the ledger the list of a new one and no rules.
// Records are packed into blocks because one row per record takes longer to read than the whole data file, and
// their hashes have a table of their own because only a data file changed behind the companion's back needs them.

#include "ledger/LedgerState.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace ledger {

constexpr int32_t CompanionApplicationId = 0x546C784D;
constexpr int32_t CompanionVersion = 4; // the newest this program reads and writes
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
    std::vector<std::pair<int, CheckDetail>> details;           // position and details, by position
    std::vector<std::pair<int, CategoryAssignment>> categories; // position and category or split, by position
    // The ledger's list and import rules; none, as a file before version 4 has, for a new ledger's.
    struct CategoryLists {
        QStringList kept;
        std::vector<CategoryRule> rules;
        bool operator==(const CategoryLists&) const = default;
    };
    std::optional<CategoryLists> categoryLists;
};

using platform::FileRead;
// Reads the companion at `path`. Its record hashes are read only when `unchanged`, given its data file's stamp and
// record count, says it was written with another data file. Missing when there is none; Unreadable, with the reason
// ("it was written by a newer version of Tallix"), for a file that is not a companion of a version this program
// reads, or that cannot be read whole.
platform::Result<CompanionContents, FileRead>
ReadCompanionFile(const QString& path, const std::function<bool(const CompanionContents&)>& unchanged);
// Writes the companion at `path`, an absent or already removed file, in one transaction; with mode `mode`. On a
// failure nothing remains at `path`.
platform::Result<> WriteCompanionFile(const QString& path, const CompanionContents& contents, unsigned mode);

// LoadLedger's side: the marks and categories of the data file `ledgerTarget`, read as `ledgerBytes` with `records`
// records after its header, by slot into the Marks of `into` (empty), with its Schedules, KeptCategories and
// CategoryRules (a new ledger's list and no rules when the file has none). A companion is taken by position only when
// it was written with these very bytes (size and CRC-32), and otherwise matched record by record; one that finds none
// of its records (another ledger's), or whose split does not add up to its record's amount, is Unusable. A staged
// companion (NAME.tlx.db.saving) written with these bytes is the one of this data file: a save was killed before it put
// it in place.
CompanionLoad LoadCompanion(const QString& ledgerTarget, const QByteArray& ledgerBytes, int records, LedgerState& into);

// SaveLedger's side, under the hold of the data file `ledgerTarget`, in steps around its replacement, so that the
// next load finds the data file with its own companion after a kill at any point.
// First: a staged companion that a killed save left of the data file now on disk is put in place (the previous one
// kept as NAME.tlx.db.bak); any other is removed.
platform::Result<> FinishKilledSave(const QString& ledgerTarget);
// Then, before the data file is replaced by `ledgerBytes`: the companion is written whole and synced under its
// staged name when the ledger has marks or schedules or one exists. A failure when it cannot be written or a file at
// its place must be left alone: one that the load could not use or did not find (the user moves it aside), or that
// is not a sound companion of ours.
enum class CompanionStage { Nothing, Staged };
platform::Result<CompanionStage> StageCompanion(LedgerState& state, const QString& ledgerTarget,
                                                const QByteArray& ledgerBytes);
// A staged companion is removed when the data file does not hold `ledgerBytes` after all (its write failed).
void DropStagedCompanion(const QString& ledgerTarget, const QByteArray& ledgerBytes);
// Once the data file holds the bytes staged with: the staged companion takes its place, the previous one kept as
// NAME.tlx.db.bak. On a failure the staged one stays, and loads take it.
platform::Result<> PlaceCompanion(LedgerState& state, const QString& ledgerTarget);

} // namespace ledger
