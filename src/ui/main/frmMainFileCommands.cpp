// The File menu: New, Open and Save, and the file dialog that names the ledger's data file.
#include "ui/main/frmMain.h"

#include "ledger/Ledger.h"
#include "platform/Prompt.h"

#include <QLineEdit>
#include <QPushButton>

bool frmMain::PromptForFileName(const bool& bOpen) {
    const QString path = platform::ShowFileDialog(bOpen, QStringLiteral("tlx"), QStringLiteral("Check data|*.tlx"));
    if (path.isEmpty())
        return false;
    ledger::SetDataFileName(path);
    SettingsChanged = true;
    return true;
}

void frmMain::New_Click() {
    if (!PromptToSaveData())
        return;
    ledger::NewLedger();
    ResetEntryFields();
    Command4->setEnabled(false);
    UpdateStatusBar();
    Command2_Click();
}

void frmMain::Open_Click() {
    if (!PromptToSaveData())
        return;
    const QString previousFile = ledger::GetDataFileName();
    if (!PromptForFileName(true))
        return;
    if (!ledger::LoadLedger()) {
        // The ledger in memory stays; it must not go on to be saved over the file that failed to load.
        ledger::SetDataFileName(previousFile);
        return;
    }
    UpdateStatusBar();
    FillPayeeList();
    Command4->setEnabled(true);
    ShowNextCheckNumber();
}

void frmMain::Save_Click() {
    ledger::SaveLedger();
}

void frmMain::ShowNextCheckNumber() {
    Text4->setText(QString::number(ledger::GetNextCheckNumber()));
}
