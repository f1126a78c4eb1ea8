// The balance on a statement's closing date, from the store and from the register's rows, and the rows to check.
#include "support/RegisterTestSupport.h"

#include "ledger/Ledger.h"
#include "platform/FlexGrid.h"
#include "register/LedgerBalance.h"
#include "register/RegisterGrid.h"
#include "support/ScopedLocale.h"

#include <gtest/gtest.h>

using tallix::test::Day;

namespace {

// From 1000.00: check 100.10 on 1/2, payment 20.25 on 1/3, deposit 500.00 on 1/4, a deleted fee of 7.00 on 1/5
// and interest 0.33 on 1/9 (2009).
void AddRecords() {
    ledger::SetStartingBalance(1000);
    ledger::AddTransaction(101, Day(2009, 1, 2), 100.10f, QStringLiteral("Electric"), ledger::CheckOrPayment);
    ledger::AddTransaction(-1, Day(2009, 1, 3), 20.25f, QStringLiteral("Grocer"), ledger::CheckOrPayment);
    ledger::AddTransaction(0, Day(2009, 1, 4), 500, QStringLiteral("Salary"), ledger::Deposit);
    ledger::AddTransaction(0, Day(2009, 1, 5), 7, QStringLiteral("Fee"), ledger::Fee);
    ledger::AddTransaction(0, Day(2009, 1, 9), 0.33f, QStringLiteral("Interest"), ledger::Interest);
    ASSERT_TRUE(ledger::DeleteTransaction(4));
}

struct BalanceCase {
    const char* what;
    double day;
    int64_t cents;
};

TEST(LedgerBalanceTest, StoreAndRegisterAgreeOnEveryDayInEveryLocale) {
    const BalanceCase cases[] = {
        {"before every record", Day(2009, 1, 1), 100000},
        {"on a record's day, which counts", Day(2009, 1, 3), 87965},
        {"a time of day is no later day", Day(2009, 1, 4) + 0.75, 137965},
        {"on the deleted record's day", Day(2009, 1, 5), 137965},
        {"after every record", Day(2010, 6, 1), 137998},
    };
    for (const char* locale : {"en_US", "de_DE", "C"}) {
        const tallix::test::ScopedLocale scoped{QString::fromLatin1(locale)};
        ledger::NewLedger();
        AddRecords();
        platform::FlexGrid grid;
        RegisterGrid procedures(grid);
        procedures.FillGrid();
        for (const BalanceCase& c : cases) {
            SCOPED_TRACE(std::string(locale) + ": " + c.what);
            EXPECT_EQ(BalanceOn(c.day), c.cents);
            EXPECT_EQ(procedures.Model().BalanceOn(c.day), c.cents);
        }
    }
    ledger::NewLedger();
}

} // namespace
