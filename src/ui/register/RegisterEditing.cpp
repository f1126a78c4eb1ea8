// In-place editing of the register's cells: the text box and the date picker laid over the current cell.
#include "ledger/Categories.h"
#include "ledger/CheckDetails.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerRules.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "platform/widgets/DatePicker.h"
#include "platform/widgets/FlexGridView.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/TypedText.h"
#include "ui/register/CellTextBox.h"
#include "ui/register/frmRegister.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStringListModel>
#include <QTableView>
#include <algorithm>

using namespace RegisterColumn;

namespace {
// The picker is this much wider and higher than the cell it edits.
constexpr int PickerExtra = 80;
// QLineEdit's own limit, for the columns whose text the record does not cut.
constexpr int DefaultMaxLength = 32767;
} // namespace

QRect frmRegister::EditorRect(int widthExtra, int heightExtra) const {
    const int gridLeft = platform::PixelsToTwips(MSFlexGrid1->x());
    const int gridTop = platform::PixelsToTwips(MSFlexGrid1->y());
    return platform::TwipsRect(gridLeft + grid.CellLeft(), gridTop + grid.CellTop(), grid.CellWidth() + widthExtra,
                               grid.CellHeight() + heightExtra);
}

void frmRegister::GridEdit(int16_t KeyAscii) {
    const int row = grid.Row();
    const int col = grid.Col();
    // The balance, the type and the other kind's money column follow from the record, the hidden columns hold the
    // grid's own data, and a locked row takes no edit.
    if (readOnly || !procedures.IsEditable(row, col))
        return;
    // A split's parts are more than one cell can hold.
    if (col == Category && procedures.IsSplit(row)) {
        EditSplit();
        return;
    }
    // An editor goes over a cell the user can see.
    MSFlexGrid1->ScrollToCurrent();

    // The editor stands for its cell: screen readers announce it by the cell's column.
    const QString column = grid.TextMatrix(0, col);
    if (col == Date) {
        DTPicker1->setAccessibleName(column);
        EditCol = int16_t(col);
        EditRow = int16_t(row);
        const std::optional<double> date = procedures.Model().At(row - 1).dateDay;
        DTPicker1->SetValue(platform::DateFromDayCount(date.value_or(platform::Today())));
        DTPicker1->setGeometry(EditorRect(PickerExtra, PickerExtra));
        DTPicker1->show();
        // At least as wide as the picker needs to show a whole date beside its calendar button.
        if (DTPicker1->width() < DTPicker1->WidthForDates())
            DTPicker1->resize(DTPicker1->WidthForDates(), DTPicker1->height());
        DTPicker1->raise();
        DTPicker1->setFocus(Qt::OtherFocusReason);
        return;
    }

    QFont font(grid.CellFontName());
    font.setPointSizeF(grid.CellFontSize());
    Text1->setFont(font);
    Text1->setAccessibleName(column);
    const bool money = col == Debit || col == Credit;
    Text1->setValidator(money ? amountRule : nullptr);
    // The editor stops where the record does, so no typed character is dropped unseen.
    Text1->setMaxLength(col == Description ? ledger::DescriptionLength
                        : col == Memo      ? ledger::MaxMemoLength
                        : col == Category  ? ledger::MaxCategoryLength
                                           : DefaultMaxLength);
    if (col == Category) {
        // Made on first use: most openings of the register edit no category.
        if (!categoryCompleter) {
            categoryCompleter = new QCompleter(new QStringListModel(this), this);
            categoryCompleter->setCaseSensitivity(Qt::CaseInsensitive);
            categoryCompleter->setFilterMode(Qt::MatchContains);
        }
        const QStringList categories = ledger::CategoryList();
        static_cast<QStringListModel*>(categoryCompleter->model())->setStringList(categories);
        // The cell is narrower than most paths: the list of choices shows them whole.
        int widest = 0;
        for (const QString& path : categories)
            widest = std::max(widest, Text1->fontMetrics().horizontalAdvance(path));
        categoryCompleter->popup()->setMinimumWidth(std::min(widest + 32, 480));
        Text1->setCompleter(categoryCompleter);
    } else {
        Text1->setCompleter(nullptr);
    }
    if (KeyAscii >= 0 && KeyAscii <= 32) {
        // An amount opens as the user would type it, without thousands separators, so the filter can edit it.
        const RegisterRow& values = procedures.Model().At(row - 1);
        const std::optional<int64_t> cents = money ? ShownCents(values.record.Amount) : std::nullopt;
        Text1->setText(cents ? ledger::DollarText(*cents) : grid.Text());
        Text1->setSelection(0, int(Text1->text().size()));
    } else {
        Text1->setText(QString(QChar(KeyAscii)));
    }
    Text1->setGeometry(EditorRect(0, 0));
    Text1->show();
    Text1->raise();
    Text1->setFocus(Qt::OtherFocusReason);
}

