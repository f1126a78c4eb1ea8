// The register's record commands: the lock button, the Delete key, undo and redo.
#include "ledger/Ledger.h"
#include "platform/Prompt.h"
#include "platform/widgets/FlexGridView.h"
#include "platform/widgets/KeyCodes.h"
#include "ui/register/frmRegister.h"

#include <QPushButton>

void frmRegister::UpdateLockButton() {
    Command1->setText(ledger::AreRecordsLocked() ? QStringLiteral("Unlock records") : QStringLiteral("Lock records"));
}

void frmRegister::SetReadOnly(bool readOnly) {
    this->readOnly = readOnly;
    Command1->setEnabled(!readOnly);
    if (readOnly)
        setWindowTitle(windowTitle() + QStringLiteral(" (Read-Only)"));
    UpdateBars();
}

void frmRegister::Command1_Click() {
    procedures.ToggleLock();
    UpdateLockButton();
    UpdateBars();
}

void frmRegister::MSFlexGrid1_KeyUp(int KeyCode, int) {
    if (KeyCode != platform::KeyDelete)
        return;
    const int row = grid.Row();
    if (readOnly || row < grid.FixedRows() || procedures.IsRowLocked(row))
        return;
    if (platform::MsgBox(procedures.DeleteQuestion(row), platform::Buttons::OkCancel) == platform::Answer::Ok)
        if (procedures.DeleteRecord(row))
            UpdateBars();
}

void frmRegister::UndoChange() {
    // An edit still open is a change of its own: it is committed, and so the one taken back.
    MSFlexGrid1_LeaveCell();
    DTPicker1_LostFocus();
    if (procedures.Undo())
        AfterHistoryStep();
}

void frmRegister::RedoChange() {
    MSFlexGrid1_LeaveCell();
    DTPicker1_LostFocus();
    if (procedures.Redo())
        AfterHistoryStep();
}

void frmRegister::AfterHistoryStep() {
    UpdateLockButton();
    UpdateBars();
    MSFlexGrid1->ScrollToCurrent();
    MSFlexGrid1->setFocus();
}
