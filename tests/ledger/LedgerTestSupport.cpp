#include "LedgerTestSupport.h"

#include <QDir>
#include <QFile>
#include <limits>

namespace tallix::test {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray RawRecord(int16_t type, int16_t number, double date, float amount, const QByteArray& text, int16_t locked) {
    QByteArray out(64, '\0');
    qToLittleEndian(type, out.data());
    qToLittleEndian(number, out.data() + 2);
    qToLittleEndian(std::bit_cast<quint64>(date), out.data() + 4);
    qToLittleEndian(std::bit_cast<quint32>(amount), out.data() + 12);
    const QByteArray padded = text.leftJustified(46, ' ', true);
    std::copy(padded.begin(), padded.end(), out.begin() + 16);
    qToLittleEndian(locked, out.data() + 62);
    return out;
}

QByteArray RawHeader(int16_t count, int16_t nextCheck, double lockDate, float balance, const QByteArray& text,
                     int16_t locked) {
    return RawRecord(count, nextCheck, lockDate, balance, text, locked);
}

namespace {
QByteArray OneRecordFile(double lockDate, float balance, double date, float amount) {
    return RawHeader(2, 0, lockDate, balance) + RawRecord(3, 0, date, amount, "Salary", 0);
}
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
} // namespace

std::vector<NamedFile> OutOfRangeFiles() {
    return {
        {"date NaN", OneRecordFile(0, 0, Nan, 10)},
        {"date infinite", OneRecordFile(0, 0, -Inf, 10)},
        {"date after 12/31/9999", OneRecordFile(0, 0, 2958466, 10)},
        {"date before 1/1/100", OneRecordFile(0, 0, -657434.5, 10)},
        {"amount NaN", OneRecordFile(0, 0, 40000, float(Nan))},
        {"amount infinite", OneRecordFile(0, 0, 40000, float(Inf))},
        {"amount beyond the cents sum", OneRecordFile(0, 0, 40000, 1.01e12f)},
        {"lock date NaN", OneRecordFile(Nan, 0, 40000, 10)},
        {"lock date after 12/31/9999", OneRecordFile(3e6, 0, 40000, 10)},
        {"starting balance infinite", OneRecordFile(0, float(-Inf), 40000, 10)},
        {"starting balance beyond the cents sum", OneRecordFile(0, -2e12f, 40000, 10)},
    };
}

std::vector<NamedFile> InRangeFiles() {
    return {
        {"date typed as 5/7/1899", OneRecordFile(0, 0, -237, 10)},
        {"date 12/30/1899 (day 0)", OneRecordFile(0, 0, 0, 10)},
        {"first and last day", OneRecordFile(-657434, 0, 2958465.5, 10)},
        {"lock date before 1900", OneRecordFile(-237, 0, 40000, 10)},
        {"negative starting balance", OneRecordFile(0, -50, 40000, 10)},
        {"negative amount", OneRecordFile(0, 0, 40000, -5)},
        {"largest amounts", OneRecordFile(0, -1e12f, 40000, 1e12f)},
    };
}

StateSnapshot TakeSnapshot() {
    const ledger::LedgerState& s = ledger::State();
    return {s.Records,         s.NextSlot, s.LiveCount, s.Cursor,        s.NextCheckNumber,
            s.StartingBalance, s.LockDate, s.Modified,  s.RecordsLocked, s.DataFileName};
}

void BuildMixedLedger() {
    using namespace ledger;
    SetStartingBalance(1234.5f);
    AddTransaction(101, 39887, 25.5f, QStringLiteral("Grocer"), CheckOrPayment);
    AddTransaction(PaymentCheckNumber, 39888, 60.25f, QStringLiteral("Electric company"), CheckOrPayment);
    AddTransaction(0, 39889, 40, QStringLiteral("ATM"), Withdrawal);
    AddTransaction(0, 39890, 2.5f, QStringLiteral("Service charge"), Fee);
    AddTransaction(0, 39891, 1500, QStringLiteral("Salary"), Deposit);
    AddTransaction(0, 39892, 0.75f, QStringLiteral("Interest"), Interest);
    AddTransaction(102, 39893, 99.99f, QStringLiteral("Café “Zoë” – €5"), CheckOrPayment);
    DeleteTransaction(4);
    UpdateTransaction(1, 101, 39887, 25.5f, QStringLiteral("Grocer"), true);
    SetLockDate(39887);
    SetRecordsLocked(true);
}

} // namespace tallix::test
