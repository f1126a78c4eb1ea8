#pragma once
// A thorough reading of a data file's bytes that reports every departure from the format instead of stopping at
// the first one, plus the gaps and duplicates in its check numbers. Used by `tallix-cli check`.

#include "formats/LedgerFormat.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace ledger {

struct Finding {
    enum Severity { Error, Note };
    Severity severity;
    int record; // 0 for the header, -1 for the file as a whole
    QString message;
};

// Errors make the file unsound (the program would refuse it or misread it); notes are worth knowing but harmless.
std::vector<Finding> CheckLedgerBytes(const QByteArray& bytes);

} // namespace ledger
