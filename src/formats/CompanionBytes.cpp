#include "formats/CompanionBytes.h"

#include "formats/LedgerFormat.h"
#include "formats/LittleEndian.h"
#include "model/ClearMark.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <cstring>

namespace ledger {

namespace {
// Qt SQL binds a null array as NULL: a blob without bytes starts from this one.
QByteArray EmptyBlob() {
    return QByteArray("", 0);
}
} // namespace

QByteArray PackBankIds(const std::vector<std::pair<int, QString>>& ids, size_t& next, int first, int count) {
    QByteArray out = EmptyBlob();
    for (; next < ids.size() && ids[next].first < first + count; ++next) {
        const QByteArray id = ids[next].second.toUtf8();
        PutLittleEndian(out, quint16(ids[next].first - first));
        PutLittleEndian(out, quint16(id.size()));
        out.append(id);
    }
    return out;
}

bool UnpackBankIds(QByteArrayView bytes, int first, int count, std::vector<std::pair<int, QString>>& ids) {
    int previous = -1;
    for (qsizetype at = 0; at < bytes.size();) {
        if (bytes.size() - at < 4)
            return false;
        const int index = qFromLittleEndian<quint16>(bytes.data() + at);
        const quint16 size = qFromLittleEndian<quint16>(bytes.data() + at + 2);
        at += 4;
        if (index <= previous || index >= count || size == 0 || bytes.size() - at < size)
            return false;
        ids.emplace_back(first + index, QString::fromUtf8(bytes.sliced(at, size)));
        previous = index;
        at += size;
    }
    return true;
}

bool IsMarkByte(char byte) {
    return quint8(byte) <= quint8(ClearMark::Reconciled);
}

QByteArray PackPositions(const std::vector<int>& positions) {
    QByteArray out = EmptyBlob();
    for (int position : positions)
        PutLittleEndian(out, qint32(position));
    return out;
}

bool UnpackPositions(QByteArrayView bytes, std::vector<int>& positions) {
    if (bytes.size() % 4 != 0)
        return false;
    for (qsizetype at = 0; at < bytes.size(); at += 4)
        positions.push_back(qFromLittleEndian<qint32>(bytes.data() + at));
    return true;
}

QByteArray RecordHashes(const QByteArray& ledgerBytes, int records) {
    QByteArray hashes(qsizetype(records) * RecordHashSize, Qt::Uninitialized);
    QCryptographicHash sha1(QCryptographicHash::Sha1);
    for (int i = 0; i < records; ++i) {
        sha1.reset();
        sha1.addData(QByteArrayView(ledgerBytes).sliced(qsizetype(i + 1) * RecordSize, RecordSize));
        std::memcpy(hashes.data() + qsizetype(i) * RecordHashSize, sha1.resultView().data(), RecordHashSize);
    }
    return hashes;
}

} // namespace ledger
