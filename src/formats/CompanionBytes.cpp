#include "formats/CompanionBytes.h"

#include "formats/LedgerFormat.h"
#include "formats/LittleEndian.h"
#include "model/ClearMark.h"

#include <QCryptographicHash>
#include <cstring>

namespace ledger {

namespace {
// Qt SQL binds a null array as NULL: a blob without bytes starts from this one.
QByteArray EmptyBlob() {
    return QByteArray("", 0);
}

void PutText(QByteArray& out, const QString& text) {
    const QByteArray bytes = text.toUtf8().left(0xFFFF);
    PutLittleEndian(out, quint16(bytes.size()));
    out.append(bytes);
}

bool GetText(LittleEndianReader& in, QString& text) {
    quint16 size = 0;
    QByteArrayView bytes;
    if (!in.Get(size) || !in.Take(size, bytes))
        return false;
    text = QString::fromUtf8(bytes);
    return true;
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
    LittleEndianReader in(bytes);
    while (!in.AtEnd()) {
        quint16 index = 0, size = 0;
        QByteArrayView id;
        if (!in.Get(index) || !in.Get(size) || index <= previous || index >= count || size == 0 || !in.Take(size, id))
            return false;
        ids.emplace_back(first + index, QString::fromUtf8(id));
        previous = index;
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
    std::vector<qint32> read;
    LittleEndianReader(bytes).GetValues(read, quint32(bytes.size() / 4));
    positions.insert(positions.end(), read.begin(), read.end());
    return true;
}

QByteArray PackLines(const QStringList& lines) {
    QByteArray out = EmptyBlob();
    for (const QString& line : lines)
        PutText(out, line);
    return out;
}

bool UnpackLines(QByteArrayView bytes, QStringList& lines) {
    LittleEndianReader in(bytes);
    while (!in.AtEnd()) {
        if (!GetText(in, lines.emplace_back()))
            return false;
    }
    return true;
}

QByteArray PackParts(const std::vector<SplitPart>& parts) {
    QByteArray out = EmptyBlob();
    for (const SplitPart& part : parts) {
        PutText(out, part.category);
        PutText(out, part.memo);
        PutLittleEndian(out, qint64(part.cents));
    }
    return out;
}

bool UnpackParts(QByteArrayView bytes, std::vector<SplitPart>& parts) {
    LittleEndianReader in(bytes);
    while (!in.AtEnd()) {
        SplitPart& part = parts.emplace_back();
        qint64 cents = 0;
        if (!GetText(in, part.category) || !GetText(in, part.memo) || !in.Get(cents))
            return false;
        part.cents = cents;
    }
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
