// Statements of every format imported twice into a ledger, the plan's decisions, and the readers' refusals.
#include "import/ImportPlan.h"
#include "import/Statement.h"
#include "ledger/Categories.h"
#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "support/Files.h"
#include "support/ScopedLocale.h"

#include <QDate>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

using namespace import;

namespace {

QString DataFile(const char* name) {
    return QStringLiteral(TALLIX_IMPORT_DATA) + QLatin1String(name);
}

double Day(int y, int m, int d) {
    return platform::DayCountFromDate(QDate(y, m, d));
}

StatementLine Line(double day, int64_t cents, const QString& payee, const QString& check = {}, const QString& id = {}) {
    StatementLine line;
    line.date = day;
    line.cents = cents;
    line.payee = payee;
    line.checkNumber = check;
    line.bankId = id;
    return line;
}

struct Expected {
    int16_t type;
    int16_t check;
    QDate date;
    int64_t cents; // as stored: unsigned
    const char* payee;
};

std::vector<Expected> Records() {
    std::vector<Expected> out;
    ledger::TransactionRecord r;
    for (bool more = ledger::FirstTransaction(r); more; more = ledger::NextTransaction(r)) {
        static std::vector<QByteArray> texts;
        texts.push_back(r.Description.trimmed().toUtf8());
        out.push_back({r.TypeCode, r.CheckNumber, platform::DateFromDayCount(r.Date), ledger::ToCents(r.Amount),
                       texts.back().constData()});
    }
    return out;
}

class ImportTest : public testing::Test {
protected:
    void SetUp() override { ledger::NewLedger(); }
    void TearDown() override { ledger::NewLedger(); }
};

CsvMapping SignedColumns() {
    CsvMapping m;
    m.date = 0;
    m.dateOrder = DateOrder::YearMonthDay;
    m.payee = 1;
    m.amount = 2;
    m.checkNumber = 3;
    return m;
}

CsvMapping DebitCreditColumns() {
    CsvMapping m;
    m.date = 0;
    m.dateOrder = DateOrder::DayMonthYear;
    m.payee = 1;
    m.debit = 2;
    m.credit = 3;
    m.decimalSeparator = QLatin1Char(',');
    return m;
}

} // namespace

TEST_F(ImportTest, EachStatementAddsEveryTransactionOnceWithItsTypeDateAmountAndNumber) {
    using namespace ledger;
    const struct {
        const char* file;
        Format format;
        std::optional<CsvMapping> mapping;
        std::vector<Expected> records;
        const char* account = nullptr; // of a statement of several
    } cases[] = {
        {"statement1.ofx",
         Format::Ofx,
         {},
         {{CheckOrPayment, 1042, QDate(2024, 2, 5), 12540, "Check 1042"},
          {Deposit, 0, QDate(2024, 2, 9), 250000, "PAYROLL ACME CORP"},
          {Interest, 0, QDate(2024, 2, 29), 137, "INTEREST PAID"},
          {Fee, 0, QDate(2024, 2, 29), 500, "MONTHLY SERVICE FEE"},
          {Withdrawal, 0, QDate(2024, 2, 12), 6000, "ATM WITHDRAWAL MAIN ST"},
          {CheckOrPayment, -1, QDate(2024, 2, 14), 2399, "CAFÉ RÖSTEREI"}}},
        {"statement2.ofx",
         Format::Ofx,
         {},
         {{CheckOrPayment, -1, QDate(2024, 3, 3), 4210, "GROCERY OUTLET #12"},
          {CheckOrPayment, -1, QDate(2024, 3, 3), 4210, "GROCERY OUTLET #12"},
          {Fee, 0, QDate(2024, 3, 15), 3900, "ANNUAL FEE"},
          {Deposit, 0, QDate(2024, 3, 20), 15000, "PAYMENT THANK YOU"},
          {CheckOrPayment, -1, QDate(2024, 3, 25), 123456, "AIRLINE TICKETS ??"}}},
        {"statement.qif",
         Format::Qif,
         {},
         {{CheckOrPayment, 311, QDate(2024, 1, 5), 125000, "City Water & Power"},
          {Deposit, 0, QDate(2024, 1, 8), 40000, "Deposit"},
          {Withdrawal, 0, QDate(2024, 1, 9), 2000, "Cash machine 5th Ave"},
          {Interest, 0, QDate(2024, 1, 31), 42, "Interest earned"}}},
        {"signed.csv",
         Format::Csv,
         SignedColumns(),
         {{CheckOrPayment, 1201, QDate(2024, 4, 2), 95000, "Rent, April"},
          {CheckOrPayment, -1, QDate(2024, 4, 5), 1825, "Bookshop é"},
          {Deposit, 0, QDate(2024, 4, 15), 3000, "Refund \"gift\""}}},
        {"debitcredit.csv",
         Format::Csv,
         DebitCreditColumns(),
         {{CheckOrPayment, -1, QDate(2024, 5, 3), 1280, "Bäckerei Müller"},
          {Deposit, 0, QDate(2024, 5, 10), 310000, "Gehalt"},
          {CheckOrPayment, -1, QDate(2024, 5, 17), 290, "Straßenbahn Gyor"}}},
        {"savings1x.ofx",
         Format::Ofx,
         {},
         {{Deposit, 0, QDate(2024, 6, 3), 120000, "TRANSFER FROM CHECKING"},
          {CheckOrPayment, 217, QDate(2024, 6, 11), 150000, "CHECK 217"},
          {Interest, 0, QDate(2024, 6, 28), 307, "INTEREST CREDIT"},
          {CheckOrPayment, -1, QDate(2024, 6, 29), 250, "EXCESS WITHDRAWAL FEE"}}},
        {"creditcard.ofx",
         Format::Ofx,
         {},
         {{CheckOrPayment, -1, QDate(2024, 7, 2), 6419, "SQ *FARMERS & SONS MKT"},
          {Fee, 0, QDate(2024, 7, 15), 3500, "LATE PAYMENT FEE"},
          {Deposit, 0, QDate(2024, 7, 20), 30000, "PAYMENT - THANK YOU"},
          {CheckOrPayment, -1, QDate(2024, 7, 28), 100660, "HOTEL & SPA BERLIN"}}},
        {"brokerage.ofx",
         Format::Ofx,
         {},
         {{Deposit, 0, QDate(2024, 8, 1), 200000, "ACH DEPOSIT FROM CHECKING"},
          {Fee, 0, QDate(2024, 8, 30), 2500, "ACCOUNT MAINTENANCE FEE"},
          {Interest, 0, QDate(2024, 8, 31), 87, "CREDIT INTEREST"}}},
        {"quicken.qif",
         Format::Qif,
         {},
         {{CheckOrPayment, 1201, QDate(2024, 1, 3), 18734, "Big Box Store"},
          {Deposit, 0, QDate(2024, 1, 15), 245000, "ACME PAYROLL"},
          {Withdrawal, 0, QDate(2024, 1, 20), 6000, "Cash withdrawal"}},
         "Everyday Checking"},
        {"dayfirst.qif",
         Format::Qif,
         {},
         {{CheckOrPayment, -1, QDate(2013, 10, 5), 25000, "Loan repayment"},
          {CheckOrPayment, -1, QDate(2013, 10, 25), 1250, "Interest charged"},
          {Deposit, 0, QDate(2013, 11, 3), 100000, "Extra payment"}}},
    };
    // Statements carry their own number and date forms: the user's locale must not change what they say.
    for (const char* locale : {"en_US", "de_DE", "C"})
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.file) + " in " + locale);
            tallix::test::ScopedLocale scoped(QString::fromLatin1(locale));
            ledger::NewLedger();
            const ReadResult read = ReadStatementFile(DataFile(c.file), c.format, c.mapping);
            ASSERT_TRUE(read.Ok()) << read.error.toStdString();
            const std::vector<StatementLine> lines =
                c.account ? AccountLines(read.lines, QString::fromUtf8(c.account)) : read.lines;
            const ImportPlan first = PlanImport(lines);
            EXPECT_EQ(first.Count(PlanKind::Add), int(c.records.size()));
            ASSERT_TRUE(ApplyPlan(first).Ok());
            const ImportPlan second = PlanImport(lines);
            EXPECT_EQ(second.Count(PlanKind::Duplicate), int(c.records.size()));
            ASSERT_TRUE(ApplyPlan(second).Ok());
            const std::vector<Expected> records = Records();
            ASSERT_EQ(records.size(), c.records.size());
            for (size_t i = 0; i < records.size(); ++i) {
                SCOPED_TRACE(i);
                EXPECT_EQ(records[i].type, c.records[i].type);
                EXPECT_EQ(records[i].check, c.records[i].check);
                EXPECT_EQ(records[i].date, c.records[i].date);
                EXPECT_EQ(records[i].cents, c.records[i].cents);
                EXPECT_EQ(QString::fromUtf8(records[i].payee), QString::fromUtf8(c.records[i].payee));
                EXPECT_EQ(second.lines[i].duplicateSlot, int(i) + 1);
            }
        }
}

