// The register's procedures on a headless grid: rows from records, order, balances, locks, marks, write-back.
#include "support/RegisterTestSupport.h"

#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/FlexGrid.h"
#include "register/RegisterGrid.h"
#include "support/ScopedLocale.h"

#include <gtest/gtest.h>
#include <limits>

using namespace RegisterColumn;
using tallix::test::Day;

namespace {

class RegisterGridTest : public ::testing::Test {
protected:
    void SetUp() override { ledger::NewLedger(); }

    // Cell text as a std::string, for readable failures.
    std::string Cell(int row, int col) const { return grid.TextMatrix(row, col).toStdString(); }
    int RowOfSlot(int slot) const { return tallix::test::RowOfSlot(grid, slot); }
    static ledger::TransactionRecord Record(int slot) { return tallix::test::RecordInSlot(slot); }

    platform::FlexGrid grid;
    RegisterGrid procedures{grid};
};

TEST_F(RegisterGridTest, ChecksPaymentsAndDepositsFillTheirColumns) {
    ledger::AddTransaction(1234, Day(2009, 1, 2), 56.78f, QStringLiteral("Electric company   "),
                           ledger::CheckOrPayment);
    ledger::AddTransaction(-1, Day(2009, 1, 3), 10.0f, QStringLiteral("Grocer"), ledger::CheckOrPayment);
    ledger::AddTransaction(0, Day(2009, 1, 4), 1234.5f, QStringLiteral("Salary"), ledger::Deposit);
    procedures.FillGrid();

    ASSERT_EQ(grid.Rows(), 4);
    ASSERT_EQ(grid.Cols(), Count);
    EXPECT_EQ(Cell(1, CheckNumber), "1234");
    EXPECT_EQ(Cell(1, Date), "1/2/2009");
    EXPECT_EQ(Cell(1, Description), "Electric company");
    EXPECT_EQ(Cell(1, Debit), "56.78");
    EXPECT_EQ(Cell(1, Type), "");
    EXPECT_EQ(Cell(1, Credit), "");
    EXPECT_EQ(Cell(1, TypeCode), "0");
    EXPECT_EQ(Cell(1, SortKey), "39815");

    EXPECT_EQ(Cell(2, CheckNumber), "");
    EXPECT_EQ(Cell(2, Type), "Payment");
    EXPECT_EQ(Cell(2, Debit), "10.00");

    EXPECT_EQ(Cell(3, Credit), "1,234.50");
    EXPECT_EQ(Cell(3, Debit), "");
    EXPECT_EQ(Cell(3, Type), "Deposit");
    EXPECT_EQ(Cell(3, TypeCode), "3");
    EXPECT_EQ(Cell(3, Locked), "0");
}

TEST_F(RegisterGridTest, OtherKindsShowTheirTypeAndAmountColumn) {
    ledger::AddTransaction(0, Day(2009, 2, 1), 20, QStringLiteral("Cash"), ledger::Withdrawal);
    ledger::AddTransaction(0, Day(2009, 2, 2), 2.5f, QStringLiteral("Charge"), ledger::Fee);
    ledger::AddTransaction(0, Day(2009, 2, 3), 0.5f, QStringLiteral("Bank"), ledger::Interest);
    procedures.FillGrid();

    EXPECT_EQ(Cell(1, Type), "Withdrawal");
    EXPECT_EQ(Cell(1, Debit), "20.00");
    EXPECT_EQ(Cell(2, Type), "Fee");
    EXPECT_EQ(Cell(2, Debit), "2.50");
    EXPECT_EQ(Cell(3, Type), "Interest");
    EXPECT_EQ(Cell(3, Credit), "0.50");
    EXPECT_EQ(Cell(3, Debit), "");
}

TEST_F(RegisterGridTest, LayoutHeaderWidthsAndHiddenColumns) {
    procedures.FillGrid();
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.GridColor(), 0x808080u);
    EXPECT_EQ(grid.AllowUserResizing(), 1);
    EXPECT_EQ(grid.FormatString(), RegisterLook::GridFormat);
    const char* headers[] = {"",
                             "Check #",
                             "Date",
                             "Description of Transaction",
                             "Memo",
                             "Category",
                             "Payment/Debit",
                             "Type",
                             "Deposit/Credit",
                             "Balance",
                             "",
                             "",
                             "",
                             "C"};
    static_assert(std::size(headers) == Count);
    for (int c = 0; c < Count; ++c)
        EXPECT_EQ(Cell(0, c), headers[c]) << "column " << c;
    EXPECT_EQ(grid.ColAlignment(CheckNumber), platform::FlexAlignment::Center);
    EXPECT_EQ(grid.ColAlignment(Date), platform::FlexAlignment::Center);
    EXPECT_EQ(grid.ColAlignment(Description), platform::FlexAlignment::Left);
    EXPECT_EQ(grid.ColAlignment(Debit), platform::FlexAlignment::General);
    EXPECT_EQ(grid.ColAlignment(Balance), platform::FlexAlignment::Right);
    EXPECT_EQ(grid.ColAlignment(Cleared), platform::FlexAlignment::Center);
    for (const int col : {SortKey, TypeCode, Slot, Locked})
        EXPECT_EQ(grid.ColWidth(col), 0) << "column " << col;
    EXPECT_EQ(grid.ColWidth(Date), 900);
    EXPECT_EQ(grid.ColWidth(Description), 2800);
    EXPECT_EQ(grid.ColWidth(Memo), 960);
    EXPECT_EQ(grid.ColWidth(Category), 1500);
    EXPECT_EQ(grid.ColWidth(Type), 900);
    EXPECT_EQ(grid.ColWidth(Balance), 1000);
    // The header-sized columns are wider for longer headers.
    EXPECT_GT(grid.ColWidth(Credit), grid.ColWidth(CheckNumber));
}

