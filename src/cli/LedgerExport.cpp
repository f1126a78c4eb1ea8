#include "cli/LedgerExport.h"

#include "cli/RegisterText.h"
#include "ledger/Ledger.h"
#include "ledger/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/LocaleCodec.h"
#include "register/RegisterGrid.h"

#include <cmath>
#include <vector>

namespace cli {

namespace {
struct Entry {
    ledger::TransactionRecord record;
    QString balance; // as the register shows it
};

std::vector<ledger::TransactionRecord> RecordsBySlot() {
    std::vector<ledger::TransactionRecord> records(1);
    ledger::TransactionRecord record;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record))
        records.push_back(record);
    return records;
}

std::vector<Entry> EntriesInRegisterOrder(const platform::FlexGrid& grid) {
    const std::vector<ledger::TransactionRecord> records = RecordsBySlot();
    std::vector<Entry> entries;
    for (int r = 1; r < grid.Rows(); ++r) {
        const int slot = grid.TextMatrix(r, RegisterColumn::Slot).toInt();
        entries.push_back({records[size_t(slot)], grid.TextMatrix(r, RegisterColumn::Balance)});
    }
    return entries;
}

// Amounts are 32-bit floats; whole cents are what the user typed.
QString SignedAmount(const ledger::TransactionRecord& r) {
    const double cents = std::round(double(r.Amount) * 100.0) * (ledger::IsCredit(r.TypeCode) ? 1 : -1);
    return QString::number(cents / 100.0, 'f', 2);
}

QString CheckNumberText(const ledger::TransactionRecord& r) {
    return ledger::IsCheck(r.TypeCode, r.CheckNumber) ? QString::number(r.CheckNumber) : QString();
}

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// QIF is line-based: a description must stay on its line.
QString QifText(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}
} // namespace

QString ExportCsv(const platform::FlexGrid& grid) {
    QString csv = QStringLiteral("Date,Number,Description,Type,Amount,Balance,Locked\r\n");
    const platform::LocaleCodec codec;
    for (const Entry& e : EntriesInRegisterOrder(grid)) {
        // The balance column as a plain number, without the register's thousands separators.
        const std::optional<double> balance = codec.ToDouble(e.balance);
        QStringList fields{platform::DateFromDayCount(e.record.Date).toString(Qt::ISODate),
                           CheckNumberText(e.record),
                           e.record.Description.trimmed(),
                           ledger::TypeName(e.record.TypeCode, e.record.CheckNumber),
                           SignedAmount(e.record),
                           QString::number(balance.value_or(0), 'f', 2),
                           e.record.Locked ? QStringLiteral("yes") : QStringLiteral("no")};
        for (QString& f : fields)
            f = CsvField(f);
        csv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return csv;
}

QString ExportQif(const platform::FlexGrid& grid) {
    const std::vector<Entry> entries = EntriesInRegisterOrder(grid);
    QString qif = QStringLiteral("!Type:Bank\n");
    const auto qifDate = [](double day) {
        return platform::DateFromDayCount(day).toString(QStringLiteral("MM/dd/yyyy"));
    };
    const float opening = ledger::GetStartingBalance();
    if (opening != 0.0f) {
        const double firstDay = entries.empty() ? platform::Today() : entries.front().record.Date;
        qif += QStringLiteral("D%1\nT%2\nPOpening Balance\n^\n")
                   .arg(qifDate(firstDay), QString::number(std::round(double(opening) * 100.0) / 100.0, 'f', 2));
    }
    for (const Entry& e : entries) {
        qif += QStringLiteral("D%1\nT%2\n").arg(qifDate(e.record.Date), SignedAmount(e.record));
        if (const QString number = CheckNumberText(e.record); !number.isEmpty())
            qif += QStringLiteral("N%1\n").arg(number);
        qif += QStringLiteral("P%1\n").arg(QifText(e.record.Description.trimmed()));
        if (e.record.Locked)
            qif += QStringLiteral("C*\n");
        qif += QStringLiteral("^\n");
    }
    return qif;
}

} // namespace cli
