#include "cli/LedgerExport.h"

#include "import/SplitNotation.h"

#include "ledger/Categories.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "register/CategoryReport.h"
#include "register/RegisterRows.h"

#include <QFileInfo>
#include <QHash>
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

// A split's parts as the CSV export writes them, signed as the balance is.
QString SplitNotation(const ledger::TransactionRecord& record, std::vector<ledger::SplitPart> parts) {
    for (ledger::SplitPart& part : parts)
        part.cents = ledger::SignedCents(record.TypeCode, part.cents);
    return import::WriteSplitNotation(parts);
}

// QIF's category field: a transfer category names its account in brackets.
QString QifCategory(const QString& path) {
    static const QString transfer = QStringLiteral("Transfer") + ledger::CategorySeparator;
    if (path.startsWith(transfer) && path.size() > transfer.size())
        return u'[' + QifText(path.mid(transfer.size())) + u']';
    return QifText(path);
}

// The account the ledger is: its file's name without the extension.
QString AccountName() {
    const QString name = QFileInfo(ledger::GetDataFileName()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Tallix") : name;
}
} // namespace

QString ExportCsv() {
    QString csv = QStringLiteral("Date,Number,Description,Type,Amount,Balance,Locked,Category,Split\r\n");
    const std::vector<RegisterRow> rows = RowsInRegisterOrder();
    const int64_t opening = ledger::ToCents(ledger::GetStartingBalance());
    // An importer that checks the Balance column starts from this row, not from zero.
    if (!rows.empty() || opening != 0) {
        csv += QStringLiteral("%1,,Opening Balance,Opening,%2,%2,no,,\r\n")
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
        const ledger::CategoryAssignment category = ledger::CategoryOf(int16_t(e.slot));
        fields << category.category << (category.IsSplit() ? SplitNotation(e.record, category.parts) : QString());
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
        const ledger::CategoryAssignment category = ledger::CategoryOf(int16_t(e.slot));
        if (!category.category.isEmpty())
            qif += QStringLiteral("L%1\n").arg(QifCategory(category.category));
        for (const ledger::SplitPart& part : category.parts) {
            qif += QStringLiteral("S%1\n").arg(QifCategory(part.category));
            if (!part.memo.isEmpty())
                qif += QStringLiteral("E%1\n").arg(QifText(part.memo));
            qif += QStringLiteral("$%1\n").arg(PlainCents(ledger::SignedCents(e.record.TypeCode, part.cents)));
        }
        qif += QStringLiteral("^\n");
    }
    return qif;
}

namespace {
// A name hledger and ledger-cli take as one account name: a run of blanks as one space (two end the name), ";"
// (which starts a comment) as ",", no blank at either end.
QString AccountText(const QString& name) {
    return ledger::ControlCharactersAsSpaces(name).replace(u';', u',').simplified();
}

QString AccountPath(const QString& path) {
    QStringList names = path.split(ledger::CategorySeparator);
    for (QString& name : names)
        name = AccountText(name);
    return names.join(ledger::CategorySeparator);
}

// The transaction line's text: one line, no ";" (a comment) and no "|" (which splits payee from note).
QString JournalText(const QString& text) {
    return AccountText(text).replace(u'|', u'/');
}

// A description where the status or code may stand must not read as one: a leading "*" or "!" goes, "(" becomes "[".
QString JournalDescription(const QString& text) {
    QString description = JournalText(text);
    while (description.startsWith(u'*') || description.startsWith(u'!'))
        description = description.mid(1).trimmed();
    if (description.startsWith(u'('))
        description[0] = u'[';
    return description;
}

QString JournalPosting(const QString& account, int64_t cents) {
    return QStringLiteral("    %1  %2\n").arg(account, PlainCents(cents));
}
} // namespace

QString ExportJournal() {
    const std::vector<RegisterRow> rows = RowsInRegisterOrder();
    QString bank = AccountText(AccountName()).replace(ledger::CategorySeparator, u'-');
    const QString account = QStringLiteral("Assets:") +
                            (ledger::GetDataFileName().isEmpty() || bank.isEmpty() ? QStringLiteral("Checking") : bank);
    const auto journalDate = [](double day) {
        return platform::DateFromDayCount(day).toString(QStringLiteral("yyyy/MM/dd"));
    };
    QString journal;
    const int64_t opening = ledger::ToCents(ledger::GetStartingBalance());
    if (opening != 0) {
        journal += QStringLiteral("%1 * Opening Balance\n").arg(journalDate(OpeningDay(rows)));
        journal +=
            JournalPosting(account, opening) + JournalPosting(QStringLiteral("Equity:Opening Balances"), -opening);
    }
    QHash<QString, bool> incomeByTop;
    const auto categoryAccount = [&](const QString& path, int typeCode, int64_t signedCents) {
        if (path.isEmpty()) {
            const bool income = signedCents > 0 || (signedCents == 0 && ledger::IsCredit(typeCode));
            return income ? QStringLiteral("Income:Uncategorized") : QStringLiteral("Expenses:Uncategorized");
        }
        const QString top = path.section(ledger::CategorySeparator, 0, 0);
        if (!incomeByTop.contains(top))
            incomeByTop.insert(top, report::IsIncomeCategory(top));
        return (incomeByTop.value(top) ? QStringLiteral("Income:") : QStringLiteral("Expenses:")) + AccountPath(path);
    };
    for (const RegisterRow& e : rows) {
        if (!journal.isEmpty())
            journal += u'\n';
        journal += journalDate(e.record.Date);
        if (e.record.Locked)
            journal += QStringLiteral(" *");
        if (const QString number = CheckNumberText(e.record); !number.isEmpty())
            journal += QStringLiteral(" (%1)").arg(number);
        if (const QString description = JournalDescription(e.Description().toString()); !description.isEmpty())
            journal += u' ' + description;
        journal += u'\n';
        const ledger::CategoryAssignment category = ledger::CategoryOf(int16_t(e.slot));
        std::vector<ledger::SplitPart> parts = category.parts;
        if (parts.empty())
            parts.push_back({category.category, {}, ledger::ToCents(e.record.Amount)});
        for (const ledger::SplitPart& part : parts) {
            const int64_t cents = ledger::SignedCents(e.record.TypeCode, part.cents);
            journal += JournalPosting(categoryAccount(part.category, e.record.TypeCode, cents), -cents);
            if (!part.memo.isEmpty())
                journal += QStringLiteral("    ; %1\n").arg(JournalText(part.memo));
        }
        journal += JournalPosting(account, SignedCents(e.record));
    }
    return journal;
}

} // namespace cli