TEST_F(RegisterGridTest, BalancesRunInDateOrderWhateverTheOrderOfEntry) {
    ledger::SetStartingBalance(100);
    ledger::AddTransaction(0, Day(2009, 1, 3), 50, QStringLiteral("Deposit"), ledger::Deposit);
    ledger::AddTransaction(5, Day(2009, 1, 2), 30, QStringLiteral("Check"), ledger::CheckOrPayment);
    procedures.FillGrid();

    EXPECT_EQ(Cell(1, CheckNumber), "5");
    EXPECT_EQ(Cell(1, Balance), "70.00");
    EXPECT_EQ(Cell(2, Type), "Deposit");
    EXPECT_EQ(Cell(2, Balance), "120.00");
    EXPECT_EQ(Cell(1, Slot), "2");
    EXPECT_EQ(Cell(2, Slot), "1");
    // The current cell is row 1 in the date key column after the fill.
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), SortKey);
}

TEST_F(RegisterGridTest, EqualDatesSortByCheckNumberAndEmptyDatesLast) {
    ledger::AddTransaction(12, Day(2009, 3, 1), 1, QStringLiteral("twelve"), ledger::CheckOrPayment);
    ledger::AddTransaction(3, Day(2009, 3, 1), 1, QStringLiteral("three"), ledger::CheckOrPayment);
    ledger::AddTransaction(1, Day(2009, 3, 2), 1, QStringLiteral("later"), ledger::CheckOrPayment);
    procedures.FillGrid();
    EXPECT_EQ(Cell(1, Description), "three");
    EXPECT_EQ(Cell(2, Description), "twelve");
    EXPECT_EQ(Cell(3, Description), "later");

    // A date that does not read back in the locale's form sorts as no date: last.
    ledger::AddTransaction(0, 4e6, 1, QStringLiteral("year 12851"), ledger::Fee);
    ledger::AddTransaction(0, Day(2009, 3, 3), 1, QStringLiteral("latest"), ledger::Fee);
    procedures.FillGrid();
    EXPECT_EQ(Cell(5, Description), "year 12851");
    EXPECT_EQ(Cell(5, SortKey), "401404");
}

TEST_F(RegisterGridTest, DeletedSlotsGetNoRowAndKeepTheSlotIndexes) {
    ledger::AddTransaction(1, Day(2009, 1, 1), 1, QStringLiteral("one"), ledger::CheckOrPayment);
    ledger::AddTransaction(2, Day(2009, 1, 2), 2, QStringLiteral("two"), ledger::CheckOrPayment);
    ledger::AddTransaction(3, Day(2009, 1, 3), 3, QStringLiteral("three"), ledger::CheckOrPayment);
    ASSERT_TRUE(ledger::DeleteTransaction(2));
    procedures.FillGrid();

    ASSERT_EQ(grid.Rows(), 3);
    EXPECT_EQ(Cell(1, Slot), "1");
    EXPECT_EQ(Cell(2, Slot), "3");
    EXPECT_EQ(Cell(2, Description), "three");
}

