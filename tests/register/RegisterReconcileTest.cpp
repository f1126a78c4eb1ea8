// Reconciling the register's rows with a statement: the cleared balance, what is outstanding, the hints, Finish.
#include "support/RegisterTestSupport.h"

#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "platform/FlexGrid.h"
#include "register/RegisterGrid.h"

#include <gtest/gtest.h>

using namespace RegisterColumn;
using tallix::test::Day;

namespace {

class RegisterReconcileTest : public ::testing::Test {
protected:
    // From 100.00: 1/2 check 7 for 12.34, 1/3 payment 43.21, 1/4 deposit 50.00, 1/9 fee 1.00 (2009).
    void SetUp() override {
        ledger::NewLedger();
        ledger::SetStartingBalance(100);
        ledger::AddTransaction(7, Day(2009, 1, 2), 12.34f, QStringLiteral("Check"), ledger::CheckOrPayment);
        ledger::AddTransaction(-1, Day(2009, 1, 3), 43.21f, QStringLiteral("Payment"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(2009, 1, 4), 50, QStringLiteral("Deposit"), ledger::Deposit);
        ledger::AddTransaction(0, Day(2009, 1, 9), 1, QStringLiteral("After the statement"), ledger::Fee);
        procedures.FillGrid();
    }
    const RegisterModel& Model() const { return procedures.Model(); }

    platform::FlexGrid grid;
    RegisterGrid procedures{grid};
};

TEST_F(RegisterReconcileTest, HintsNameTheOutstandingRowsThatWouldBalanceAndSwappedDigits) {
    struct Case {
        int64_t statement;
        std::vector<int> one, pair;
        bool swapped;
    };
    // Nothing cleared: the cleared balance is the starting balance, 100.00.
    const Case cases[] = {
        {8766, {0}, {}, false},    // only the check cleared at the bank
        {4445, {}, {0, 1}, false}, // both debits
        {15000, {2}, {}, false},   // the deposit
        {10009, {}, {}, true},     // 0.09 apart: 9 cents
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        const RegisterModel::Reconciliation r = Model().Reconcile(Day(2009, 1, 5), c.statement);
        EXPECT_EQ(r.clearedCents, 10000);
        EXPECT_EQ(r.outstanding, (std::vector<int>{0, 1, 2}));
        EXPECT_EQ(r.clearingOne, c.one);
        EXPECT_EQ(r.clearingPair, c.pair);
        EXPECT_EQ(r.digitsSwapped, c.swapped);
    }
}

TEST_F(RegisterReconcileTest, FinishMovesTheLockDateOnlyWhenNothingUpToItIsOutstandingAndUndoTakesItBack) {
    for (const int row : {1, 2, 3, 4})
        ASSERT_EQ(procedures.ToggleCleared(row), RegisterModel::Outcome::Changed);
    // Cleared after the statement's day: not part of it, and Finish leaves it cleared.
    const RegisterModel::Reconciliation r = Model().Reconcile(Day(2009, 1, 5), 9445);
    EXPECT_EQ(r.differenceCents, 0);
    EXPECT_EQ(r.toReconcile, 3);
    EXPECT_FALSE(procedures.Finish(Day(2009, 1, 5), 9446));
    ASSERT_TRUE(procedures.Finish(Day(2009, 1, 5), 9445));
    double lockDate = 0;
    ASSERT_TRUE(ledger::GetLockDate(lockDate));
    EXPECT_EQ(lockDate, Day(2009, 1, 5));
    EXPECT_EQ(grid.TextMatrix(4, Cleared), QStringLiteral("c"));
    EXPECT_EQ(procedures.ToggleCleared(1), RegisterModel::Outcome::Refused);

    ASSERT_TRUE(procedures.Undo());
    EXPECT_FALSE(ledger::GetLockDate(lockDate));
    EXPECT_TRUE(ledger::Statements().empty());
    ASSERT_TRUE(procedures.Undo()); // the last toggle
    EXPECT_EQ(ledger::GetClearMark(4), ledger::ClearMark::None);
    EXPECT_EQ(grid.TextMatrix(4, Cleared), QString());
}

} // namespace
