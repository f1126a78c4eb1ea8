// Reconciling the register with a bank statement: cleared marks, the bar above the grid with what is outstanding
// and the likely causes of a difference, Finish, and the dialog that asks for the statement.
#include "support/RegisterTestSupport.h"

#include "ledger/ClearMarks.h"
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

    int32_t regHeight = 0;
    std::unique_ptr<frmRegister> window;
    platform::FlexGridView* view = nullptr;
    platform::FlexGrid* grid = nullptr;
};

TEST_F(StatementTest, ClearedRowsBalanceTheStatementAndFinishReconcilesOnlyThem) {
    Open();
    // The bank has not seen check 102 of 1/5 yet: it is outstanding.
    window->BalanceToStatement(Day(2009, 1, 5), 138000);
    Show();
    auto* bar = Find<QWidget>("StatementBar");
    auto* finish = Find<QPushButton>("StatementFinish");
    auto* note = Find<QLabel>("StatementNote");
    auto* outstanding = Find<QLabel>("StatementCheck");
    ASSERT_TRUE(bar && finish && note && outstanding);
    EXPECT_EQ(note->text(),
              QStringLiteral("Cleared balance on 1/5/2009: 1,000.00    Statement: 1,380.00    Difference: -380.00"));
    EXPECT_EQ(outstanding->text(), QStringLiteral("Outstanding: 3 out (150.00), 1 in (500.00)"));
    EXPECT_FALSE(finish->isVisible());
    EXPECT_EQ(grid->Row(), 1); // the first outstanding row
    // The bar sits between the top controls and the grid and covers no row.
    EXPECT_LE(Find<QPushButton>("Command1")->geometry().bottom(), bar->geometry().top());
    EXPECT_LT(bar->geometry().bottom(), view->geometry().top());

    // Space marks a row cleared and goes to the next; a second Space on a row takes the mark off again.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(grid->TextMatrix(4, Cleared), QStringLiteral("c"));
    grid->MoveTo(4, Description);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(grid->TextMatrix(4, Cleared), QString());
    EXPECT_EQ(note->text(),
              QStringLiteral("Cleared balance on 1/5/2009: 1,380.00    Statement: 1,380.00    Difference: 0.00"));
    EXPECT_EQ(outstanding->text(), QStringLiteral("Outstanding: 1 out (30.00), 0 in (0.00)"));
    ASSERT_TRUE(finish->isVisible() && finish->isEnabled());

    QTest::mouseClick(finish, Qt::LeftButton);
    for (int r = 1; r <= 4; ++r) {
        const bool reconciled = r < 4;
        EXPECT_EQ(grid->TextMatrix(r, Cleared), reconciled ? QStringLiteral("R") : QString()) << r;
        EXPECT_EQ(grid->TextMatrix(r, Locked), reconciled ? QStringLiteral("1") : QStringLiteral("0")) << r;
        EXPECT_EQ(ledger::GetClearMark(int16_t(r)),
                  reconciled ? ledger::ClearMark::Reconciled : ledger::ClearMark::None);
    }
    // An outstanding check up to the statement's date keeps the lock date where it was.
    double lockDate = 0;
    EXPECT_FALSE(ledger::GetLockDate(lockDate));
    ASSERT_EQ(ledger::Statements().size(), 1u);
    EXPECT_EQ(ledger::Statements()[0], (ledger::ReconciledStatement{Day(2009, 1, 5), 138000, {1, 2, 3}}));
    EXPECT_EQ(Find<QPushButton>("Command1")->text(), QStringLiteral("Unlock records"));
    EXPECT_FALSE(finish->isEnabled()); // nothing left to reconcile
    // Reconciled rows take no mark and no edit until they are unlocked.
    grid->MoveTo(1, Description);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(grid->TextMatrix(1, Cleared), QStringLiteral("R"));

    // Undo takes the whole Finish back.
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(grid->TextMatrix(r, Cleared), QStringLiteral("c")) << r;
        EXPECT_EQ(ledger::GetClearMark(int16_t(r)), ledger::ClearMark::Cleared);
    }
    EXPECT_TRUE(ledger::Statements().empty());
    EXPECT_TRUE(finish->isEnabled());
}

TEST_F(StatementTest, ADifferenceNamesTheRowsThatWouldBalanceItUntilAnEditMendsIt) {
    // Enough later rows that the register opens scrolled away from the rows to check.
    for (int i = 0; i < 60; ++i)
        ledger::AddTransaction(0, Day(2009, 2, 1) + i, 1, QStringLiteral("Later"), ledger::Deposit);
    for (const int16_t slot : {1, 2, 3})
        ASSERT_TRUE(ledger::SetClearMark(slot, ledger::ClearMark::Cleared));
    Open();
    // The bank cashed check 102 already, and took 30.00 for the payment of 1/3.
    window->BalanceToStatement(Day(2009, 1, 5), 134000);
    Show();
    auto* hint = Find<QLabel>("StatementHint");
    ASSERT_TRUE(hint);
    EXPECT_EQ(Find<QLabel>("StatementNote")->text(),
              QStringLiteral("Cleared balance on 1/5/2009: 1,380.00    Statement: 1,340.00    Difference: 40.00"));
    EXPECT_EQ(hint->text(), QString());
    EXPECT_EQ(grid->Row(), 4); // the outstanding check
    EXPECT_TRUE(grid->RowIsVisible(4));

    grid->MoveTo(2, Debit);
    QTest::keyClick(view, Qt::Key_Return);
    auto* editor = Find<QLineEdit>("Text1");
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("30.00"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Find<QLabel>("StatementNote")->text(),
              QStringLiteral("Cleared balance on 1/5/2009: 1,370.00    Statement: 1,340.00    Difference: 30.00"));
    EXPECT_EQ(hint->text(), QStringLiteral("Clearing the row of 1/5/2009 for 30.00 would balance it."));
    // The bar keeps its height as its texts change: the rows stay where the user aims at them.
    const QRect gridPlace = view->geometry();
    grid->MoveTo(4, Description);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_TRUE(Find<QPushButton>("StatementFinish")->isVisible());
    EXPECT_EQ(hint->text(), QString());
    EXPECT_EQ(view->geometry(), gridPlace);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(view->geometry(), gridPlace);
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
