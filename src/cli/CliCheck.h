#pragma once

#include <QString>
#include <QTextStream>

namespace cli {

// `tallix-cli check FILE`: 0 when the file is a sound ledger, 1 when not (every problem listed on `out`).
int RunCheck(const QString& path, QTextStream& out, QTextStream& err);

} // namespace cli