// Statements as banks lay them out, read with the columns the dialog would offer first: every transaction is added
// with its date, type, amount, check number and payee, and what is left out is said.
TEST_F(ImportTest, BankCsvLayoutsImportWithTheColumnsGuessedForThem) {
    using namespace ledger;
    const struct {
        const char* layout;
        QByteArray data;
        std::vector<Expected> records;
        QStringList notes;
        int skipped = 0;
    } cases[] = {
        {"US, checks in their own column, dates month first",
         "Details,Posting Date,Description,Amount,Type,Balance,Check or Slip #\n"
         "DEBIT,01/13/2024,CORNER MARKET 123,-45.10,DEBIT_CARD,1954.90,,\n"
         "CHECK,01/15/2024,CHECK 1021,-120.00,CHECK_PAID,1834.90,1021,\n"
         "CREDIT,01/16/2024,PAYROLL ACME,\"1,500.00\",ACH_CREDIT,3334.90,,\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 13), 4510, "CORNER MARKET 123"},
          {CheckOrPayment, 1021, QDate(2024, 1, 15), 12000, "CHECK 1021"},
          {Deposit, 0, QDate(2024, 1, 16), 150000, "PAYROLL ACME"}},
         {"Dates read month first (01/13/2024 has no month 13)."}},
        {"US, no header row",
         "\"01/05/2024\",\"-12.07\",\"*\",\"\",\"POS PURCHASE SHELL OIL\"\n"
         "\"01/25/2024\",\"800.00\",\"*\",\"\",\"MOBILE DEPOSIT\"\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 5), 1207, "POS PURCHASE SHELL OIL"},
          {Deposit, 0, QDate(2024, 1, 25), 80000, "MOBILE DEPOSIT"}},
         {"Dates read month first (01/25/2024 has no month 25)."}},
        {"US, a reference number is no check number",
         "Date,Reference Number,Description,Amount\n2024-02-01,004512345678,RENT,-900.00\n",
         {{CheckOrPayment, -1, QDate(2024, 2, 1), 90000, "RENT"}},
         {}},
        {"Irish, debit and credit amounts, dates day first",
         "Posted Account, Posted Transactions Date, Description1, Description2, Debit Amount, Credit Amount,Balance\n"
         "\"93-12-34 12345678\",13/01/2024,\"TESCO STORES\",\"\",25.40,,1000.00\n"
         "\"93-12-34 12345678\",14/01/2024,\"SALARY\",\"\",,2000.00,3000.00\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 13), 2540, "TESCO STORES"},
          {Deposit, 0, QDate(2024, 1, 14), 200000, "SALARY"}},
         {"Dates read day first (13/01/2024 has no month 13)."}},
        {"Dutch, Af Bij words, unsigned amounts",
         "\"Datum\",\"Naam / Omschrijving\",\"Rekening\",\"Tegenrekening\",\"Code\",\"Af Bij\",\"Bedrag (EUR)\","
         "\"Mutatiesoort\"\n"
         "\"20240105\",\"Albert Heijn 1234\",\"NL20INGB0001234567\",\"\",\"BA\",\"Af\",\"12,50\",\"Betaalautomaat\"\n"
         "\"20240106\",\"Werkgever BV\",\"NL20INGB0001234567\",\"NL91ABNA0417164300\",\"GT\",\"Bij\",\"1.250,00\","
         "\"Overschrijving\"\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 5), 1250, "Albert Heijn 1234"},
          {Deposit, 0, QDate(2024, 1, 6), 125000, "Werkgever BV"}},
         {}},
        {"German, lines around the table, a pending row",
         "\"Umsätze Girokonto\";\"Zeitraum: 01.01.2024 - 31.01.2024\"\n\"Kontonummer\";\"1234567890\"\n\n"
         "\"Buchungstag\";\"Valutadatum\";\"Buchungstext\";\"Verwendungszweck\";\"Beguenstigter/Zahlungspflichtiger\";"
         "\"Kontonummer/IBAN\";\"Betrag\";\"Waehrung\";\"Info\"\n"
         "\"13.01.2024\";\"13.01.2024\";\"KARTENZAHLUNG\";\"Einkauf\";\"Backhaus Meyer\";\"DE89370400440532013000\";"
         "\"-8,40\";\"EUR\";\"Umsatz gebucht\"\n"
         "\"15.01.2024\";\"15.01.2024\";\"GUTSCHRIFT\";\"Lohn\";\"Firma Beispiel GmbH\";\"DE89370400440532013000\";"
         "\"2.450,00\";\"EUR\";\"Umsatz gebucht\"\n"
         "\"31.01.2024\";\"31.01.2024\";\"LASTSCHRIFT\";\"Strom\";\"Stadtwerke\";\"DE89370400440532013000\";"
         "\"-61,00\";\"EUR\";\"Umsatz vorgemerkt\"\n"
         "\"Kontostand am 31.01.2024\";;;;;;\"3.120,55\";\"EUR\";\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 13), 840, "Backhaus Meyer"},
          {Deposit, 0, QDate(2024, 1, 15), 245000, "Firma Beispiel GmbH"}},
         {"3 lines before the table skipped.", "Dates read day first (13.01.2024 has no month 13).",
          "1 line after the table skipped."},
         1},
        {"German, S and H in a column without a name",
         "Buchungstag;Empfänger;Verwendungszweck;Währung;Umsatz;\n"
         "02.01.2024;Bäckerei;Brötchen;EUR;3,20;S\n03.01.2024;Rente;Januar;EUR;1.100,00;H\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 2), 320, "Bäckerei"}, {Deposit, 0, QDate(2024, 1, 3), 110000, "Rente"}},
         {"Dates read day first, as dates written with dots are (02.01.2024)."}},
        {"Finnish",
         "Kirjauspäivä;Arvopäivä;Määrä;Saaja/Maksaja;Tilinumero;Viite\n"
         "13.01.2024;13.01.2024;-12,50;K-Market Kamppi;FI2112345600000785;00000000001234567890\n"
         "14.01.2024;14.01.2024;+1500,00;Työnantaja Oy;FI2112345600000785;\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 13), 1250, "K-Market Kamppi"},
          {Deposit, 0, QDate(2024, 1, 14), 150000, "Työnantaja Oy"}},
         {"Dates read day first (13.01.2024 has no month 13)."}},
        {"Spanish, an account line above, a fee column",
         "Cuenta:;ES12 3456 7890 1234 5678 9012\n"
         "Fecha operación;Concepto;Importe comisión;Importe;Saldo\n"
         "13/01/2024;COMPRA MERCADONA;0,00;-23,45;1.234,56\n"
         "20/01/2024;NOMINA;0,00;1.800,00;3.034,56\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 13), 2345, "COMPRA MERCADONA"},
          {Deposit, 0, QDate(2024, 1, 20), 180000, "NOMINA"}},
         {"1 line before the table skipped.", "Dates read day first (13/01/2024 has no month 13)."}},
        {"UK, debit and credit amounts",
         "Transaction Date,Transaction Type,Sort Code,Account Number,Transaction Description,Debit Amount,"
         "Credit Amount,Balance\n"
         "14/01/2024,DEB,'30-12-34,12345678,COFFEE HOUSE,3.10,,996.90\n"
         "15/01/2024,FPI,'30-12-34,12345678,J SMITH RENT SHARE,,450.00,1446.90\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 14), 310, "COFFEE HOUSE"},
          {Deposit, 0, QDate(2024, 1, 15), 45000, "J SMITH RENT SHARE"}},
         {"Dates read day first (14/01/2024 has no month 14)."}},
        {"UK, date-times and pending rows",
         "Date,Name,Amount,Status\n2024-01-13 10:23:45,Corner Shop,-4.50,SETTLED\n"
         "2024-01-14 08:01:00,Bus Fare,-1.75,PENDING\n2024-01-15T09:00:00Z,Top up,50.00,SETTLED\n"
         "2024-01-16 12:00:00,Refund,,SETTLED\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 13), 450, "Corner Shop"},
          {Deposit, 0, QDate(2024, 1, 15), 5000, "Top up"}},
         {},
         2},
        {"Payment service, gross, fee and net",
         "Date,Time,Name,Type,Status,Currency,Gross,Fee,Net\n"
         "13/01/2024,10:00:00,Book Seller,Payment,Completed,GBP,-20.00,0.00,-20.00\n"
         "14/01/2024,11:00:00,A Friend,Transfer,Completed,GBP,30.00,-1.20,28.80\n",
         {{CheckOrPayment, -1, QDate(2024, 1, 13), 2000, "Book Seller"},
          {Deposit, 0, QDate(2024, 1, 14), 2880, "A Friend"}},
         {"Dates read day first (13/01/2024 has no month 13)."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        ledger::NewLedger();
        CsvMapping mapping = GuessCsvMapping(c.data);
        EXPECT_EQ(mapping.dateOrder, GuessCsvDateOrder(c.data, mapping.date)); // what the dialog offers
        mapping.dateOrder.reset(); // as from tallix-cli without --date-order: the reader says which order
        const ReadResult read = ReadCsv(c.data, mapping);
        ASSERT_TRUE(read.Ok()) << read.error.toStdString();
        EXPECT_EQ(read.notes, c.notes) << read.notes.join(QLatin1Char('|')).toStdString();
        const ImportPlan plan = PlanImport(read.lines);
        EXPECT_EQ(plan.Count(PlanKind::Skipped), c.skipped);
        ASSERT_TRUE(ApplyPlan(plan).Ok());
        const std::vector<Expected> records = Records();
        ASSERT_EQ(records.size(), c.records.size());
        for (size_t i = 0; i < records.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(records[i].type, c.records[i].type);
            EXPECT_EQ(records[i].check, c.records[i].check);
            EXPECT_EQ(records[i].date, c.records[i].date);
            EXPECT_EQ(records[i].cents, c.records[i].cents);
            EXPECT_EQ(QString::fromUtf8(records[i].payee), QString::fromUtf8(c.records[i].payee));
        }
    }
}

