// Balancing the register against a bank statement: the bar above the grid, its lock and the rows to check, and
// the dialog that asks for the statement.
#include "support/RegisterTestSupport.h"

#include "ledger/Ledger.h"
#include "platform/widgets/DatePicker.h"
#include "platform/widgets/FlexGridView.h"
#include "support/ScopedLocale.h"
#include "ui/register/StatementDialog.h"
#include "ui/register/frmRegister.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace RegisterColumn;
using tallix::test::Day;

namespace {

class StatementTest : public ::testing::Test {
protected:
    // From 1000: check 101 for 100 on 1/2, a payment of 20 on 1/3, a deposit of 500 on 1/4 and check 102 for 30 on
    // 1/5 (2009); 1,380.00 at the end of 1/4.
    void SetUp() override {
        ledger::NewLedger();
        ledger::SetStartingBalance(1000);
        ledger::AddTransaction(101, Day(2009, 1, 2), 100, QStringLiteral("Electric company"), ledger::CheckOrPayment);
        ledger::AddTransaction(-1, Day(2009, 1, 3), 20, QStringLiteral("Grocer"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(2009, 1, 4), 500, QStringLiteral("Salary"), ledger::Deposit);
        ledger::AddTransaction(102, Day(2009, 1, 5), 30, QStringLiteral("Phone"), ledger::CheckOrPayment);
    }
    void TearDown() override {
        window.reset();
        ledger::NewLedger();
    }

    void Open() {
        window = std::make_unique<frmRegister>(nullptr, regHeight);
        view = window->findChild<platform::FlexGridView*>(QStringLiteral("MSFlexGrid1"));
        ASSERT_TRUE(view);
        grid = &view->Grid();
    }
    void Show() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    template <typename T> T* Find(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    // What a lock leaves in each row: flag, type code with its changed marker, colour.
    std::vector<QString> LockState() const {
        std::vector<QString> state;
        for (int r = 1; r < grid->Rows(); ++r)
            state.push_back(grid->TextMatrix(r, Locked) + grid->TextMatrix(r, TypeCode) +
                            QString::number(grid->CellColor(r, Description)));
        return state;
    }

    int32_t regHeight = 0;
    std::unique_ptr<frmRegister> window;
    platform::FlexGridView* view = nullptr;
    platform::FlexGrid* grid = nullptr;
};

TEST_F(StatementTest, AMatchingStatementLocksUpToItsDateAsTheLockButtonDoes) {
    Open();
    Show();
    grid->MoveTo(3, Description); // the deposit on 1/4
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    const std::vector<QString> byButton = LockState();
    double buttonDate = 0;
    ASSERT_TRUE(ledger::GetLockDate(buttonDate));
    window.reset(); // nothing written back
    ledger::SetLockDate(0);
    ledger::SetRecordsLocked(false);

    Open();
    window->BalanceToStatement(Day(2009, 1, 4), 138000);
    Show();
    auto* bar = Find<QWidget>("StatementBar");
    auto* lock = Find<QPushButton>("StatementLock");
    ASSERT_TRUE(bar && lock);
    EXPECT_EQ(Find<QLabel>("StatementNote")->text(),
              QStringLiteral("Balance on 1/4/2009: 1,380.00    Statement: 1,380.00    Difference: 0.00"));
    EXPECT_FALSE(Find<QLabel>("StatementCheck")->isVisible());
    // The bar sits between the top controls and the grid and covers no row.
    EXPECT_LE(Find<QPushButton>("Command1")->geometry().bottom(), bar->geometry().top());
    EXPECT_LT(bar->geometry().bottom(), view->geometry().top());
    EXPECT_LE(view->geometry().bottom(), window->height());
    ASSERT_TRUE(lock->isVisible() && lock->isEnabled());
    EXPECT_EQ(lock->text(), QStringLiteral("Lock to 1/4/2009"));

    QTest::mouseClick(lock, Qt::LeftButton);
    EXPECT_EQ(LockState(), byButton);
    double lockDate = 0;
    ASSERT_TRUE(ledger::GetLockDate(lockDate));
    EXPECT_EQ(lockDate, buttonDate);
    EXPECT_EQ(Find<QPushButton>("Command1")->text(), QStringLiteral("Unlock records"));
    EXPECT_FALSE(lock->isEnabled()); // nothing left to lock up to that date
}

TEST_F(StatementTest, AMismatchShowsTheDifferenceAndTheRowsToCheckUntilAnEditMendsIt) {
    ledger::SetLockDate(Day(2009, 1, 2));
    // Enough later rows that the register opens scrolled away from the rows to check.
    for (int i = 0; i < 60; ++i)
        ledger::AddTransaction(0, Day(2009, 2, 1) + i, 1, QStringLiteral("Later"), ledger::Deposit);
    Open();
    // The bank took 30.00 for the payment of 1/3.
    window->BalanceToStatement(Day(2009, 1, 4), 137000);
    Show();
    auto* lock = Find<QPushButton>("StatementLock");
    auto* check = Find<QLabel>("StatementCheck");
    ASSERT_TRUE(lock && check);
    EXPECT_EQ(Find<QLabel>("StatementNote")->text(),
              QStringLiteral("Balance on 1/4/2009: 1,380.00    Statement: 1,370.00    Difference: 10.00"));
    EXPECT_FALSE(lock->isVisible());
    EXPECT_EQ(check->text(), QStringLiteral("Rows to check: 2"));
    EXPECT_EQ(grid->Row(), 2); // the first row after the lock date
    EXPECT_TRUE(grid->RowIsVisible(2));
    double lockDate = 0;
    ASSERT_TRUE(ledger::GetLockDate(lockDate));
    EXPECT_EQ(lockDate, Day(2009, 1, 2));
    EXPECT_EQ(grid->TextMatrix(3, Locked), QStringLiteral("0"));

    grid->MoveTo(2, Debit);
    QTest::keyClick(view, Qt::Key_Return);
    auto* editor = Find<QLineEdit>("Text1");
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("30.00"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Find<QLabel>("StatementNote")->text(),
              QStringLiteral("Balance on 1/4/2009: 1,370.00    Statement: 1,370.00    Difference: 0.00"));
    EXPECT_TRUE(lock->isVisible() && lock->isEnabled());
    EXPECT_FALSE(check->isVisible());
}

struct TypedBalance {
    const char* locale;
    const char* keys;
    const char* shown;
    int64_t cents; // -1: OK stays disabled
};

TEST(StatementDialogTest, TheBalanceTakesAmountKeysAndALeadingMinus) {
    const TypedBalance cases[] = {
        {"en_US", "-1234.56", "-1234.56", -123456},
        {"en_US", "1-2a3.456", "123.45", 12345},
        {"en_US", "--", "-", -1},
        {"de_DE", "-1234,5", "-1234,5", -123450},
        {"de_DE", "1.2,5", "12,5", 1250}, // the "." key is no decimal comma: refused
        {"C", "0.07", "0.07", 7},
    };
    for (const TypedBalance& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.keys);
        const tallix::test::ScopedLocale scoped{QString::fromLatin1(c.locale)};
        StatementDialog dialog(nullptr);
        EXPECT_EQ(dialog.objectName(), QStringLiteral("BalanceToStatement"));
        auto* balance = dialog.findChild<QLineEdit*>(QStringLiteral("StatementBalance"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OKButton"));
        auto* date = dialog.findChild<platform::DatePicker*>(QStringLiteral("StatementDate"));
        ASSERT_TRUE(balance && ok && date);
        EXPECT_FALSE(ok->isEnabled());
        date->SetValue(QDate(2009, 1, 31));
        QTest::keyClicks(balance, QString::fromLatin1(c.keys));
        EXPECT_EQ(balance->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(ok->isEnabled(), c.cents != -1);
        if (c.cents != -1) {
            EXPECT_EQ(dialog.BalanceCents(), c.cents);
        }
        EXPECT_EQ(dialog.Day(), Day(2009, 1, 31));
        // Enter answers the dialog from the balance box, when OK may.
        dialog.show();
        QTest::keyClick(balance, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), c.cents != -1 ? QDialog::Accepted : QDialog::Rejected);
    }
}

} // namespace
