// The register's commands on schedules: entering and skipping upcoming occurrences, undoing both, and the
// schedule Repeat... offers for a row.
#include "support/RegisterTestSupport.h"

#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "platform/FlexGrid.h"
#include "register/RegisterGrid.h"

#include <gtest/gtest.h>

using namespace RegisterColumn;
using tallix::test::Day;

namespace {

class RegisterSchedulesTest : public ::testing::Test {
protected:
    // From 1000.00: a deposit of 200.00 on 11/20/2026 and check 7 for 12.34 on 12/5/2026; rent of 500.00 by check
    // on the 1st of every month from 12/1/2026, a fee of 3.00 on the 1st from 1/1/2027.
    void SetUp() override {
        ledger::NewLedger();
        ledger::SetStartingBalance(1000);
        ledger::SetNextCheckNumber(8);
        ledger::AddTransaction(0, Day(2026, 11, 20), 200, QStringLiteral("Pay"), ledger::Deposit);
        ledger::AddTransaction(7, Day(2026, 12, 5), 12.34f, QStringLiteral("Books"), ledger::CheckOrPayment);
        ledger::Schedule rent;
        rent.isCheck = true;
        rent.description = QStringLiteral("Rent");
        rent.amountCents = 50000;
        rent.rule.start = Day(2026, 12, 1);
        ledger::Schedule fee = rent;
        fee.typeCode = ledger::Fee;
        fee.isCheck = false;
        fee.description = QStringLiteral("Fee");
        fee.amountCents = 300;
        fee.rule.start = Day(2027, 1, 1);
        ASSERT_TRUE(ledger::SetSchedules({rent, fee}));
        procedures.FillGrid();
    }
    // Each upcoming row as "date description balance", " due" when it is.
    std::string Upcoming() const {
        std::string out;
        for (const UpcomingRow& row : procedures.LookAhead(today, 30).rows)
            out += grid.Codec().FormatShortDate(row.occurrence.day).toStdString() + " " +
                   row.description.toStdString() + " " + std::to_string(row.balanceCents) + (row.due ? " due" : "") +
                   "|";
        return out;
    }
    UpcomingRow First() const { return procedures.LookAhead(today, 30).rows.at(0); }

    const double today = Day(2026, 12, 9);
    platform::FlexGrid grid;
    RegisterGrid procedures{grid};
};

TEST_F(RegisterSchedulesTest, EnterAndSkipFollowTheRowsAndUndoTakesThemBack) {
    const std::string pending = "12/1/2026 Rent 68766 due|1/1/2027 Rent 18766|1/1/2027 Fee 18466|";
    EXPECT_EQ(Upcoming(), pending);

    // The overdue rent becomes check 8 among the rows, in date order, and the balances after it follow.
    ASSERT_EQ(procedures.Enter(First()), 2);
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.TextMatrix(2, CheckNumber), QStringLiteral("8"));
    EXPECT_EQ(grid.TextMatrix(2, Debit), QStringLiteral("500.00"));
    EXPECT_EQ(grid.TextMatrix(3, Balance), QStringLiteral("687.66"));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), Debit);
    EXPECT_EQ(ledger::GetTransactionCount(), 4);
    EXPECT_EQ(ledger::GetNextCheckNumber(), 9);
    EXPECT_EQ(Upcoming(), "1/1/2027 Rent 18766|1/1/2027 Fee 18466|");

    ASSERT_TRUE(procedures.Skip(First()));
    EXPECT_EQ(Upcoming(), "1/1/2027 Fee 68466|");

    ASSERT_TRUE(procedures.Undo());
    EXPECT_EQ(Upcoming(), "1/1/2027 Rent 18766|1/1/2027 Fee 18466|");
    ASSERT_TRUE(procedures.Undo());
    EXPECT_EQ(Upcoming(), pending);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.TextMatrix(2, Balance), QStringLiteral("1,187.66"));
    EXPECT_EQ(ledger::GetTransactionCount(), 3);
    EXPECT_EQ(ledger::GetNextCheckNumber(), 8); // the check taken back gives its number back

    ASSERT_TRUE(procedures.Redo());
    EXPECT_EQ(grid.TextMatrix(2, Description), QStringLiteral("Rent"));
    EXPECT_EQ(ledger::GetTransactionCount(), 4);
    EXPECT_EQ(ledger::GetNextCheckNumber(), 9);
    EXPECT_EQ(Upcoming(), "1/1/2027 Rent 18766|1/1/2027 Fee 18466|");
}

// Repeat... offers the row's transaction every month on its day, the row itself counted as the first.
TEST_F(RegisterSchedulesTest, RepeatOffersTheRowMonthlyFromTheNextMonth) {
    const ledger::Schedule offered = RegisterModel::RepeatOf(procedures.Model().At(1));
    EXPECT_TRUE(ledger::IsValidSchedule(offered));
    EXPECT_TRUE(offered.isCheck);
    EXPECT_EQ(offered.description, QStringLiteral("Books"));
    EXPECT_EQ(offered.amountCents, 1234);
    EXPECT_EQ(offered.rule.dayOfMonth, 5);
    ASSERT_TRUE(ledger::NextDue(offered));
    EXPECT_EQ(ledger::NextDue(offered)->day, Day(2027, 1, 5));

    ASSERT_TRUE(procedures.AddSchedule(offered));
    EXPECT_EQ(ledger::Schedules().size(), 3u);
    ASSERT_TRUE(procedures.Undo());
    EXPECT_EQ(ledger::Schedules().size(), 2u);
}

} // namespace
