// The commands that open the program's other windows, all modal over the main window.
#include "ui/main/frmMain.h"

void frmMain::Options_Click() {}

void frmMain::Associate_Click() {}

void frmMain::Command4_Click() {}

void frmMain::Command5_Click() {}
