#include "ledger/LedgerCheck.h"

#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

namespace ledger {

namespace {
constexpr int RecordSize = 64;
// 31 December 9999, the last day a date field can name.
constexpr double LastDay = 2958465;

struct RawRecord {
    int16_t typeOrCount;
    int16_t checkNumber;
    double date;
    float amount;
    QByteArray text;
    int16_t locked;
};

RawRecord ReadRecord(const char* p) {
    RawRecord r;
    r.typeOrCount = qFromLittleEndian<int16_t>(p);
    r.checkNumber = qFromLittleEndian<int16_t>(p + 2);
    r.date = qFromLittleEndian<double>(p + 4);
    r.amount = qFromLittleEndian<float>(p + 12);
    r.text = QByteArray(p + 16, 46);
    r.locked = qFromLittleEndian<int16_t>(p + 62);
    return r;
}

// Only spaces pad the header text; the loader refuses a header padded with anything else, and so does the check.
QByteArrayView TrimSpaces(QByteArrayView text) {
    while (text.startsWith(' '))
        text = text.sliced(1);
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

QString DateProblem(double date) {
    if (!std::isfinite(date))
        return QStringLiteral("date is not a number");
    if (date < 1 || date > LastDay)
        return QStringLiteral("date %1 is outside 1/1/100 to 12/31/9999").arg(date);
    if (date != std::floor(date))
        return QStringLiteral("date %1 carries a time of day").arg(date);
    return {};
}

void CheckChecks(const std::map<int, std::vector<int>>& numbers, std::vector<Finding>& findings) {
    int previous = 0;
    for (const auto& [number, records] : numbers) {
        if (records.size() > 1) {
            QStringList where;
            for (int r : records)
                where << QString::number(r);
            findings.push_back({Finding::Note, -1,
                                QStringLiteral("check %1 appears %2 times (records %3)")
                                    .arg(number)
                                    .arg(records.size())
                                    .arg(where.join(QStringLiteral(", ")))});
        }
        if (previous != 0 && number > previous + 1) {
            findings.push_back({Finding::Note, -1,
                                number == previous + 2
                                    ? QStringLiteral("check %1 is missing").arg(previous + 1)
                                    : QStringLiteral("checks %1 to %2 are missing").arg(previous + 1).arg(number - 1)});
        }
        previous = number;
    }
}
} // namespace

std::vector<Finding> CheckLedgerBytes(const QByteArray& bytes) {
    std::vector<Finding> findings;
    const auto error = [&](int record, const QString& message) {
        findings.push_back({Finding::Error, record, message});
    };
    if (bytes.size() < RecordSize) {
        error(-1, QStringLiteral("the file is %1 bytes long, shorter than its 64-byte header").arg(bytes.size()));
        return findings;
    }
    const RawRecord header = ReadRecord(bytes.constData());
    if (TrimSpaces(header.text) != QByteArrayView("CHECK DATA HEADER"))
        error(0, QStringLiteral("the header text is not \"CHECK DATA HEADER\""));
    const int count = header.typeOrCount;
    if (count < 1) {
        error(0, QStringLiteral("the record count %1 is below 1").arg(count));
        return findings;
    }
    if (header.checkNumber < 0)
        error(0, QStringLiteral("the next check number %1 is negative").arg(header.checkNumber));
    if (!std::isfinite(header.date) || header.date < 0 || header.date > LastDay)
        error(0, QStringLiteral("the lock date is not a valid date"));
    if (!std::isfinite(header.amount))
        error(0, QStringLiteral("the starting balance is not a number"));

    const qsizetype available = bytes.size() / RecordSize;
    if (available < count)
        error(-1, QStringLiteral("the header counts %1 records but the file holds %2").arg(count).arg(available));
    else if (bytes.size() > qsizetype(count) * RecordSize)
        findings.push_back({Finding::Note, -1,
                            QStringLiteral("%1 bytes follow the last counted record and are never read")
                                .arg(bytes.size() - qsizetype(count) * RecordSize)});

    std::map<int, std::vector<int>> checkNumbers;
    const int last = int(std::min<qsizetype>(count, available));
    for (int i = 1; i < last; ++i) {
        const RawRecord r = ReadRecord(bytes.constData() + qsizetype(i) * RecordSize);
        if (r.typeOrCount < 0 || r.typeOrCount > 4) {
            error(i, QStringLiteral("type code %1 is not 0 to 4").arg(r.typeOrCount));
            continue;
        }
        if (r.typeOrCount == 0 && r.checkNumber != -1 && r.checkNumber < 1)
            error(
                i,
                QStringLiteral("check number %1 is neither 1 or more (a check) nor -1 (a payment)").arg(r.checkNumber));
        // A number typed into the check-number cell of such a row in the register is kept; odd, but readable.
        if (r.typeOrCount != 0 && r.checkNumber != 0)
            findings.push_back({Finding::Note, i,
                                QStringLiteral("check number %1 on a record of type %2, which usually carries 0")
                                    .arg(r.checkNumber)
                                    .arg(r.typeOrCount)});
        if (const QString problem = DateProblem(r.date); !problem.isEmpty())
            error(i, problem);
        if (!std::isfinite(r.amount) || r.amount < 0)
            error(i, QStringLiteral("amount %1 is not an unsigned number").arg(double(r.amount)));
        if (r.locked != 0 && r.locked != -1)
            error(i, QStringLiteral("locked flag %1 is neither 0 nor -1").arg(r.locked));
        if (r.text.contains('\0'))
            findings.push_back({Finding::Note, i, QStringLiteral("the description holds NUL bytes")});
        if (r.typeOrCount == 0 && r.checkNumber >= 1)
            checkNumbers[r.checkNumber].push_back(i);
    }
    CheckChecks(checkNumbers, findings);
    return findings;
}

} // namespace ledger
