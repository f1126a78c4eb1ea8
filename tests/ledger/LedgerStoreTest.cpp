#include "LedgerTestSupport.h"

using namespace ledger;
using tallix::test::LedgerTest;
using tallix::test::TakeSnapshot;

namespace {

class LedgerStoreTest : public LedgerTest {};

void AddDeposit(float amount = 10) {
    AddTransaction(0, 40000, amount, QStringLiteral("Deposit"), Deposit);
}

TEST_F(LedgerStoreTest, NewLedgerIsEmpty) {
    SetDataFileName(QStringLiteral("/some/file.tlx"));
    SetLockDate(40000);
    SetNextCheckNumber(77);
    SetStartingBalance(5);
    SetRecordsLocked(true);
    AddDeposit();
    NewLedger();

    TransactionRecord record;
    EXPECT_EQ(GetTransactionCount(), 1);
    EXPECT_FALSE(FirstTransaction(record));
    EXPECT_EQ(GetNextCheckNumber(), 0);
    EXPECT_EQ(GetStartingBalance(), 0);
    double lockDate = -1;
    EXPECT_FALSE(GetLockDate(lockDate));
    EXPECT_EQ(lockDate, 0);
    EXPECT_TRUE(GetDataFileName().isEmpty());
    EXPECT_FALSE(IsModified());
    EXPECT_FALSE(AreRecordsLocked());
    EXPECT_EQ(State().UpperBound(), 2);
}

TEST_F(LedgerStoreTest, SlotsGrowByFiftyJustBeforeTheUpperBoundIsReached) {
    AddDeposit();
    EXPECT_EQ(State().UpperBound(), 2);
    AddDeposit();
    EXPECT_EQ(State().UpperBound(), 52);
    for (int i = 0; i < 49; ++i)
        AddDeposit(float(i));
    EXPECT_EQ(State().NextSlot, 52);
    EXPECT_EQ(State().UpperBound(), 52);
    AddDeposit(7);
    EXPECT_EQ(State().UpperBound(), 102);

    // Growing kept every record in its slot.
    EXPECT_EQ(State().Records[1].Amount, 10.0f);
    EXPECT_EQ(State().Records[3].Amount, 0.0f);
    EXPECT_EQ(State().Records[51].Amount, 48.0f);
    EXPECT_EQ(State().Records[52].Amount, 7.0f);
}

TEST_F(LedgerStoreTest, NextCheckNumberFollowsEveryAddedRecordButPayments) {
    AddTransaction(100, 40000, 1, QStringLiteral("a"), CheckOrPayment);
    EXPECT_EQ(GetNextCheckNumber(), 101);
    AddTransaction(50, 40000, 1, QStringLiteral("b"), CheckOrPayment);
    EXPECT_EQ(GetNextCheckNumber(), 101);
    AddTransaction(101, 40000, 1, QStringLiteral("c"), CheckOrPayment);
    EXPECT_EQ(GetNextCheckNumber(), 102);
    AddTransaction(PaymentCheckNumber, 40000, 1, QStringLiteral("d"), CheckOrPayment);
    EXPECT_EQ(GetNextCheckNumber(), 102);

    NewLedger();
    AddDeposit();
    EXPECT_EQ(GetNextCheckNumber(), 1);
    AddDeposit();
    EXPECT_EQ(GetNextCheckNumber(), 1);
}

TEST_F(LedgerStoreTest, CheckNumber32767KeepsNextCheckNumberAt32767) {
    AddTransaction(MaxCheckNumber, 40000, 1, QStringLiteral("last"), CheckOrPayment);
    EXPECT_EQ(GetNextCheckNumber(), MaxCheckNumber);
    // The addition itself happened completely.
    EXPECT_EQ(State().NextSlot, 2);
    EXPECT_EQ(GetTransactionCount(), 2);
    EXPECT_TRUE(IsModified());
    AddTransaction(MaxCheckNumber, 40000, 1, QStringLiteral("again"), CheckOrPayment);
    EXPECT_EQ(GetNextCheckNumber(), MaxCheckNumber);
}

TEST_F(LedgerStoreTest, LedgerIsFullAt32767SlotsCountingDeletedOnes) {
    for (int i = 1; i < MaxSlots - 1; ++i)
        AddDeposit();
    DeleteTransaction(5);
    EXPECT_TRUE(CanAddTransaction());
    AddDeposit();
    EXPECT_EQ(State().NextSlot, MaxSlots);
    EXPECT_FALSE(CanAddTransaction()) << "a deleted slot still counts until the next save";
    EXPECT_EQ(GetTransactionCount(), MaxSlots - 1);
}

TEST_F(LedgerStoreTest, DescriptionIsAlwaysFortySixCharacters) {
    AddTransaction(1, 40000, 1, QString(50, QLatin1Char('x')) + QStringLiteral("yz"), CheckOrPayment);
    AddTransaction(2, 40000, 1, QStringLiteral("abc"), CheckOrPayment);
    TransactionRecord record;
    ASSERT_TRUE(FirstTransaction(record));
    EXPECT_EQ(record.Description, QString(46, QLatin1Char('x')));
    ASSERT_TRUE(NextTransaction(record));
    EXPECT_EQ(record.Description, QStringLiteral("abc") + QString(43, QLatin1Char(' ')));
    UpdateTransaction(2, 2, 40000, 1, QString(60, QLatin1Char('q')), false);
    FirstTransaction(record);
    NextTransaction(record);
    EXPECT_EQ(record.Description, QString(46, QLatin1Char('q')));
}

TEST_F(LedgerStoreTest, DeletedSlotKeepsItsPlace) {
    AddTransaction(1, 40001, 1, QStringLiteral("one"), CheckOrPayment);
    AddTransaction(2, 40002, 2, QStringLiteral("two"), CheckOrPayment);
    AddTransaction(3, 40003, 3, QStringLiteral("three"), CheckOrPayment);
    EXPECT_EQ(GetTransactionCount(), 4);
    EXPECT_TRUE(DeleteTransaction(2));
    EXPECT_EQ(GetTransactionCount(), 3);

    std::vector<TransactionRecord> seen;
    TransactionRecord record;
    for (bool more = FirstTransaction(record); more; more = NextTransaction(record))
        seen.push_back(record);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1].TypeCode, Deleted);
    EXPECT_EQ(seen[1].CheckNumber, 2) << "deleting marks the type code only";

    EXPECT_TRUE(UpdateTransaction(3, 33, 40004, 4, QStringLiteral("three b"), false));
    FirstTransaction(record);
    NextTransaction(record);
    NextTransaction(record);
    EXPECT_EQ(record.CheckNumber, 33);
}