TEST_F(ImportTest, LinesAreDuplicatesOnlyOfTheSameAmountWithinDaysAndTheSameNumberIdOrPayee) {
    // In the ledger: check 100 to "Hardware Store" on 3/10 with bank id HW1, a deposit "Salary" on 3/1.
    const struct {
        const char* name;
        StatementLine line;
        PlanKind kind;
        int slot;
    } cases[] = {
        {"same check number, other payee", Line(Day(2024, 3, 12), -4999, "HW STORE 123", "100"), PlanKind::Duplicate,
         1},
        {"other check number", Line(Day(2024, 3, 10), -4999, "Hardware Store", "101"), PlanKind::Add, 0},
        {"payee the record starts with", Line(Day(2024, 3, 8), -4999, "HARDWARE STORE #55 SPRINGFIELD"),
         PlanKind::Duplicate, 1},
        {"payee inside the record's", Line(Day(2024, 3, 10), -4999, "ware st"), PlanKind::Duplicate, 1},
        {"four days apart", Line(Day(2024, 3, 14), -4999, "Hardware Store"), PlanKind::Add, 0},
        {"a cent more", Line(Day(2024, 3, 10), -5000, "Hardware Store"), PlanKind::Add, 0},
        {"a credit of that amount", Line(Day(2024, 3, 10), 4999, "Hardware Store"), PlanKind::Add, 0},
        {"other payee, no number", Line(Day(2024, 3, 10), -4999, "Gas Station"), PlanKind::Add, 0},
        {"deposit by payee", Line(Day(2024, 2, 28), 250000, "salary"), PlanKind::Duplicate, 2},
        // Bank ids decide where both have one: the check's record came with HW1, the deposit's without an id.
        {"another bank id, all else the same", Line(Day(2024, 3, 10), -4999, "Hardware Store", "100", "HW2"),
         PlanKind::Add, 0},
        {"its bank id, other payee", Line(Day(2024, 3, 12), -4999, "HW", "", "HW1"), PlanKind::Duplicate, 1},
        {"a line with an id, a record without", Line(Day(2024, 3, 1), 250000, "Salary", "", "S1"), PlanKind::Duplicate,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ledger::NewLedger();
        ledger::AddTransaction(100, Day(2024, 3, 10), 49.99f, QStringLiteral("Hardware Store"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(2024, 3, 1), 2500.f, QStringLiteral("Salary"), ledger::Deposit);
        ASSERT_TRUE(ledger::SetBankId(1, QStringLiteral("HW1")));
        const ImportPlan plan = PlanImport({c.line});
        ASSERT_EQ(plan.lines.size(), 1u);
        EXPECT_EQ(plan.lines[0].kind, c.kind) << PlanText(plan.lines[0]).toStdString();
        EXPECT_EQ(plan.lines[0].duplicateSlot, c.slot);
    }
}

TEST_F(ImportTest, WithinOneStatementBankIdsDecideAndEachLineIsMatchedOnce) {
    ledger::AddTransaction(-1, Day(2024, 3, 3), 5.f, QStringLiteral("Coffee"), ledger::CheckOrPayment);
    const std::vector<StatementLine> lines = {
        Line(Day(2024, 3, 3), -500, "COFFEE", "", "F1"),
        Line(Day(2024, 3, 3), -500, "COFFEE", "", "F2"), // the same purchase again: a second cup
        Line(Day(2024, 3, 3), -500, "COFFEE", "", "F2"), // the bank sent F2 twice
    };
    const ImportPlan plan = PlanImport(lines);
    EXPECT_EQ(plan.lines[0].kind, PlanKind::Duplicate);
    EXPECT_EQ(plan.lines[0].duplicateSlot, 1);
    EXPECT_EQ(plan.lines[1].kind, PlanKind::Add);
    EXPECT_EQ(plan.lines[2].kind, PlanKind::Duplicate);
    EXPECT_EQ(plan.lines[2].duplicateLine, 1);
}

// The bank has seen what it lists: a match is marked cleared, an added line is cleared and keeps the bank's id, and
// a line whose record the user deleted stays deleted. Imported again, the statement changes nothing.
TEST_F(ImportTest, AnImportClearsWhatItMatchesOrAddsAndNeverAddsADeletedLineAgain) {
    using ledger::ClearMark;
    ledger::AddTransaction(-1, Day(2024, 3, 3), 5.f, QStringLiteral("Coffee"), ledger::CheckOrPayment);
    ledger::AddTransaction(-1, Day(2024, 3, 5), 30.f, QStringLiteral("Gym"), ledger::CheckOrPayment);
    ASSERT_TRUE(ledger::SetBankId(2, QStringLiteral("G1")) && ledger::DeleteTransaction(2));
    const std::vector<StatementLine> statement = {Line(Day(2024, 3, 4), -500, "COFFEE", "", "C1"),
                                                  Line(Day(2024, 3, 5), -3000, "GYM", "", "G1"),
                                                  Line(Day(2024, 3, 7), -1250, "Books", "", "B1")};
    const char* again = "skipped, duplicate of 3/3/2024 Coffee 5.00|skipped, deleted earlier|"
                        "skipped, duplicate of 3/7/2024 Books 12.50";
    const std::pair<ClearMark, const char*> steps[] = {
        // record 1's mark before each import, and what it plans
        {ClearMark::None, "matches 3/3/2024 Coffee 5.00: marks it cleared|skipped, deleted earlier|added as Payment"},
        {ClearMark::Cleared, again},
        {ClearMark::Reconciled, again}};
    for (const auto& [before, texts] : steps) {
        SCOPED_TRACE(int(before));
        ASSERT_TRUE(ledger::SetClearMark(1, before));
        const ImportPlan plan = PlanImport(statement);
        QStringList seen;
        for (const PlannedLine& p : plan.lines)
            seen << PlanText(p);
        EXPECT_EQ(seen.join(QLatin1Char('|')), QLatin1String(texts));
        ASSERT_TRUE(ApplyPlan(plan).Ok());
        EXPECT_EQ(ledger::GetTransactionCount(), 3); // Coffee and Books
        EXPECT_EQ(ledger::GetClearMark(1), before == ClearMark::None ? ClearMark::Cleared : before);
        EXPECT_EQ(ledger::GetClearMark(3), ClearMark::Cleared);
        EXPECT_EQ(ledger::BankIdOf(3), QStringLiteral("B1"));
        EXPECT_EQ(ledger::BankIdOf(1), QStringLiteral("C1")); // the match took the line's id
    }
    ASSERT_TRUE(ledger::DeleteTransaction(1));
    EXPECT_EQ(PlanText(PlanImport(statement).lines[0]), QStringLiteral("skipped, deleted earlier"));
}

// A line to add that looks like a scheduled transaction falling due enters it: same kind, within the schedule's
// tolerance and three days; each occurrence once. A duplicate of a record enters nothing.
TEST_F(ImportTest, ALineEntersTheScheduledOccurrenceItMatches) {
    const auto monthly = [](const char* name, int16_t type, int64_t cents, int64_t tolerance, int day, double start) {
        return ledger::Schedule{.typeCode = type,
                                .description = name,
                                .amountCents = cents,
                                .toleranceCents = tolerance,
                                .rule = {.dayOfMonth = day, .start = start}};
    };
    ledger::Schedule pay = monthly("Pay", ledger::Deposit, 200000, 0, 1, Day(2024, 3, 1));
    pay.rule.unit = ledger::RepeatUnit::Weeks;
    pay.rule.every = 2;
    ASSERT_TRUE(
        ledger::SetSchedules({monthly("Rent", ledger::CheckOrPayment, 120000, 0, 1, Day(2024, 2, 1)),
                              monthly("Electric", ledger::CheckOrPayment, 10500, 4500, 5, Day(2024, 3, 1)), pay}));
    ledger::AddTransaction(-1, Day(2024, 2, 1), 1200.f, QStringLiteral("Oak Court"), ledger::CheckOrPayment);
    const std::vector<StatementLine> statement = {
        Line(Day(2024, 2, 1), -120000, "OAK COURT"), Line(Day(2024, 3, 2), -120000, "OAK COURT"),
        Line(Day(2024, 3, 4), -120000, "OAK COURT"), Line(Day(2024, 3, 6), -9817, "ELECTRIC"),
        Line(Day(2024, 3, 1), 120000, "REFUND"),     Line(Day(2024, 3, 15), 200000, "PAY"),
        Line(Day(2024, 3, 9), -16000, "ELECTRIC"),
    };
    const ImportPlan plan = PlanImport(statement);
    QStringList seen;
    for (const PlannedLine& p : plan.lines)
        seen << PlanText(p);
    EXPECT_EQ(
        seen.join(QLatin1Char('|')),
        QStringLiteral(
            "matches 2/1/2024 Oak Court 1,200.00: marks it cleared|added as Payment: enters scheduled Rent of 3/1/2024|"
            "added as Payment|added as Payment: enters scheduled Electric of 3/5/2024|added as "
            "Deposit|added as Deposit: enters scheduled Pay of 3/15/2024|added as Payment"));
    ASSERT_TRUE(ApplyPlan(plan).Ok());
    EXPECT_EQ(ledger::GetTransactionCount(), 8);
    const std::vector<ledger::Schedule>& s = ledger::Schedules();
    EXPECT_TRUE(IsDone(s[0], Day(2024, 3, 1)) && !IsDone(s[0], Day(2024, 2, 1)));
    EXPECT_EQ(s[1].doneThrough, Day(2024, 3, 5));
    EXPECT_EQ(s[2].doneAfter, std::vector<double>({Day(2024, 3, 15)}));
    for (const PlannedLine& p : PlanImport(statement).lines)
        EXPECT_EQ(p.kind, PlanKind::Duplicate);
}

TEST_F(ImportTest, LinesTheLedgerCannotTakeAreRefusedAndApplyAddsAllOrNothing) {
    ledger::SetLockDate(Day(2024, 1, 31));
    const ImportPlan plan = PlanImport({
        Line(Day(2024, 1, 31), -100, "On the lock date"),
        Line(Day(2024, 2, 1), -100, "After it"),
        Line(Day(2024, 2, 1), -100'000'000'000'001, "Too much"),
        Line(Day(2024, 2, 1), -100, "Big check", "40000"),
        Line(Day(2024, 2, 1), 20'000'001, "Not to the cent"),
        Line(Day(2024, 2, 1), 20'000'000, "Whole, so kept"),
        Line(Day(2024, 2, 1), -13'107'199, "The largest kept to the cent"),
    });
    const PlanKind kinds[] = {PlanKind::Refused, PlanKind::Add, PlanKind::Refused, PlanKind::Refused,
                              PlanKind::Refused, PlanKind::Add, PlanKind::Add};
    for (size_t i = 0; i < std::size(kinds); ++i)
        EXPECT_EQ(plan.lines[i].kind, kinds[i]) << i;
    EXPECT_EQ(PlanText(plan.lines[0]), QStringLiteral("refused: dated on or before the lock date 1/31/2024"));
    EXPECT_EQ(PlanText(plan.lines[4]), QStringLiteral("refused: 200,000.01 would be kept as 200,000.02: amounts are "
                                                      "kept to the cent up to 131,071.99"));

    // A full ledger: the last free slot goes to the first line, the next is refused; a stale plan adds nothing.
    while (ledger::GetTransactionCount() < ledger::MaxSlots - 1)
        ledger::AddTransaction(-1, Day(2024, 2, 2), 1.f, QStringLiteral("x"), ledger::CheckOrPayment);
    const ImportPlan full = PlanImport({Line(Day(2024, 3, 1), -7, "a"), Line(Day(2024, 3, 1), -8, "b")});
    EXPECT_EQ(full.lines[0].kind, PlanKind::Add);
    EXPECT_EQ(full.lines[1].reason, QStringLiteral("the ledger is full"));
    ImportPlan stale = full;
    stale.lines[1].kind = PlanKind::Add;
    EXPECT_FALSE(ApplyPlan(stale).Ok());
    EXPECT_EQ(ledger::GetTransactionCount(), ledger::MaxSlots - 1);
    EXPECT_TRUE(ApplyPlan(full).Ok());
    EXPECT_FALSE(ledger::CanAddTransaction());
}

TEST(ImportText, PayeesBecomeCodePageTextCutToTheDescription) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"Café € Œuvre", "Café € Œuvre"},
        {"Győr Łódź", "Gyor ?ódz"},
        {"ﬁsh ½", "fish ½"},
        {"東京 😀", "?? ?"},
        {"Ǆ", "DZ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToCp1252Text(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
    const ImportPlan plan = PlanImport({Line(Day(2024, 1, 1), 1, QString(60, QLatin1Char('x'))),
                                        Line(Day(2024, 1, 1), 2, QStringLiteral("Evil\x1b]0;pwned\a\x1b[2J\x85!"))});
    EXPECT_EQ(plan.lines[0].description, QString(ledger::DescriptionLength, QLatin1Char('x')));
    EXPECT_EQ(plan.lines[1].description.trimmed(), QStringLiteral("Evil ]0;pwned [2J !"));
}

TEST(StatementFields, DatesInEachOrder) {
    const struct {
        const char* text;
        DateOrder order;
        QDate date; // invalid: refused
    } cases[] = {
        {"1/5/2024", DateOrder::MonthDayYear, QDate(2024, 1, 5)},
        {"01/05/24", DateOrder::MonthDayYear, QDate(2024, 1, 5)},
        {"1/5'24", DateOrder::MonthDayYear, QDate(2024, 1, 5)},
        {"12/31/98", DateOrder::MonthDayYear, QDate(1998, 12, 31)},
        {" 1/ 5/2024", DateOrder::MonthDayYear, QDate(2024, 1, 5)},
        {"05.01.2024", DateOrder::DayMonthYear, QDate(2024, 1, 5)},
        {"2024-01-05", DateOrder::DayMonthYear, QDate(2024, 1, 5)},
        {"20240105", DateOrder::MonthDayYear, QDate(2024, 1, 5)},
        {"24/01/05", DateOrder::YearMonthDay, QDate(2024, 1, 5)},
        {"2/30/2024", DateOrder::MonthDayYear, QDate()},
        {"13/1/2024", DateOrder::MonthDayYear, QDate()},
        {"1/5/202", DateOrder::MonthDayYear, QDate()},
        {"Jan 5 2024", DateOrder::MonthDayYear, QDate()},
    };
    for (const auto& c : cases) {
        const auto day = ParseStatementDate(QString::fromUtf8(c.text), c.order);
        EXPECT_EQ(day ? platform::DateFromDayCount(*day) : QDate(), c.date) << c.text;
    }
}

TEST(StatementFields, AmountsWithEitherSeparator) {
    const struct {
        const char* text;
        char separator;
        std::optional<int64_t> cents;
    } cases[] = {
        {"-1,234.56", '.', -123456},
        {"1.234,56", ',', 123456},
        {"(12.30)", '.', -1230},
        {"12.30-", '.', -1230},
        {"$ 7", '.', 700},
        {"+0.5", '.', 50},
        {"3,100.000", '.', 310000},
        {"€ -2,9", ',', -290},
        {"1.234", '.', std::nullopt},
        {"12.3.4", '.', std::nullopt},
        {"", '.', std::nullopt},
        {"abc", '.', std::nullopt},
        {"1e5", '.', std::nullopt},
        {"1,2,3", '.', std::nullopt},
        {"12,34.5", '.', std::nullopt},
        {"-12,50", '.', std::nullopt},
        {"1'234.50", '.', 123450},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseStatementCents(QString::fromUtf8(c.text), QLatin1Char(c.separator)), c.cents) << c.text;
}

TEST(StatementReaders, BadFilesNameTheLineAndReturnNothing) {
    const struct {
        const char* name;
        Format format;
        QByteArray data;
        const char* error;
    } cases[] = {
        {"QIF without a type", Format::Qif, "D1/5/2024\nT-1.00\n^\n", "line 1: "},
        {"QIF unknown account type", Format::Qif, "!Type:Invoice\nD1/5/2024\n^\n", "line 1: "},
        {"QIF bad date", Format::Qif, "!Type:Bank\nD1/5/2024\nT1\n^\nD2/30/2024\nT1\n^\n", "line 5: not a date"},
        {"QIF bad amount", Format::Qif, "!Type:CCard\nD1/5/2024\nT1x\n^\n", "line 3: not an amount"},
        {"QIF no amount", Format::Qif, "!Type:Bank\n\nD1/5/2024\nPShop\n^\n", "line 3: transaction without an amount"},
        {"CSV bad date", Format::Csv, "Date,Payee,Amount\n2024-01-05,a,1\n2024-13-05,b,2\n", "line 3: not a date"},
        {"CSV bad amount", Format::Csv, "Date,Payee,Amount\n2024-01-05,\"a\nb\",1\n2024-01-06,c,x\n",
         "line 4: not an amount"},
        {"CSV open quote", Format::Csv, "Date,Payee,Amount\n2024-01-05,\"a,1\n", "line 2: "},
        {"CSV short header", Format::Csv, "Date;Amount\n2024-01-05;1\n", "line 1: the header has no column 3"},
        {"OFX broken", Format::Ofx, QByteArray(), "line 18: "},
        {"not OFX", Format::Ofx, "Date,Amount\n", "no <OFX> element"},
        {"OFX cut short", Format::Ofx, "<OFX><STMTTRN><DTPOSTED>20240105<TRNAMT>1</STMTTRN>\n",
         "line 1: the file ends before </OFX>"},
        {"OFX nested too deep", Format::Ofx, "<OFX>\n" + QByteArray("<A>").repeated(100),
         "line 2: elements nested deeper than 64"},
        {"binary QIF", Format::Qif, "!Type:Bank\nD\x1b[2J\x07\x01\x02" + QByteArray(100, 'x') + "\n",
         "line 2: not a date:  [2J   xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx..."},
    };
    CsvMapping mapping;
    mapping.date = 0;
    mapping.dateOrder = DateOrder::YearMonthDay;
    mapping.payee = 1;
    mapping.amount = 2;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray data = c.data;
        if (data.isEmpty()) { // a transaction element left open in a sound statement
            data = tallix::test::ReadAll(DataFile("statement1.ofx"))
                       .replace("<NAME>PAYROLL ACME CORP</STMTTRN>", "<NAME>PAYROLL ACME CORP");
        }
        const ReadResult r = c.format == Format::Qif   ? ReadQif(data)
                             : c.format == Format::Csv ? ReadCsv(data, mapping)
                                                       : ReadOfx(data);
        EXPECT_TRUE(r.lines.empty());
        EXPECT_TRUE(r.error.startsWith(QLatin1String(c.error))) << r.error.toStdString();
    }
}

