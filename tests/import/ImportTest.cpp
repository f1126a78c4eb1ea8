// Statements of every format imported twice into a ledger, the plan's decisions, and the readers' refusals.
#include "import/ImportPlan.h"
#include "import/Statement.h"
#include "ledger/Ledger.h"
#include "ledger/TransactionRules.h"
#include "platform/Locale.h"
#include "support/ScopedLocale.h"

#include <QDate>
#include <QFile>
#include <gtest/gtest.h>

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
    };
    // Statements carry their own number and date forms: the user's locale must not change what they say.
    for (const char* locale : {"en_US", "de_DE", "C"})
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.file) + " in " + locale);
            tallix::test::ScopedLocale scoped(QString::fromLatin1(locale));
            ledger::NewLedger();
            const ReadResult read = ReadStatementFile(DataFile(c.file), c.format, c.mapping);
            ASSERT_TRUE(read.Ok()) << read.error.toStdString();
            QString error;
            const ImportPlan first = PlanImport(read.lines);
            EXPECT_EQ(first.Count(PlanKind::Add), int(c.records.size()));
            ASSERT_TRUE(ApplyPlan(first, error));
            const ImportPlan second = PlanImport(read.lines);
            EXPECT_EQ(second.Count(PlanKind::Duplicate), int(c.records.size()));
            ASSERT_TRUE(ApplyPlan(second, error));
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

TEST_F(ImportTest, LinesAreDuplicatesOnlyOfTheSameAmountWithinDaysAndTheSameNumberIdOrPayee) {
    // In the ledger: check 100 to "Hardware Store" on 3/10, a deposit "Salary" on 3/1.
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ledger::NewLedger();
        ledger::AddTransaction(100, Day(2024, 3, 10), 49.99f, QStringLiteral("Hardware Store"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(2024, 3, 1), 2500.f, QStringLiteral("Salary"), ledger::Deposit);
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

TEST_F(ImportTest, LinesTheLedgerCannotTakeAreRefusedAndApplyAddsAllOrNothing) {
    ledger::SetLockDate(Day(2024, 1, 31));
    const ImportPlan plan = PlanImport({
        Line(Day(2024, 1, 31), -100, "On the lock date"),
        Line(Day(2024, 2, 1), -100, "After it"),
        Line(Day(2024, 2, 1), -100'000'000'000'001, "Too much"),
        Line(Day(2024, 2, 1), -100, "Big check", "40000"),
    });
    const PlanKind kinds[] = {PlanKind::Refused, PlanKind::Add, PlanKind::Refused, PlanKind::Refused};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(plan.lines[i].kind, kinds[i]) << i;
    EXPECT_EQ(PlanText(plan.lines[0]), QStringLiteral("refused: dated on or before the lock date 1/31/2024"));

    // A full ledger: the last free slot goes to the first line, the next is refused; a stale plan adds nothing.
    while (ledger::GetTransactionCount() < ledger::MaxSlots - 1)
        ledger::AddTransaction(-1, Day(2024, 2, 2), 1.f, QStringLiteral("x"), ledger::CheckOrPayment);
    const ImportPlan full = PlanImport({Line(Day(2024, 3, 1), -7, "a"), Line(Day(2024, 3, 1), -8, "b")});
    EXPECT_EQ(full.lines[0].kind, PlanKind::Add);
    EXPECT_EQ(full.lines[1].reason, QStringLiteral("the ledger is full"));
    ImportPlan stale = full;
    stale.lines[1].kind = PlanKind::Add;
    QString error;
    EXPECT_FALSE(ApplyPlan(stale, error));
    EXPECT_EQ(ledger::GetTransactionCount(), ledger::MaxSlots - 1);
    EXPECT_TRUE(ApplyPlan(full, error));
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
    const ImportPlan plan = PlanImport({Line(Day(2024, 1, 1), 1, QString(60, QLatin1Char('x')))});
    EXPECT_EQ(plan.lines[0].description, QString(ledger::DescriptionLength, QLatin1Char('x')));
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
        {"-1,234.56", '.', -123456},   {"1.234,56", ',', 123456}, {"(12.30)", '.', -1230},
        {"12.30-", '.', -1230},        {"$ 7", '.', 700},         {"+0.5", '.', 50},
        {"3,100.000", '.', 310000},    {"€ -2,9", ',', -290},     {"1.234", '.', std::nullopt},
        {"12.3.4", '.', std::nullopt}, {"", '.', std::nullopt},   {"abc", '.', std::nullopt},
        {"1e5", '.', std::nullopt},
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
        {"QIF investment", Format::Qif, "!Type:Invst\nD1/5/2024\n^\n", "line 1: "},
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
            QFile file(DataFile("statement1.ofx"));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            data = file.readAll().replace("<NAME>PAYROLL ACME CORP</STMTTRN>", "<NAME>PAYROLL ACME CORP");
        }
        const ReadResult r = c.format == Format::Qif   ? ReadQif(data)
                             : c.format == Format::Csv ? ReadCsv(data, mapping)
                                                       : ReadOfx(data);
        EXPECT_TRUE(r.lines.empty());
        EXPECT_TRUE(r.error.startsWith(QLatin1String(c.error))) << r.error.toStdString();
    }
}

