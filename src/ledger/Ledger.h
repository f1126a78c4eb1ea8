#pragma once
// The ledger store: the one ledger the program works on, as module-level state with plain operations.
//
// Records live in numbered slots. Slot 0 is the staging slot for the file header; slots 1 to NextSlot-1 hold
// the transactions in order of entry (or file order after a load). Deleting marks a slot (TypeCode -1) and keeps
// its index; deleted slots disappear only when the ledger is saved. Every operation runs on the GUI thread.

#include "model/TransactionRecord.h"

#include <QString>
#include <cstdint>

namespace ledger {

// Appends a record in slot NextSlot and returns that slot. Checks nothing: the caller validates and asks
// CanAddTransaction first.
// NextCheckNumber follows the added record's number (never beyond 32767).
int16_t AddTransaction(int16_t checkNumber, double date, float amount, const QString& description, int16_t typeCode);
// True while another slot fits below the 16-bit limits of the file.
bool CanAddTransaction();
// Marks a slot in use deleted. False (nothing changes) for an index outside 1..NextSlot-1 or an already deleted slot.
bool DeleteTransaction(int16_t index);
// Takes back a deletion: the deleted slot is in use again with `typeCode` (0 to 4), its record as it was. False
// (nothing changes) for a slot that is not a deleted one in use, or a type code out of range.
bool RestoreTransaction(int16_t index, int16_t typeCode);
// Overwrites everything but TypeCode of a slot in use; false (nothing changes) otherwise.
bool UpdateTransaction(int16_t index, int16_t checkNumber, double date, float amount, const QString& description,
                       bool locked);

// One iteration cursor for the whole store; deleted slots are delivered too. The n-th record is slot n.
bool FirstTransaction(TransactionRecord& record);
bool NextTransaction(TransactionRecord& record);

// Live transactions plus 1.
int16_t GetTransactionCount();
int16_t GetNextCheckNumber();
void SetNextCheckNumber(int16_t number);
float GetStartingBalance();
void SetStartingBalance(float amount);
// Copies the lock date; true when one is set (not 0).
bool GetLockDate(double& date);
void SetLockDate(double date);
bool IsModified();
void SetModified(bool modified = true);
bool AreRecordsLocked();
void SetRecordsLocked(bool locked);
QString GetDataFileName();
void SetDataFileName(const QString& path);
// Empties the store; the caller has already asked about unsaved changes.
void NewLedger();
bool IsEditAllowed();

} // namespace ledger