TEST(StatementReaders, OfxCDataValuesAndAnEmptyOfxAreRead) {
    for (const char* name :
         {"<NAME><![CDATA[EFTPOS WDL ALDI &amp; <CO>]]></NAME>\n", "<NAME> <![CDATA[EFTPOS WDL ALDI &amp; <CO>]]>\n"}) {
        SCOPED_TRACE(name);
        const ReadResult r =
            ReadOfx("<OFX><STMTTRN><DTPOSTED>20240105<TRNAMT>-12.50\n" + QByteArray(name) + "</STMTTRN></OFX>\n");
        ASSERT_TRUE(r.Ok()) << r.error.toStdString();
        ASSERT_EQ(r.lines.size(), 1u);
        EXPECT_EQ(r.lines[0].payee, QStringLiteral("EFTPOS WDL ALDI &amp; <CO>"));
    }
    const ReadResult empty = ReadOfx("<OFX></OFX>\n");
    EXPECT_TRUE(empty.Ok() && empty.lines.empty()) << empty.error.toStdString();
    EXPECT_TRUE(ReadOfx("<OFX><STMTTRN><NAME><![CDATA[cut</STMTTRN></OFX>")
                    .error.startsWith(QLatin1String("line 1: a CDATA section is never closed")));
}

TEST(StatementReaders, CsvMappingsAreRememberedByTheHeaderLine) {
    const QByteArray data = "Buchungstag;Empfänger;Soll;Haben\r\n03.05.2024;x;1;\r\n";
    const QString header = CsvHeaderLine(data);
    EXPECT_EQ(header, QStringLiteral("Buchungstag;Empfänger;Soll;Haben"));
    EXPECT_FALSE(StoredCsvMapping(header));
    ASSERT_TRUE(StoreCsvMapping(header, DebitCreditColumns()));
    EXPECT_EQ(StoredCsvMapping(header), DebitCreditColumns());
    EXPECT_FALSE(StoredCsvMapping(QStringLiteral("Date,Amount")));
    for (const char* bad : {"", "date=0", "date=0;order=XYZ;amount=1;debit=-1;credit=-1;payee=-1;check=-1;decimal=.",
                            "date=0;order=;amount=1;debit=-1;credit=-1;payee=-1;check=-1;decimal=.;header=maybe"})
        EXPECT_FALSE(CsvMappingFromText(QString::fromLatin1(bad))) << bad;
    // Remembered before the header choice: the header is found from the rows, as it was.
    EXPECT_EQ(
        CsvMappingFromText(QStringLiteral("date=0;order=DMY;amount=-1;debit=2;credit=3;payee=1;check=-1;decimal=,")),
        DebitCreditColumns());
    CsvMapping every = DebitCreditColumns();
    every.dateOrder.reset();
    every.payeeMore = 4;
    every.direction = 5;
    every.status = 6;
    every.category = 7;
    every.header = CsvHeader::No;
    EXPECT_EQ(CsvMappingFromText(CsvMappingText(every)), every);
    // Without a header row the first line is a transaction, another each month: the key is what stays.
    const QString headerless = CsvHeaderLine("01/05/2024,-12.07,Shell\n");
    EXPECT_EQ(headerless, QStringLiteral("no header: 3 columns separated by ','"));
    EXPECT_EQ(CsvHeaderLine("\n02/07/2024,-3.00,Cafe\n02/08/2024,1.00,x\n"), headerless);
}

