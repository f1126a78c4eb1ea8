// The register's record commands: the lock button, the Delete key, undo and redo, and the grid's context menu,
// which offers them with the others the keyboard has.
#include "ledger/Categories.h"
#include "ledger/CheckDetails.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Prompt.h"
#include "platform/widgets/DatePicker.h"
#include "platform/widgets/FlexGridView.h"
#include "platform/widgets/KeyCodes.h"
#include "ui/register/AddressDialog.h"
#include "ui/register/CellTextBox.h"
#include "ui/register/SplitEditor.h"
#include "ui/register/frmRegister.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolTip>

using namespace RegisterColumn;

void frmRegister::UpdateLockButton() {
    Command1->setText(ledger::AreRecordsLocked() ? tr("Unlock records") : tr("Lock records"));
}

void frmRegister::SetReadOnly(bool readOnly) {
    this->readOnly = readOnly;
    Command1->setEnabled(!readOnly);
    if (readOnly)
        setWindowTitle(tr("%1 (Read-Only)", "a window's title").arg(windowTitle()));
    UpdateBars();
}

void frmRegister::Command1_Click() {
    procedures.ToggleLock();
    UpdateLockButton();
}

void frmRegister::MSFlexGrid1_KeyUp(int KeyCode, int) {
    if (KeyCode == platform::KeyDelete)
        DeleteCurrentRow();
}

bool frmRegister::CanDeleteRow(int row) const {
    return !readOnly && row >= grid.FixedRows() && row <= procedures.Model().Count() && !procedures.IsRowLocked(row);
}

void frmRegister::DeleteCurrentRow() {
    const int row = grid.Row();
    if (!CanDeleteRow(row))
        return;
    if (platform::MsgBox(procedures.DeleteQuestion(row), platform::Buttons::OkCancel) == platform::Answer::Ok)
        procedures.DeleteRecord(row);
}

void frmRegister::EditAddress() {
    const int row = grid.Row();
    if (readOnly || !procedures.TakesAddress(row))
        return;
    const RegisterRow& values = procedures.Model().At(row - 1);
    AddressDialog dialog(this, values.Description().toString(), ledger::AddressOf(int16_t(values.slot)));
    if (dialog.exec() == QDialog::Accepted)
        procedures.SetAddress(row, dialog.Lines());
}

void frmRegister::VoidCurrentRow() {
    const int row = grid.Row();
    if (readOnly || !procedures.CanVoid(row))
        return;
    if (platform::MsgBox(procedures.VoidQuestion(row), platform::Buttons::YesNo) == platform::Answer::Yes &&
        procedures.Void(row) == RegisterModel::Outcome::Changed)
        MSFlexGrid1->ScrollToCurrent();
}

