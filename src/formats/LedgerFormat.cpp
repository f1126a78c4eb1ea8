#include "formats/LedgerFormat.h"

#include "model/Cp1252.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstring>

namespace ledger {

namespace {
constexpr int TypeOffset = 0;
constexpr int CheckNumberOffset = 2;
constexpr int DateOffset = 4;
constexpr int AmountOffset = 12;
constexpr int LockedOffset = 62;
constexpr int HeaderTextLength = sizeof(HeaderText) - 1;
// Records pass through the device in blocks: one call per record would dominate a load or save.
constexpr int RecordsPerBlock = 1024;

template <typename T> void Put(char* out, T value) {
    qToLittleEndian(value, out);
}
template <typename T> T Get(const char* in) {
    return qFromLittleEndian<T>(in);
}

// Reads exactly `size` bytes unless the device ends first. -1 when the device fails.
qint64 ReadFully(QIODevice& device, char* out, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const qint64 got = device.read(out + done, size - done);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += got;
    }
    return done;
}
} // namespace

void EncodeRecord(const TransactionRecord& record, char* out) {
    Put<int16_t>(out + TypeOffset, record.TypeCode);
    Put<int16_t>(out + CheckNumberOffset, record.CheckNumber);
    Put<uint64_t>(out + DateOffset, std::bit_cast<uint64_t>(record.Date));
    Put<uint32_t>(out + AmountOffset, std::bit_cast<uint32_t>(record.Amount));
    EncodeCp1252(record.Description, out + TextOffset, DescriptionLength);
    Put<int16_t>(out + LockedOffset, record.Locked);
}

bool IsHeaderText(const char* text) {
    const char* begin = text;
    const char* end = text + DescriptionLength;
    while (begin < end && *begin == ' ')
        ++begin;
    while (end > begin && end[-1] == ' ')
        --end;
    return end - begin == HeaderTextLength && std::memcmp(begin, HeaderText, HeaderTextLength) == 0;
}

void DecodeRecord(const char* in, TransactionRecord& record) {
    record.TypeCode = Get<int16_t>(in + TypeOffset);
    record.CheckNumber = Get<int16_t>(in + CheckNumberOffset);
    record.Date = std::bit_cast<double>(Get<uint64_t>(in + DateOffset));
    record.Amount = std::bit_cast<float>(Get<uint32_t>(in + AmountOffset));
    record.Description = QString(DescriptionLength, Qt::Uninitialized);
    DecodeCp1252(in + TextOffset, DescriptionLength, record.Description.data());
    record.Locked = Get<int16_t>(in + LockedOffset);
}

bool IsReadableRecord(const TransactionRecord& record) {
    return platform::IsDayCountInRange(record.Date) && IsAmountInRange(record.Amount);
}

TransactionRecord HeaderFor(const LedgerContents& state) {
    TransactionRecord header = state.Records.empty() ? TransactionRecord() : state.Records[0];
    header.TypeCode = int16_t(state.LiveCount);
    header.CheckNumber = state.NextCheckNumber;
    header.Date = state.LockDate;
    header.Amount = state.StartingBalance;
    header.Description = FixDescription(QLatin1String(HeaderText));
    return header;
}

ReadResult ReadLedger(QIODevice& device, LedgerContents& into) {
    char header[RecordSize];
    const qint64 got = ReadFully(device, header, RecordSize);
    if (got < 0)
        return ReadResult::Unreadable;
    if (got < RecordSize || !IsHeaderText(header + TextOffset))
        return ReadResult::UnknownType;
    const int count = Get<int16_t>(header + TypeOffset);
    if (count < 1)
        return ReadResult::UnknownType;
    TransactionRecord headerRecord;
    DecodeRecord(header, headerRecord);
    if (!IsReadableRecord(headerRecord))
        return ReadResult::UnknownType;
    // A file known to be too short is refused before the slot array is made.
    if (!device.isSequential() && device.size() - device.pos() < qint64(count - 1) * RecordSize)
        return ReadResult::UnknownType;

    // Sized once: the next 52 additions after a load need no growth. The slots share one blank description
    // until they are filled, so sizing costs no allocation per slot.
    into.Records.assign(size_t(count) + 2 + SlotGrowth + 1, TransactionRecord());
    into.Records[0] = std::move(headerRecord);

    QByteArray block(qsizetype(RecordsPerBlock) * RecordSize, Qt::Uninitialized);
    for (int slot = 1; slot < count;) {
        const int records = std::min(RecordsPerBlock, count - slot);
        const qint64 size = qint64(records) * RecordSize;
        const qint64 read = ReadFully(device, block.data(), size);
        if (read < 0)
            return ReadResult::Unreadable;
        if (read < size)
            return ReadResult::UnknownType;
        for (int i = 0; i < records; ++i, ++slot) {
            TransactionRecord& record = into.Records[slot];
            DecodeRecord(block.constData() + qsizetype(i) * RecordSize, record);
            if (!IsTypeCode(record.TypeCode) || !IsReadableRecord(record))
                return ReadResult::UnknownType;
        }
    }

    const TransactionRecord& h = into.Records[0];
    into.NextCheckNumber = h.CheckNumber;
    into.StartingBalance = h.Amount;
    into.LockDate = h.Date;
    into.NextSlot = count;
    into.LiveCount = count;
    return ReadResult::Loaded;
}

bool WriteLedger(QIODevice& device, const LedgerContents& state) {
    QByteArray block(qsizetype(RecordsPerBlock) * RecordSize, Qt::Uninitialized);
    int inBlock = 0;
    auto flushBlock = [&] {
        const qint64 size = qint64(inBlock) * RecordSize;
        inBlock = 0;
        return device.write(block.constData(), size) == size;
    };
    auto add = [&](const TransactionRecord& record) {
        EncodeRecord(record, block.data() + qsizetype(inBlock) * RecordSize);
        return ++inBlock < RecordsPerBlock || flushBlock();
    };

    if (!add(HeaderFor(state)))
        return false;
    for (int slot = 1; slot < state.NextSlot; ++slot) {
        if (state.Records[slot].TypeCode != Deleted && !add(state.Records[slot]))
            return false;
    }
    return inBlock == 0 || flushBlock();
}

} // namespace ledger