TEST(StatementReaders, CsvHeaderPayeeAndDirectionColumnsAreReadAsChosen) {
    const auto columns = [](CsvHeader header, int payeeMore, int direction) {
        CsvMapping m = SignedColumns();
        m.checkNumber = -1;
        m.header = header;
        m.payeeMore = payeeMore;
        m.direction = direction;
        return m;
    };
    const struct {
        const char* name;
        QByteArray data;
        CsvMapping mapping;
        QStringList lines; // date, cents, payee, why skipped
        const char* error = "";
    } cases[] = {
        {"a first row that reads as data is data",
         "2024-01-05,Shop,-1.00\n2024-01-06,Cafe,-2.00\n",
         columns(CsvHeader::Detect, -1, -1),
         {"2024-01-05 -100 Shop ", "2024-01-06 -200 Cafe "}},
        {"unless the user says it names the columns",
         "2024-01-05,Shop,-1.00\n2024-01-06,Cafe,-2.00\n",
         columns(CsvHeader::Yes, -1, -1),
         {"2024-01-06 -200 Cafe "}},
        {"a header the user says is none is read as data",
         "Date,Payee,Amount\n2024-01-06,Cafe,-2.00\n",
         columns(CsvHeader::No, -1, -1),
         {},
         "line 1: not a date: Date"},
        {"a first row without an amount is no line above the table",
         "2024-01-05,Pending shop,\n2024-01-06,Cafe,-2\n",
         columns(CsvHeader::Detect, -1, -1),
         {"2024-01-05 0 Pending shop no amount", "2024-01-06 -200 Cafe "}},
        {"payee from two columns",
         "Date;Empfänger;Betrag;Verwendungszweck\n2024-01-05;Stadtwerke;-61.00;Strom Jan\n",
         columns(CsvHeader::Detect, 3, -1),
         {"2024-01-05 -6100 Stadtwerke Strom Jan "}},
        {"direction words give the sign",
         "Date,Payee,Amount,D/C\n2024-01-05,Shop,1.00,DR\n2024-01-06,Pay,-2.00,CR\n",
         columns(CsvHeader::Detect, -1, 3),
         {"2024-01-05 -100 Shop ", "2024-01-06 200 Pay "}},
        {"an unknown direction word",
         "Date,Payee,Amount,Dir\n2024-01-05,Shop,1.00,DR\n2024-01-06,Pay,2.00,Minus\n",
         columns(CsvHeader::Detect, -1, 3),
         {},
         "line 3: \"Minus\" in the direction column says neither debit nor credit; the words known are Af/Bij, "
         "Debet/Credit, Debit/Credit, D/C, DR/CR, OUT/IN, Uit/In, S/H, Soll/Haben, Cargo/Abono, Débit/Crédit, "
         "Lastschrift/Gutschrift, -/+"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadResult r = ReadCsv(c.data, c.mapping);
        EXPECT_EQ(r.error, QString::fromUtf8(c.error));
        QStringList lines;
        for (const StatementLine& line : r.lines)
            lines << QStringLiteral("%1 %2 %3 %4")
                         .arg(platform::DateFromDayCount(line.date).toString(Qt::ISODate))
                         .arg(line.cents)
                         .arg(line.payee, line.skipped);
        EXPECT_EQ(lines, c.lines) << lines.join(QLatin1Char('|')).toStdString();
    }
}

TEST(StatementReaders, FormatByNameThenByContent) {
    EXPECT_EQ(DetectFormat(QStringLiteral("a.QFX"), "x"), Format::Ofx);
    EXPECT_EQ(DetectFormat(QStringLiteral("a.txt"), "OFXHEADER:100\n"), Format::Ofx);
    EXPECT_EQ(DetectFormat(QStringLiteral("a"), "<?xml version=\"1.0\"?>\n<?OFX OFXHEADER=\"200\"?>"), Format::Ofx);
    EXPECT_EQ(DetectFormat(QStringLiteral("a.txt"), "!Type:Bank\n"), Format::Qif);
    EXPECT_EQ(DetectFormat(QStringLiteral("export"), "Date,Amount\n"), Format::Csv);
}

TEST(StatementReaders, MappingsAreGuessedFromHeaderNamesAndTheFirstDate) {
    CsvMapping debitCredit; // English names, no date that tells its order: the locale's
    debitCredit.date = 1;
    debitCredit.dateOrder = DateOrder::MonthDayYear;
    debitCredit.debit = 2;
    debitCredit.credit = 3;
    debitCredit.payee = 4;
    CsvMapping payeeLast = debitCredit;
    payeeLast.payee = 5; // Payee before Memo, wherever it stands
    CsvMapping unnamed;  // the date found by its values, the decimal comma by the delimiter
    unnamed.date = 0;
    unnamed.dateOrder = DateOrder::DayMonthYear;
    unnamed.amount = 2;
    unnamed.decimalSeparator = QLatin1Char(',');
    CsvMapping headerless = unnamed; // every column found by its values
    headerless.dateOrder = DateOrder::MonthDayYear;
    headerless.amount = 1;
    headerless.payee = 2;
    headerless.decimalSeparator = QLatin1Char('.');
    const struct {
        QByteArray data;
        QStringList fields;
        CsvMapping guess;
    } cases[] = {
        {"Date,Description,Amount,Check\n2024-04-02,\"Rent, April\",-950.00,1201\n",
         {"Date", "Description", "Amount", "Check"},
         SignedColumns()},
        {"Date;Payee;Debit;Credit\r\n03.05.2024;x;12,80;\r\n",
         {"Date", "Payee", "Debit", "Credit"},
         DebitCreditColumns()},
        {"Ref,Posting Date,Withdrawal,Deposit,Memo,Payee\n7,4/2/24,1.00,,a,b\n",
         {"Ref", "Posting Date", "Withdrawal", "Deposit", "Memo", "Payee"},
         payeeLast},
        {"Ref,Date,Debit,Credit,Name\n", {"Ref", "Date", "Debit", "Credit", "Name"}, debitCredit},
        {"Tag;\"Wer; was\";Betrag\n03.05.2024;x;1,00\n", {"Tag", "Wer; was", "Betrag"}, unnamed},
        {"12/04/2009,-12.07,Shop,4412345678\n12/05/2009,3.00,Refund,4412345678\n", {}, headerless},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CsvHeaderFields(c.data), c.fields) << c.data.constData();
        EXPECT_EQ(GuessCsvMapping(c.data), c.guess) << c.data.constData();
    }
}

