#include "formats/JournalFormat.h"

#include "formats/LedgerFormat.h"
#include "formats/LittleEndian.h"
#include "formats/ScheduleBytes.h"

#include <QCoreApplication>
#include <QtEndian>
#include <cstring>
#include <zlib.h>

namespace ledger {

namespace {
constexpr char Magic[] = "TLXJRNL\n";
constexpr int MagicSize = 8;

class Writer {
public:
    template <typename T> void Put(T value) { PutLittleEndian(out, value); }
    void PutRecord(const TransactionRecord& record) {
        char bytes[RecordSize];
        EncodeRecord(record, bytes);
        out.append(bytes, RecordSize);
    }
    void PutBytes(const QByteArray& bytes) {
        Put(quint32(bytes.size()));
        out.append(bytes);
    }
    QByteArray out;
};

class Reader : public LittleEndianReader {
public:
    using LittleEndianReader::LittleEndianReader;
    bool GetRecord(TransactionRecord& record) {
        QByteArrayView bytes;
        if (!Take(RecordSize, bytes))
            return false;
        DecodeRecord(bytes.data(), record);
        return true;
    }
    bool GetBytes(QByteArray& bytes) {
        QByteArrayView sized;
        if (!GetSized(sized))
            return false;
        bytes = sized.toByteArray();
        return true;
    }
    bool GetText(QString& text) {
        QByteArrayView sized;
        if (!GetSized(sized))
            return false;
        text = QString::fromUtf8(sized);
        return true;
    }
};

quint32 Crc(QByteArrayView bytes) {
    return quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
}

// Length and CRC-32 in front of the payload: a torn write at the end shows as a short or mismatched frame.
QByteArray Framed(const QByteArray& payload) {
    Writer w;
    w.Put(quint32(payload.size()));
    w.Put(Crc(payload));
    w.out.append(payload);
    return w.out;
}

} // namespace

QByteArray EncodeJournalStart(const JournalHeader& header) {
    Writer w;
    w.Put(qint64(header.begunMs));
    w.Put(quint8(header.base.exists));
    w.Put(qint64(header.base.size));
    w.Put(qint64(header.base.modifiedNs));
    w.Put(quint32(header.base.crc));
    w.Put(qint64(header.base.hashed));
    w.PutBytes(header.ledgerPath.toUtf8());
    Writer start;
    start.out = QByteArray(Magic, MagicSize);
    start.Put(JournalVersion);
    return start.out + Framed(w.out);
}

QByteArray EncodeJournalEntry(const JournalEntry& entry) {
    Writer w;
    w.Put(qint64(entry.madeMs));
    w.Put(quint32(entry.changes.size()));
    for (const JournalChange& change : entry.changes) {
        w.Put(quint8(change.kind));
        switch (change.kind) {
        case JournalChange::Slot:
            w.Put(qint32(change.slot));
            w.PutRecord(change.record);
            break;
        case JournalChange::Values:
            w.Put(qint16(change.nextCheckNumber));
            w.Put(change.startingBalance);
            w.Put(change.lockDate);
            break;
        case JournalChange::SlotCount:
            w.Put(qint32(change.slot));
            break;
        case JournalChange::Mark:
            w.Put(qint32(change.slot));
            w.Put(quint8(change.mark));
            w.PutBytes(change.bankId.toUtf8());
            break;
        case JournalChange::Statement:
            w.Put(change.statement.date);
            w.Put(qint64(change.statement.endingCents));
            w.Put(quint32(change.statement.slots.size()));
            for (int slot : change.statement.slots)
                w.Put(qint32(slot));
            break;
        case JournalChange::NoMarks:
            break;
        case JournalChange::DeletedBankId:
            w.PutBytes(change.bankId.toUtf8());
            break;
        case JournalChange::Schedules:
            w.Put(quint32(change.schedules.size()));
            for (const Schedule& schedule : change.schedules)
                w.PutBytes(EncodeSchedule(schedule));
            break;
        case JournalChange::Detail:
            w.Put(qint32(change.slot));
            w.PutBytes(change.memo.toUtf8());
            w.Put(quint32(change.address.size()));
            for (const QString& line : change.address)
                w.PutBytes(line.toUtf8());
            w.Put(quint8(change.waitingToPrint));
            break;
        case JournalChange::Category:
            w.Put(qint32(change.slot));
            w.PutBytes(change.category.category.toUtf8());
            w.Put(quint32(change.category.parts.size()));
            for (const SplitPart& part : change.category.parts) {
                w.PutBytes(part.category.toUtf8());
                w.PutBytes(part.memo.toUtf8());
                w.Put(qint64(part.cents));
            }
            break;
        case JournalChange::CategoryList:
            w.Put(quint32(change.keptCategories.size()));
            for (const QString& path : change.keptCategories)
                w.PutBytes(path.toUtf8());
            w.Put(quint32(change.categoryRules.size()));
            for (const CategoryRule& rule : change.categoryRules) {
                w.PutBytes(rule.contains.toUtf8());
                w.PutBytes(rule.category.toUtf8());
            }
            break;
        }
    }
    return Framed(w.out);
}

namespace {
bool DecodeHeader(QByteArrayView payload, JournalHeader& header) {
    Reader r(payload);
    quint8 exists = 0;
    QByteArray path;
    if (!r.Get(header.begunMs) || !r.Get(exists) || !r.Get(header.base.size) || !r.Get(header.base.modifiedNs) ||
        !r.Get(header.base.crc) || !r.Get(header.base.hashed) || !r.GetBytes(path) || !r.AtEnd())
        return false;
    header.base.exists = exists != 0;
    header.ledgerPath = QString::fromUtf8(path);
    return true;
}

bool DecodeEntry(QByteArrayView payload, JournalEntry& entry) {
    Reader r(payload);
    quint32 count = 0;
    if (!r.Get(entry.madeMs) || !r.Get(count))
        return false;
    for (quint32 i = 0; i < count; ++i) {
        JournalChange change;
        quint8 kind = 0, mark = 0;
        quint32 count = 0;
        QByteArray text;
        if (!r.Get(kind))
            return false;
        change.kind = JournalChange::Kind(kind);
        bool ok = false;
        switch (change.kind) {
        case JournalChange::Slot:
            ok = r.Get(change.slot) && r.GetRecord(change.record);
            break;
        case JournalChange::Values:
            ok = r.Get(change.nextCheckNumber) && r.Get(change.startingBalance) && r.Get(change.lockDate);
            break;
        case JournalChange::SlotCount:
            ok = r.Get(change.slot);
            break;
        case JournalChange::Mark:
            ok = r.Get(change.slot) && r.Get(mark) && r.GetBytes(text);
            break;
        case JournalChange::Statement:
            ok = r.Get(change.statement.date) && r.Get(change.statement.endingCents) && r.Get(count) &&
                 r.GetValues(change.statement.slots, count);
            break;
        case JournalChange::NoMarks:
            ok = true;
            break;
        case JournalChange::DeletedBankId:
            ok = r.GetBytes(text);
            break;
        case JournalChange::Schedules:
            ok = r.Get(count);
            for (quint32 k = 0; ok && k < count; ++k) {
                QByteArray bytes;
                ok = r.GetBytes(bytes) && DecodeSchedule(bytes, change.schedules.emplace_back());
            }
            break;
        case JournalChange::Detail: {
            QByteArray memo;
            quint8 waiting = 0;
            ok = r.Get(change.slot) && r.GetBytes(memo) && r.Get(count);
            // Each line takes at least its length's 4 bytes: a count beyond the bytes left fails as it reads.
            for (quint32 k = 0; ok && k < count; ++k) {
                QByteArray line;
                ok = r.GetBytes(line);
                change.address << QString::fromUtf8(line);
            }
            ok = ok && r.Get(waiting) && waiting <= 1;
            change.memo = QString::fromUtf8(memo);
            change.waitingToPrint = waiting != 0;
            break;
        }
        case JournalChange::Category:
            // Each part takes at least 16 bytes: a count beyond the bytes left fails as it reads.
            ok = r.Get(change.slot) && r.GetText(change.category.category) && r.Get(count);
            for (quint32 k = 0; ok && k < count; ++k) {
                SplitPart& part = change.category.parts.emplace_back();
                ok = r.GetText(part.category) && r.GetText(part.memo) && r.Get(part.cents);
            }
            break;
        case JournalChange::CategoryList:
            ok = r.Get(count);
            for (quint32 k = 0; ok && k < count; ++k)
                ok = r.GetText(change.keptCategories.emplace_back());
            ok = ok && r.Get(count);
            for (quint32 k = 0; ok && k < count; ++k) {
                CategoryRule& rule = change.categoryRules.emplace_back();
                ok = r.GetText(rule.contains) && r.GetText(rule.category);
            }
            break;
        }
        if (!ok)
            return false;
        change.mark = ClearMark(mark);
        change.bankId = QString::fromUtf8(text);
        entry.changes.push_back(change);
    }
    return r.AtEnd();
}

// One frame at `at`: false when the bytes there do not make a whole frame with a matching CRC-32.
bool NextFrame(const QByteArray& bytes, qsizetype& at, QByteArrayView& payload) {
    Reader r(QByteArrayView(bytes).sliced(at));
    quint32 size = 0, crc = 0;
    if (!r.Get(size) || !r.Get(crc) || bytes.size() - at - 8 < qsizetype(size))
        return false;
    payload = QByteArrayView(bytes).sliced(at + 8, size);
    if (Crc(payload) != crc)
        return false;
    at += 8 + qsizetype(size);
    return true;
}

} // namespace

platform::Result<JournalContents> DecodeJournal(const QByteArray& bytes) {
    if (bytes.size() < MagicSize + 4 || std::memcmp(bytes.constData(), Magic, MagicSize) != 0)
        return platform::Fail(QCoreApplication::translate("JournalFormat", "not a recovery journal"));
    const quint32 version = qFromLittleEndian<quint32>(bytes.constData() + MagicSize);
    if (version != JournalVersion)
        return platform::Fail(QCoreApplication::translate(
                                  "JournalFormat", "a journal of version %1, which this version of Tallix cannot read")
                                  .arg(version));
    qsizetype at = MagicSize + 4;
    QByteArrayView payload;
    JournalContents contents;
    if (!NextFrame(bytes, at, payload) || !DecodeHeader(payload, contents.header))
        return platform::Fail(QCoreApplication::translate("JournalFormat", "its header is damaged"));
    while (at < bytes.size()) {
        JournalEntry entry;
        if (!NextFrame(bytes, at, payload) || !DecodeEntry(payload, entry)) {
            contents.cutShort = true;
            break;
        }
        contents.entries.push_back(std::move(entry));
    }
    return contents;
}

} // namespace ledger
