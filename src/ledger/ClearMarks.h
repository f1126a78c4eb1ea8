#pragma once
// Cleared and reconciled marks, reconciled statements and the bank's transaction ids of imported records: what the
// 64-byte record has no room for. The store keeps them by slot beside the records; the data file never holds them.
// SaveLedger writes them to a companion file, NAME.tlx.db beside NAME.tlx (only once a ledger has any), and
// LoadLedger reads them back, matching them to the records again when the data file was changed without them.
//
// Every change marks the ledger modified and goes to the recovery journal, as record changes do. Like those, these
// operations run on the GUI thread.

#include "model/ClearMark.h"
#include "model/CompanionLoad.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace ledger {

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

// Appends a statement; marks are set apart, with SetClearMark. False (nothing changes) when a slot is not in use
// or the date is not one the program can show.
bool RecordStatement(const ReconciledStatement& statement);
// Takes back the statement recorded last (an undone reconciliation); false when there is none.
bool DropLastStatement();
// In the order recorded; records deleted since are left out of `slots`.
std::vector<ReconciledStatement> Statements();

// What the last LoadLedger found beside the data file. LoadLedger also tells the user through the prompt layer
// when marks were dropped or the companion could not be used.
const CompanionLoad& LastCompanionLoad();

} // namespace ledger
