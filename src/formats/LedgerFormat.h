#pragma once
// The data file's byte layout: a header record, then the live transactions, each a packed little-endian
// 64-byte record (type/count, check number/next check number, date/lock date, amount/starting balance,
// 46 bytes of code page 1252 text, locked flag). Works on any QIODevice, so tests and the fuzzer need no file.

#include "model/LedgerContents.h"

#include <QIODevice>

namespace ledger {

constexpr int RecordSize = 64;
// The longest a ledger file can be: the most records a header can count. Bytes after them are never read.
constexpr qint64 MaxLedgerBytes = qint64(MaxSlots) * RecordSize;
inline constexpr char HeaderText[] = "CHECK DATA HEADER";

void EncodeRecord(const TransactionRecord& record, char* out);
void DecodeRecord(const char* in, TransactionRecord& record);
// The 46 text bytes of a record at `text` are the header text, padded with spaces only.
bool IsHeaderText(const char* text);
constexpr int TextOffset = 16;

// The date and amount of a record (or the lock date and starting balance of the header) are values the program
// can show and add up: dates from 1/1/100 to 12/31/9999, amounts within MaxAmount. The loader refuses a file with
// any other; they can only come from damage or another program.
bool IsReadableRecord(const TransactionRecord& record);

// The header record written for `contents`: its staging slot with the count, next check number, lock date,
// starting balance and header text filled in (the locked flag is kept as it is).
TransactionRecord HeaderFor(const LedgerContents& contents);

enum class ReadResult {
    Loaded,
    Unreadable,  // the device failed
    UnknownType, // not a ledger: header text, record count, length, a type code, a date or an amount is wrong
};

// Fills the slot array, NextSlot, LiveCount, NextCheckNumber, StartingBalance and LockDate of `into` from the
// device; slot 0 holds the header as read. Nothing else of `into` is touched. Bytes after the counted records
// are not read. On any result but Loaded, `into` is in an unspecified state and must be discarded.
ReadResult ReadLedger(QIODevice& device, LedgerContents& into);

// Writes the header and every live slot in slot order; true when every byte was accepted by the device.
bool WriteLedger(QIODevice& device, const LedgerContents& contents);

} // namespace ledger
