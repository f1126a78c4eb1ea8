#pragma once
// The register window: the whole ledger in one grid, sorted by date with a running balance, corrected in place,
// locked up to a date, and deleted from record by record. The working copy is the register's model (RegisterModel);
// the grid only shows it. Edits and lock changes reach the ledger store when the window closes; deletions, the lock
// date, cleared marks and the Enter or Skip of a scheduled occurrence at once.
//
// One object per opening: the constructor loads the window (height, starting balance, grid), exec() shows it
// modally, and closing it writes the changed rows back and stores the window's height in RegHeight.

#include "platform/FlexGrid.h"
#include "platform/ForecastHorizon.h"
#include "register/RegisterGrid.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QCompleter;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTableView;
class UpcomingModel;
class QPushButton;
class QValidator;
class CellTextBox;

namespace platform {
class DatePicker;
class FlexGridView;
} // namespace platform

class frmRegister : public QDialog {
    Q_OBJECT
public:
    // RegHeight: the window's outer height in twips, 0 when none is known yet; updated when the window closes.
    frmRegister(QWidget* owner, int32_t& RegHeight);
    ~frmRegister() override;

    // Opens the fitting editor over the grid's current cell: the date picker in the Date column, the text box
    // elsewhere; nothing in the Balance column, hidden columns or a locked row.
    void GridEdit(int16_t KeyAscii);

    // Reconciles the register with a bank statement: a bar above the grid shows the cleared balance at the end of
    // `day` (reconciled and cleared rows), the statement's, the difference and what is outstanding, and offers
    // Finish when they agree; when they do not, it names the likely causes it can find, and the first outstanding
    // row is current.
    void BalanceToStatement(double day, int64_t statementCents);

    // A ledger the window may only show: no editor opens, and locking and deleting are off.
    void SetReadOnly(bool readOnly);

    // What the window shows below the rows: the scheduled transactions due from `today` through `horizonDays`
    // after it (overdue ones too), the running balance through them, and the lowest it reaches, in red below
    // `cushionCents`; filled when this is set. Repeat... on a row asks `editSchedule` to edit the schedule it offers
    // (nothing: cancelled).
    struct LookAhead {
        double today = 0;
        int horizonDays = platform::DefaultHorizonDays;
        int64_t cushionCents = 0;
        std::function<std::optional<ledger::Schedule>(const ledger::Schedule&)> editSchedule;
    };
    void SetLookAhead(LookAhead values);

    // Shows only the transactions in `slots` (the rest of the register stays as it is), in the register's order and
    // each with its running balance as it stands in the whole register, under a bar that says `caption` (what they
    // are, such as "Food:Groceries, 1/1/2026 - 12/31/2026") and offers Show All. The list is read only: a double
    // click shows all rows again with that transaction current, to edit it there.
    void ShowOnlySlots(std::vector<int16_t> slots, const QString& caption);
    // Back to every row.
    void ShowAllRows();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    // Enter and Escape neither press a default button nor close this window.
    void keyPressEvent(QKeyEvent* event) override;
    // Every way of closing ends here: commit open edits, write back, remember the height.
    void done(int result) override;
    // Mouse presses on the grid that moved rows by committing a date.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    QSize FrameExtra() const;
    void FollowFrame();
    void Widen(int pixels);

    // In-place editing.
    void MSFlexGrid1_DblClick();
    void MSFlexGrid1_KeyPress(int16_t& KeyAscii);
    void MSFlexGrid1_LeaveCell();
    void Text1_KeyPress(int16_t& KeyAscii);
    void MoveRightAndFocusGrid();
    void Text1_KeyDown(int KeyCode, int Shift);
    void DTPicker1_KeyDown(int KeyCode, int Shift);
    void DTPicker1_LostFocus();
    QRect EditorRect(int widthExtra, int heightExtra) const;

