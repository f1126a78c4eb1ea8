#include "formats/LedgerCheck.h"

#include "formats/LedgerFormat.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>

namespace ledger {

namespace {
QString NumberText(double value) {
    return QString::number(value, 'g', 17);
}

// The header's date is the lock date and its amount the starting balance; a record's are its own.
enum class Field { Header, Record };

// What the loader refuses is an error; a time of day is kept and shown as its day.
void CheckDate(double date, Field field, int record, std::vector<Finding>& findings) {
    const bool lockDate = field == Field::Header;
    if (!platform::IsDayCountInRange(date))
        findings.push_back(
            {Finding::Error, record,
             (lockDate ? QCoreApplication::translate("LedgerCheck",
                                                     "the lock date %1 is not a date from 1/1/100 to 12/31/9999")
                       : QCoreApplication::translate("LedgerCheck", "date %1 is not a date from 1/1/100 to 12/31/9999"))
                 .arg(NumberText(date))});
    else if (date != std::floor(date))
        findings.push_back(
            {Finding::Note, record,
             (lockDate ? QCoreApplication::translate("LedgerCheck", "the lock date %1 carries a time of day")
                       : QCoreApplication::translate("LedgerCheck", "date %1 carries a time of day"))
                 .arg(NumberText(date))});
}

void CheckAmount(float amount, Field field, int record, std::vector<Finding>& findings) {
    if (!IsAmountInRange(amount))
        findings.push_back(
            {Finding::Error, record,
             (field == Field::Header
                  ? QCoreApplication::translate("LedgerCheck",
                                                "the starting balance %1 is not an amount of at most %2 either way")
                  : QCoreApplication::translate("LedgerCheck", "amount %1 is not an amount of at most %2 either way"))
                 .arg(NumberText(double(amount)), QString::number(MaxAmount, 'f', 0))});
}

void CheckChecks(const std::map<int, std::vector<int>>& numbers, std::vector<Finding>& findings) {
    int previous = 0;
    for (const auto& [number, records] : numbers) {
        if (records.size() > 1) {
            QStringList where;
            for (int r : records)
                where << QString::number(r);
            findings.push_back(
                {Finding::Note, -1,
                 QCoreApplication::translate("LedgerCheck", "check %1 appears %2 times (records %3)")
                     .arg(QString::number(number), QString::number(records.size()), where.join(QStringLiteral(", ")))});
        }
        if (previous != 0 && number > previous + 1) {
            findings.push_back(
                {Finding::Note, -1,
                 number == previous + 2
                     ? QCoreApplication::translate("LedgerCheck", "check %1 is missing").arg(previous + 1)
                     : QCoreApplication::translate("LedgerCheck", "checks %1 to %2 are missing")
                           .arg(previous + 1)
                           .arg(number - 1)});
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
        error(-1,
              QCoreApplication::translate("LedgerCheck", "the file is %1 bytes long, shorter than its 64-byte header")
                  .arg(bytes.size()));
        return findings;
    }
    TransactionRecord header;
    DecodeRecord(bytes.constData(), header);
    if (!IsHeaderText(bytes.constData() + TextOffset))
        error(0, QCoreApplication::translate("LedgerCheck", "the header text is not \"CHECK DATA HEADER\""));
    const int count = header.TypeCode;
    if (count < 1) {
        error(0, QCoreApplication::translate("LedgerCheck", "the record count %1 is below 1").arg(count));
        return findings;
    }
    // The settings dialog takes any whole number from -32768 as the next check number.
    if (header.CheckNumber < 0)
        findings.push_back({Finding::Note, 0,
                            QCoreApplication::translate("LedgerCheck", "the next check number %1 is negative")
                                .arg(header.CheckNumber)});
    CheckDate(header.Date, Field::Header, 0, findings);
    CheckAmount(header.Amount, Field::Header, 0, findings);

    const qsizetype available = bytes.size() / RecordSize;
    if (available < count)
        error(-1, QCoreApplication::translate("LedgerCheck", "the header counts %1 records but the file holds %2")
                      .arg(count)
                      .arg(available));
    else if (bytes.size() > qsizetype(count) * RecordSize)
        findings.push_back(
            {Finding::Note, -1,
             QCoreApplication::translate("LedgerCheck", "%1 bytes follow the last counted record and are never read")
                 .arg(bytes.size() - qsizetype(count) * RecordSize)});

    std::map<int, std::vector<int>> checkNumbers;
    const int last = int(std::min<qsizetype>(count, available));
    for (int i = 1; i < last; ++i) {
        TransactionRecord r;
        DecodeRecord(bytes.constData() + qsizetype(i) * RecordSize, r);
        if (!IsTypeCode(r.TypeCode)) {
            error(i, QCoreApplication::translate("LedgerCheck", "type code %1 is not 0 to 4").arg(r.TypeCode));
            continue;
        }
        // The loader takes what follows as it stands; the program would not have written it, so it is noted.
        if (IsCheck(r.TypeCode, r.CheckNumber) && r.CheckNumber < 1)
            findings.push_back({Finding::Note, i,
                                QCoreApplication::translate(
                                    "LedgerCheck", "check number %1 is neither 1 or more (a check) nor -1 (a payment)")
                                    .arg(r.CheckNumber)});
        // A number typed into the check-number cell of such a row in the register is kept; odd, but readable.
        if (r.TypeCode != CheckOrPayment && r.CheckNumber != 0)
            findings.push_back({Finding::Note, i,
                                QCoreApplication::translate(
                                    "LedgerCheck", "check number %1 on a record of type %2, which usually carries 0")
                                    .arg(r.CheckNumber)
                                    .arg(r.TypeCode)});
        CheckDate(r.Date, Field::Record, i, findings);
        CheckAmount(r.Amount, Field::Record, i, findings);
        if (IsAmountInRange(r.Amount) && r.Amount < 0)
            findings.push_back({Finding::Note, i,
                                QCoreApplication::translate(
                                    "LedgerCheck", "amount %1 carries a sign; the type tells debits from credits")
                                    .arg(NumberText(double(r.Amount)))});
        if (r.Locked != 0 && r.Locked != -1)
            findings.push_back(
                {Finding::Note, i,
                 QCoreApplication::translate("LedgerCheck", "locked flag %1 is neither 0 nor -1; it reads as locked")
                     .arg(r.Locked)});
        // Loaded as they stand, but a terminal would act on them and a line-based export must replace them.
        if (HasControlCharacter(r.Description)) {
            QStringView text(r.Description);
            while (text.endsWith(QLatin1Char(' ')))
                text.chop(1);
            findings.push_back(
                {Finding::Note, i,
                 QCoreApplication::translate("LedgerCheck", "the description holds control characters: \"%1\"")
                     .arg(EscapeControlCharacters(text))});
        }
        if (IsCheck(r.TypeCode, r.CheckNumber) && r.CheckNumber >= 1)
            checkNumbers[r.CheckNumber].push_back(i);
    }
    CheckChecks(checkNumbers, findings);
    return findings;
}

} // namespace ledger
