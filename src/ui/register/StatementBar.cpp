// The statement bar above the grid: the cleared balance on a statement's closing date against the statement's,
// what is outstanding, the likely causes of a difference, and Finish when they agree.
#include "ledger/Ledger.h"
#include "platform/Locale.h"
#include "platform/widgets/FlexGridView.h"
#include "ui/register/frmRegister.h"

#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

using namespace RegisterColumn;

void frmRegister::BalanceToStatement(double day, int64_t cents) {
    statementDay = std::floor(day);
    statementCents = cents;
    StatementBar->show();
    UpdateBars();
    Form_Resize();
    const RegisterModel::Reconciliation reconciliation = procedures.Model().Reconcile(statementDay, statementCents);
    if (reconciliation.differenceCents != 0 && !reconciliation.outstanding.empty()) {
        const int row = reconciliation.outstanding.front() + 1;
        grid.MoveTo(row, Description);
        // The window may not be shown yet: the grid keeps its top row for the view.
        grid.SetTopRow(row);
    }
}

namespace {
// "the row of 1/5/2009 for 30.00"
QString RowNamed(double date, int64_t cents, const platform::LocaleCodec& codec) {
    return frmRegister::tr("the row of %1 for %2", "the row of 1/5/2009 for 30.00")
        .arg(codec.FormatShortDate(date), platform::FormatCents(cents));
}
QString RowNamed(const RegisterRow& row, const platform::LocaleCodec& codec) {
    return RowNamed(row.record.Date, std::llabs(SignedCents(row.record)), codec);
}
QString ClearingOneHint(const QString& row) {
    return frmRegister::tr("Clearing %1 would balance it.", "%1: the row of 1/5/2009 for 30.00").arg(row);
}
QString ClearingPairHint(const QString& first, const QString& second) {
    return frmRegister::tr("Clearing %1 and %2 would balance it.", "%1, %2: the row of 1/5/2009 for 30.00")
        .arg(first, second);
}
QString DigitsSwappedHint() {
    return frmRegister::tr("A difference divisible by 9 can be two digits swapped in an amount.");
}
} // namespace

// The hint's room: as many lines as the longest hint takes at this width, so that the bar keeps its height while
// marks change its texts; a bar that shrank under the pointer would move the rows, and the next click down the C
// column would land on the row above the one aimed at.
int frmRegister::StatementHintHeight(int barWidth) const {
    const QMargins margins = StatementBar->layout()->contentsMargins();
    const int width = std::max(1, barWidth - margins.left() - margins.right());
    const QString longest = RowNamed(platform::DayCountFromDate(QDate(2009, 12, 28)), 99999999999, procedures.Codec());
    const QString text = ClearingPairHint(longest, longest) + QLatin1Char(' ') + DigitsSwappedHint();
    return StatementHint->fontMetrics().boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text).height();
}

void frmRegister::UpdateStatementBar() {
    if (StatementBar->isHidden())
        return;
    const RegisterModel& model = procedures.Model();
    const RegisterModel::Reconciliation r = model.Reconcile(statementDay, statementCents);
    const QString date = procedures.Codec().FormatShortDate(statementDay);
    StatementNote->setText(tr("Cleared balance on %1: %2    Statement: %3    Difference: %4")
                               .arg(date, platform::FormatCents(r.clearedCents), platform::FormatCents(statementCents),
                                    platform::FormatCents(r.differenceCents)));
    StatementCheck->setText(
        tr("Outstanding: %1 out (%2), %3 in (%4)", "counts and totals of outstanding rows")
            .arg(QString::number(r.outstandingDebits), platform::FormatCents(r.outstandingDebitCents),
                 QString::number(r.outstandingCredits), platform::FormatCents(r.outstandingCreditCents)));
    QStringList hints;
    const platform::LocaleCodec& codec = procedures.Codec();
    if (r.clearingOne.size() == 1)
        hints << ClearingOneHint(RowNamed(model.At(r.clearingOne[0]), codec));
    if (r.clearingPair.size() == 2)
        hints << ClearingPairHint(RowNamed(model.At(r.clearingPair[0]), codec),
                                  RowNamed(model.At(r.clearingPair[1]), codec));
    if (r.digitsSwapped)
        hints << DigitsSwappedHint();
    StatementHint->setText(hints.join(QLatin1Char(' ')));
    // Finish keeps its room when hidden, and the hint its lines when empty (StatementHintHeight).
    StatementFinish->setVisible(r.differenceCents == 0);
    StatementFinish->setEnabled(!readOnly && r.differenceCents == 0 && r.toReconcile > 0);
    Form_Resize();
}

void frmRegister::StatementFinish_Click() {
    // An edit still open belongs to the balance that was checked.
    MSFlexGrid1_LeaveCell();
    DTPicker1_LostFocus();
    if (procedures.Finish(statementDay, statementCents))
        AfterHistoryStep();
    else
        UpdateBars();
}

void frmRegister::ToggleClearedAndMoveDown() {
    const int row = grid.Row();
    if (readOnly || row < grid.FixedRows())
        return;
    if (procedures.ToggleCleared(row) != RegisterModel::Outcome::Changed) {
        QApplication::beep();
        return;
    }
    if (row < grid.Rows() - 1)
        grid.MoveTo(row + 1, grid.Col());
    MSFlexGrid1->ScrollToCurrent();
}
