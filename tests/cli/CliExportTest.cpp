#include "cli/CliReport.h"
#include "cli/LedgerExport.h"
#include "cli/RegisterText.h"
#include "import/ImportPlan.h"
#include "import/Statement.h"
#include "ledger/Categories.h"
#include "ledger/Ledger.h"
#include "platform/Locale.h"
#include "platform/LocaleCodec.h"
#include "register/CategoryReport.h"
#include "register/RegisterRows.h"
#include "support/ScopedLocale.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <cmath>
#include <gtest/gtest.h>

using namespace ledger;

namespace {
double Day(int y, int m, int d) {
    return platform::DayCountFromDate(QDate(y, m, d));
}

// Entered out of order on purpose: exports follow the register's date order. Categorised: the pay, a transfer, a
// name with a ";", and the grocer split with cash back, its memo holding the CSV's split marks.
void BuildLedger() {
    NewLedger();
    SetStartingBalance(100.0f);
    AddTransaction(0, Day(2009, 3, 20), 500.0f, QStringLiteral("Pay, \"bonus\" included"), Deposit);
    AddTransaction(101, Day(2009, 3, 15), 25.5f, QStringLiteral("Grocer"), CheckOrPayment);
    AddTransaction(-1, Day(2009, 3, 16), 10.0f, QStringLiteral("Power company"), CheckOrPayment);
    AddTransaction(0, Day(2009, 3, 31), 0.07f, QStringLiteral("Interest"), Interest);
    AddTransaction(0, Day(2009, 3, 17), 4.95f, QStringLiteral("Service charge"), Fee);
    AddTransaction(0, Day(2009, 3, 18), 60.0f, QStringLiteral("ATM"), Withdrawal);
    UpdateTransaction(2, 101, Day(2009, 3, 15), 25.5f, QStringLiteral("Grocer"), true);
    SetCategory(1, {QStringLiteral("Income:Salary"), {}});
    SetCategory(2, {{}, {{QStringLiteral("Food:Groceries"), QStringLiteral("milk|eggs=2"), 3000}, {{}, "cash", -450}}});
    SetCategory(3, {QStringLiteral("Transfer:Savings"), {}});
    SetCategory(5, {QStringLiteral("Fees; bank"), {}});
}

QString Csv() {
    return cli::ExportCsv();
}

QString Qif() {
    return cli::ExportQif();
}

// A small RFC 4180 reader: quoted fields, doubled quotes, CRLF records.
std::vector<QStringList> ParseCsv(const QString& text) {
    std::vector<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            fields << field;
            records.push_back(fields);
            fields.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(field.isEmpty() && fields.isEmpty()) << "last record not ended by CRLF";
    return records;
}

struct QifRecord {
    QString date, amount, number, payee, cleared, category, split;
};

std::vector<QifRecord> ParseQif(const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.first(), QStringLiteral("!Type:Bank"));
    std::vector<QifRecord> records;
    QifRecord current;
    for (const QString& line : lines.mid(1)) {
        if (line.isEmpty())
            continue;
        const QString value = line.mid(1);
        switch (line[0].toLatin1()) {
        case 'D':
            current.date = value;
            break;
        case 'T':
            current.amount = value;
            break;
        case 'N':
            current.number = value;
            break;
        case 'L':
            current.category = value;
            break;
        case 'P':
            current.payee = value;
            break;
        case 'C':
            current.cleared = value;
            break;
        case 'S':
        case 'E':
        case '$':
            current.split += line + u' ';
            break;
        case '^':
            records.push_back(current);
            current = {};
            break;
        default:
            ADD_FAILURE() << "unknown QIF line " << line.toStdString();
        }
    }
    return records;
}
} // namespace