TEST_F(RegisterGridTest, LockedRecordsAreGreyAndSetTheRecordsLockedFlag) {
    ledger::AddTransaction(1, Day(2009, 1, 1), 1, QStringLiteral("locked"), ledger::CheckOrPayment);
    ledger::AddTransaction(2, Day(2009, 1, 2), 2, QStringLiteral("open"), ledger::CheckOrPayment);
    ledger::UpdateTransaction(1, 1, Day(2009, 1, 1), 1, QStringLiteral("locked"), true);
    procedures.FillGrid();

    EXPECT_TRUE(ledger::AreRecordsLocked());
    EXPECT_EQ(Cell(1, Locked), "1");
    EXPECT_TRUE(procedures.IsRowLocked(1));
    EXPECT_FALSE(procedures.IsRowLocked(2));
    for (int c = CheckNumber; c <= Balance; ++c) {
        EXPECT_EQ(grid.CellColor(1, c), RegisterLook::LockedRowColor) << "column " << c;
        EXPECT_EQ(grid.CellColor(2, c), grid.BackColor()) << "column " << c;
    }
    for (const int c : {SortKey, TypeCode, Slot, Locked})
        EXPECT_EQ(grid.CellColor(1, c), grid.BackColor()) << "column " << c;
}

TEST_F(RegisterGridTest, FillingNeverClearsTheRecordsLockedFlag) {
    ledger::AddTransaction(1, Day(2009, 1, 1), 1, QStringLiteral("open"), ledger::CheckOrPayment);
    ledger::SetRecordsLocked(true);
    procedures.FillGrid();
    EXPECT_TRUE(ledger::AreRecordsLocked());
}

TEST_F(RegisterGridTest, BalancesAreExactToTheCent) {
    ledger::SetStartingBalance(1000000);
    ledger::AddTransaction(0, Day(2009, 1, 1), 0.01f, QStringLiteral("Fee"), ledger::Fee);
    ledger::AddTransaction(0, Day(2009, 1, 2), 0.1f, QStringLiteral("Interest"), ledger::Interest);
    procedures.FillGrid();
    EXPECT_EQ(Cell(1, Balance), "999,999.99");
    EXPECT_EQ(Cell(2, Balance), "1,000,000.09");
}

TEST_F(RegisterGridTest, LargeAmountsAddUpWithoutDrift) {
    // A float sum drifts here (99,999.99 is 99,999.9921875 as a float, and floats near a million are 1/16 apart).
    for (int i = 0; i < 10; ++i)
        ledger::AddTransaction(0, Day(2009, 1, 1), 99999.99f, QStringLiteral("big"), ledger::Deposit);
    procedures.FillGrid();
    EXPECT_EQ(Cell(10, Balance), "999,999.90");
}

TEST_F(RegisterGridTest, ChangedMarkerKeepsTheTypeAndTheBalancesFollowTypedAmounts) {
    ledger::SetStartingBalance(10);
    ledger::AddTransaction(0, Day(2009, 1, 1), 5, QStringLiteral("Deposit"), ledger::Deposit);
    ledger::AddTransaction(7, Day(2009, 1, 2), 3, QStringLiteral("Check"), ledger::CheckOrPayment);
    procedures.FillGrid();

    procedures.MarkRowModified(1);
    procedures.MarkRowModified(1);
    EXPECT_EQ(Cell(1, TypeCode), "13");
    procedures.RecalcBalances();
    EXPECT_EQ(Cell(1, Balance), "15.00");

    // What the record cannot hold is refused and leaves the cell; an amount is shown as typed and the balances
    // follow it at once.
    for (const char* refused : {".", "", "1.234", "12a"})
        EXPECT_EQ(procedures.CommitText(2, Debit, QString::fromLatin1(refused)), RegisterModel::Outcome::Refused)
            << refused;
    EXPECT_EQ(procedures.CommitText(2, Credit, QStringLiteral("1")), RegisterModel::Outcome::Refused);
    EXPECT_EQ(procedures.CommitText(2, Debit, QStringLiteral("12.5")), RegisterModel::Outcome::Changed);
    EXPECT_EQ(Cell(2, Debit), "12.5");
    EXPECT_EQ(Cell(2, TypeCode), "10");
    EXPECT_EQ(Cell(2, Balance), "2.50");
    // A deletion taken back leaves the balances of the rows as they stand, not as they stood.
    ASSERT_TRUE(procedures.DeleteRecord(1));
    EXPECT_EQ(Cell(1, Balance), "-2.50");
    ASSERT_TRUE(procedures.Undo());
    EXPECT_EQ(Cell(2, Balance), "2.50");
}