TEST(StatementReaders, OfxValuesAreTakenAsWrittenOrRefusedWithTheirLine) {
    const char* const badDate = "line 7: not a date in DTPOSTED";
    const char* const badAmount = "line 8: not an amount in TRNAMT";
    const struct {
        const char* posted;
        const char* amount;
        QDate date;
        int64_t cents;
        const char* error = nullptr;
    } cases[] = {
        {"20260115235959[-5:EST]", "-1.00", QDate(2026, 1, 15), -100},
        {"20260115010000[+13:NZDT]", "+12.30", QDate(2026, 1, 15), 1230},
        {"20240229120000.000", "1,5", QDate(2024, 2, 29), 150},
        {"20240105", "-.50", QDate(2024, 1, 5), -50},
        {"20001201120000 [0:GMT]", "-1,006.60", QDate(2000, 12, 1), -100660},
        {"20001201120000 [-5.5:XXX]", "-1.006,60", QDate(2000, 12, 1), -100660},
        {"20001201 [+9:JST]", "+1 006,60", QDate(2000, 12, 1), 100660},
        {"20240105", "1,234,567", QDate(2024, 1, 5), 123456700},
        {"20240105", "1,000.00", QDate(2024, 1, 5), 100000},
        {"20240105", "1,006", {}, 0, badAmount},
        {"20240105", "1,006,60", {}, 0, badAmount},
        {"00000000", "1", {}, 0, badDate},
        {"00000101", "1", {}, 0, badDate},
        {"00010101", "1", {}, 0, badDate},
        {"20260231", "1", {}, 0, badDate},
        {"20261301", "1", {}, 0, badDate},
        {"2024xx01", "1", {}, 0, badDate},
        {"2026", "1", {}, 0, badDate},
        {"", "1", {}, 0, "line 6: not a date in DTPOSTED"},
        {"20240105", "", {}, 0, "line 6: not an amount in TRNAMT"},
        {"20240105", "abc", {}, 0, badAmount},
        {"20240105", "--5", {}, 0, badAmount},
        {"20240105", "0x10", {}, 0, badAmount},
        {"20240105", "5-", {}, 0, badAmount},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.posted) + " " + c.amount);
        const auto field = [](const char* tag, const char* value) {
            return *value ? QByteArray(tag) + value + "\n" : QByteArray();
        };
        const QByteArray ofx =
            "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>\n<BANKTRANLIST>\n"
            "<STMTTRN>\n" +
            field("<DTPOSTED>", c.posted) + field("<TRNAMT>", c.amount) +
            "<NAME>Shop &amp; Co\n</STMTTRN>\n</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
        const ReadResult r = ReadOfx(ofx);
        if (c.error) {
            EXPECT_TRUE(r.lines.empty());
            EXPECT_TRUE(r.error.startsWith(QLatin1String(c.error))) << r.error.toStdString();
            continue;
        }
        ASSERT_TRUE(r.Ok()) << r.error.toStdString();
        ASSERT_EQ(r.lines.size(), 1u);
        EXPECT_EQ(platform::DateFromDayCount(r.lines[0].date), c.date);
        EXPECT_EQ(r.lines[0].cents, c.cents);
        EXPECT_EQ(r.lines[0].payee, QStringLiteral("Shop & Co"));
        EXPECT_EQ(r.lines[0].source, 6);
    }
}

TEST(StatementReaders, EveryEncodingAndLineEndReadsTheSame) {
    const QString qif =
        QStringLiteral("!Type:Bank\nD6/3/2024\nT-4.50\nPCafé Müller\n^\nD6/4/2024\nT-4.50\nPCafé Müller\n^\n");
    const auto utf16 = [&qif](QStringConverter::Encoding encoding) {
        return QByteArray(QStringEncoder(encoding, QStringEncoder::Flag::WriteBom)(qif));
    };
    const QByteArray utf8 = qif.toUtf8();
    const struct {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"UTF-8", utf8},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + utf8},
        {"UTF-16LE", utf16(QStringConverter::Utf16LE)},
        {"UTF-16BE", utf16(QStringConverter::Utf16BE)},
        {"code page 1252", qif.toLatin1()},
        {"CR", QByteArray(utf8).replace('\n', '\r')},
        {"CRLF", QByteArray(utf8).replace("\n", "\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadResult r = ReadQif(c.data);
        ASSERT_TRUE(r.Ok()) << r.error.toStdString();
        ASSERT_EQ(r.lines.size(), 2u);
        EXPECT_EQ(r.lines[1].payee, QStringLiteral("Café Müller"));
        EXPECT_EQ(r.lines[1].source, 6);
    }
    const ReadResult csv =
        ReadCsv("Date,Payee,Amount,Check\r2024-06-03,a,-4.50,\r2024-06-04,b,-4.50,\r", SignedColumns());
    EXPECT_EQ(csv.lines.size(), 2u);
}

TEST(StatementReaders, AnyKindOfFileIsReadOnceUpToItsLimit) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("statement"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::thread bank([&fifo] {
        QFile file(fifo);
        if (file.open(QIODevice::WriteOnly))
            file.write("!Type:Bank\nD6/3/2024\nT-4.50\n^\n");
    });
    const ReadResult piped = ReadStatementFile(fifo, Format::Qif, {});
    bank.join();
    EXPECT_EQ(piped.lines.size(), 1u) << piped.error.toStdString();
    const ReadResult endless = ReadStatementFile(QStringLiteral("/dev/zero"), Format::Qif, {});
    EXPECT_TRUE(endless.lines.empty());
    EXPECT_TRUE(endless.error.endsWith(QLatin1String("is larger than 64 MiB: no statement is that large")))
        << endless.error.toStdString();
    // The file's name is shown as it is, with a "%2" of its own.
    const QString named = dir.filePath(QStringLiteral("zeros%2"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), named));
    EXPECT_EQ(ReadStatementFile(named, Format::Qif, {}).error,
              named + QLatin1String(" is larger than 64 MiB: no statement is that large"));
}

TEST(StatementReaders, EachLineKnowsItsAccount) {
    const ReadResult ofx = ReadStatementFile(DataFile("twoaccounts.ofx"), Format::Ofx, {});
    const ReadResult qif =
        ReadQif("!Account\nNChecking\nTBank\n^\n!Type:Bank\nD6/3/2024\nT-4.50\n^\nD6/4/2024\nT-4.50\n^\n"
                "!Account\nNSavings\nTBank\n^\n!Type:Bank\nD6/30/2024\nT1.25\n^\n");
    for (const auto& [read, first, second] :
         {std::tuple(ofx, "1111", "2222"), std::tuple(qif, "Checking", "Savings")}) {
        ASSERT_TRUE(read.Ok()) << read.error.toStdString();
        const std::vector<StatementAccount> accounts = StatementAccounts(read.lines);
        ASSERT_EQ(accounts.size(), 2u);
        EXPECT_EQ(accounts[0].id, QLatin1String(first));
        EXPECT_EQ(accounts[0].lines, 2);
        EXPECT_EQ(accounts[1].id, QLatin1String(second));
        EXPECT_EQ(accounts[1].lines, 1);
        const std::vector<StatementLine> savings = AccountLines(read.lines, QLatin1String(second));
        ASSERT_EQ(savings.size(), 1u);
        EXPECT_EQ(savings[0].cents, 125);
    }
}