TEST(CliExport, CsvReadsBackInRegisterOrderWithSignedAmountsInEveryLocale) {
    for (const char* locale : {"en_US", "de_DE", "ar_EG", "fa_IR", "C"}) {
        SCOPED_TRACE(locale);
        const tallix::test::ScopedLocale scope(QString::fromLatin1(locale));
        BuildLedger();
        const auto records = ParseCsv(Csv());
        ASSERT_EQ(records.size(), 8u);
        EXPECT_EQ(records[0], (QStringList{"Date", "Number", "Description", "Type", "Amount", "Balance", "Locked",
                                           "Category", "Split"}));
        EXPECT_EQ(records[1],
                  (QStringList{"2009-03-14", "", "Opening Balance", "Opening", "100.00", "100.00", "no", "", ""}));
        EXPECT_EQ(records[2], (QStringList{"2009-03-15", "101", "Grocer", "Check", "-25.50", "74.50", "yes", "",
                                           "Food:Groceries=-30.00=milk\\|eggs\\=2|=4.50=cash"}));
        EXPECT_EQ(records[3], (QStringList{"2009-03-16", "", "Power company", "Payment", "-10.00", "64.50", "no",
                                           "Transfer:Savings", ""}));
        EXPECT_EQ(records[4],
                  (QStringList{"2009-03-17", "", "Service charge", "Fee", "-4.95", "59.55", "no", "Fees; bank", ""}));
        EXPECT_EQ(records[5], (QStringList{"2009-03-18", "", "ATM", "Withdrawal", "-60.00", "-0.45", "no", "", ""}));
        EXPECT_EQ(records[6], (QStringList{"2009-03-20", "", "Pay, \"bonus\" included", "Deposit", "500.00", "499.55",
                                           "no", "Income:Salary", ""}));
        EXPECT_EQ(records[7], (QStringList{"2009-03-31", "", "Interest", "Interest", "0.07", "499.62", "no", "", ""}));
        // As an importer with balance assertions reads it: every Balance is the sum of the Amounts so far.
        int64_t sum = 0;
        for (size_t i = 1; i < records.size(); ++i) {
            sum += std::llround(records[i][4].toDouble() * 100);
            EXPECT_EQ(sum, std::llround(records[i][5].toDouble() * 100)) << i;
        }
    }
}

TEST(CliExport, QifReadsBackWithOpeningBalanceChecksAndClearedRecords) {
    BuildLedger();
    const auto records = ParseQif(Qif());
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[0].payee, QStringLiteral("Opening Balance"));
    EXPECT_EQ(records[0].amount, QStringLiteral("100.00"));
    EXPECT_EQ(records[0].date, QStringLiteral("03/14/2009"));
    EXPECT_EQ(records[0].category, QStringLiteral("[Tallix]")); // the account itself: an opening balance
    EXPECT_EQ(records[0].cleared, QStringLiteral("X"));
    EXPECT_EQ(records[1].number, QStringLiteral("101"));
    EXPECT_EQ(records[1].amount, QStringLiteral("-25.50"));
    EXPECT_EQ(records[1].cleared, QStringLiteral("X"));
    EXPECT_EQ(records[1].category, QString());
    EXPECT_EQ(records[1].split, QStringLiteral("SFood:Groceries Emilk|eggs=2 $-30.00 S Ecash $4.50 "));
    EXPECT_EQ(records[2].category, QStringLiteral("[Savings]"));
    EXPECT_EQ(records[5].category, QStringLiteral("Income:Salary"));
    EXPECT_EQ(records[6].category + records[6].split, QString());
    EXPECT_EQ(records[2].number, QString());
    EXPECT_EQ(records[2].payee, QStringLiteral("Power company"));
    EXPECT_EQ(records[2].cleared, QString());
    EXPECT_EQ(records[3].number, QStringLiteral("FEE"));
    EXPECT_EQ(records[4].number, QStringLiteral("ATM"));
    EXPECT_EQ(records[5].amount, QStringLiteral("500.00"));
    EXPECT_EQ(records[5].number, QStringLiteral("DEP"));
    EXPECT_EQ(records[6].amount, QStringLiteral("0.07"));
}

// hledger's balance of every Expenses: and Income: account over the journal is the report's own figure of it.
TEST(CliExport, HledgerReadsTheJournalWithTheReportsFiguresToTheCent) {
    BuildLedger();
    const QString journal = cli::ExportJournal();
    EXPECT_TRUE(journal.contains(QStringLiteral("2009/03/15 * (101) Grocer\n    Expenses:Food:Groceries  30.00\n"
                                                "    ; milk/eggs=2\n    Income:Uncategorized  -4.50\n    ; cash\n"
                                                "    Assets:Checking  -25.50\n")))
        << journal.toStdString();
    const QString hledger = QStandardPaths::findExecutable(QStringLiteral("hledger"));
    if (hledger.isEmpty())
        GTEST_SKIP() << "hledger is not installed";
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("export.journal")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(journal.toUtf8()) == journal.toUtf8().size());
    file.close();
    const report::Period period{QDate(2009, 3, 15), QDate(2009, 3, 20)};
    QProcess process;
    process.start(hledger, {"-f", dir.filePath(QStringLiteral("export.journal")), "balance", "--flat", "-O", "csv",
                            "--no-total", "-b", "2009-03-15", "-e", "2009-03-21", "Expenses", "Income"});
    ASSERT_TRUE(process.waitForFinished(60000)) << process.errorString().toStdString();
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QMap<QString, int64_t> read;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n').mid(1))
        if (const QStringList fields = line.split(QStringLiteral("\",\"")); fields.size() == 2)
            read[fields[0].mid(1)] = std::llround(fields[1].chopped(1).toDouble() * 100);
    QMap<QString, int64_t> expected;
    const report::CategoryReport figures = report::ByCategory(period);
    for (const auto& [prefix, side, sign] :
         {std::tuple("Expenses:", &figures.spending, 1), std::tuple("Income:", &figures.income, -1)})
        for (const report::CategoryLine& line : side->lines)
            if (line.ownCents != 0)
                expected[prefix + (line.path.isEmpty() ? "Uncategorized" : QString(line.path).replace(u';', u','))] =
                    sign * line.ownCents;
    EXPECT_EQ(read, expected);
    EXPECT_EQ(expected.size(), 6) << "groceries, no category on each side, the transfer, the fees, the pay";
}

