#pragma once
// Tells a freedesktop.org desktop that ".tlx" files are ledgers and that this program opens them. The counterpart
// on Linux of the shell keys written by Setup ▸ Associate.

#include <QString>

namespace desktop {

inline const QString LedgerMimeType = QStringLiteral("application/x-tallix-ledger");
inline const QString DesktopFileId = QStringLiteral("tallix.desktop");

// For the user, below $XDG_DATA_HOME: the MIME package (glob *.tlx, the header text as magic), the desktop entry
// starting `executablePath` with the file as its one argument, and the program's icon; then refreshes the MIME and
// desktop databases when their tools are installed, and makes the program the default for the MIME type in
// $XDG_CONFIG_HOME/mimeapps.list, keeping everything else in that file. Fails silently: a missing tool or an
// unwritable folder only skips its step.
void InstallDesktopIntegration(const QString& executablePath);

// The desktop entry's Exec value: the program (quoted when it holds a reserved character) and %f, the launcher's
// field code for one local file path, handed over as one argument without quotes. Escaped for the key file.
QString DesktopExecValue(const QString& executablePath);

// `existing` with `desktopId` first for `mimeType` under [Default Applications] and [Added Associations], and
// taken out of [Removed Associations]. Every other line is kept as it was.
QString MergeMimeApps(const QString& existing, const QString& mimeType, const QString& desktopId);

} // namespace desktop
