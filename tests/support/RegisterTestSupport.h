#pragma once
// Helpers shared by the register's tests.

#include "ledger/Ledger.h"
#include "platform/FlexGrid.h"
#include "platform/Locale.h"
#include "register/RegisterCells.h"

#include <QDate>

namespace tallix::test {

// A calendar date as the ledger holds it.
inline double Day(int year, int month, int day) {
    return platform::DayCountFromDate(QDate(year, month, day));
}

// The record in a slot of the ledger store (slot 1 is the first record delivered).
inline ledger::TransactionRecord RecordInSlot(int slot) {
    ledger::TransactionRecord record;
    bool more = ledger::FirstTransaction(record);
    for (int s = 1; more && s < slot; ++s)
        more = ledger::NextTransaction(record);
    return record;
}

// The grid row that shows a slot's record (column 9), or -1.
inline int RowOfSlot(const platform::FlexGrid& grid, int slot) {
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r)
        if (grid.TextMatrix(r, RegisterColumn::Slot) == QString::number(slot))
            return r;
    return -1;
}

} // namespace tallix::test
