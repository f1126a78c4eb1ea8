#include "storage/DiskStamping.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace ledger {

namespace {
bool FromStat(const struct stat& st, DiskStamp& stamp) {
    if (!S_ISREG(st.st_mode))
        return false;
    stamp.exists = true;
    stamp.size = st.st_size;
    stamp.modifiedNs = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

bool Stat(const QString& path, DiskStamp& stamp) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && FromStat(st, stamp);
}

// zlib's CRC-32: about half a millisecond for the largest ledger.
uint32_t Crc(const char* data, int64_t size) {
    uLong crc = crc32(0L, Z_NULL, 0);
    while (size > 0) {
        const uInt chunk = uInt(std::min<int64_t>(size, 1 << 30));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data), chunk);
        data += chunk;
        size -= chunk;
    }
    return uint32_t(crc);
}
} // namespace

DiskStamp MetadataOf(const QString& path) {
    DiskStamp stamp;
    return Stat(path, stamp) ? stamp : DiskStamp();
}

bool StillHolds(const QString& path, const DiskStamp& stamp, const QByteArray& bytes) {
    const DiskStamp now = MetadataOf(path);
    if (!now.exists || now.size != stamp.size || now.modifiedNs != stamp.modifiedNs)
        return false;
    // Same size and time can still hide other bytes (a copy that kept the time).
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(bytes.size() + 1) == bytes;
}

DiskStamp WithHash(DiskStamp stamp, const QByteArray& bytes) {
    stamp.hashed = bytes.size();
    stamp.crc = Crc(bytes.constData(), bytes.size());
    return stamp;
}

DiskStamp RestampLike(const QString& path, const DiskStamp& previous) {
    DiskStamp stamp;
    if (!Stat(path, stamp))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(previous.hashed);
    stamp.hashed = bytes.size();
    stamp.crc = Crc(bytes.constData(), bytes.size());
    return stamp;
}

} // namespace ledger