TEST_F(RegisterGridTest, HugeAmountsSaturateInsteadOfOverflowing) {
    ledger::AddTransaction(0, Day(2009, 1, 1), 3e38f, QStringLiteral("Absurd"), ledger::Deposit);
    ledger::AddTransaction(0, Day(2009, 1, 2), 3e38f, QStringLiteral("Absurd"), ledger::Deposit);
    procedures.FillGrid();
    EXPECT_EQ(Cell(1, Balance), Cell(2, Balance));
    EXPECT_EQ(Cell(2, Balance).front(), '4');
}

TEST_F(RegisterGridTest, AnEmptyLedgerGivesTheHeaderRowOnly) {
    procedures.FillGrid();
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(Cell(0, Balance), "Balance");
    EXPECT_FALSE(ledger::AreRecordsLocked());
}

TEST_F(RegisterGridTest, TheNewestRowsAreScrolledIntoView) {
    for (int i = 0; i < 40; ++i)
        ledger::AddTransaction(int16_t(i + 1), Day(2009, 1, 1) + i, 1, QStringLiteral("check"), ledger::CheckOrPayment);
    grid.SetNominalHeight(11 * platform::FlexGrid::RowHeight);
    procedures.FillGrid();
    EXPECT_TRUE(grid.RowIsVisible(40));
    EXPECT_EQ(grid.TopRow(), 31);
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(RegisterGridTest, LockLocksEveryRowOnOrBeforeTheCurrentRowsDate) {
    ledger::AddTransaction(1, Day(2009, 5, 9), 1, QStringLiteral("ninth"), ledger::CheckOrPayment);
    ledger::AddTransaction(2, Day(2009, 5, 5), 1, QStringLiteral("fifth"), ledger::CheckOrPayment);
    ledger::AddTransaction(3, Day(2009, 5, 1), 1, QStringLiteral("first"), ledger::CheckOrPayment);
    ledger::AddTransaction(0, Day(2009, 5, 5), 1, QStringLiteral("also fifth"), ledger::Deposit);
    procedures.FillGrid();
    const int fifth = RowOfSlot(2);
    grid.SetRow(fifth);
    grid.SetCol(Description);

    procedures.ToggleLock();
    EXPECT_TRUE(ledger::AreRecordsLocked());
    double lockDate = 0;
    ASSERT_TRUE(ledger::GetLockDate(lockDate));
    EXPECT_EQ(lockDate, Day(2009, 5, 5));
    for (const int slot : {1, 2, 3, 4}) {
        const int r = RowOfSlot(slot);
        const bool expected = slot != 1;
        EXPECT_EQ(procedures.IsRowLocked(r), expected) << "slot " << slot;
        EXPECT_EQ(grid.TextMatrix(r, TypeCode).toInt() >= 10, expected) << "slot " << slot;
        EXPECT_EQ(grid.CellColor(r, Description), expected ? RegisterLook::LockedRowColor : grid.BackColor());
    }
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), SortKey);
    // Locking changes the store's lock date and flag only; the rows reach the store at write-back.
    EXPECT_EQ(Record(2).Locked, 0);
}

