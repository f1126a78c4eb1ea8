#pragma once
// What a transaction has beside its 64-byte record: whether it cleared the bank or was reconciled, and the
// statements it was reconciled with.

#include <cstdint>
#include <vector>

namespace ledger {

enum class ClearMark : uint8_t { None, Cleared, Reconciled };

struct ReconciledStatement {
    double date = 0;         // the statement's closing date, days since 30 December 1899
    int64_t endingCents = 0; // its ending balance
    std::vector<int> slots;  // the records it covered
    bool operator==(const ReconciledStatement&) const = default;
};

} // namespace ledger
