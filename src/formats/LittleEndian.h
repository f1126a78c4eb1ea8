#pragma once
// Little-endian values in byte buffers, private to the formats: the recovery journal's entries, the bytes of
// a schedule and the companion file's blobs are laid out with these.

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>
#include <vector>

namespace ledger {

template <typename T> void PutLittleEndian(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

// Reads values from the front of a buffer; each Get fails, reading nothing, when the buffer has too few bytes left.
class LittleEndianReader {
public:
    explicit LittleEndianReader(QByteArrayView bytes) : data(bytes) {}
    template <typename T> bool Get(T& value) {
        if (data.size() - at < qsizetype(sizeof(T)))
            return false;
        value = qFromLittleEndian<T>(data.data() + at);
        at += sizeof(T);
        return true;
    }
    // `count` values; a count the bytes cannot hold fails before anything is allocated.
    template <typename T> bool GetValues(std::vector<T>& values, quint32 count) {
        if (quint64(data.size() - at) < quint64(count) * sizeof(T))
            return false;
        values.resize(count);
        for (T& value : values)
            Get(value);
        return true;
    }
    // A u32 size, then that many bytes.
    bool GetSized(QByteArrayView& bytes) {
        quint32 size = 0;
        if (!Get(size) || data.size() - at < qsizetype(size))
            return false;
        return Take(size, bytes);
    }
    // The next `size` bytes.
    bool Take(qsizetype size, QByteArrayView& bytes) {
        if (data.size() - at < size)
            return false;
        bytes = data.sliced(at, size);
        at += size;
        return true;
    }
    bool AtEnd() const { return at == data.size(); }

private:
    QByteArrayView data;
    qsizetype at = 0;
};

} // namespace ledger
