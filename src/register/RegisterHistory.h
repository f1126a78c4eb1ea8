#pragma once
// Undo and redo of the changes made in the register window: cell edits, deletions and locking or unlocking.
// Taking a change back leaves the grid's texts and row order, the balances, the row colours, the lock date and the
// ledger store as they were before it; redoing it leaves them as they were after it. Rows are known by their slot
// (column 9), which ties them to the store whatever sorts and deletions did to row numbers since.

#include "platform/FlexGrid.h"
#include "register/RegisterGrid.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class RegisterHistory {
public:
    RegisterHistory(platform::FlexGrid& grid, RegisterGrid& procedures);

    // A cell edit is made by the window (it commits editors its own way): BeforeEdit takes the row as it stands,
    // EndEdit, once the cell is written and the rows sorted and balanced, records the edit if anything changed.
    // `col`: the edited column; `sorts`: the edit may move rows (a date).
    struct Pending {
        int slot = 0;
        int col = 0;
        std::array<QString, RegisterColumn::Count> texts;
        std::vector<int> order;
        std::vector<QString> balances; // by slot
    };
    Pending BeforeEdit(int row, int col, bool sorts) const;
    void EndEdit(const Pending& before);
    // Deletes the row's record (RegisterGrid::DeleteRecord) and records it when the store agreed.
    bool DeleteRecord(int row);
    // The lock button's command (RegisterGrid::ToggleLock), recorded when it changed anything.
    void ToggleLock();
    // Locks every row up to `day` (RegisterGrid::LockThrough), recorded as the lock button's command is.
    void LockThrough(double day);

    bool CanUndo() const { return done > 0; }
    bool CanRedo() const { return done < changes.size(); }
    // Take back the last change, or make the last one taken back again. The current row is the changed row
    // afterwards (row 1 after a lock change); false when there was nothing to do.
    bool Undo();
    bool Redo();

private:
    // Balances are recomputed by a date commit or a deletion only, so they may lag behind an amount edit; they are
    // restored as they stood rather than recomputed.
    struct BalanceText {
        int slot = 0;
        QString text[2];
    };
    struct RowLock {
        int slot = 0;
        QString locked[2];   // column 10 before, after
        QString typeCode[2]; // column 8 before, after (the changed marker)
    };
    enum class Kind { Edit, Delete, Lock };
    struct Change {
        Kind kind = Kind::Edit;
        int slot = 0;
        int col = 0;
        std::array<QString, RegisterColumn::Count> texts[2]; // the row before, after (Edit; Delete: before)
        std::vector<int> order[2];                           // slots in row order before, after (Edit that sorted)
        int row = 0;                                         // Delete: the row it stood in
        bool modified[2] = {false, false};                   // the store's modified flag (Delete)
        std::vector<BalanceText> balances;                   // the balances it changed
        std::vector<RowLock> rows;                           // Lock: the rows it changed
        double lockDate[2] = {0, 0};
        bool recordsLocked[2] = {false, false};
    };

    void Record(Change change);
    // Runs a lock or unlock and records the rows, lock date and flag it changed.
    void RecordLock(const std::function<void()>& lock);
    bool Apply(const Change& change, int side);
    std::array<QString, RegisterColumn::Count> RowTexts(int row) const;
    void SetRowTexts(int row, const std::array<QString, RegisterColumn::Count>& texts);
    std::vector<int> SlotOrder() const;
    std::vector<int> RowsBySlot() const;
    std::vector<QString> BalancesBySlot() const;
    static std::vector<BalanceText> BalanceChanges(const std::vector<QString>& before,
                                                   const std::vector<QString>& after);
    void SetBalances(const std::vector<BalanceText>& balances, int side);
    int RowOfSlot(int slot) const;
    void Arrange(const std::vector<int>& slots);

    platform::FlexGrid& grid;
    RegisterGrid& procedures;
    std::vector<Change> changes;
    size_t done = 0; // changes[0..done) are in effect
};
