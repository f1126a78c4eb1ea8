// Undo and redo of register changes: each kind taken back restores grid, balances, colours, lock date and the
// saved file; made again, the state after it, to the byte. Edits that change nothing are no step.
#include "support/RegisterTestSupport.h"

#include "ledger/Categories.h"
#include "ledger/CheckDetails.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/FlexGrid.h"
#include "register/RegisterGrid.h"
#include "storage/LedgerFile.h"
#include "storage/Recovery.h"
#include "support/Files.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace RegisterColumn;
using tallix::test::Day;

namespace {

class RegisterUndoTest : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ledger::NewLedger();
        ledger::SetStartingBalance(1000);
        ledger::AddTransaction(101, Day(2009, 1, 2), 100, QStringLiteral("Electric company"), ledger::CheckOrPayment);
        ledger::AddTransaction(-1, Day(2009, 1, 3), 20, QStringLiteral("Grocer"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(2009, 1, 3), 500, QStringLiteral("Salary"), ledger::Deposit);
        ledger::AddTransaction(102, Day(2009, 1, 5), 30, QStringLiteral("Phone"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(2009, 1, 7), 5, QStringLiteral("Fee"), ledger::Fee);
    }
    void TearDown() override {
        ledger::SetRecoveryJournal(false);
        ledger::NewLedger();
    }

    // Everything a change may touch: every cell and colour in row order, the lock state, the saved file and the
    // check details the companion keeps.
    struct State {
        QStringList cells;
        QStringList details;
        std::vector<platform::OleColor> colours;
        double lockDate = 0;
        bool recordsLocked = false;
        bool modified = false;
        QByteArray file;
        bool operator==(const State&) const = default;
    };
    State Capture() {
        State state;
        for (int r = 0; r < grid.Rows(); ++r) {
            for (int c = 0; c < grid.Cols(); ++c)
                state.cells << grid.TextMatrix(r, c);
            for (int c = CheckNumber; c <= Balance; ++c)
                state.colours.push_back(grid.CellColor(r, c));
        }
        for (int16_t slot = 1; slot <= 5; ++slot) {
            state.details << ledger::MemoOf(slot) + ledger::AddressOf(slot).join('/') +
                                 QString::number(ledger::IsWaitingToPrint(slot));
            const ledger::CategoryAssignment category = ledger::CategoryOf(slot);
            state.details << category.category;
            for (const ledger::SplitPart& part : category.parts)
                state.details << part.category + '/' + part.memo + '/' + QString::number(part.cents);
        }
        ledger::GetLockDate(state.lockDate);
        state.recordsLocked = ledger::AreRecordsLocked();
        state.modified = ledger::IsModified();
        // Saving clears the modified flag, which is part of what is compared.
        ledger::SetDataFileName(dir.filePath(QStringLiteral("copy%1.tlx").arg(++saves)));
        ledger::SetModified();
        EXPECT_TRUE(ledger::SaveLedger());
        ledger::SetModified(state.modified);
        QFile file(ledger::GetDataFileName());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        state.file = file.readAll();
        return state;
    }
    int RowOfSlot(int slot) const { return tallix::test::RowOfSlot(grid, slot); }
    // A cell edit as the window commits it.
    RegisterModel::Outcome Edit(int slot, int col, const QString& text) {
        return procedures.CommitText(RowOfSlot(slot), col, text);
    }
    RegisterModel::Outcome EditDate(int slot, double day) { return procedures.CommitDate(RowOfSlot(slot), day); }
    // The row's amount in two parts, the second of 5.00.
    RegisterModel::Outcome Split(int slot) {
        const int64_t cents = ledger::ToCents(procedures.Model().At(RowOfSlot(slot) - 1).record.Amount);
        return procedures.SetCategory(RowOfSlot(slot),
                                      {QString(),
                                       {{QStringLiteral("Food:Groceries"), QStringLiteral("milk"), cents - 500},
                                        {QStringLiteral("Household"), QString(), 500}}});
    }

    QTemporaryDir dir;
    int saves = 0;
    platform::FlexGrid grid;
    RegisterGrid procedures{grid};
};

TEST_F(RegisterUndoTest, UndoRestoresTheStateBeforeAndRedoTheStateAfterToTheByte) {
    struct Case {
        const char* name;
        std::function<void(RegisterUndoTest&)> prepare;
        std::function<void(RegisterUndoTest&)> change;
    };
    const auto none = [](RegisterUndoTest&) {};
    const Case cases[] = {
        {"description", none, [](RegisterUndoTest& t) { t.Edit(2, Description, QStringLiteral("Market")); }},
        {"amount", none, [](RegisterUndoTest& t) { t.Edit(3, Credit, QStringLiteral("750.25")); }},
        // Moves the row past others dated alike; it must come back into its old place among them.
        {"date", none, [](RegisterUndoTest& t) { t.EditDate(3, Day(2009, 1, 6)); }},
        {"date after check number", [](RegisterUndoTest& t) { t.Edit(1, CheckNumber, QStringLiteral("200")); },
         [](RegisterUndoTest& t) { t.EditDate(4, Day(2009, 1, 2)); }},
        {"delete", none, [](RegisterUndoTest& t) { ASSERT_TRUE(t.procedures.DeleteRecord(t.RowOfSlot(2))); }},
        {"delete an edited row", [](RegisterUndoTest& t) { t.Edit(5, Debit, QStringLiteral("6")); },
         [](RegisterUndoTest& t) { ASSERT_TRUE(t.procedures.DeleteRecord(t.RowOfSlot(5))); }},
        {"lock", [](RegisterUndoTest& t) { t.grid.SetRow(t.RowOfSlot(3)); },
         [](RegisterUndoTest& t) { t.procedures.ToggleLock(); }},
        {"unlock",
         [](RegisterUndoTest& t) {
             t.grid.SetRow(t.RowOfSlot(4));
             t.procedures.ToggleLock();
         },
         [](RegisterUndoTest& t) { t.procedures.ToggleLock(); }},
        {"memo", none, [](RegisterUndoTest& t) { t.Edit(2, Memo, QStringLiteral("Milk, bread")); }},
        {"address", [](RegisterUndoTest& t) { t.Edit(1, Memo, QStringLiteral("Account 7")); },
         [](RegisterUndoTest& t) {
             t.procedures.SetAddress(t.RowOfSlot(1), {"Electric Co.", "", "Springfield", ""});
         }},
        {"void of a check waiting to print", [](RegisterUndoTest&) { ledger::SetWaitingToPrint(4, true); },
         [](RegisterUndoTest& t) { t.procedures.Void(t.RowOfSlot(4)); }},
        {"category", none, [](RegisterUndoTest& t) { t.Edit(3, Category, QStringLiteral("Income:Salary")); }},
        {"split", none, [](RegisterUndoTest& t) { t.Split(2); }},
        // The store keeps parts only for its own amount: the amount typed before goes to it with the split.
        {"split after an amount edit", [](RegisterUndoTest& t) { t.Edit(2, Debit, QStringLiteral("25")); },
         [](RegisterUndoTest& t) {
             t.procedures.SetCategory(t.RowOfSlot(2), {QString(), {{"A", "", 2000}, {"B", "", 500}}});
         }},
        {"split back to one category", [](RegisterUndoTest& t) { t.Split(2); },
         [](RegisterUndoTest& t) {
             t.procedures.SetCategory(t.RowOfSlot(2), {QStringLiteral("Food:Groceries"), {}});
         }},
        {"amount of a split, scaled", [](RegisterUndoTest& t) { t.Split(2); },
         [](RegisterUndoTest& t) { t.Edit(2, Debit, QStringLiteral("30")); }},
        {"amount of a split, difference in the last part", [](RegisterUndoTest& t) { t.Split(2); },
         [](RegisterUndoTest& t) {
             t.procedures.CommitText(t.RowOfSlot(2), Debit, QStringLiteral("30"),
                                     RegisterModel::PartsFollow::DifferenceInLast);
         }},
        {"void of a split check", [](RegisterUndoTest& t) { t.Split(4); },
         [](RegisterUndoTest& t) { t.procedures.Void(t.RowOfSlot(4)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        procedures.FillGrid();
        c.prepare(*this);
        const State before = Capture();
        c.change(*this);
        const State after = Capture();
        ASSERT_NE(before, after);
        ASSERT_TRUE(procedures.CanUndo());

        EXPECT_TRUE(procedures.Undo());
        EXPECT_EQ(Capture(), before);
        EXPECT_TRUE(procedures.Redo());
        EXPECT_EQ(Capture(), after);
        EXPECT_TRUE(procedures.Undo());
        EXPECT_EQ(Capture(), before);
    }
}

TEST_F(RegisterUndoTest, StepsGoBackAndForthInOrderAndANewChangeDropsWhatWasUndone) {
    procedures.FillGrid();
    const State start = Capture();
    Edit(1, Description, QStringLiteral("Power"));
    const State edited = Capture();
    ASSERT_TRUE(procedures.DeleteRecord(RowOfSlot(4)));
    grid.SetRow(RowOfSlot(2));
    procedures.ToggleLock();

    EXPECT_TRUE(procedures.Undo());
    EXPECT_TRUE(procedures.Undo());
    EXPECT_EQ(Capture(), edited);
    EXPECT_TRUE(procedures.Redo());
    EXPECT_EQ(RowOfSlot(4), -1);
    EXPECT_TRUE(procedures.Undo());

    Edit(2, Description, QStringLiteral("Shop"));
    EXPECT_FALSE(procedures.CanRedo());
    EXPECT_TRUE(procedures.Undo());
    EXPECT_TRUE(procedures.Undo());
    EXPECT_EQ(Capture(), start);
    EXPECT_FALSE(procedures.Undo());
}

TEST_F(RegisterUndoTest, WhatChangesNothingOrIsRefusedIsNotRecorded) {
    procedures.FillGrid();
    EXPECT_FALSE(procedures.DeleteRecord(0)); // the header row has no record
    // Locking on the header row finds no date to lock to.
    grid.SetRow(0);
    procedures.ToggleLock();
    EXPECT_FALSE(procedures.CanUndo());

    // An editor opened and left as it was changes nothing: no mark, no step, so that undo takes back the change
    // before it.
    ASSERT_EQ(Edit(2, Debit, QStringLiteral("99.99")), RegisterModel::Outcome::Changed);
    const State changed = Capture();
    EXPECT_EQ(Edit(1, Description, QStringLiteral("Electric company")), RegisterModel::Outcome::Unchanged);
    EXPECT_EQ(Edit(1, Debit, QStringLiteral("100")), RegisterModel::Outcome::Unchanged);
    EXPECT_EQ(Edit(1, CheckNumber, QStringLiteral("101")), RegisterModel::Outcome::Unchanged);
    EXPECT_EQ(EditDate(1, Day(2009, 1, 2)), RegisterModel::Outcome::Unchanged);
    // Memos and addresses only for checks and payments, within their limits; only a check can be voided.
    EXPECT_EQ(Edit(3, Memo, QStringLiteral("Bonus")), RegisterModel::Outcome::Refused);
    EXPECT_EQ(Edit(1, Memo, QString(ledger::MaxMemoLength + 1, 'x')), RegisterModel::Outcome::Refused);
    EXPECT_EQ(Edit(1, Memo, QString()), RegisterModel::Outcome::Unchanged);
    EXPECT_EQ(procedures.SetAddress(RowOfSlot(1), {"1", "2", "3", "4", "5"}), RegisterModel::Outcome::Refused);
    EXPECT_EQ(procedures.SetAddress(RowOfSlot(3), {"Employer"}), RegisterModel::Outcome::Refused);
    EXPECT_EQ(procedures.Void(RowOfSlot(2)), RegisterModel::Outcome::Refused);
    EXPECT_EQ(Capture(), changed);
    ASSERT_TRUE(procedures.Undo());
    EXPECT_EQ(grid.TextMatrix(RowOfSlot(2), Debit), QStringLiteral("20.00"));
    EXPECT_FALSE(procedures.CanUndo());

    // The store refuses to delete a slot that is already deleted.
    ASSERT_TRUE(ledger::DeleteTransaction(2));
    EXPECT_FALSE(procedures.DeleteRecord(RowOfSlot(2)));
    EXPECT_FALSE(procedures.CanUndo());
}

TEST_F(RegisterUndoTest, TypedCategoriesAreTidiedAndSplitsFollowTheirAmount) {
    using Outcome = RegisterModel::Outcome;
    procedures.FillGrid();
    struct Typed {
        QString text;
        Outcome outcome;
        const char* kept;
    };
    const Typed typed[] = {
        {" food :  groceries: ", Outcome::Changed, "Food:Groceries"}, // spelled as the list spells it
        {"Pets:Vet", Outcome::Changed, "Pets:Vet"},
        {"pets:VET", Outcome::Unchanged, "Pets:Vet"},
        {QString(ledger::MaxCategoryLength + 1, 'x'), Outcome::Refused, "Pets:Vet"},
        {"::", Outcome::Changed, ""},
    };
    for (const Typed& t : typed) {
        SCOPED_TRACE(t.text.toStdString());
        EXPECT_EQ(Edit(2, Category, t.text), t.outcome);
        EXPECT_EQ(grid.TextMatrix(RowOfSlot(2), Category), QString::fromLatin1(t.kept));
        EXPECT_EQ(ledger::CategoryOf(2).category, QString::fromLatin1(t.kept));
    }
    EXPECT_TRUE(ledger::CategoryList().contains(QStringLiteral("Pets:Vet")));

    // A split shows as one cell and takes no typed category; its parts follow a new amount as asked, exact to the
    // cent, and a part may be negative.
    const std::vector<ledger::SplitPart> parts = {{"A", "", 2500}, {"B", "cash back", -500}};
    ASSERT_EQ(procedures.SetCategory(RowOfSlot(2), {QString(), parts}), Outcome::Changed);
    EXPECT_EQ(grid.TextMatrix(RowOfSlot(2), Category), QStringLiteral("(split)"));
    EXPECT_EQ(SplitPartsText(parts, procedures.Codec()),
              QStringLiteral("A \u2014 25.00\nB \u2014 cash back \u2014 -5.00"));
    EXPECT_EQ(Edit(2, Category, QStringLiteral("A")), Outcome::Refused);
    EXPECT_EQ(procedures.SetCategory(RowOfSlot(2), {QString(), {{"A", "", 2500}, {"B", "", -499}}}), Outcome::Refused);
    EXPECT_FALSE(procedures.ChangesSplitAmount(RowOfSlot(2), Debit, QStringLiteral("20.00")));
    EXPECT_FALSE(procedures.ChangesSplitAmount(RowOfSlot(1), Debit, QStringLiteral("1")));
    struct Follow {
        RegisterModel::PartsFollow follow;
        const char* amount;
        int64_t first, second;
    };
    const Follow follows[] = {{RegisterModel::PartsFollow::Scale, "10.01", 1251, -250},
                              {RegisterModel::PartsFollow::DifferenceInLast, "10.01", 2500, -1499},
                              {RegisterModel::PartsFollow::Scale, "0", 0, 0}};
    for (const Follow& f : follows) {
        SCOPED_TRACE(f.amount);
        EXPECT_TRUE(procedures.ChangesSplitAmount(RowOfSlot(2), Debit, QString::fromLatin1(f.amount)));
        ASSERT_EQ(procedures.CommitText(RowOfSlot(2), Debit, QString::fromLatin1(f.amount), f.follow),
                  Outcome::Changed);
        const ledger::CategoryAssignment now = ledger::CategoryOf(2);
        ASSERT_EQ(now.parts.size(), 2u);
        EXPECT_EQ(now.parts[0].cents, f.first);
        EXPECT_EQ(now.parts[1].cents, f.second);
        // The store holds the amount the parts add up to.
        EXPECT_EQ(ledger::ToCents(tallix::test::RecordInSlot(2).Amount), f.first + f.second);
        ASSERT_TRUE(procedures.Undo());
    }

    // A locked row takes no category.
    grid.SetRow(RowOfSlot(1));
    procedures.ToggleLock();
    EXPECT_EQ(Edit(1, Category, QStringLiteral("Utilities")), Outcome::Refused);
    EXPECT_EQ(procedures.SetCategory(RowOfSlot(1), {QString(), {{"A", "", 5000}, {"B", "", 5000}}}), Outcome::Refused);
    EXPECT_TRUE(ledger::CategoryOf(1).IsEmpty());
}

TEST_F(RegisterUndoTest, ClosingAfterUndoWritesBackTheOldValues) {
    procedures.FillGrid();
    Edit(3, Credit, QStringLiteral("1"));
    Edit(3, Description, QStringLiteral("Bonus"));
    ASSERT_TRUE(procedures.Undo());
    procedures.WriteBack();
    const ledger::TransactionRecord record = tallix::test::RecordInSlot(3);
    EXPECT_EQ(record.Amount, 1.0f);
    EXPECT_EQ(record.Description.trimmed(), QStringLiteral("Salary"));
    ASSERT_TRUE(procedures.Undo());
    EXPECT_EQ(procedures.WriteBack(), 0);
}

} // namespace

namespace {
// Edits wait in the register until it closes, but a crash before that loses none of them: replayed, the journal
// gives the ledger that the write-back would have given, whatever was taken back or deleted in between.
TEST_F(RegisterUndoTest, TheJournalHoldsWhatTheWriteBackWouldWriteAtEveryStep) {
    const QString path = dir.filePath(QStringLiteral("journalled.tlx"));
    ledger::SetDataFileName(path);
    ledger::SetModified();
    ASSERT_TRUE(ledger::SaveLedger());
    ledger::SetRecoveryJournal(true);
    procedures.FillGrid();
    Edit(1, Description, QStringLiteral("Power"));
    EditDate(3, Day(2009, 1, 6));
    Edit(4, Debit, QStringLiteral("31.5"));
    ASSERT_TRUE(procedures.Undo()); // the amount is as stored again
    Edit(5, Debit, QStringLiteral("6"));
    grid.SetRow(RowOfSlot(2));
    procedures.ToggleLock();
    ASSERT_TRUE(procedures.Undo());
    ASSERT_TRUE(procedures.Redo());
    ASSERT_TRUE(procedures.DeleteRecord(RowOfSlot(5)));
    ASSERT_TRUE(procedures.Undo()); // the fee comes back with its edit
    // A split takes the fee's amount typed before into the store; the description typed before stays ahead of it.
    Edit(5, Description, QStringLiteral("Bank fee"));
    ASSERT_EQ(Split(5), RegisterModel::Outcome::Changed);
    ASSERT_EQ(Edit(4, Memo, QStringLiteral("Account 7")), RegisterModel::Outcome::Changed);
    ASSERT_EQ(procedures.Void(RowOfSlot(4)), RegisterModel::Outcome::Changed);

    const QString journal = ledger::JournalPathFor(path);
    const QByteArray crashed = tallix::test::ReadAll(journal);
    procedures.WriteBack();
    std::vector<ledger::TransactionRecord> written;
    for (int slot = 1; slot <= 5; ++slot)
        written.push_back(tallix::test::RecordInSlot(slot));
    // The void keeps the check's number and date.
    EXPECT_EQ(written[3], (ledger::TransactionRecord{ledger::CheckOrPayment, 102, Day(2009, 1, 5), 0,
                                                     ledger::VoidDescription("Phone")}));

    ledger::SetRecoveryJournal(false);
    ledger::NewLedger();
    QFile file(journal);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(crashed);
    file.close();
    ledger::SetDataFileName(path);
    ASSERT_TRUE(ledger::LoadLedger());
    const ledger::RecoverySearch search = ledger::FindRecovery(path);
    ASSERT_EQ(search.found, ledger::RecoveryFound::Read);
    EXPECT_EQ(ledger::ApplyRecovery(search.pending).entries, search.pending.changeCount);
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(tallix::test::RecordInSlot(slot), written[size_t(slot - 1)]) << slot;
    EXPECT_EQ(ledger::MemoOf(4), QStringLiteral("Account 7"));
}
} // namespace
