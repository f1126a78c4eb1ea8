// The register's record commands: the lock button, the Delete key, undo and redo.
#include "ledger/Ledger.h"
#include "platform/Prompt.h"
#include "platform/widgets/DatePicker.h"
#include "platform/widgets/FlexGridView.h"
#include "platform/widgets/KeyCodes.h"
#include "ui/register/CellTextBox.h"
#include "ui/register/frmRegister.h"

#include <QLineEdit>
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

// The editor the user is typing in, if any. The desktop's key bindings decide which undo and redo keys a text box
// takes for itself (Ctrl+Y is no redo key on some), so the window's keys can reach this window while one is open.
QLineEdit* frmRegister::FocusedEditor() const {
    if (Text1->isVisible() && Text1->hasFocus())
        return Text1;
    if (DTPicker1->isVisible() && DTPicker1->hasFocus())
        return DTPicker1->findChild<QLineEdit*>();
    return nullptr;
}

void frmRegister::UndoChange() {
    // Typing in an open editor is taken back in the editor, keystroke by keystroke.
    if (QLineEdit* editor = FocusedEditor()) {
        editor->undo();
        return;
    }
    // An edit still open without the focus is a change of its own: it is committed, and so the one taken back.
    MSFlexGrid1_LeaveCell();
    DTPicker1_LostFocus();
    if (procedures.Undo())
        AfterHistoryStep();
}

void frmRegister::RedoChange() {
    if (QLineEdit* editor = FocusedEditor()) {
        editor->redo();
        return;
    }
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
