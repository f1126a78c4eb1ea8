#pragma once
// The companion file NAME.tlx.db of a data file, as a load finds it.

#include "model/CompanionLoad.h"

#include <QByteArray>
#include <QString>

namespace ledger {

// The companion file of the data file `ledgerPath` (symbolic links followed): NAME.tlx.db.
QString CompanionPathOf(const QString& ledgerPath);

// tallix-cli check: the companion of the ledger at `ledgerPath`, whose bytes are `ledgerBytes`, as a load would
// find it. Reads, never writes.
CompanionLoad CheckCompanion(const QString& ledgerPath, const QByteArray& ledgerBytes);

} // namespace ledger
