#pragma once
// File ▸ Import... of one statement: the import sequence answered by the import windows, its failures told in
// message boxes.

#include <QString>

class QWidget;

// Imports the statement at `path` into the ledger in memory and leaves it modified; true when lines were added.
bool ImportInWindow(QWidget* parent, const QString& path);
