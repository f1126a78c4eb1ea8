#include "formats/LedgerFormat.h"
#include "LedgerTestSupport.h"
#include "model/Cp1252.h"
#include "storage/LedgerFile.h"

#include <QBuffer>

using namespace ledger;
using namespace tallix::test;

namespace {

// The documented example: starting balance 100, next check 102, no lock date, check 101 of 15 March 2009 over
// 25.50 to Grocer.
QByteArray WorkedExample() {
    return QByteArray::fromHex("0200"
                               "6600"
                               "0000000000000000"
                               "0000C842") +
           "CHECK DATA HEADER" + QByteArray(29, ' ') + QByteArray::fromHex("0000") +
           QByteArray::fromHex("0000"
                               "6500"
                               "00000000E079E340"
                               "0000CC41") +
           "Grocer" + QByteArray(40, ' ') + QByteArray::fromHex("0000");
}

ReadResult ReadBytesInto(const QByteArray& bytes, LedgerState& into) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadLedger(buffer, into);
}

class LedgerFormatTest : public LedgerTest {};

TEST_F(LedgerFormatTest, WorkedExampleIsWrittenByteForByte) {
    SetStartingBalance(100);
    AddTransaction(101, 39887, 25.5f, QStringLiteral("Grocer"), CheckOrPayment);
    ASSERT_EQ(GetNextCheckNumber(), 102);
    SetDataFileName(PathOf("example.tlx"));
    ASSERT_TRUE(SaveLedger());
    const QByteArray expected = WorkedExample();
    ASSERT_EQ(expected.size(), 128);
    EXPECT_EQ(ReadBytes(PathOf("example.tlx")).toHex(' '), expected.toHex(' '));
}

TEST_F(LedgerFormatTest, WorkedExampleIsReadBack) {
    WriteBytes(PathOf("example.tlx"), WorkedExample());
    SetDataFileName(PathOf("example.tlx"));
    ASSERT_TRUE(LoadLedger());
    EXPECT_EQ(GetStartingBalance(), 100.0f);
    EXPECT_EQ(GetNextCheckNumber(), 102);
    double lockDate = -1;
    EXPECT_FALSE(GetLockDate(lockDate));
    EXPECT_EQ(GetTransactionCount(), 2);
    TransactionRecord record;
    ASSERT_TRUE(FirstTransaction(record));
    EXPECT_EQ(record.TypeCode, CheckOrPayment);
    EXPECT_EQ(record.CheckNumber, 101);
    EXPECT_EQ(record.Date, 39887.0);
    EXPECT_EQ(record.Amount, 25.5f);
    EXPECT_EQ(record.Description, FixDescription(QStringLiteral("Grocer")));
    EXPECT_EQ(record.Locked, 0);
    EXPECT_FALSE(NextTransaction(record));
}

