#pragma once
// Replacing a file as a whole, so that a crash, a full disk or a failing disk never leaves a half-written file.
//
// QSaveFile would do most of this, but it ignores the result of syncing the new file (and never syncs the
// folder), so a disk that fails to store the data would be reported as a successful save. This helper checks
// every step.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <sys/types.h>

namespace platform {

// Writes `bytes` to a new temporary file in the folder of `path`, syncs it to disk, runs `beforeRename` (which
// may keep a copy of the old file; its failure abandons the write), renames the new file over `path` and syncs
// the folder so that the rename itself is durable. The new file gets the permissions of the file it replaces, or
// the usual ones for a new file (0666 less the umask).
//
// A failure holds the reason (the system's error text where the system gave one); no temporary file remains then,
// and `path` is exactly as it was unless the failure came after the rename
// (only the folder sync can fail then: the new content is in place but may not survive a power cut).
// A symbolic link is written through to the file it finally names (ResolveSymlinks), so the link stays.
Result<> WriteFileAtomically(const QString& path, const QByteArray& bytes,
                             const std::function<Result<>()>& beforeRename = {});

// The same replacement for a file that another writer made complete (a database library writes its own files):
// `staged`, in the folder of `path`, is synced and renamed over `path` (exactly that name, no link followed), and the
// folder is synced unless `syncFolder` is false: a caller that replaces another file in that folder right after may
// leave it to that replacement, whose folder sync makes both renames durable. It keeps its own permissions. The
// result is as above; on a failure before the rename `staged` is removed.
Result<> ReplaceWithFile(const QString& staged, const QString& path, bool syncFolder);

// Renames `from`, a complete file already on disk, over `to` in the same folder and syncs the folder. On a failure
// nothing is removed: `from` stays where it was unless the rename took place (then only the folder sync failed).
Result<> MoveIntoPlace(const QString& from, const QString& to);

// Writes every byte to `fd`, going on after interrupted and short writes; false with errno set when the system
// refuses (a write that makes no progress counts as EIO).
bool WriteAll(int fd, const QByteArray& bytes);

// Removes what a killed WriteFileAtomically of `path` left behind: files in its folder named as its temporary
// files are, regular, owned by this user, and either empty or with a first block that `looksWritten` accepts. The
// caller must hold the lock that keeps other writers of `path` away, so that no running save loses its file.
void RemoveLeftoverTemporaries(const QString& path, const std::function<bool(const QByteArray& head)>& looksWritten);

// The absolute path of the file that `path` finally names, following symbolic links (also dangling ones), so
// that a save replaces the link's target instead of the link. Gives up after 40 links, like the kernel.
QString ResolveSymlinks(const QString& path);

// Test seam: the system calls behind the steps that can fail on a sound file system. Tests replace one of them to
// make that step fail; null members use the real call.
struct AtomicFileCalls {
    ssize_t (*write)(int fd, const void* data, size_t size) = nullptr;
    int (*syncFile)(int fd) = nullptr;
    int (*rename)(const char* from, const char* to) = nullptr;
    int (*syncFolder)(int fd) = nullptr;
};
// Installs `calls` until the next call; a default-constructed value restores the real calls.
void SetAtomicFileCallsForTesting(const AtomicFileCalls& calls);

} // namespace platform