TEST(CliExport, AnEmptyLedgerExportsHeadersOnly) {
    NewLedger();
    EXPECT_EQ(Csv(), QStringLiteral("Date,Number,Description,Type,Amount,Balance,Locked,Category,Split\r\n"));
    EXPECT_EQ(Qif(), QStringLiteral("!Type:Bank\n"));
}

// Type names follow the user's language where the user reads them, never in the CSV that other programs read.
TEST(CliExport, TranslatedTypeNamesStayOutOfTheCsv) {
    class German : public QTranslator {
        QString translate(const char* context, const char* source, const char*, int) const override {
            return QByteArrayView(context) == "TransactionType" && QByteArrayView(source) == "Payment"
                       ? QStringLiteral("Zahlung")
                       : QString();
        }
    } german;
    QCoreApplication::installTranslator(&german);
    BuildLedger();
    const QString csv = Csv();
    const QString printed = QString::fromUtf8(cli::FormatRegister());
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(ParseCsv(csv)[3][3], QStringLiteral("Payment"));
    EXPECT_TRUE(printed.contains(QStringLiteral("Zahlung"))) << printed.toStdString();
}

TEST(CliPrint, ShowsTheLedgerValuesAboveAnAlignedRegister) {
    BuildLedger();
    SetLockDate(Day(2009, 3, 15));
    SetNextCheckNumber(102);
    const QStringList lines = QString::fromUtf8(cli::FormatRegister()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines[0], QStringLiteral("Starting balance:   100.00"));
    EXPECT_EQ(lines[1], QStringLiteral("Lock date:          3/15/2009"));
    EXPECT_EQ(lines[2], QStringLiteral("Next check number:  102"));
    ASSERT_EQ(lines.size(), 4 + 2 + 6 + 1);
    // Every balance ends in the same column; a reconciled (locked) row shows its R after it.
    const auto balancePart = [](const QString& line) { return line.endsWith(u'R') ? line.chopped(3) : line; };
    const qsizetype end = balancePart(lines[6]).size();
    for (int i = 6; i < 12; ++i)
        EXPECT_EQ(balancePart(lines[i]).size(), end) << lines[i].toStdString();
    EXPECT_TRUE(lines[6].endsWith(QStringLiteral("74.50  R")));
    EXPECT_TRUE(lines[11].endsWith(QStringLiteral("499.62")));
}

// Descriptions come from files anyone can write. Printed, every control character shows as an escape and each
// transaction keeps its one aligned line; QIF, being line-based, gets spaces; CSV keeps the text, quoted.
TEST(CliPrint, ControlCharactersInDescriptionsReachNoOutputAsThemselves) {
    const struct {
        QString description, printed, qif;
    } cases[] = {
        {QStringLiteral("Clear\x1b[2J\x1b]0;owned\x07"), QStringLiteral("Clear\\x1b[2J\\x1b]0;owned\\x07"),
         QStringLiteral("Clear [2J ]0;owned")},
        {QStringLiteral("Split\nrow\r\x7f"), QStringLiteral("Split\\x0arow\\x0d\\x7f"), QStringLiteral("Split row")},
        // What the code page's unassigned bytes decode to.
        {QString::fromUtf16(u"C1\u00812J\u009dend"), QStringLiteral("C1\\x812J\\x9dend"), QStringLiteral("C1 2J end")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed.toStdString());
        NewLedger();
        AddTransaction(0, Day(2009, 3, 15), 2.0f, QStringLiteral("Before"), Deposit);
        AddTransaction(0, Day(2009, 3, 16), 1.0f, c.description, Deposit);
        const QString text = QString::fromUtf8(cli::FormatRegister());
        EXPECT_EQ(
            std::count_if(text.begin(), text.end(), [](QChar ch) { return ch.category() == QChar::Other_Control; }),
            text.count(QLatin1Char('\n')));
        const QStringList lines = text.split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 4 + 2 + 2 + 1);
        EXPECT_TRUE(lines[7].contains(QStringLiteral("  ") + c.printed + QStringLiteral("  ")));
        // Aligned on the escaped text: the types start in one column, the balances end in one.
        EXPECT_EQ(lines[6].indexOf(QStringLiteral("Deposit")), lines[7].indexOf(QStringLiteral("Deposit")));
        EXPECT_EQ(lines[6].size(), lines[7].size());

        EXPECT_EQ(ParseQif(cli::ExportQif())[1].payee, c.qif);
        const QString csv = cli::ExportCsv();
        EXPECT_EQ(ParseCsv(csv)[3][2], c.description);
        EXPECT_TRUE(csv.contains(QLatin1Char('"') + c.description + QLatin1Char('"')) ||
                    !c.description.contains(QLatin1Char('\n')));
    }
}