TEST(StatementReaders, CsvMappingsAreRememberedByTheHeaderLine) {
    const QByteArray data = "Buchungstag;Empfänger;Soll;Haben\r\n03.05.2024;x;1;\r\n";
    const QString header = CsvHeaderLine(data);
    EXPECT_EQ(header, QStringLiteral("Buchungstag;Empfänger;Soll;Haben"));
    EXPECT_FALSE(StoredCsvMapping(header));
    ASSERT_TRUE(StoreCsvMapping(header, DebitCreditColumns()));
    EXPECT_EQ(StoredCsvMapping(header), DebitCreditColumns());
    EXPECT_FALSE(StoredCsvMapping(QStringLiteral("Date,Amount")));
    for (const char* bad : {"", "date=0", "date=0;order=XYZ;amount=1;debit=-1;credit=-1;payee=-1;check=-1;decimal=."})
        EXPECT_FALSE(CsvMappingFromText(QString::fromLatin1(bad))) << bad;
}

TEST(StatementReaders, FormatByNameThenByContent) {
    EXPECT_EQ(DetectFormat(QStringLiteral("a.QFX"), "x"), Format::Ofx);
    EXPECT_EQ(DetectFormat(QStringLiteral("a.txt"), "OFXHEADER:100\n"), Format::Ofx);
    EXPECT_EQ(DetectFormat(QStringLiteral("a"), "<?xml version=\"1.0\"?>\n<?OFX OFXHEADER=\"200\"?>"), Format::Ofx);
    EXPECT_EQ(DetectFormat(QStringLiteral("a.txt"), "!Type:Bank\n"), Format::Qif);
    EXPECT_EQ(DetectFormat(QStringLiteral("export"), "Date,Amount\n"), Format::Csv);
}

TEST(StatementReaders, MappingsAreGuessedFromHeaderNamesAndTheFirstDate) {
    CsvMapping debitCredit; // English names, US dates, no amount column
    debitCredit.date = 1;
    debitCredit.debit = 2;
    debitCredit.credit = 3;
    debitCredit.payee = 4;
    CsvMapping payeeLast = debitCredit;
    payeeLast.payee = 5;  // Payee before Memo, wherever it stands
    CsvMapping commaOnly; // no column by name: only the delimiter says anything
    commaOnly.decimalSeparator = QLatin1Char(',');
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
        {"Tag;\"Wer; was\";Betrag\n03.05.2024;x;1,00\n", {"Tag", "Wer; was", "Betrag"}, commaOnly},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CsvHeaderFields(c.data), c.fields) << c.data.constData();
        EXPECT_EQ(GuessCsvMapping(c.data), c.guess) << c.data.constData();
    }
}
