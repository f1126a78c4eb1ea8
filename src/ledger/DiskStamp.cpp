#include "ledger/DiskStamp.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace ledger {

namespace {
bool Stat(const QString& path, DiskStamp& stamp) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    stamp.exists = true;
    stamp.size = st.st_size;
    stamp.modifiedNs = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

// zlib's CRC-32 runs at memory speed, so stamping a full 2 MB ledger costs about a millisecond.
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

DiskStamp StampOf(const QString& path, const QByteArray& bytes) {
    DiskStamp stamp;
    if (!Stat(path, stamp))
        return {};
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
