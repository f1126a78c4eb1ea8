#pragma once

#include <QStringList>
#include <QTextStream>
#include <cstdint>

namespace cli {

// `tallix-cli forecast LEDGER [--days N]`: the scheduled transactions due up to N days from today (`defaultDays`
// without --days), overdue ones too, with the running balance, then today's balance and the lowest one ahead. 0 on
// success, 1 on a failure, 2 on a usage error, 3 when the lowest balance is low as the window shows it (below zero
// or below `cushionCents`).
int RunForecast(const QStringList& args, int defaultDays, int64_t cushionCents, QTextStream& out, QTextStream& err);

} // namespace cli