void frmRegister::MSFlexGrid1_DblClick() {
    GridEdit(platform::KeySpace);
}

void frmRegister::MSFlexGrid1_KeyPress(int16_t& KeyAscii) {
    if (KeyAscii == platform::KeyReturn)
        GridEdit(platform::KeySpace);
    else if (KeyAscii == platform::KeySpace)
        ToggleClearedAndMoveDown();
}

// Commits an open text edit into the current cell, which is still the edited one.
void frmRegister::MSFlexGrid1_LeaveCell() {
    if (Text1->isHidden())
        return;
    if (ledger::IsEditAllowed()) {
        const QString text = Text1->text();
        // A split's parts follow its amount as the user says, or the amount stays.
        RegisterModel::PartsFollow parts = RegisterModel::PartsFollow::Scale;
        if (procedures.ChangesSplitAmount(grid.Row(), grid.Col(), text)) {
            const QStringList choices = RegisterGrid::SplitAmountChoices();
            const int cancel = int(choices.size()) - 1;
            const int choice = platform::Choose(procedures.SplitAmountQuestion(grid.Row(), text), choices, 0, cancel);
            if (choice == cancel) {
                Text1->hide();
                return;
            }
            parts = RegisterModel::PartsFollow(choice);
        }
        switch (procedures.CommitText(grid.Row(), grid.Col(), text, parts)) {
        case RegisterModel::Outcome::Refused: {
            // The record could not hold it: the cell keeps what it had, and the user hears so, or reads why when
            // only the cents would be lost.
            const bool amount = grid.Col() == Debit || grid.Col() == Credit;
            if (const QString refusal = amount ? ledger::ReadDollarText(text).refusal : QString(); !refusal.isEmpty())
                platform::MsgBox(refusal);
            else
                QApplication::beep();
            break;
        }
        case RegisterModel::Outcome::Changed:
        case RegisterModel::Outcome::Unchanged:
            break;
        }
    }
    Text1->hide();
}

void frmRegister::Text1_KeyPress(int16_t& KeyAscii) {
    if (grid.Col() == Credit || grid.Col() == Debit)
        KeyAscii = ledger::IsDollarAmt(KeyAscii, platform::TextOutsideSelection(*Text1));
    if (KeyAscii == platform::KeyReturn || KeyAscii == platform::KeyEscape)
        KeyAscii = 0;
}

// Enter in either editor: one column to the right (the move commits through LeaveCell or the lost focus).
void frmRegister::MoveRightAndFocusGrid() {
    if (grid.Col() < grid.Cols() - 1)
        grid.SetCol(grid.Col() + 1);
    grid.SetFocus();
}