TEST_F(LedgerFormatTest, RoundTripOfEveryKindMatchesAHandBuiltFile) {
    BuildMixedLedger();
    SetDataFileName(PathOf("sample.tlx"));
    ASSERT_TRUE(SaveLedger());

    // Slot 4 (the fee) is deleted and left out; "“Zoë”" and "€" are in the code page, so nothing is lost.
    const QByteArray text7("Caf\xE9 \x93Zo\xEB\x94 \x96 \x80"
                           "5");
    const QByteArray expected = RawHeader(7, 103, 39887, 1234.5f) + RawRecord(0, 101, 39887, 25.5f, "Grocer", -1) +
                                RawRecord(0, -1, 39888, 60.25f, "Electric company", 0) +
                                RawRecord(1, 0, 39889, 40, "ATM", 0) + RawRecord(3, 0, 39891, 1500, "Salary", 0) +
                                RawRecord(4, 0, 39892, 0.75f, "Interest", 0) +
                                RawRecord(0, 102, 39893, 99.99f, text7, 0);
    EXPECT_EQ(ReadBytes(PathOf("sample.tlx")).toHex(' '), expected.toHex(' '));

    std::vector<TransactionRecord> saved;
    TransactionRecord record;
    for (bool more = FirstTransaction(record); more; more = NextTransaction(record)) {
        if (record.TypeCode != Deleted)
            saved.push_back(record);
    }
    NewLedger();
    SetDataFileName(PathOf("sample.tlx"));
    ASSERT_TRUE(LoadLedger());
    EXPECT_EQ(GetTransactionCount(), 7);
    EXPECT_EQ(GetNextCheckNumber(), 103);
    EXPECT_EQ(GetStartingBalance(), 1234.5f);
    double lockDate = 0;
    EXPECT_TRUE(GetLockDate(lockDate));
    EXPECT_EQ(lockDate, 39887);
    std::vector<TransactionRecord> loaded;
    for (bool more = FirstTransaction(record); more; more = NextTransaction(record))
        loaded.push_back(record);
    ASSERT_EQ(loaded.size(), saved.size());
    for (size_t i = 0; i < saved.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(loaded[i].TypeCode, saved[i].TypeCode);
        EXPECT_EQ(loaded[i].CheckNumber, saved[i].CheckNumber);
        EXPECT_EQ(loaded[i].Date, saved[i].Date);
        EXPECT_EQ(loaded[i].Amount, saved[i].Amount);
        EXPECT_EQ(loaded[i].Description, saved[i].Description);
        EXPECT_EQ(loaded[i].Locked, saved[i].Locked);
    }
}

TEST_F(LedgerFormatTest, HeaderLockedFieldIsCarriedThroughUnchanged) {
    WriteBytes(PathOf("in.tlx"), RawHeader(1, 5, 0, 0, "CHECK DATA HEADER", -1));
    SetDataFileName(PathOf("in.tlx"));
    ASSERT_TRUE(LoadLedger());
    SetModified();
    SetDataFileName(PathOf("out.tlx"));
    ASSERT_TRUE(SaveLedger());
    EXPECT_EQ(ReadBytes(PathOf("out.tlx")), RawHeader(1, 5, 0, 0, "CHECK DATA HEADER", -1));
}

TEST_F(LedgerFormatTest, SpacedHeaderTextIsAcceptedAndWrittenBackPlain) {
    WriteBytes(PathOf("in.tlx"), RawHeader(2, 0, 0, 0, "   CHECK DATA HEADER") + RawRecord(3, 0, 1, 1, "x", 0));
    SetDataFileName(PathOf("in.tlx"));
    ASSERT_TRUE(LoadLedger());
    SetModified();
    ASSERT_TRUE(SaveLedger());
    EXPECT_EQ(ReadBytes(PathOf("in.tlx")).left(64), RawHeader(2, 0, 0, 0));
}

TEST_F(LedgerFormatTest, BytesAfterTheCountedRecordsAreIgnored) {
    const QByteArray file = RawHeader(2, 0, 0, 0) + RawRecord(3, 0, 1, 1, "x", 0) + RawRecord(3, 0, 2, 2, "y", 0) +
                            QByteArray("\xFF\xFF junk", 7);
    LedgerState loaded;
    ASSERT_EQ(ReadBytesInto(file, loaded), ReadResult::Loaded);
    EXPECT_EQ(loaded.NextSlot, 2);
    EXPECT_EQ(loaded.LiveCount, 2);
}

TEST_F(LedgerFormatTest, LoadSizesTheSlotArrayForFiftyTwoMoreRecords) {
    WriteBytes(PathOf("in.tlx"), RawHeader(3, 0, 0, 0) + RawRecord(3, 0, 1, 1, "a", 0) + RawRecord(3, 0, 2, 2, "b", 0));
    SetDataFileName(PathOf("in.tlx"));
    ASSERT_TRUE(LoadLedger());
    EXPECT_EQ(State().UpperBound(), 3 + 52);
    for (int i = 0; i < 52; ++i)
        AddTransaction(0, 1, 1, QStringLiteral("more"), Deposit);
    EXPECT_EQ(State().UpperBound(), 55) << "52 additions need no growth";
    AddTransaction(0, 1, 1, QStringLiteral("more"), Deposit);
    EXPECT_EQ(State().UpperBound(), 105);
}

