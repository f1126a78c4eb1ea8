#include "cli/LedgerExport.h"

#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "register/RegisterRows.h"

#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace cli {

namespace {
// A plain number with two decimals and a "." whatever the locale, for importers.
QString PlainCents(int64_t cents) {
    return ledger::CentsText(cents, QLatin1Char('.'));
}

std::vector<RegisterRow> RowsInRegisterOrder() {
    return BuildRegisterRows(platform::LocaleCodec());
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

// QIF's number field holds a check's number, or the kind of transaction as banks write it there, so that an
// importer (this program's too) keeps withdrawals, fees and interest apart from payments and deposits.
QString QifNumber(const ledger::TransactionRecord& r) {
    switch (r.TypeCode) {
    case ledger::Withdrawal:
        return QStringLiteral("ATM");
    case ledger::Fee:
        return QStringLiteral("FEE");
    case ledger::Deposit:
        return QStringLiteral("DEP");
    case ledger::Interest:
        return QStringLiteral("INT");
    default:
        return CheckNumberText(r);
    }
}

// QIF is line-based: a description must stay on its line, and no control character reaches an importer.
QString QifText(const QString& text) {
    return ledger::ControlCharactersAsSpaces(text).trimmed();
}

// The day before the first transaction (or before today for a ledger without any).
double OpeningDay(const std::vector<RegisterRow>& rows) {
    return (rows.empty() ? platform::Today() : rows.front().record.Date) - 1;
}

// The account the ledger is: its file's name without the extension.
QString AccountName() {
    const QString name = QFileInfo(ledger::GetDataFileName()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Tallix") : name;
}
} // namespace

QString ExportCsv() {
    QString csv = QStringLiteral("Date,Number,Description,Type,Amount,Balance,Locked\r\n");
    const std::vector<RegisterRow> rows = RowsInRegisterOrder();
    const int64_t opening = ledger::ToCents(ledger::GetStartingBalance());
    // An importer that checks the Balance column starts from this row, not from zero.
    if (!rows.empty() || opening != 0) {
        csv += QStringLiteral("%1,,Opening Balance,Opening,%2,%2,no\r\n")
                   .arg(platform::DateFromDayCount(OpeningDay(rows)).toString(Qt::ISODate), PlainCents(opening));
    }
    for (const RegisterRow& e : rows) {
        QStringList fields{platform::DateFromDayCount(e.record.Date).toString(Qt::ISODate),
                           CheckNumberText(e.record),
                           e.Description().toString(),
                           ledger::TypeFileName(e.record.TypeCode, e.record.CheckNumber),
                           PlainCents(SignedCents(e.record)),
                           PlainCents(e.balanceCents),
                           e.record.Locked ? QStringLiteral("yes") : QStringLiteral("no")};
        for (QString& f : fields)
            f = CsvField(f);
        csv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return csv;
}

QString ExportQif() {
    const std::vector<RegisterRow> rows = RowsInRegisterOrder();
    QString qif = QStringLiteral("!Type:Bank\n");
    const auto qifDate = [](double day) {
        return platform::DateFromDayCount(day).toString(QStringLiteral("MM/dd/yyyy"));
    };
    const int64_t opening = ledger::ToCents(ledger::GetStartingBalance());
    if (opening != 0) {
        // QIF's opening balance: a cleared transfer from the account itself, named in brackets.
        qif += QStringLiteral("D%1\nT%2\nCX\nPOpening Balance\nL[%3]\n^\n")
                   .arg(qifDate(OpeningDay(rows)), PlainCents(opening), QifText(AccountName()));
    }
    for (const RegisterRow& e : rows) {
        qif += QStringLiteral("D%1\nT%2\n").arg(qifDate(e.record.Date), PlainCents(SignedCents(e.record)));
        if (const QString number = QifNumber(e.record); !number.isEmpty())
            qif += QStringLiteral("N%1\n").arg(number);
        qif += QStringLiteral("P%1\n").arg(QifText(e.record.Description));
        // Locked records were balanced against a statement: reconciled.
        if (e.record.Locked)
            qif += QStringLiteral("CX\n");
        qif += QStringLiteral("^\n");
    }
    return qif;
}

} // namespace cli
