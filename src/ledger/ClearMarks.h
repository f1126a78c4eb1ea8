#pragma once
// Cleared and reconciled marks, reconciled statements and the bank's transaction ids of imported records: what the
// 64-byte record has no room for. The store keeps them by slot beside the records; the data file never holds them.
// SaveLedger writes them to a companion file, NAME.tlx.db beside NAME.tlx (only once a ledger has any), and
// LoadLedger reads them back, matching them to the records again when the data file was changed without them.
//
// Every change marks the ledger modified and goes to the recovery journal, as record changes do. Like those, these
// operations run on the GUI thread.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace ledger {

enum class ClearMark : uint8_t { None, Cleared, Reconciled };

// A slot is in use from 1 to NextSlot-1 while it is not deleted. A deleted slot keeps its mark and bank id hidden,
// so that RestoreTransaction brings them back; a save leaves them out with the record.

// None for a slot not in use.
ClearMark GetClearMark(int16_t slot);
// False (nothing changes) for a slot not in use or a value outside the enum.
bool SetClearMark(int16_t slot, ClearMark mark);

// The id the bank gave an imported transaction (an OFX FITID): empty for none and for a slot not in use.
QString BankIdOf(int16_t slot);
constexpr int MaxBankIdLength = 255;
// An empty id removes it. False (nothing changes) for a slot not in use or an id longer than MaxBankIdLength.
bool SetBankId(int16_t slot, const QString& bankId);
// The ids of records the user deleted: those deleted before the ledger was last loaded, then those of deleted
// slots. An import can tell a statement line whose record was deleted from a new one.
QStringList DeletedBankIds();

struct ReconciledStatement {
    double date = 0;         // the statement's closing date, days since 30 December 1899
    int64_t endingCents = 0; // its ending balance
    std::vector<int> slots;  // the records it covered
    bool operator==(const ReconciledStatement&) const = default;
};
// Appends a statement; marks are set apart, with SetClearMark. False (nothing changes) when a slot is not in use
// or the date is not one the program can show.
bool RecordStatement(const ReconciledStatement& statement);
// Takes back the statement recorded last (an undone reconciliation); false when there is none.
bool DropLastStatement();
// In the order recorded; records deleted since are left out of `slots`.
std::vector<ReconciledStatement> Statements();

// What the last LoadLedger found beside the data file. LoadLedger also tells the user through the prompt layer
// when marks were dropped or the companion could not be used.
struct CompanionLoad {
    enum class Outcome {
        None,      // no companion: the ledger has no marks
        Matched,   // written with this very data file: every mark is where it was
        Rematched, // the data file changed since: records were matched by their 64 bytes, equal ones in order
        Unusable,  // unreadable, of a newer version or not ours: no marks, and saves leave the file alone
    };
    Outcome outcome = Outcome::None;
    int marksDropped = 0;   // Rematched: cleared or reconciled records that were not found
    int bankIdsDropped = 0; // Rematched: bank ids of records that were not found
    QString problem;        // Unusable: why, as "it was written by a newer version of Tallix"
};
const CompanionLoad& LastCompanionLoad();

// The companion file of the data file `ledgerPath` (symbolic links followed): NAME.tlx.db.
QString CompanionPathOf(const QString& ledgerPath);

// tallix-cli check: the companion of the ledger at `ledgerPath`, whose bytes are `ledgerBytes`, as a load would
// find it. Reads, never writes.
CompanionLoad CheckCompanion(const QString& ledgerPath, const QByteArray& ledgerBytes);

} // namespace ledger
