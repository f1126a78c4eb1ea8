// The commands that open the program's other windows, all modal over the main window.
#include "ui/main/frmMain.h"

#include "settings/widgets/SettingsDialog.h"
#include "ui/about/frmAbout.h"
#include "ui/main/FileAssociation.h"
#include "ui/register/frmRegister.h"

#include <QCoreApplication>

void frmMain::Options_Click() {
    SettingsDialog Settings(*this);
    Settings.exec();
    // The dialog may have changed the next check number.
    ShowNextCheckNumber();
}

void frmMain::Associate_Click() {
    AssociateFiles(QCoreApplication::applicationFilePath());
}

void frmMain::Command4_Click() {
    frmRegister Register(this, RegHeight);
    Register.exec();
    // The register may have set or cleared the lock date.
    UpdateStatusBar();
}

void frmMain::Command5_Click() {
    frmAbout About;
    About.exec();
}