TEST(StatementReaders, CsvDecimalSeparatorAndDateOrderComeFromTheValues) {
    const struct {
        QByteArray data;
        DateOrder order;
        std::vector<int64_t> cents; // empty: refused as ambiguous
    } cases[] = {
        {"Date,Payee,Amount,Check\n03.06.2024,a,\"-12,50\",\n13.06.2024,b,\"2500,00\",\n",
         DateOrder::DayMonthYear,
         {-1250, 250000}},
        {"Date,Payee,Amount,Check\n06/03/2024,a,\"1,234\",\n06/13/2024,b,-2.5,\n",
         DateOrder::MonthDayYear,
         {123400, -250}},
        {"Date,Payee,Amount,Check\n2024-06-03,a,1.234.567,\n2024-06-13,b,\"1,50\",\n",
         DateOrder::YearMonthDay,
         {123456700, 150}},
        {"Date,Payee,Amount,Check\n03.06.2024,a,1.50,\n03.06.2024,b,\"2,50\",\n", DateOrder::DayMonthYear, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data.constData());
        EXPECT_EQ(GuessCsvDateOrder(c.data, 0), c.order);
        CsvMapping mapping = SignedColumns();
        mapping.dateOrder = c.order;
        mapping.decimalSeparator = QChar();
        const ReadResult r = ReadCsv(c.data, mapping);
        std::vector<int64_t> cents;
        for (const StatementLine& line : r.lines)
            cents.push_back(line.cents);
        EXPECT_EQ(cents, c.cents);
        if (c.cents.empty()) {
            EXPECT_TRUE(r.error.startsWith(QLatin1String("line 3: the amounts use both"))) << r.error.toStdString();
        }
    }
}

