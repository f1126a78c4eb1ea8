#pragma once
// What a load found beside the data file: its companion file (storage/Companion.h) and how its marks fitted.

#include <QString>

namespace ledger {

struct CompanionLoad {
    enum class Outcome {
        None,      // no companion: the ledger has no marks
        Matched,   // written with this very data file: every mark is where it was
        Rematched, // the data file changed since: records were matched by their 64 bytes, equal ones in order
        Unusable,  // unreadable, of a newer version or not ours: no marks, and saves leave the file alone
    };
    Outcome outcome = Outcome::None;
    int marksDropped = 0;      // Rematched: cleared or reconciled records that were not found
    int bankIdsDropped = 0;    // Rematched: bank ids of records that were not found
    int detailsDropped = 0;    // Rematched: checks not found whose memo or address the companion had
    int categoriesDropped = 0; // Rematched: transactions not found that the companion gave a category or split
    QString problem;           // Unusable: why, as "it was written by a newer version of Tallix"
};

} // namespace ledger
