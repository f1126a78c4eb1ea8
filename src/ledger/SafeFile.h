#pragma once
// File-system steps of a safe load and save of the data file (POSIX).

#include <QFile>
#include <QString>

namespace ledger {

// The absolute path of the file that `path` finally names, following symbolic links (also dangling ones), so
// that a save replaces the link's target instead of the link. Gives up after 40 links, like the kernel.
QString ResolveSymlinks(const QString& path);

enum class OpenResult { Opened, NotRegular, Failed };
// Opens a regular file for reading. Anything else (a folder, a pipe, a device) is NotRegular and is never
// opened in a way that could block.
OpenResult OpenRegularFile(const QString& path, QFile& file);

// Keeps the current content of `path` as `path` + ".bak", replacing an older one only once the new copy is
// complete: a hard link when the file system has them, otherwise a copy. False when no backup could be made;
// then the older backup is left as it was.
bool KeepBackup(const QString& path);

// Makes a rename inside the folder of `path` durable.
void SyncFolder(const QString& path);

} // namespace ledger
