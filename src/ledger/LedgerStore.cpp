#include "ledger/ChangeBatch.h"
#include "ledger/LedgerState.h"
#include "ledger/StoreNotifier.h"
#include "platform/Prompt.h"

namespace ledger {

LedgerState& State() {
    static LedgerState state;
    return state;
}

std::vector<TransactionRecord> FreshSlots() {
    return std::vector<TransactionRecord>(3);
}

void ShowJournalFailure(const platform::Result<>& journalled) {
    (void)platform::ShowIfFailed(journalled);
}

namespace {
bool IsSlotInUse(int index) {
    return index >= 1 && index < State().NextSlot;
}
} // namespace

bool CanAddTransaction() {
    return State().NextSlot < MaxSlots;
}

int16_t AddTransaction(int16_t checkNumber, double date, float amount, const QString& description, int16_t typeCode) {
    LedgerState& s = State();
    if (s.NextSlot >= s.UpperBound())
        s.Records.resize(s.Records.size() + SlotGrowth);
    TransactionRecord& r = s.Records[s.NextSlot];
    r.CheckNumber = checkNumber;
    r.Date = date;
    r.Amount = amount;
    r.Description = FixDescription(description);
    r.TypeCode = typeCode;
    r.Locked = 0;
    s.NextSlot += 1;
    // A check numbered 32767 keeps the next number at 32767 instead of wrapping to a negative one.
    if (checkNumber != PaymentCheckNumber && checkNumber >= s.NextCheckNumber)
        s.NextCheckNumber = checkNumber < MaxCheckNumber ? int16_t(checkNumber + 1) : MaxCheckNumber;
    s.LiveCount += 1;
    s.Modified = true;
    const ChangeBatch oneChange;
    ShowJournalFailure(JournalSlot(s.NextSlot - 1));
    ShowJournalFailure(JournalValues());
    return int16_t(s.NextSlot - 1);
}

bool DeleteTransaction(int16_t index) {
    LedgerState& s = State();
    // Deleting twice must not lower LiveCount twice, or the saved header would undercount.
    if (!IsSlotInUse(index) || s.Records[index].TypeCode == Deleted)
        return false;
    s.Records[index].TypeCode = Deleted;
    s.LiveCount -= 1;
    s.Modified = true;
    ShowJournalFailure(JournalSlot(index));
    return true;
}

bool RestoreTransaction(int16_t index, int16_t typeCode) {
    LedgerState& s = State();
    if (!IsSlotInUse(index) || s.Records[index].TypeCode != Deleted || typeCode < CheckOrPayment || typeCode > Interest)
        return false;
    s.Records[index].TypeCode = typeCode;
    s.LiveCount += 1;
    s.Modified = true;
    ShowJournalFailure(JournalSlot(index));
    return true;
}

bool UpdateTransaction(int16_t index, int16_t checkNumber, double date, float amount, const QString& description,
                       bool locked) {
    LedgerState& s = State();
    if (!IsSlotInUse(index))
        return false;
    TransactionRecord& r = s.Records[index];
    r.CheckNumber = checkNumber;
    r.Date = date;
    r.Amount = amount;
    r.Description = FixDescription(description);
    r.Locked = locked ? -1 : 0;
    s.Modified = true;
    ShowJournalFailure(JournalSlot(index));
    return true;
}

bool FirstTransaction(TransactionRecord& record) {
    LedgerState& s = State();
    s.Cursor = 1;
    if (s.NextSlot <= 1)
        return false;
    record = s.Records[1];
    s.Cursor = 2;
    return true;
}

bool NextTransaction(TransactionRecord& record) {
    LedgerState& s = State();
    if (s.Cursor >= s.NextSlot)
        return false;
    record = s.Records[s.Cursor];
    s.Cursor += 1;
    return true;
}

int16_t GetTransactionCount() {
    return int16_t(State().LiveCount);
}
int16_t GetNextCheckNumber() {
    return State().NextCheckNumber;
}
void SetNextCheckNumber(int16_t number) {
    State().NextCheckNumber = number;
    ShowJournalFailure(JournalValues());
}
float GetStartingBalance() {
    return State().StartingBalance;
}
void SetStartingBalance(float amount) {
    State().StartingBalance = amount;
    ShowJournalFailure(JournalValues());
}

bool GetLockDate(double& date) {
    date = State().LockDate;
    return date != 0;
}

void SetLockDate(double date) {
    State().LockDate = date;
    ShowJournalFailure(JournalValues());
}
bool IsModified() {
    return State().Modified;
}
void SetModified(bool modified) {
    State().Modified = modified;
}
bool AreRecordsLocked() {
    return State().RecordsLocked;
}
void SetRecordsLocked(bool locked) {
    State().RecordsLocked = locked;
}
QString GetDataFileName() {
    return State().DataFileName;
}
void SetDataFileName(const QString& path) {
    State().DataFileName = path;
}
bool IsEditAllowed() {
    return true;
}

void NewLedger() {
    LedgerState& s = State();
    s.NextCheckNumber = 0;
    s.StartingBalance = 0;
    s.NextSlot = 1;
    s.LiveCount = 1;
    s.LockDate = 0;
    s.DataFileName.clear();
    s.RecordsLocked = false;
    s.Modified = false;
    s.Records = FreshSlots();
    s.StampedFile.clear();
    s.Stamp = {};
    s.StampedBytes.clear();
    s.Marks = {};
    s.Schedules.clear();
    s.KeptCategories = DefaultCategories();
    s.CategoryRules.clear();
    s.UnusableCompanion.clear();
    s.UnusableProblem.clear();
    s.CompanionPending = false;
    s.LastLoad = {};
    ShowJournalFailure(EndJournal());
    ReleaseFile();
    NoteStoreChange();
}

} // namespace ledger