// Into an empty ledger of the same starting balance, an export comes back as it was: types, numbers, dates,
// amounts, payees; its opening balance is no transaction.
TEST(CliExport, ExportsImportBackAsTheyWere) {
    BuildLedger();
    std::vector<TransactionRecord> before;
    std::vector<CategoryAssignment> categories;
    for (const RegisterRow& row : BuildRegisterRows(platform::LocaleCodec())) {
        before.push_back(row.record);
        categories.push_back(CategoryOf(int16_t(row.slot)));
    }
    const QByteArray csv = cli::ExportCsv().toUtf8();
    const QByteArray qif = cli::ExportQif().toUtf8();
    for (const import::ReadResult& read : {import::ReadCsv(csv, import::GuessCsvMapping(csv)), import::ReadQif(qif)}) {
        ASSERT_TRUE(read.Ok()) << read.error.toStdString();
        EXPECT_EQ(read.openingCents, 10000);
        NewLedger();
        SetStartingBalance(100.0f);
        ASSERT_TRUE(import::ApplyPlan(import::PlanImport(read.lines)).Ok());
        EXPECT_EQ(import::OpeningNote(read.openingCents), QString());
        std::vector<TransactionRecord> after;
        TransactionRecord r;
        for (bool more = FirstTransaction(r); more; more = NextTransaction(r))
            after.push_back(r);
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 0; i < after.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(after[i].TypeCode, before[i].TypeCode);
            EXPECT_EQ(after[i].CheckNumber, before[i].CheckNumber);
            EXPECT_EQ(after[i].Date, before[i].Date);
            EXPECT_EQ(after[i].Amount, before[i].Amount);
            EXPECT_EQ(after[i].Description, before[i].Description);
            const CategoryAssignment category = CategoryOf(int16_t(i + 1));
            EXPECT_EQ(category.category, categories[i].category);
            ASSERT_EQ(category.parts.size(), categories[i].parts.size());
            for (size_t k = 0; k < category.parts.size(); ++k)
                EXPECT_EQ(category.parts[k], categories[i].parts[k]) << category.parts[k].memo.toStdString();
        }
    }
    NewLedger();
    EXPECT_EQ(import::OpeningNote(10000), QStringLiteral("The statement opens with a balance of 100.00, this ledger "
                                                         "with a starting balance of 0.00: change it in the settings "
                                                         "for the balances to agree."));
}
// The report's text lines up its columns with the locale's amounts; its CSV stays plain for other programs.
TEST(CliReport, TextAlignsLocaleAmountsAndCsvStaysPlain) {
    using enum cli::ReportBy;
    const struct {
        const char* locale;
        cli::ReportBy by;
        bool csv;
        const char* line;
    } cases[] = {
        {"en_US", Category, false, "\nFees; bank              4.95   4.7%      0.00             1\n"},
        {"en_US", Category, false, "\n  Groceries            30.00  28.6%      0.00             1\n"},
        {"en_US", Category, false, "\n(no category)          60.00  57.2%      0.00             1\n---"},
        {"de_DE", Category, false, "\nTotal                 504,57             0,00\n"},
        {"de_DE", Category, true, "\r\nspending,Food:Groceries,1,30.00,30.00,0.2859,0.00,1\r\n"},
        {"de_DE", Category, true, "\r\nincome,,0,4.57,4.57,0.0091,0.00,2\r\n"},
        {"en_US", Month, false, "\nMar 2009  504.57    104.95      399.62             0.00               0.00\n"},
        {"de_DE", Month, true, "\r\n2009-03,504.57,104.95,0.00,0.00\r\n"},
        {"en_US", Payee, false, "\nTotal             100.45      0.00\n"},
        {"de_DE", Payee, true, "\r\nPower company,10.00,0.00,1\r\n"},
    };
    for (const auto& c : cases) {
        const tallix::test::ScopedLocale scope(QString::fromLatin1(c.locale));
        BuildLedger();
        const QString text = cli::ReportText(c.by, {QDate(2009, 3, 1), QDate(2009, 3, 31)}, c.csv);
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.line))) << c.line << "\nin\n" << text.toStdString();
    }
}
