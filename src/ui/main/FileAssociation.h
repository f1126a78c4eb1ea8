#pragma once
// Setup ▸ Associate: makes this program the handler of ".tlx" data files.

#include <QString>

// Asks first; on Yes writes the association keys below HKEY_CLASSES_ROOT through Registry and then tells the
// Linux desktop (DesktopIntegration.h). Reports nothing afterwards, neither success nor failure.
// `executablePath` is the running program's absolute path (QCoreApplication::applicationFilePath()).
void AssociateFiles(const QString& executablePath);

// The stored open command: the program's folder and name without extension, a space, then "%1" in double quotes.
QString OpenCommand(const QString& executablePath);
