#pragma once
// What a ledger file looked like when the program last read or wrote it, so that a save can tell whether
// someone else (another program, a sync tool, a copy from a backup) has replaced it since. The store keeps the
// bytes themselves and compares them; the CRC-32 is for a process that has only the stamp (the recovery journal).

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace ledger {

struct DiskStamp {
    bool exists = false;
    int64_t size = 0;
    int64_t modifiedNs = 0; // modification time, nanoseconds since 1970
    uint32_t crc = 0;       // CRC-32 of the first `hashed` bytes
    int64_t hashed = 0;

    bool operator==(const DiskStamp&) const = default;
};

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
