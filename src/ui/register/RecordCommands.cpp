// The register's record commands: the lock button and the Delete key.
#include "ledger/Ledger.h"
#include "platform/Prompt.h"
#include "platform/widgets/KeyCodes.h"
#include "ui/register/frmRegister.h"

#include <QPushButton>

void frmRegister::UpdateLockButton() {
    Command1->setText(ledger::AreRecordsLocked() ? QStringLiteral("Unlock records") : QStringLiteral("Lock records"));
}

void frmRegister::Command1_Click() {
    procedures.ToggleLock();
    UpdateLockButton();
}

void frmRegister::MSFlexGrid1_KeyUp(int KeyCode, int) {
    if (KeyCode != platform::KeyDelete)
        return;
    const int row = grid.Row();
    if (row < grid.FixedRows() || procedures.IsRowLocked(row))
        return;
    if (platform::MsgBox(procedures.DeleteQuestion(row), platform::Buttons::OkCancel) == platform::Answer::Ok)
        procedures.DeleteRecord(row);
}