// The commands of the keys, for the row under the pointer, which becomes the current one; each does what its key
// does, and is offered disabled where that would do nothing.
void frmRegister::MSFlexGrid1_ContextMenu(const QPoint& at) {
    // The view's rows start below the header row, the grid's at it.
    const int row = MSFlexGrid1->rowAt(at.y()) + 1;
    const bool onRow = row >= 1 && row <= procedures.Model().Count();
    if (onRow) {
        const int col = MSFlexGrid1->columnAt(at.x());
        grid.MoveTo(row, col >= grid.FixedCols() ? col : (grid.Col() > 0 ? grid.Col() : CheckNumber));
    }
    QMenu menu(this);
    const auto add = [&menu](const QString& text, const char* name, bool enabled) {
        QAction* action = menu.addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
        return action;
    };
    // The key is named after a tab, as menus show it; the window's own shortcuts act on it.
    QAction* edit = add(tr("&Edit\tEnter"), "mnuEdit", onRow && !readOnly && procedures.IsEditable(row, grid.Col()));
    const bool reconciled = onRow && procedures.Model().At(row - 1).IsReconciled();
    QAction* cleared = add(tr("Mark &Cleared\tSpace"), "mnuCleared", onRow && !readOnly && !reconciled);
    cleared->setCheckable(true);
    cleared->setChecked(onRow && procedures.Model().At(row - 1).IsCleared());
    QAction* remove = add(tr("&Delete\tDel"), "mnuDelete", onRow && CanDeleteRow(row));
    QAction* address = add(tr("&Address..."), "mnuAddress", onRow && !readOnly && procedures.TakesAddress(row));
    QAction* voidCheck = add(tr("&Void"), "mnuVoid", onRow && !readOnly && procedures.CanVoid(row));
    QAction* split = add(tr("&Split..."), "mnuSplit", onRow && !readOnly && !procedures.IsRowLocked(row));
    menu.addSeparator();
    QAction* find = add(tr("&Find...\tCtrl+F"), "mnuFind", true);
    QAction* undo = add(tr("&Undo\tCtrl+Z"), "mnuUndo", !readOnly && procedures.CanUndo());
    QAction* redo = add(tr("R&edo\tCtrl+Y"), "mnuRedo", !readOnly && procedures.CanRedo());
    menu.addSeparator();
    QAction* lock = add(ledger::AreRecordsLocked() ? tr("Un&lock records") : tr("&Lock records up to here"), "mnuLock",
                        !readOnly && (onRow || ledger::AreRecordsLocked()));
    QAction* repeat = nullptr;
    if (lookAhead.editSchedule) {
        menu.addSeparator();
        repeat = add(tr("&Repeat..."), "mnuRepeat", onRow && !readOnly);
    }
    QAction* chosen = menu.exec(MSFlexGrid1->viewport()->mapToGlobal(at));
    if (chosen == nullptr)
        return;
    if (chosen == edit)
        GridEdit(platform::KeySpace);
    else if (chosen == cleared)
        ToggleClearedAndMoveDown();
    else if (chosen == remove)
        DeleteCurrentRow();
    else if (chosen == address)
        EditAddress();
    else if (chosen == voidCheck)
        VoidCurrentRow();
    else if (chosen == split)
        EditSplit();
    else if (chosen == find)
        ShowFindBar();
    else if (chosen == undo)
        UndoChange();
    else if (chosen == redo)
        RedoChange();
    else if (chosen == lock)
        Command1_Click();
    else if (chosen == repeat) {
        const std::optional<ledger::Schedule> made =
            lookAhead.editSchedule(RegisterModel::RepeatOf(procedures.Model().At(row - 1)));
        if (made)
            procedures.AddSchedule(*made);
    }
}

void frmRegister::EditSplit() {
    const int row = grid.Row();
    if (readOnly || row < 1 || row > procedures.Model().Count() || procedures.IsRowLocked(row))
        return;
    const RegisterRow& values = procedures.Model().At(row - 1);
    SplitEditor dialog(this, values.Description().toString(), ledger::ToCents(values.record.Amount), values.Category(),
                       ledger::CategoryList());
    if (dialog.exec() != QDialog::Accepted)
        return;
    ledger::CategoryAssignment assignment;
    if (dialog.RemovesSplit()) {
        assignment.category = RegisterModel::OneCategoryOf(values.Category().parts);
    } else {
        assignment.parts = dialog.Parts();
        for (ledger::SplitPart& part : assignment.parts)
            part.category = RegisterModel::ListedSpelling(part.category);
    }
    if (procedures.SetCategory(row, assignment) == RegisterModel::Outcome::Refused)
        QApplication::beep();
    MSFlexGrid1->ScrollToCurrent();
}

bool frmRegister::ShowSplitToolTip(QEvent* event) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = MSFlexGrid1->indexAt(help->pos());
    const int row = index.row() + 1;
    if (!index.isValid() || index.column() != Category || !procedures.IsSplit(row))
        return false;
    QToolTip::showText(help->globalPos(),
                       SplitPartsText(procedures.Model().At(row - 1).Category().parts, procedures.Codec()),
                       MSFlexGrid1->viewport());
    return true;
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
    MSFlexGrid1->ScrollToCurrent();
    MSFlexGrid1->setFocus();
}
