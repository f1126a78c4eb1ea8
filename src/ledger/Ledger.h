#pragma once
// The ledger store: the one ledger the program works on, as module-level state with plain operations.
//
// Records live in numbered slots. Slot 0 is the staging slot for the file header; slots 1 to NextSlot-1 hold
// the transactions in order of entry (or file order after a load). Deleting marks a slot (TypeCode -1) and keeps
// its index; deleted slots disappear only when the ledger is saved. Every operation runs on the GUI thread.

#include "platform/Locale.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace ledger {

enum TypeCodes : int16_t {
    Deleted = -1,
    CheckOrPayment = 0,
    Withdrawal = 1,
    Fee = 2,
    Deposit = 3,
    Interest = 4,
};

constexpr int DescriptionLength = 46;
constexpr int16_t PaymentCheckNumber = -1;
// 16-bit record count in the file header: at most 32767 records counting the header.
constexpr int MaxSlots = 32767;
constexpr int16_t MaxCheckNumber = 32767;
// The largest amount or starting balance in dollars, either sign; the windows take no larger one. The register
// adds amounts as whole cents in 64-bit integers and cuts a balance off at 4 x 10^18 cents; 32,767 amounts and a
// starting balance of 10^14 cents each come to at most 3.3 x 10^18, so no balance is ever cut off.
constexpr double MaxAmount = platform::MaxMoney;

struct TransactionRecord {
    int16_t TypeCode = 0;
    int16_t CheckNumber = 0;
    double Date = 0;                                                    // days since 30 December 1899
    float Amount = 0;                                                   // unsigned; TypeCode decides debit or credit
    QString Description = QString(DescriptionLength, QLatin1Char(' ')); // always exactly 46 characters
    int16_t Locked = 0;                                                 // -1 true, 0 false

    bool operator==(const TransactionRecord&) const = default;
};

// Pads with spaces or cuts to exactly 46 characters.
QString FixDescription(const QString& text);

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

// Data file. Both report their failures in message boxes themselves.
// LoadLedger reads DataFileName. On success the records and the header values (next check number, starting
// balance, lock date) are replaced and nothing else changes; on failure the store is exactly as it was, Modified
// included. The file is refused ("Unknown file type") unless it is a regular file with the header text, a record
// count of 1 or more, at least count x 64 bytes and type codes 0 to 4, and holds only values the program can
// show: dates and the lock date from 1/1/100 to 12/31/9999 (a lock date of 0 is none), amounts and the starting
// balance finite and at most MaxAmount either way. A negative amount is read as it stands. It needs no lock: a
// save replaces the file whole. The file is stamped (DiskStamp) and the recovery journal of the previous ledger
// ends. The marks come from the companion file (ClearMarks.h), which never fails the load: a message says when
// marks could not be matched to the records and were dropped, or when the companion cannot be used.
bool LoadLedger();
// Writes DataFileName when the ledger is modified, asking for a name first when there is none (false when the
// prompt is cancelled); a name chosen there is always written, so that it names a file. The file is replaced as a
// whole: it is always either the complete old or the complete new ledger, exactly (live transactions + 1) x 64
// bytes, and success is reported only once the new file and its name are on the disk. The previous version stays
// beside it as NAME.bak; a symbolic link is saved through to its target, and the file keeps its permissions.
// Before writing, a file that is no longer the one last loaded or saved (size, time or bytes differ, or it is
// gone) is put to the DiskChangePrompt: Save As asks for a name and saves there, Overwrite goes on, Cancel
// returns false; without a prompt the save is refused. A file without write permission is refused. On failure
// ("Unable to save file:", the path and, on a further line, the reason when there is one) the old file is
// untouched unless the new one had already replaced it, no temporary file remains and Modified stays true. On
// success the recovery journal ends. The save uses the store's hold of the file (LedgerHold.h) or holds it for
// the save alone, and refuses a file that another copy holds; temporary files of an earlier, killed save of the
// file are removed.
// Under the same hold, its companion NAME.db (ClearMarks.h) is written the same way (whole; the previous one stays
// as NAME.db.bak) when the ledger has marks or a companion is there: complete under a staged name before the data
// file is replaced, put in place after, so that a load after a kill at any point finds the ledger, its marks and
// its schedules all as before the save or all as after it. A companion file that the load could not use or did not
// find is never written over. When the companion cannot be written the save says "Unable to save file:" with its
// path and returns false, Modified stays true, and the data file is not replaced; when it cannot be put in place
// the data file stays saved, loads take the staged companion, and the next save puts it in place (writing the data
// file again only if the ledger changed).
bool SaveLedger();
// True for an existing file or folder, and for a name pattern (* or ?) that matches anything.
bool FileExists(const QString& path);

// Asked by SaveLedger when the ledger has no file name; it sets DataFileName and answers true when one was chosen.
using FileNamePrompt = std::function<bool(bool bOpen)>;
void SetFileNamePrompt(FileNamePrompt prompt);

enum class DiskChangeAnswer { SaveAs, Overwrite, Cancel };
// Asked by SaveLedger when the file changed on disk since it was loaded or saved (`vanished`: it is gone).
using DiskChangePrompt = std::function<DiskChangeAnswer(const QString& path, bool vanished)>;
void SetDiskChangePrompt(DiskChangePrompt prompt);
// The window keeps holding a file it saved to under a new name; tallix-cli takes its holds itself.
void SetHoldWhileOpen(bool hold);

} // namespace ledger
