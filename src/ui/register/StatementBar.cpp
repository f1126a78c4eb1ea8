// The statement bar above the grid: the register's balance on a statement's closing date against the statement's,
// the lock up to that date when they agree, and the rows to check when they do not.
#include "ledger/Ledger.h"
#include "platform/Locale.h"
#include "ui/register/frmRegister.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

using namespace RegisterColumn;

void frmRegister::BalanceToStatement(double day, int64_t cents) {
    statementDay = std::floor(day);
    statementCents = cents;
    StatementBar->show();
    UpdateStatementBar();
    Form_Resize();
    double lockDate = 0;
    ledger::GetLockDate(lockDate);
    const std::vector<int> rows = procedures.RowsBetween(lockDate, statementDay);
    if (procedures.BalanceOn(statementDay) != statementCents && !rows.empty()) {
        grid.MoveTo(rows.front(), Description);
        // The window may not be shown yet: the grid keeps its top row for the view.
        grid.SetTopRow(rows.front());
    }
}

void frmRegister::UpdateStatementBar() {
    if (StatementBar->isHidden())
        return;
    const int64_t balance = procedures.BalanceOn(statementDay);
    const int64_t difference = balance - statementCents;
    const QString date = procedures.Codec().FormatShortDate(statementDay);
    StatementNote->setText(QStringLiteral("Balance on %1: %2    Statement: %3    Difference: %4")
                               .arg(date, platform::FormatCents(balance), platform::FormatCents(statementCents),
                                    platform::FormatCents(difference)));
    double lockDate = 0;
    ledger::GetLockDate(lockDate);
    StatementLock->setText(QStringLiteral("Lock to ") + date);
    StatementLock->setVisible(difference == 0);
    // A statement the lock date has passed already has nothing left to lock.
    StatementLock->setEnabled(!readOnly && difference == 0 && lockDate < statementDay);
    StatementCheck->setVisible(difference != 0);
    StatementCheck->setText(
        QStringLiteral("Rows to check: %1").arg(procedures.RowsBetween(lockDate, statementDay).size()));
}

void frmRegister::StatementLock_Click() {
    // An edit still open belongs to the balance that was checked.
    MSFlexGrid1_LeaveCell();
    DTPicker1_LostFocus();
    if (procedures.BalanceOn(statementDay) != statementCents)
        return UpdateStatementBar();
    procedures.LockThrough(statementDay);
    AfterHistoryStep();
}