    // Record commands.
    void Command1_Click();
    bool CanDeleteRow(int row) const;
    // The Delete key: asks, then deletes the current row's record.
    void DeleteCurrentRow();
    // Address... and Void of the context menu, for the current row.
    void EditAddress();
    void VoidCurrentRow();
    // The grid's context menu: the commands of the keys for the row under the pointer, Address..., Void and
    // Repeat....
    void MSFlexGrid1_ContextMenu(const QPoint& at);
    // Split... of the context menu (and Enter on a "(split)" cell): the split editor for the current row.
    void EditSplit();
    // A split's parts as the tooltip of its category cell; false for any other cell.
    bool ShowSplitToolTip(QEvent* event);
    // Undo and redo of committed changes; in an editor with the focus, of its typing. An edit still open without
    // the focus is committed first.
    QLineEdit* FocusedEditor() const;
    void UndoChange();
    void RedoChange();
    void AfterHistoryStep();

    // The find bar below the grid.
    void ShowFindBar();
    void HideFindBar();
    void FindStep(bool forward);
    void UpdateLockButton();

    // The statement bar above the grid.
    void UpdateStatementBar();
    int StatementHintHeight(int barWidth) const;
    // The bars that follow the rows: the statement bar and the upcoming bar.
    void UpdateBars();
    void StatementFinish_Click();
    // Space in the grid: cleared on or off for the current row, then the next row.
    void ToggleClearedAndMoveDown();
    void MSFlexGrid1_KeyUp(int KeyCode, int Shift);

    // The upcoming bar below the grid.
    void CreateUpcomingBar();
    void UpdateUpcoming();
    // The upcoming list's column as wide as the grid's.
    void FollowGridColumn(int col);
    // The upcoming row the user points at: the current one of the list, or nothing.
    const UpcomingRow* CurrentUpcoming() const;
    void UpcomingEnter_Click();
    void UpcomingSkip_Click();

    // The filtered view (ShowOnlySlots), made when first shown: refilled after every change, so that it shows the
    // rows as they are.
    void CreateFilterBar();
    void FillFilteredRows();
    void FilteredRow_DoubleClick(int row);

    int32_t& RegHeight;
    platform::FlexGrid grid;
    RegisterGrid procedures;
    QWidget* FindBar = nullptr;
    QLineEdit* FindText = nullptr;
    QLabel* FindNote = nullptr;
    QPushButton* Command1 = nullptr;
    QWidget* StatementBar = nullptr;
    QLabel* StatementNote = nullptr;
    QLabel* StatementCheck = nullptr;
    QLabel* StatementHint = nullptr;
    QPushButton* StatementFinish = nullptr;
    QWidget* UpcomingBar = nullptr;
    QLabel* UpcomingTitle = nullptr;
    QTableView* Upcoming = nullptr;
    UpcomingModel* upcomingRows = nullptr;
    QPushButton* UpcomingEnter = nullptr;
    QPushButton* UpcomingSkip = nullptr;
    QLabel* ForecastNote = nullptr;
    QWidget* FilterBar = nullptr;
    QLabel* FilterCaption = nullptr;
    QTableWidget* FilteredRows = nullptr;
    std::vector<int16_t> filterSlots;
    QString filterCaption;
    QCompleter* categoryCompleter = nullptr;
    LookAhead lookAhead;
    Forecast forecast;
    double statementDay = 0;
    int64_t statementCents = 0;
    platform::DatePicker* DTPicker1 = nullptr;
    CellTextBox* Text1 = nullptr;
    QObject* gridViewport = nullptr;  // the grid view's viewport, whose mouse events eventFilter watches
    QValidator* amountRule = nullptr; // holds the text editor to the amount rule in the money columns
    QLabel* Label1 = nullptr;
    QLineEdit* Text2 = nullptr;
    platform::FlexGridView* MSFlexGrid1 = nullptr;
    int16_t EditRow = 0;
    int16_t EditCol = 0;
    bool unloaded = false;
    bool readOnly = false;
    // A date committed by a click on the grid re-sorts the rows before the click arrives: the slots that stood in
    // rows 1, 2, ... when the user pointed, until that click is handled; then the slot the click went to, until its
    // double click.
    std::vector<int> pointedSlots;
    int gestureSlot = 0;
    // The outer height RegHeight asked for (twips), kept while the client height is the one set for it (clientHeight):
    // the window manager frames the window some time after it is shown, and until the user resizes it, the
    // window is as high as it was asked to be.
    int32_t outerHeight = 0;
    int clientHeight = -1;
    QSize frameUsed;
};