TEST(StatementReaders, WhatIsNoCsvStatementIsToldBeforeAnyColumnsAreAsked) {
    const struct {
        QByteArray data;
        const char* problem;
    } cases[] = {
        {"", "the file is empty"},
        {" \r\n\r\n", "the file is empty"},
        {QByteArray("\x02\x00\x00\x00", 4) + "CHECK DATA HEADER", "not a text file"},
        {"Statement of June\n1.00\n", "no line of it has columns: not a CSV statement"},
        {"\xFF\xFE" + QByteArray("D\0a\0t\0e\0,\0A\0\n\0", 14), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvProblem(c.data), QLatin1String(c.problem)) << c.data.toHex().constData();
    EXPECT_EQ(ReadStatement("Statement of June\n", Format::Csv, SignedColumns()).error,
              QStringLiteral("no line of it has columns: not a CSV statement"));
}

TEST(StatementReaders, AGivenDateOrderHoldsForQifAndOverACsvsColumns) {
    const QByteArray qif = "!Type:Bank\nD05/10/2013\nT-4.50\n^\nD25/10/2013\nT-1.00\n^\n";
    CsvMapping remembered = SignedColumns();
    remembered.dateOrder = DateOrder::MonthDayYear;
    const QByteArray csv = "Date,Payee,Amount,Check\n03/01/2013,Shop,-1.00,\n";
    const struct {
        const char* name;
        ReadResult read;
        int line;
        QDate date;
    } cases[] = {
        {"QIF", ReadStatement(qif, Format::Qif, std::nullopt, DateOrder::DayMonthYear), 0, QDate(2013, 10, 5)},
        {"QIF, day above 12", ReadStatement(qif, Format::Qif, std::nullopt, DateOrder::DayMonthYear), 1,
         QDate(2013, 10, 25)},
        {"CSV", ReadStatement(csv, Format::Csv, remembered, DateOrder::DayMonthYear), 0, QDate(2013, 1, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.read.Ok()) << c.read.error.toStdString();
        EXPECT_EQ(platform::DateFromDayCount(c.read.lines[size_t(c.line)].date), c.date);
    }
    // Without an order given or told by the dates, the locale's holds, and the notes say which it is.
    CsvMapping open = SignedColumns();
    open.dateOrder.reset();
    for (const auto& [locale, date, order] :
         {std::tuple("en_US", QDate(2013, 3, 1), "month first"), std::tuple("de_DE", QDate(2013, 1, 3), "day first")}) {
        tallix::test::ScopedLocale scoped(QString::fromLatin1(locale));
        const ReadResult r = ReadStatement(csv, Format::Csv, open);
        ASSERT_EQ(r.lines.size(), 1u) << r.error.toStdString();
        EXPECT_EQ(platform::DateFromDayCount(r.lines[0].date), date);
        EXPECT_EQ(r.notes, QStringList(QStringLiteral("Dates read %1, as the locale writes dates: no date in the "
                                                      "statement tells.")
                                           .arg(QLatin1String(order))));
    }
}

// What a reader does not add is a line with its reason, a note, or the bank's own refusal; never lost silently.
TEST(StatementReaders, WhatIsNotAddedIsSaidWithItsReason) {
    const auto ofx = [](const QByteArray& body) { return "OFXHEADER:100\n\n<OFX>\n" + body + "</OFX>\n"; };
    const auto bank = [](const QByteArray& status, const QByteArray& transactions) {
        return "<BANKMSGSRSV1><STMTTRNRS><TRNUID>1\n<STATUS>" + status +
               "</STATUS>\n<STMTRS><BANKACCTFROM><ACCTID>9100</BANKACCTFROM><BANKTRANLIST>\n" + transactions +
               "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1>\n";
    };
    const QByteArray ok = "<CODE>0<SEVERITY>INFO";
    const QByteArray shop = "<STMTTRN><DTPOSTED>20240105<TRNAMT>-1500.00<CHECKNUM>101<NAME>Shop</STMTTRN>\n";
    const QByteArray investment = "<INVSTMTMSGSRSV1><INVSTMTTRNRS><STATUS>" + ok +
                                  "</STATUS><INVSTMTRS><INVACCTFROM><ACCTID>Z7</INVACCTFROM><INVTRANLIST>"
                                  "<BUYMF><INVBUY><TOTAL>-5</INVBUY></BUYMF>";
    const QByteArray invest = "!Type:Invst\nD1/2/24\nNBuy\nT5\n^\nD1/3/24\nNSell\nT6\n^\n";
    const struct {
        const char* name;
        QByteArray data;
        const char* error;
        QStringList lines = {}; // date, cents, payee and what the reader said of each
        QStringList notes = {};
        QStringList accounts = {};
    } cases[] = {
        {"sign-on error", tallix::test::ReadAll(DataFile("signonerror.ofx")),
         "the bank answered with error 15500: Signon invalid; the file holds no statement"},
        {"statement error without severity", ofx(bank("<CODE>2003<MESSAGE>Account not found", shop)),
         "the bank answered with error 2003: Account not found; the file holds no statement"},
        {"warning",
         ofx(bank("<CODE>2000<SEVERITY>WARN", shop)),
         "",
         {"2024-01-05 -150000 Shop"},
         {"The bank answered with warning 2000."},
         {"9100"}},
        {"amount null, finer than a cent",
         ofx(bank(ok, shop + "<STMTTRN><DTPOSTED>20240106<TRNAMT>null<NAME>Pending</STMTTRN>\n"
                             "<STMTTRN><DTPOSTED>20240107<TRNAMT>-0.005<NAME>Rounding</STMTTRN>\n")),
         "",
         {"2024-01-05 -150000 Shop", "2024-01-06 0 Pending skipped: the bank gave no amount (null)",
          "2024-01-07 0 Rounding refused: an amount the ledger cannot keep to the cent: -0.005"},
         {},
         {"9100"}},
        {"account list",
         ofx("<SIGNUPMSGSRSV1><ACCTINFOTRNRS><STATUS>" + ok +
             "</STATUS><ACCTINFORS>"
             "<ACCTINFO><BANKACCTINFO><BANKACCTFROM><ACCTID>9100</BANKACCTFROM></BANKACCTINFO></ACCTINFO>"
             "<ACCTINFO><CCACCTINFO><CCACCTFROM><ACCTID>9200</CCACCTFROM></CCACCTINFO></ACCTINFO>"
             "</ACCTINFORS></ACCTINFOTRNRS></SIGNUPMSGSRSV1>\n"),
         "",
         {},
         {"The file lists accounts 9100 and 9200 but holds no statement of their transactions."},
         {"9100", "9200"}},
        {"statement without transactions",
         ofx(bank(ok, "")),
         "",
         {},
         {"The statement holds no transactions."},
         {"9100"}},
        {"investment only",
         ofx(investment + "</INVTRANLIST></INVSTMTRS></INVSTMTTRNRS></INVSTMTMSGSRSV1>"),
         "",
         {},
         {"The statement holds only investment transactions (1): a check register does not keep them."},
         {"Z7"}},
        {"investment with cash lines",
         tallix::test::ReadAll(DataFile("brokerage.ofx")),
         "",
         {"2024-08-01 200000 ACH DEPOSIT FROM CHECKING", "2024-08-30 -2500 ACCOUNT MAINTENANCE FEE",
          "2024-08-31 87 CREDIT INTEREST"},
         {"4 investment transactions are not kept in a check register."},
         {"Z77-1234"}},
        {"QIF finer than a cent, split",
         "!Type:Bank\nD1/5/2024\nT-1500.005\nPRounding\n^\nD1/6/"
         "2024\nT-30.00\nPShop\nSFood\n$-20.00\nSSoap\n$-10.00\n^\n",
         "",
         {"2024-01-05 -150000 Rounding refused: an amount the ledger cannot keep to the cent: -1500.005",
          "2024-01-06 -3000 Shop"},
         {"Dates read month first, as QIF usually writes them (1/5/2024)."}},
        {"QIF lists and accounts",
         tallix::test::ReadAll(DataFile("quicken.qif")),
         "",
         {"2024-01-03 -18734 Big Box Store", "2024-01-15 245000 ACME PAYROLL", "2024-01-20 -6000 Cash withdrawal",
          "2024-01-20 6000 From checking", "2024-01-21 -1275 Corner Cafe"},
         {"Dates read month first (1/15'24 has no month 15).",
          "2 investment transactions are not kept in a check register."},
         {"Everyday Checking", "Wallet"}},
        {"QIF investment only",
         "!Type:Cat\nNFood\nE\n^\n" + invest,
         "",
         {},
         {"The statement holds only investment transactions (2): a check register does not keep them."}},
        {"QIF day first",
         "!Type:Bank\nD05/10/2013\nT-1\n^\nD25/10/2013\nT-1\n^\n",
         "",
         {"2013-10-05 -100 ", "2013-10-25 -100 "},
         {"Dates read day first (25/10/2013 has no month 25)."}},
        {"QIF dots",
         "!Type:Cash\nD05.10.2013\nT-1\nPBus\n^\n",
         "",
         {"2013-10-05 -100 Bus"},
         {"Dates read day first, as dates written with dots are (05.10.2013)."}},
        {"QIF both orders", "!Type:Bank\nD25/10/2013\nT-1\n^\nD10/26/2013\nT-1\n^\n",
         "line 5: the dates are written in both orders: 25/10/2013 is day first, 10/26/2013 month first"},
        {"CSV finer than a cent",
         "Date,Description,Amount\n2024-01-05,Rounding,-1500.005\n2024-01-06,Shop,-30.00\n",
         "",
         {"2024-01-05 -150000 Rounding refused: an amount the ledger cannot keep to the cent: -1500.005",
          "2024-01-06 -3000 Shop"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Format format = DetectFormat({}, c.data);
        const ReadResult r = ReadStatement(
            c.data, format, format == Format::Csv ? std::optional(GuessCsvMapping(c.data)) : std::nullopt);
        EXPECT_EQ(r.error, QLatin1String(c.error));
        QStringList lines;
        for (const StatementLine& l : r.lines)
            lines << QStringLiteral("%1 %2 %3%4%5")
                         .arg(platform::DateFromDayCount(l.date).toString(Qt::ISODate))
                         .arg(l.cents)
                         .arg(l.payee, l.skipped.isEmpty() ? QString() : QStringLiteral(" skipped: ") + l.skipped,
                              l.refusal.isEmpty() ? QString() : QStringLiteral(" refused: ") + l.refusal);
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(r.notes, c.notes);
        EXPECT_EQ(r.accounts, c.accounts);
    }
}

// QIF's category and split lines, as the line carries them and as the added record keeps them: parts in the record's
// sense, a split that does not add up left out with a note that names its line, the transaction added whole.
TEST_F(ImportTest, QifCategoriesAndSplitsAreAddedWithTheirTransaction) {
    using Parts = std::vector<ledger::SplitPart>;
    const QString longName = QString(70, u'n');
    const struct {
        const char* name;
        QString fields; // of one transaction of -30.00 on line 2
        QString category;
        Parts parts; // as added: the record's sense
        QString note;
    } cases[] = {
        {"category", "LFood : Groceries ", "Food:Groceries", {}, {}},
        {"class left out", "LFood:Groceries/Household", "Food:Groceries", {}, {}},
        {"transfer", "L[Savings]", "Transfer:Savings", {}, {}},
        {"transfer with a class", "L[Joint Savings]/Tax", "Transfer:Joint Savings", {}, {}},
        {"split that fits, a part negative",
         "LMisc\nSFood\nEBread\n$-35.00\nS[Savings]/Tax\n$5.00",
         "Misc",
         {{"Food", "Bread", 3500}, {"Transfer:Savings", "", -500}},
         {}},
        {"parts without S lines", "E  a\n$-10.00\nEb\n$-20.00", "", {{"", "a", 1000}, {"", "b", 2000}}, {}},
        {"one part is a category", "LMisc\nSFood\n$-30.00", "Food", {}, {}},
        {"split that does not fit",
         "L--Split--\nSFood\n$-20.00\nSSoap\n$-5.00",
         "",
         {},
         "Line 2: split left out (the parts add up to -25.00, not -30.00); the transaction is added without it."},
        {"part finer than a cent",
         "SFood\n$-29.995\nSSoap\n$-0.005",
         "",
         {},
         "Line 2: split left out (an amount the ledger cannot keep to the cent: -29.995); the transaction is added "
         "without it."},
        {"a path too long is cut after its last whole name",
         "L" + longName + ":" + longName,
         longName,
         {},
         "Categories longer than 120 characters were cut, the first on line 2."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ledger::NewLedger();
        const ReadResult read =
            ReadQif(QStringLiteral("!Type:Bank\nD1/5/2024\nT-30.00\nPShop\n%1\n^\n").arg(c.fields).toUtf8());
        ASSERT_TRUE(read.Ok()) << read.error.toStdString();
        EXPECT_EQ(read.notes.mid(1), c.note.isEmpty() ? QStringList() : QStringList(c.note));
        const ImportPlan plan = PlanImport(read.lines);
        ASSERT_EQ(plan.Count(PlanKind::Add), 1);
        ASSERT_TRUE(ApplyPlan(plan).Ok());
        const ledger::CategoryAssignment kept = ledger::CategoryOf(1);
        EXPECT_EQ(kept.category, c.parts.empty() ? c.category : QString());
        EXPECT_EQ(kept.parts, c.parts);
    }
    EXPECT_TRUE(ReadQif("!Type:Bank\nD1/5/2024\nT-30.00\nSFood\n$x\n^\n")
                    .error.startsWith(QLatin1String("line 5: not an amount")));
}

// A line's category comes from the statement, else the first rule its payee matches (the preview's own rules
// first), else its payee's newest transaction; the preview's choice holds over all of them. A CSV's category column
// is found by its name.
TEST_F(ImportTest, ALinesCategoryComesFromTheStatementARuleThePayeeOrTheUser) {
    ledger::AddTransaction(-1, Day(2024, 1, 9), 5.f, QStringLiteral("Corner Shop"), ledger::CheckOrPayment);
    ledger::AddTransaction(-1, Day(2024, 1, 2), 5.f, QStringLiteral("Corner Shop"), ledger::CheckOrPayment);
    ledger::AddTransaction(-1, Day(2024, 1, 3), 5.f, QStringLiteral("Garage"), ledger::CheckOrPayment);
    ASSERT_TRUE(ledger::SetCategory(1, {QStringLiteral("Household"), {}}) &&
                ledger::SetCategory(2, {QStringLiteral("Food"), {}}) &&
                ledger::SetCategory(3, {{}, {{"Car", "", 300}, {"Food", "", 200}}}) &&
                ledger::SetCategoryRules({{QStringLiteral("AMAZON"), QStringLiteral("Shopping")}}));
    const QByteArray csv = "Date,Description,Amount,Kategorie\n"
                           "2024-02-01,AMAZON MKTP,-1.00,Books\n"
                           "2024-02-02,amazon.de,-2.00,\n"
                           "2024-02-03,Corner Shop,-3.00,\n"
                           "2024-02-04,Garage,-4.00,\n"
                           "2024-02-05,Corner Shop,-5.00, : \n";
    const CsvMapping mapping = GuessCsvMapping(csv);
    EXPECT_EQ(mapping.category, 3);
    ImportPlan plan = PlanImport(ReadCsv(csv, mapping).lines);
    const auto seen = [&plan] {
        QStringList texts;
        for (const PlannedLine& p : plan.lines)
            texts << QStringLiteral("%1 %2").arg(int(p.categorySource)).arg(p.category.category);
        return texts.join(QLatin1Char('|'));
    };
    // 0 none, 1 statement, 2 rule, 3 payee, 4 chosen; a split is no payee's last category.
    EXPECT_EQ(seen(), QStringLiteral("1 Books|2 Shopping|3 Household|0 |3 Household"));
    EXPECT_EQ(PlanText(plan.lines[0]), QStringLiteral("added as Payment, Books"));
    EXPECT_TRUE(AddRule(plan, {QStringLiteral("shop"), QStringLiteral("Errands")}));
    EXPECT_FALSE(AddRule(plan, {QStringLiteral(" "), QStringLiteral("Errands")}));
    EXPECT_FALSE(AddRule(plan, {QStringLiteral("x"), QStringLiteral("Errands:")}));
    EXPECT_TRUE(ChooseCategory(plan, 4, QStringLiteral(" Car : Fuel ")));
    EXPECT_FALSE(ChooseCategory(plan, 3, QString(121, u'x')));
    EXPECT_EQ(seen(), QStringLiteral("1 Books|2 Shopping|2 Errands|0 |4 Car:Fuel"));
    ASSERT_TRUE(ApplyPlan(plan).Ok());
    const QString kept[] = {"Books", "Shopping", "Errands", "", "Car:Fuel"};
    for (int16_t slot = 4; slot <= 8; ++slot)
        EXPECT_EQ(ledger::CategoryOf(slot).category, kept[slot - 4]) << slot;
    EXPECT_EQ(ledger::CategoryRules(),
              std::vector<ledger::CategoryRule>({{"shop", "Errands"}, {"AMAZON", "Shopping"}}));
}
