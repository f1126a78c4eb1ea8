#include "formats/ScheduleBytes.h"

#include "formats/LittleEndian.h"

namespace ledger {

namespace {
constexpr quint8 Layout = 1;

class Reader : public LittleEndianReader {
public:
    using LittleEndianReader::LittleEndianReader;
    // An enum or small number kept in one byte.
    template <typename T> bool GetByte(T& value) {
        quint8 byte = 0;
        if (!Get(byte))
            return false;
        value = T(byte);
        return true;
    }
    bool GetText(QString& text) {
        QByteArrayView bytes;
        if (!GetSized(bytes))
            return false;
        text = QString::fromUtf8(bytes);
        return true;
    }
    bool GetDays(std::vector<double>& days) {
        quint32 count = 0;
        return Get(count) && GetValues(days, count);
    }
};
} // namespace

QByteArray EncodeSchedule(const Schedule& s) {
    QByteArray out;
    PutLittleEndian(out, Layout);
    PutLittleEndian(out, qint16(s.typeCode));
    PutLittleEndian(out, quint8(s.isCheck));
    const QByteArray description = s.description.toUtf8();
    PutLittleEndian(out, quint32(description.size()));
    out.append(description);
    PutLittleEndian(out, qint64(s.amountCents));
    PutLittleEndian(out, quint8(s.amountVaries));
    PutLittleEndian(out, qint64(s.toleranceCents));
    const ScheduleRule& r = s.rule;
    PutLittleEndian(out, quint8(r.unit));
    PutLittleEndian(out, qint32(r.every));
    PutLittleEndian(out, quint8(r.place));
    PutLittleEndian(out, quint8(r.dayOfMonth));
    PutLittleEndian(out, quint8(r.nth));
    PutLittleEndian(out, quint8(r.weekday));
    PutLittleEndian(out, r.start);
    PutLittleEndian(out, r.end);
    PutLittleEndian(out, qint32(r.count));
    PutLittleEndian(out, quint8(r.weekend));
    PutLittleEndian(out, s.doneThrough);
    PutLittleEndian(out, quint32(s.doneAfter.size()));
    for (double day : s.doneAfter)
        PutLittleEndian(out, day);
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
