#pragma once
// What a ledger file looked like when the program last read or wrote it, so that a save can tell whether
// someone else (another program, a sync tool, a copy from a backup) has replaced it since. The store keeps the
// bytes themselves and compares them; the CRC-32 is for a process that has only the stamp (the recovery journal).
// Stamps are taken and checked by storage/DiskStamping.h.

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

} // namespace ledger