TEST_F(RegisterGridTest, UnlockReversesTheLock) {
    ledger::AddTransaction(1, Day(2009, 5, 1), 1, QStringLiteral("first"), ledger::CheckOrPayment);
    ledger::AddTransaction(2, Day(2009, 5, 9), 1, QStringLiteral("ninth"), ledger::CheckOrPayment);
    ledger::UpdateTransaction(1, 1, Day(2009, 5, 1), 1, QStringLiteral("first"), true);
    ledger::SetLockDate(Day(2009, 5, 1));
    procedures.FillGrid();
    ASSERT_TRUE(ledger::AreRecordsLocked());

    procedures.ToggleLock();
    EXPECT_FALSE(ledger::AreRecordsLocked());
    double lockDate = 1;
    EXPECT_FALSE(ledger::GetLockDate(lockDate));
    EXPECT_FALSE(procedures.IsRowLocked(1));
    EXPECT_EQ(Cell(1, TypeCode), "10");
    EXPECT_EQ(Cell(2, TypeCode), "0");
    EXPECT_EQ(grid.CellColor(1, CheckNumber), grid.BackColor());
}

TEST_F(RegisterGridTest, UnlockOnAnEmptyGridStillClearsTheFlag) {
    ledger::SetRecordsLocked(true);
    procedures.FillGrid();
    procedures.ToggleLock();
    EXPECT_FALSE(ledger::AreRecordsLocked());
}

