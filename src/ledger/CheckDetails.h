#pragma once
// What a check or payment carries for writing and printing it beside its 64-byte record: a memo, the payee's
// address for a window envelope, and whether it waits in the queue of checks to print. Kept by slot like the marks
// (ClearMarks.h): hidden while a slot is deleted, saved in the companion file beside the ledger, journalled.
//
// Every change marks the ledger modified and goes to the recovery journal. Like the store's other operations,
// these run on the GUI thread.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace ledger {

constexpr int MaxMemoLength = 60;
constexpr int MaxAddressLines = 4;
constexpr int MaxAddressLineLength = 60;

// Empty for a slot not in use.
QString MemoOf(int16_t slot);
// False (nothing changes) for a slot not in use, a record that is not a check or payment, or a memo longer than
// MaxMemoLength.
bool SetMemo(int16_t slot, const QString& memo);

// The address's lines, without trailing empty ones; none for a slot not in use.
QStringList AddressOf(int16_t slot);
// Trailing empty lines are dropped. False (nothing changes) for a slot not in use, a record that is not a check or
// payment, more than MaxAddressLines lines or a line longer than MaxAddressLineLength.
bool SetAddress(int16_t slot, const QStringList& lines);

// A check added with "Print later" waits until it is printed.
bool IsWaitingToPrint(int16_t slot);
// False (nothing changes) for a slot not in use or a record that is not a check.
bool SetWaitingToPrint(int16_t slot, bool waiting);
// The checks waiting, by check number (then slot).
std::vector<int16_t> ChecksWaitingToPrint();

// The address of the newest transaction (by date, then slot) whose description is `payee` (compared as the
// register shows it, trailing blanks left out) and that has one; none when none has.
QStringList LastAddressOf(const QString& payee);

} // namespace ledger
