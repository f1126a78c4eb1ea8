#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

// `tallix-cli import LEDGER STATEMENT [--dry-run] [--format qif|csv|ofx] [--account ID] [CSV column options]`: prints
// what happens to each statement line and, unless --dry-run, adds the new ones and saves the ledger. 0 on success, 1 on
// a failure, 2 on a usage error, 3 when lines were refused (the others are added).
int RunImport(const QStringList& args, QTextStream& out, QTextStream& err);
// `tallix-cli balance LEDGER --date D`: the balance at the end of that day.
int RunBalance(const QStringList& args, QTextStream& out, QTextStream& err);
// `tallix-cli reconcile LEDGER --date D --balance B`: the cleared balance against a statement's ending balance, the
// difference and the outstanding rows; changes nothing. 0 when they agree, 3 when they do not.
int RunReconcile(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace cli
