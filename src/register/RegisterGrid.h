#pragma once
// The register window's grid procedures on the headless grid. The grid shows a RegisterModel: every procedure
// changes the model and writes what changed into the grid's cells (the hidden columns included, see
// RegisterCells.h); nothing is read back from the cells. They need no window, so the benchmarks use them too.
// Row r of the grid (from 1) shows row r - 1 of the model.

#include "platform/FlexGrid.h"
#include "platform/LocaleCodec.h"
#include "register/RegisterCells.h"
#include "register/RegisterModel.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class RegisterGrid {
public:
    // The grid must outlive this object. Conversions are the grid's own (Codec()).
    explicit RegisterGrid(platform::FlexGrid& grid);
    // Told after every command that changed the rows, their marks, the lock or the schedules (undo and redo too),
    // once the grid shows it: what shows figures of the rows follows them without being refreshed by hand.
    void SetChangeListener(std::function<void()> listener) { changeListener = std::move(listener); }

    const RegisterModel& Model() const { return model; }
    const platform::LocaleCodec& Codec() const { return codec; }

    // Builds the grid from the ledger store: layout, one row per live record, sorted and balanced, row 1 current
    // and the newest rows scrolled into view. Sets the store's records-locked flag when a record is locked.
    void FillGrid();
    // Rows by date and check number. Column 0 is the current column afterwards.
    void SortRows();
    // Running balance in grid order from the starting balance, exact to the cent: every amount and the starting
    // balance are rounded to whole cents and summed as integers. Balances saturate at about ±40 quadrillion.
    void RecalcBalances();
    bool IsRowLocked(int row) const;
    // A cell the user may type into: the check number, date, description, category and the row's own money column
    // of a row that is not locked, and the memo of such a check or payment.
    bool IsEditable(int row, int col) const;
    // Colours columns 1 to 8 of the row grey (locked) or in the grid's own background colour; leaves the current
    // cell at (row, 1) with columns 1 to 8 of the row selected.
    void SetRowColour(int row, bool locked);
    // Widens a column to show its widest text whole (the widths FillGrid sets are the least); never narrows it.
    // The widest text is taken among the longest ones.
    void FitColumn(int col);
    // Marks the row changed (the +10 of column 9), once.
    void MarkRowModified(int row);

    // An edit committed into a cell (RegisterModel::CommitText, CommitDate), shown in the grid.
    RegisterModel::Outcome CommitText(int row, int col, const QString& text,
                                      RegisterModel::PartsFollow parts = RegisterModel::PartsFollow::Scale);
    // A split row, whose category cell shows "(split)".
    bool IsSplit(int row) const;
    // Committing `text` would change a split's amount (RegisterModel::ChangesSplitAmount): the question to ask
    // first, and its answers in the order of PartsFollow, then Cancel.
    bool ChangesSplitAmount(int row, int col, const QString& text) const;
    QString SplitAmountQuestion(int row, const QString& text) const;
    static QStringList SplitAmountChoices();
    // A row's category or split as a whole (RegisterModel::SetCategory), shown in the grid and current.
    RegisterModel::Outcome SetCategory(int row, const ledger::CategoryAssignment& assignment);
    RegisterModel::Outcome CommitDate(int row, double day);

    // Cleared on or off for the row (RegisterModel::ToggleCleared), shown in its C cell.
    RegisterModel::Outcome ToggleCleared(int row);
    // Reconciles and locks the cleared rows up to `day` (RegisterModel::Finish); row 1 is current afterwards.
    bool Finish(double day, int64_t statementCents);

    // The scheduled transactions due from today through `horizonDays` after it, following the rows as they are.
    Forecast LookAhead(double today, int horizonDays) const;
    // Enters an upcoming occurrence as a transaction (RegisterModel::Enter), shown in the grid and current in its
    // money column; its grid row, or 0 when the store is full.
    int Enter(const UpcomingRow& upcoming);
    // An upcoming occurrence skipped, a schedule added (RegisterModel::Skip, AddSchedule): nothing in the grid.
    bool Skip(const UpcomingRow& upcoming);
    bool AddSchedule(const ledger::Schedule& schedule);

    // The lock button's command: unlocks every row when records are locked, otherwise locks every row dated on
    // or before the current row's date and makes that date the lock date; row 1 is current afterwards.
    void ToggleLock();
    // Locks every row dated on or before `day` as the lock command does and makes `day` the lock date.
    void LockThrough(double day);
    // The delete confirmation for a row: "Delete this record?" and columns 1, 2, 3, 4 and 6, each after a
    // carriage return, and a final carriage return.
    QString DeleteQuestion(int row) const;
    // A check that is not locked can be voided (RegisterModel::Void); a check or payment that is not locked takes
    // an address.
    bool CanVoid(int row) const;
    bool TakesAddress(int row) const;
    // The confirmation before a void, naming the check.
    QString VoidQuestion(int row) const;
    RegisterModel::Outcome Void(int row);
    RegisterModel::Outcome SetAddress(int row, const QStringList& lines);
    // Deletes the row's record in the store; when the store agrees, removes the row and recomputes the balances.
    bool DeleteRecord(int row);
    // Writes every changed row back into its slot; returns the number of rows written.
    int WriteBack() const;

    // Take back the last change, or make the last one taken back again. The current cell is the changed one
    // afterwards (row 1 after a lock change); false when there was nothing to do.
    bool CanUndo() const { return model.CanUndo(); }
    bool CanRedo() const { return model.CanRedo(); }
    bool Undo();
    bool Redo();

private:
    // Writes what the model's change did into the grid.
    void Show(const RegisterUpdate& update);
    void ShowRow(int row);
    void ShowFlags(int row);
    void ShowBalance(int row);
    void SetInteger(int row, int col, int64_t value);
    void WriteMoney(int row, int col, const QString& text, std::optional<double> number);
    void AfterHistoryStep(const RegisterUpdate& update);
    // Tells the change listener that a command changed the rows.
    void TellChanged() const {
        if (changeListener)
            changeListener();
    }

    platform::FlexGrid& grid;
    const platform::LocaleCodec& codec;
    RegisterModel model;
    std::function<void()> changeListener;
};