TEST_F(LedgerStoreTest, DeletingTwiceLowersTheCountOnce) {
    AddDeposit();
    AddDeposit();
    ASSERT_TRUE(DeleteTransaction(1));
    const auto before = TakeSnapshot();
    EXPECT_FALSE(DeleteTransaction(1));
    EXPECT_EQ(TakeSnapshot(), before);
    EXPECT_EQ(GetTransactionCount(), 2);
}

TEST_F(LedgerStoreTest, IndexesOutsideTheSlotsInUseChangeNothing) {
    AddDeposit();
    AddDeposit();
    SetStartingBalance(3); // a setter: Modified stays as it is
    State().Modified = false;
    const auto before = TakeSnapshot();
    for (int16_t index : {int16_t(0), int16_t(3), int16_t(-1), int16_t(52), MaxCheckNumber}) {
        EXPECT_FALSE(DeleteTransaction(index)) << index;
        EXPECT_FALSE(UpdateTransaction(index, 1, 1, 1, QStringLiteral("x"), true)) << index;
    }
    EXPECT_EQ(TakeSnapshot(), before);
}

TEST_F(LedgerStoreTest, UpdateKeepsTypeCodeAndNextCheckNumber) {
    AddTransaction(10, 40000, 5, QStringLiteral("check"), CheckOrPayment);
    AddTransaction(0, 40000, 5, QStringLiteral("fee"), Fee);
    State().Modified = false;
    EXPECT_TRUE(UpdateTransaction(1, 500, 40010, 6.5f, QStringLiteral("changed"), true));
    EXPECT_TRUE(UpdateTransaction(2, 0, 40011, 7, QStringLiteral("fee b"), false));
    EXPECT_TRUE(IsModified());
    EXPECT_EQ(GetNextCheckNumber(), 11);
    TransactionRecord record;
    FirstTransaction(record);
    EXPECT_EQ(record.TypeCode, CheckOrPayment);
    EXPECT_EQ(record.CheckNumber, 500);
    EXPECT_EQ(record.Date, 40010);
    EXPECT_EQ(record.Amount, 6.5f);
    EXPECT_EQ(record.Locked, -1);
    NextTransaction(record);
    EXPECT_EQ(record.TypeCode, Fee);
    EXPECT_EQ(record.Locked, 0);
}

TEST_F(LedgerStoreTest, ModifiedIsSetOnlyByChangesToRecordsAndSetModified) {
    SetStartingBalance(10);
    SetNextCheckNumber(5);
    SetLockDate(40000);
    SetDataFileName(QStringLiteral("x.tlx"));
    SetRecordsLocked(true);
    EXPECT_FALSE(IsModified());
    SetModified();
    EXPECT_TRUE(IsModified());

    NewLedger();
    AddDeposit();
    EXPECT_TRUE(IsModified());
    State().Modified = false;
    EXPECT_TRUE(DeleteTransaction(1));
    EXPECT_TRUE(IsModified());
}

TEST_F(LedgerStoreTest, IterationDeliversSlotsInOrderWithOneCursor) {
    TransactionRecord record;
    record.CheckNumber = 42;
    EXPECT_FALSE(FirstTransaction(record));
    EXPECT_EQ(record.CheckNumber, 42) << "nothing delivered, argument untouched";

    AddTransaction(1, 40000, 1, QStringLiteral("a"), CheckOrPayment);
    AddTransaction(2, 40000, 1, QStringLiteral("b"), CheckOrPayment);
    ASSERT_TRUE(FirstTransaction(record));
    EXPECT_EQ(record.CheckNumber, 1);
    ASSERT_TRUE(NextTransaction(record));
    EXPECT_EQ(record.CheckNumber, 2);
    EXPECT_FALSE(NextTransaction(record));
    EXPECT_EQ(record.CheckNumber, 2);
    // FirstTransaction always restarts.
    ASSERT_TRUE(FirstTransaction(record));
    EXPECT_EQ(record.CheckNumber, 1);
    // NewLedger does not touch the cursor.
    NewLedger();
    EXPECT_EQ(State().Cursor, 2);
}

} // namespace
