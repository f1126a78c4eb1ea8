#pragma once
// The register as the register window shows it, for the terminal: the same fill, sort and balance procedures on
// a headless grid, so the two can never disagree.

#include <QString>
#include <QStringList>
#include <vector>

namespace cli {

struct RegisterTable {
    // Check #, Date, Description of Transaction, Payment/Debit, Type, Deposit/Credit, Balance.
    QStringList headers;
    // One row per live transaction of the ledger store, in register order, with the visible columns' texts.
    std::vector<QStringList> rows;
    // The slot index of each row's record in the ledger store.
    std::vector<int> slots;
};

RegisterTable ReadRegister();
// Starting balance, lock date and next check number, then the register as aligned text.
QString FormatRegister();

} // namespace cli
