#include "ledger/ScheduleBytes.h"

#include <QtEndian>

namespace ledger {

namespace {
constexpr quint8 Layout = 1;

template <typename T> void Put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : data(bytes) {}
    template <typename T> bool Get(T& value) {
        if (data.size() - at < qsizetype(sizeof(T)))
            return false;
        value = qFromLittleEndian<T>(data.data() + at);
        at += sizeof(T);
        return true;
    }
    // An enum or small number kept in one byte.
    template <typename T> bool GetByte(T& value) {
        quint8 byte = 0;
        if (!Get(byte))
            return false;
        value = T(byte);
        return true;
    }
    bool GetText(QString& text) {
        quint32 size = 0;
        if (!Get(size) || data.size() - at < qsizetype(size))
            return false;
        text = QString::fromUtf8(data.sliced(at, size));
        at += size;
        return true;
    }
    bool GetDays(std::vector<double>& days) {
        quint32 count = 0;
        if (!Get(count) || quint64(data.size() - at) < quint64(count) * 8)
            return false;
        days.resize(count);
        for (double& day : days)
            Get(day);
        return true;
    }
    bool AtEnd() const { return at == data.size(); }

private:
    QByteArrayView data;
    qsizetype at = 0;
};
} // namespace

QByteArray EncodeSchedule(const Schedule& s) {
    QByteArray out;
    Put(out, Layout);
    Put(out, qint16(s.typeCode));
    Put(out, quint8(s.isCheck));
    const QByteArray description = s.description.toUtf8();
    Put(out, quint32(description.size()));
    out.append(description);
    Put(out, qint64(s.amountCents));
    Put(out, quint8(s.amountVaries));
    Put(out, qint64(s.toleranceCents));
    const ScheduleRule& r = s.rule;
    Put(out, quint8(r.unit));
    Put(out, qint32(r.every));
    Put(out, quint8(r.place));
    Put(out, quint8(r.dayOfMonth));
    Put(out, quint8(r.nth));
    Put(out, quint8(r.weekday));
    Put(out, r.start);
    Put(out, r.end);
    Put(out, qint32(r.count));
    Put(out, quint8(r.weekend));
    Put(out, s.doneThrough);
    Put(out, quint32(s.doneAfter.size()));
    for (double day : s.doneAfter)
        Put(out, day);
    return out;
}

bool DecodeSchedule(QByteArrayView bytes, Schedule& s) {
    Reader in(bytes);
    quint8 layout = 0;
    qint64 amount = 0, tolerance = 0;
    qint32 every = 0, count = 0;
    ScheduleRule& r = s.rule;
    const bool read = in.GetByte(layout) && layout == Layout && in.Get(s.typeCode) && in.GetByte(s.isCheck) &&
                      in.GetText(s.description) && in.Get(amount) && in.GetByte(s.amountVaries) && in.Get(tolerance) &&
                      in.GetByte(r.unit) && in.Get(every) && in.GetByte(r.place) && in.GetByte(r.dayOfMonth) &&
                      in.GetByte(r.nth) && in.GetByte(r.weekday) && in.Get(r.start) && in.Get(r.end) && in.Get(count) &&
                      in.GetByte(r.weekend) && in.Get(s.doneThrough) && in.GetDays(s.doneAfter) && in.AtEnd();
    s.amountCents = amount;
    s.toleranceCents = tolerance;
    r.every = every;
    r.count = count;
    return read && IsValidSchedule(s);
}

} // namespace ledger