TEST_F(RegisterGridTest, LockOnARowWhoseDateDoesNotReadBackLocksNothing) {
    ledger::AddTransaction(1, Day(2009, 5, 1), 1, QStringLiteral("first"), ledger::CheckOrPayment);
    ledger::AddTransaction(2, 4e6, 1, QStringLiteral("year 12851"), ledger::CheckOrPayment);
    ledger::SetLockDate(Day(2008, 1, 1));
    procedures.FillGrid();
    ASSERT_FALSE(procedures.Model().At(1).dateDay);
    grid.SetRow(2);
    procedures.ToggleLock();
    EXPECT_FALSE(procedures.IsRowLocked(1));
    EXPECT_FALSE(ledger::AreRecordsLocked());
    double lockDate = 0;
    ledger::GetLockDate(lockDate);
    EXPECT_EQ(lockDate, Day(2008, 1, 1));
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(RegisterGridTest, DeleteQuestionNamesTheVisibleColumns) {
    ledger::AddTransaction(77, Day(2009, 6, 1), 12.5f, QStringLiteral("Hardware"), ledger::CheckOrPayment);
    procedures.FillGrid();
    EXPECT_EQ(procedures.DeleteQuestion(1).toStdString(), "Delete this record?\r77\r6/1/2009\rHardware\r12.50\r\r");
}

TEST_F(RegisterGridTest, DeleteRemovesTheRowAndRebalances) {
    // Rows (by date) and slots (by entry) differ: rows hold slots 3, 1, 2.
    ledger::SetStartingBalance(100);
    ledger::AddTransaction(1, Day(2009, 1, 2), 10, QStringLiteral("one"), ledger::CheckOrPayment);
    ledger::AddTransaction(2, Day(2009, 1, 3), 20, QStringLiteral("two"), ledger::CheckOrPayment);
    ledger::AddTransaction(3, Day(2009, 1, 1), 30, QStringLiteral("three"), ledger::CheckOrPayment);
    procedures.FillGrid();

    ASSERT_TRUE(procedures.DeleteRecord(2));
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(Cell(2, Description), "two");
    EXPECT_EQ(Cell(2, Balance), "50.00");
    EXPECT_EQ(Record(1).TypeCode, ledger::Deleted);
    EXPECT_EQ(Record(2).TypeCode, ledger::CheckOrPayment);
    EXPECT_EQ(ledger::GetTransactionCount(), 3);

    ASSERT_TRUE(procedures.DeleteRecord(1));
    ASSERT_TRUE(procedures.DeleteRecord(1));
    EXPECT_EQ(grid.Rows(), 1);
}

TEST_F(RegisterGridTest, WriteBackWritesExactlyTheMarkedRows) {
    // Entered newest first, so no row number equals its slot's number.
    ledger::AddTransaction(101, Day(2009, 1, 5), 10, QStringLiteral("check"), ledger::CheckOrPayment);
    ledger::AddTransaction(-1, Day(2009, 1, 4), 20, QStringLiteral("payment"), ledger::CheckOrPayment);
    ledger::AddTransaction(0, Day(2009, 1, 1), 30, QStringLiteral("fee"), ledger::Fee);
    ledger::AddTransaction(0, Day(2009, 1, 2), 40, QStringLiteral("deposit"), ledger::Deposit);
    ledger::AddTransaction(102, Day(2009, 1, 3), 50, QStringLiteral("untouched"), ledger::CheckOrPayment);
    procedures.FillGrid();
    for (const int slot : {1, 2, 3, 4, 5})
        ASSERT_NE(RowOfSlot(slot), slot);
    const ledger::TransactionRecord untouched = Record(5);

    // Blanks other than spaces belong to the description: lock, unlock and an edit of another cell keep it.
    const QString blanks = QStringLiteral("\tRent\u00a0 due\t");
    ledger::AddTransaction(0, Day(2008, 12, 31), 60, blanks, ledger::Fee);
    procedures.FillGrid();
    const ledger::TransactionRecord rent = Record(6);
    EXPECT_EQ(grid.TextMatrix(RowOfSlot(6), Description), blanks);
    grid.SetRow(RowOfSlot(6));
    procedures.ToggleLock();
    procedures.ToggleLock();

    using enum RegisterModel::Outcome;
    EXPECT_EQ(procedures.CommitText(RowOfSlot(1), CheckNumber, QStringLiteral("150")), Changed);
    EXPECT_EQ(procedures.CommitText(RowOfSlot(2), Description, QStringLiteral("new payee")), Changed);
    EXPECT_EQ(procedures.CommitText(RowOfSlot(3), Debit, QStringLiteral("1234.5")), Changed);
    EXPECT_EQ(procedures.CommitText(RowOfSlot(4), Credit, QStringLiteral("0")), Changed);
    EXPECT_EQ(procedures.CommitDate(RowOfSlot(4), Day(2009, 2, 28)), Changed);
    procedures.LockThrough(Day(2009, 1, 1));
    EXPECT_EQ(procedures.CommitText(RowOfSlot(6), Debit, QStringLiteral("61")), Changed);

    EXPECT_EQ(procedures.WriteBack(), 5);
    EXPECT_EQ(Record(1).CheckNumber, 150);
    EXPECT_EQ(Record(1).TypeCode, ledger::CheckOrPayment);
    EXPECT_EQ(Record(2).CheckNumber, -1);
    EXPECT_EQ(Record(2).Description, ledger::FixDescription(QStringLiteral("new payee")));
    EXPECT_EQ(Record(3).CheckNumber, 0);
    EXPECT_EQ(Record(3).Amount, 1234.5f);
    EXPECT_EQ(Record(3).TypeCode, ledger::Fee);
    EXPECT_EQ(Record(3).Locked, -1);
    EXPECT_EQ(Record(4).Date, Day(2009, 2, 28));
    EXPECT_EQ(Record(4).Locked, 0);
    EXPECT_EQ(Record(4).Amount, 0.0f);
    EXPECT_EQ(Record(4).CheckNumber, 0);
    EXPECT_EQ(Record(5), untouched);
    EXPECT_EQ(Record(6).Description, rent.Description);
    EXPECT_EQ(Record(6).Amount, 61.0f);
}

TEST_F(RegisterGridTest, WriteBackWithoutChangesWritesNothing) {
    ledger::AddTransaction(101, Day(2009, 1, 1), 10, QStringLiteral("check"), ledger::CheckOrPayment);
    procedures.FillGrid();
    const ledger::TransactionRecord before = Record(1);
    EXPECT_EQ(procedures.WriteBack(), 0);
    EXPECT_EQ(Record(1), before);
}

TEST(RegisterCheckNumberText, OnlyEmptyOrWholeNumbersFrom1To32767) {
    for (const char* ok : {"", "1", "32767", " 12 ", "00042"})
        EXPECT_TRUE(RegisterModel::IsValidCheckNumberText(QString::fromLatin1(ok))) << ok;
    for (const char* bad : {"0", "32768", "-5", "1.5", "12a", " ", "99999999", "1,000"})
        EXPECT_FALSE(RegisterModel::IsValidCheckNumberText(QString::fromLatin1(bad))) << bad;
}

TEST(RegisterAmountText, OnlyAmountsAsTypedThatTheLedgerCanKeep) {
    for (const char* ok : {"0", "12.50", "1234.5", "131071.99", "200000", "549755813888"})
        EXPECT_TRUE(RegisterModel::IsValidAmountText(QString::fromLatin1(ok))) << ok;
    for (const char* bad : {"", " ", ".", "1,234.56", "-5", "131072.01", "1000000000000", "1000000000000.01",
                            "99999999999999999999", "12a", "1.2.3"})
        EXPECT_FALSE(RegisterModel::IsValidAmountText(QString::fromLatin1(bad))) << bad;
    // An amount the record would round is refused with why; a text that is no amount, without a word.
    EXPECT_EQ(ledger::ReadDollarText(QStringLiteral("131072.01")).refusal,
              QStringLiteral("131,072.01 would be kept as 131,072.02: amounts are kept to the cent up to 131,071.99"));
    for (const char* bad : {"", "1,234.56", "-5", "1000000000000.01", "12a"})
        EXPECT_EQ(ledger::ReadDollarText(QString::fromLatin1(bad)).refusal, QString()) << bad;
}

} // namespace

