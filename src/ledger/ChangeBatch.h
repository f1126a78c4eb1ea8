#pragma once

namespace ledger {

// The changes made while a batch lives are one entry of the recovery journal (storage/Recovery.h), written when the
// outermost batch ends: one sync for a whole import or register write-back, and a crash keeps all of them or none.
class ChangeBatch {
public:
    ChangeBatch();
    ~ChangeBatch();
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;
};

// How many batches are alive: 0 outside of any.
int ChangeBatchDepth();

} // namespace ledger