void frmRegister::Text1_KeyDown(int KeyCode, int) {
    switch (KeyCode) {
    case platform::KeyEscape:
        Text1->hide();
        grid.SetFocus();
        break;
    case platform::KeyReturn:
        // Enter on a completion the user picked takes it, not what was typed.
        if (QCompleter* completer = Text1->completer(); completer && completer->popup()->isVisible()) {
            if (const QModelIndex picked = completer->popup()->currentIndex(); picked.isValid())
                Text1->setText(picked.data(Qt::DisplayRole).toString());
            completer->popup()->hide();
        }
        MoveRightAndFocusGrid();
        break;
    case platform::KeyDown:
        grid.SetFocus();
        QCoreApplication::processEvents();
        if (grid.Row() < grid.Rows() - 1)
            grid.SetRow(grid.Row() + 1);
        break;
    case platform::KeyUp:
        grid.SetFocus();
        QCoreApplication::processEvents();
        if (grid.Row() > grid.FixedRows())
            grid.SetRow(grid.Row() - 1);
        break;
    default:
        break;
    }
}

void frmRegister::DTPicker1_KeyDown(int KeyCode, int) {
    QApplication::beep();
    switch (KeyCode) {
    case platform::KeyEscape:
        // Hidden first, so that the commit on losing the focus finds nothing to commit.
        DTPicker1->hide();
        grid.SetFocus();
        break;
    case platform::KeyReturn:
        MoveRightAndFocusGrid();
        break;
    default:
        break;
    }
}

// Commits an open date edit into the cell it was opened on, unless the date is not after the lock date.
void frmRegister::DTPicker1_LostFocus() {
    if (DTPicker1->isHidden())
        return;
    DTPicker1->hide();
    const double date = platform::DayCountFromDate(DTPicker1->Value());
    if (!platform::ShowIfFailed(ledger::CheckAfterLockDate(date)))
        return;
    std::vector<int> before;
    if (DTPicker1->LostFocusReason() == Qt::MouseFocusReason) {
        for (const RegisterRow& row : procedures.Model().Rows())
            before.push_back(row.slot);
    }
    if (procedures.CommitDate(EditRow, date) != RegisterModel::Outcome::Changed)
        return;
    // The click that took the focus arrives next, aimed at the rows as they stood; it is handled (eventFilter)
    // before this queued reset runs.
    for (size_t i = 0; i < before.size(); ++i) {
        if (procedures.Model().At(int(i)).slot != before[i]) {
            pointedSlots = std::move(before);
            QMetaObject::invokeMethod(
                this, [this] { pointedSlots.clear(); }, Qt::QueuedConnection);
            break;
        }
    }
}

// A click whose focus change re-sorted the rows goes to the record that stood under the pointer, wherever the
// sort put it, and so does its double click; the row now under the pointer holds another record.
bool frmRegister::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Upcoming && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            UpcomingEnter_Click();
        else if (key == Qt::Key_Delete)
            UpcomingSkip_Click();
        else
            return false;
        return true;
    }
    if (watched == FindText && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            FindStep(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            HideFindBar();
            return true;
        }
        return false;
    }
    // Compared by the pointer kept at start: while the view is being destroyed it may not be asked for anything.
    if (watched != gridViewport)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::ToolTip)
        return ShowSplitToolTip(event);
    // A click in the C column marks the row it lands on cleared, or not.
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        pointedSlots.empty()) {
        const QModelIndex index = MSFlexGrid1->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (index.isValid() && index.column() == Cleared && grid.Col() == Cleared && !readOnly) {
            if (procedures.ToggleCleared(grid.Row()) != RegisterModel::Outcome::Changed)
                QApplication::beep();
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        gestureSlot = 0;
        if (pointedSlots.empty())
            return false;
        const QModelIndex index = MSFlexGrid1->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        const size_t pointed = size_t(index.row());
        const int slot = index.isValid() && pointed < pointedSlots.size() ? pointedSlots[pointed] : 0;
        pointedSlots.clear();
        const int row = procedures.Model().IndexOfSlot(slot) + 1;
        if (row >= grid.FixedRows() && index.column() >= grid.FixedCols()) {
            grid.MoveTo(row, index.column());
            MSFlexGrid1->ScrollToCurrent();
            gestureSlot = slot;
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick && gestureSlot != 0) {
        const bool same = procedures.Model().IndexOfSlot(gestureSlot) + 1 == grid.Row();
        gestureSlot = 0;
        if (same)
            MSFlexGrid1_DblClick();
        return true;
    }
    return false;
}
