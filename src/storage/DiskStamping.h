#pragma once
// Taking and checking the stamps (model/DiskStamp.h) of files on disk.

#include "model/DiskStamp.h"

#include <QByteArray>
#include <QString>

namespace ledger {

// The file's size and time, without a hash: taken right after a load or save, which keep the bytes themselves.
DiskStamp MetadataOf(const QString& path);
// True when the file at `path` still has the size and time of `stamp` and holds exactly `bytes`.
bool StillHolds(const QString& path, const DiskStamp& stamp, const QByteArray& bytes);
// `stamp` with the CRC-32 of `bytes`: a fingerprint that another process can check later (RestampLike).
DiskStamp WithHash(DiskStamp stamp, const QByteArray& bytes);
// Reads the file anew and stamps the same number of leading bytes as `previous` hashed. A missing or unreadable
// file gives a stamp that does not exist.
DiskStamp RestampLike(const QString& path, const DiskStamp& previous);

} // namespace ledger