// Every prefix of a valid file: shorter than the counted records is not a ledger, never a crash or a read
// past the end.
TEST_F(LedgerFormatTest, EveryTruncationOfAFileIsRefused) {
    const QByteArray file = WorkedExample();
    for (int length = 0; length <= file.size(); ++length) {
        LedgerState loaded;
        EXPECT_EQ(ReadBytesInto(file.left(length), loaded),
                  length == file.size() ? ReadResult::Loaded : ReadResult::UnknownType)
            << length;
    }
}

TEST_F(LedgerFormatTest, OnlyTypeCodesZeroToFourAreRead) {
    for (int type = -3; type <= 6; ++type) {
        LedgerState loaded;
        const QByteArray file =
            RawHeader(3, 0, 0, 0) + RawRecord(3, 0, 1, 1, "ok", 0) + RawRecord(int16_t(type), 0, 1, 1, "?", 0);
        EXPECT_EQ(ReadBytesInto(file, loaded), type >= 0 && type <= 4 ? ReadResult::Loaded : ReadResult::UnknownType)
            << type;
    }
}

// A device that accepts `limit` bytes and then fails, as a full disk does.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit) : limit(limit) { open(QIODevice::ReadWrite); }
    qint64 written = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        if (written >= limit)
            return -1;
        const qint64 taken = std::min(size, limit - written);
        written += taken;
        return taken;
    }

private:
    qint64 limit;
};

TEST_F(LedgerFormatTest, WriterReportsADeviceThatFails) {
    for (int i = 0; i < 2000; ++i)
        AddTransaction(0, 1, 1, QStringLiteral("filler"), Deposit);
    const qint64 size = 2001 * 64;
    for (qint64 limit : {qint64(0), qint64(1), qint64(63), qint64(64), qint64(65536), size - 1}) {
        FailingDevice device(limit);
        EXPECT_FALSE(WriteLedger(device, State())) << limit;
    }
    FailingDevice device(size);
    EXPECT_TRUE(WriteLedger(device, State()));
    EXPECT_EQ(device.written, size);
}

TEST_F(LedgerFormatTest, ReaderReportsADeviceThatFails) {
    FailingDevice device(0);
    LedgerState loaded;
    EXPECT_EQ(ReadLedger(device, loaded), ReadResult::Unreadable);
}

TEST(Cp1252, EveryByteSurvivesDecodingAndEncoding) {
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    for (int start = 0; start < 256; start += 46) {
        const QByteArray bytes = all.mid(start, 46).leftJustified(46, ' ');
        QString text(46, Qt::Uninitialized);
        DecodeCp1252(bytes.constData(), 46, text.data());
        QByteArray again(46, '\0');
        EncodeCp1252(text, again.data(), 46);
        EXPECT_EQ(again.toHex(), bytes.toHex()) << start;
    }
    EXPECT_EQ(FromCp1252(0x80), QChar(0x20AC));
    EXPECT_EQ(FromCp1252(0x9F), QChar(0x0178));
    EXPECT_EQ(FromCp1252(0xE9), QChar(0x00E9));
}

TEST(Cp1252, CharactersOutsideThePageBecomeOneQuestionMarkEach) {
    QByteArray out(8, '\0');
    EncodeCp1252(QStringLiteral("a\u0142\u4E2D") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("b"), out.data(),
                 8);
    EXPECT_EQ(out, QByteArray("a???b   "));
    EncodeCp1252(QStringLiteral("abcdefghij"), out.data(), 8);
    EXPECT_EQ(out, QByteArray("abcdefgh"));
}

} // namespace
