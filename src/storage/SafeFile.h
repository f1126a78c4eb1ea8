#pragma once
// File-system steps of a safe load and save of the data file (POSIX).

#include "platform/Result.h"

#include <QFile>
#include <QString>

namespace ledger {

enum class OpenResult { Opened, NotRegular, Failed };
// Opens a regular file for reading. Anything else (a folder, a pipe, a device) is NotRegular and is never
// opened in a way that could block.
OpenResult OpenRegularFile(const QString& path, QFile& file);

// Keeps the current content of `path` as `path` + ".bak", replacing an older one only once the new copy is
// complete: a hard link when the file system has them, otherwise a copy. A failure when no backup could be made;
// then the older backup is left as it was.
platform::Result<> KeepBackup(const QString& path);

// Test seam: false makes KeepBackup copy, as on a file system without hard links, until set back to true.
void SetHardLinksForTesting(bool available);

} // namespace ledger
