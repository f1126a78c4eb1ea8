// Undo and redo of register changes: each kind taken back restores grid, balances, colours, lock date and the
// saved file; made again, the state after it, to the byte.
#include "support/RegisterTestSupport.h"

#include "ledger/Ledger.h"
#include "platform/FlexGrid.h"
#include "register/RegisterGrid.h"
#include "register/RegisterHistory.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

using namespace RegisterColumn;
using tallix::test::Day;

namespace {

class RegisterHistoryTest : public ::testing::Test {
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
        history.emplace(grid, procedures);
    }
    void TearDown() override { ledger::NewLedger(); }

    // Everything a change may touch: every cell and colour in row order, the lock state and the saved file.
    struct State {
        QStringList cells;
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
    int RowOfSlot(int slot) const {
        for (int r = 1; r < grid.Rows(); ++r)
            if (grid.TextMatrix(r, Slot) == QString::number(slot))
                return r;
        return -1;
    }
    // A cell edit as the window commits it.
    void Edit(int slot, int col, const QString& text) {
        const int row = RowOfSlot(slot);
        const RegisterHistory::Pending before = history->BeforeEdit(row, col, col == Date);
        grid.SetTextMatrix(row, col, text);
        procedures.MarkRowModified(row);
        if (col == Date) {
            procedures.SortRows();
            procedures.RecalcBalances();
        }
        history->EndEdit(before);
    }

    QTemporaryDir dir;
    int saves = 0;
    platform::FlexGrid grid;
    RegisterGrid procedures{grid};
    std::optional<RegisterHistory> history;
};

TEST_F(RegisterHistoryTest, UndoRestoresTheStateBeforeAndRedoTheStateAfterToTheByte) {
    struct Case {
        const char* name;
        std::function<void(RegisterHistoryTest&)> prepare;
        std::function<void(RegisterHistoryTest&)> change;
    };
    const auto none = [](RegisterHistoryTest&) {};
    const Case cases[] = {
        {"description", none, [](RegisterHistoryTest& t) { t.Edit(2, Description, QStringLiteral("Market")); }},
        {"amount", none, [](RegisterHistoryTest& t) { t.Edit(3, Credit, QStringLiteral("750.25")); }},
        // Moves the row past others dated alike; it must come back into its old place among them.
        {"date", none, [](RegisterHistoryTest& t) { t.Edit(3, Date, QStringLiteral("1/6/2009")); }},
        {"date after check number", [](RegisterHistoryTest& t) { t.Edit(1, CheckNumber, QStringLiteral("200")); },
         [](RegisterHistoryTest& t) { t.Edit(4, Date, QStringLiteral("1/2/2009")); }},
        {"delete", none, [](RegisterHistoryTest& t) { ASSERT_TRUE(t.history->DeleteRecord(t.RowOfSlot(2))); }},
        {"delete an edited row", [](RegisterHistoryTest& t) { t.Edit(5, Debit, QStringLiteral("6")); },
         [](RegisterHistoryTest& t) { ASSERT_TRUE(t.history->DeleteRecord(t.RowOfSlot(5))); }},
        {"lock", [](RegisterHistoryTest& t) { t.grid.SetRow(t.RowOfSlot(3)); },
         [](RegisterHistoryTest& t) { t.history->ToggleLock(); }},
        {"unlock",
         [](RegisterHistoryTest& t) {
             t.grid.SetRow(t.RowOfSlot(4));
             t.procedures.ToggleLock();
         },
         [](RegisterHistoryTest& t) { t.history->ToggleLock(); }},
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
        ASSERT_TRUE(history->CanUndo());

        EXPECT_TRUE(history->Undo());
        EXPECT_EQ(Capture(), before);
        EXPECT_TRUE(history->Redo());
        EXPECT_EQ(Capture(), after);
        EXPECT_TRUE(history->Undo());
        EXPECT_EQ(Capture(), before);
    }
}

TEST_F(RegisterHistoryTest, StepsGoBackAndForthInOrderAndANewChangeDropsWhatWasUndone) {
    procedures.FillGrid();
    const State start = Capture();
    Edit(1, Description, QStringLiteral("Power"));
    const State edited = Capture();
    ASSERT_TRUE(history->DeleteRecord(RowOfSlot(4)));
    grid.SetRow(RowOfSlot(2));
    history->ToggleLock();

    EXPECT_TRUE(history->Undo());
    EXPECT_TRUE(history->Undo());
    EXPECT_EQ(Capture(), edited);
    EXPECT_TRUE(history->Redo());
    EXPECT_EQ(RowOfSlot(4), -1);
    EXPECT_TRUE(history->Undo());

    Edit(2, Description, QStringLiteral("Shop"));
    EXPECT_FALSE(history->CanRedo());
    EXPECT_TRUE(history->Undo());
    EXPECT_TRUE(history->Undo());
    EXPECT_EQ(Capture(), start);
    EXPECT_FALSE(history->Undo());
}

TEST_F(RegisterHistoryTest, WhatChangesNothingOrIsRefusedIsNotRecorded) {
    procedures.FillGrid();
    EXPECT_FALSE(history->DeleteRecord(0)); // the header row has no record
    // Locking on the header row finds no date to lock to.
    grid.SetRow(0);
    history->ToggleLock();
    EXPECT_FALSE(history->CanUndo());

    // The store refuses to delete a slot that is already deleted.
    ASSERT_TRUE(ledger::DeleteTransaction(2));
    EXPECT_FALSE(history->DeleteRecord(RowOfSlot(2)));
    EXPECT_FALSE(history->CanUndo());
}

TEST_F(RegisterHistoryTest, ClosingAfterUndoWritesBackTheOldValues) {
    procedures.FillGrid();
    Edit(3, Credit, QStringLiteral("1"));
    Edit(3, Description, QStringLiteral("Bonus"));
    ASSERT_TRUE(history->Undo());
    procedures.WriteBack();
    const ledger::TransactionRecord record = tallix::test::RecordInSlot(3);
    EXPECT_EQ(record.Amount, 1.0f);
    EXPECT_EQ(record.Description.trimmed(), QStringLiteral("Salary"));
    ASSERT_TRUE(history->Undo());
    EXPECT_EQ(procedures.WriteBack(), 0);
}

} // namespace
