#pragma once
// What a ledger file looked like when the program last read or wrote it, so that a save can tell whether
// someone else (another program, a sync tool, a copy from a backup) has replaced it since.

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

// The stamp of `bytes` as the file at `path` holds them now: its size and time from the file system, the hash of
// `bytes`. Used right after a load or save, when the program has the file's bytes in hand.
DiskStamp StampOf(const QString& path, const QByteArray& bytes);
// Reads the file anew and stamps the same number of leading bytes as `previous` hashed. A missing or unreadable
// file gives a stamp that does not exist.
DiskStamp RestampLike(const QString& path, const DiskStamp& previous);

} // namespace ledger