// The digits and signs a text shows, in ASCII: what a reader takes from it whatever digits the locale writes.
std::string DigitsAndSign(const QString& text) {
    std::string shown;
    for (const QChar c : text) {
        if (c.digitValue() >= 0)
            shown += char('0' + c.digitValue());
        else if (c == u'-' || c == QChar(0x2212))
            shown += '-';
    }
    return shown;
}

TEST(RegisterGridLocales, BalancesAreTheSameNumbersAndDatesReadBackInEveryLocale) {
    for (const char* locale : {"en_US", "en_GB", "de_DE", "fr_FR", "sv_SE", "hi_IN", "ar_EG", "fa_IR", "C"}) {
        SCOPED_TRACE(locale);
        const tallix::test::ScopedLocale scope(QString::fromLatin1(locale));
        ledger::NewLedger();
        ledger::SetStartingBalance(100);
        ledger::AddTransaction(7, Day(2009, 1, 1), 1000150.25f, QStringLiteral("House"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(2009, 1, 2), 50.5f, QStringLiteral("Refund"), ledger::Deposit);
        platform::FlexGrid grid;
        RegisterGrid procedures(grid);
        procedures.FillGrid();
        EXPECT_EQ(DigitsAndSign(grid.TextMatrix(1, Balance)), "-100005025");
        EXPECT_EQ(DigitsAndSign(grid.TextMatrix(2, Balance)), "-99999975");
        EXPECT_EQ(DigitsAndSign(grid.TextMatrix(2, Credit)), "5050");

        // The fill writes rows in order and balanced: sorting and balancing again find nothing to change, and
        // every date key is the day its date's text reads as, also for odd dates and amounts.
        ledger::AddTransaction(9, Day(2009, 1, 1), 1, QStringLiteral("Tie"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(1899, 5, 7), 2, QStringLiteral("Old"), ledger::Deposit);
        ledger::AddTransaction(0, Day(812, 3, 1), 3, QStringLiteral("Older"), ledger::Fee);
        ledger::AddTransaction(0, Day(2009, 1, 2), 1e15f, QStringLiteral("Huge"), ledger::Interest);
        ledger::AddTransaction(0, Day(2009, 1, 2), std::numeric_limits<float>::quiet_NaN(), QStringLiteral("NaN"),
                               ledger::Withdrawal);
        procedures.FillGrid();
        std::vector<QString> filled;
        for (int r = 0; r < grid.Rows(); ++r)
            for (int c = 0; c < grid.Cols(); ++c)
                filled.push_back(grid.TextMatrix(r, c));
        for (int r = 1; r < grid.Rows(); ++r) {
            const std::optional<double> day = grid.Codec().ParseShortDate(grid.TextMatrix(r, Date));
            EXPECT_EQ(grid.CellDate(r, Date), day) << r;
            EXPECT_EQ(grid.CellNumber(r, SortKey), day ? std::floor(*day) : 401404) << r;
        }
        procedures.SortRows();
        procedures.RecalcBalances();
        for (int r = 0, i = 0; r < grid.Rows(); ++r)
            for (int c = 0; c < grid.Cols(); ++c, ++i)
                EXPECT_EQ(grid.TextMatrix(r, c), filled[size_t(i)]) << r << "," << c;
    }
}
