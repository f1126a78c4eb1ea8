#pragma once
// Where the user was last: the ledgers opened or saved most recently and the folder of the last statement
// imported, kept in the program's settings (section "Recent") so that the file dialogs start there.

#include <QString>
#include <QStringList>

namespace settings {

constexpr int MaxRecentLedgers = 5;

// Full paths, the most recent first.
QStringList ReadRecentLedgers();
// Puts `path` first (once), keeping at most MaxRecentLedgers.
void NoteRecentLedger(const QString& path);
// Empty when no statement was imported yet.
QString ReadStatementFolder();
void WriteStatementFolder(const QString& folder);

} // namespace settings
