// The register window driven as a user drives it: editors over cells, commits and cancels, lock, delete, close.
#include "support/RegisterTestSupport.h"

#include "ledger/Categories.h"
#include "ledger/CheckDetails.h"
#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "platform/Translations.h"
#include "platform/widgets/Contrast.h"
#include "platform/widgets/DatePicker.h"
#include "platform/widgets/FlexGridView.h"
#include "platform/widgets/Twips.h"
#include "storage/LedgerFile.h"
#include "support/ClippedCaptions.h"
#include "support/PromptScript.h"
#include "support/ScopedLocale.h"
#include "support/TypedDates.h"
#include "ui/register/frmRegister.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace RegisterColumn;
using platform::Answer;
using tallix::test::Day;
using tallix::test::PromptScript;
using tallix::test::RecordInSlot;

namespace {

class frmRegisterTest : public ::testing::Test {
protected:
    void SetUp() override { ledger::NewLedger(); }
    void TearDown() override {
        window.reset();
        ledger::NewLedger();
    }

    // Slots 1 to 4: check 101 on 1/2, payment on 1/3, deposit on 1/4, check 102 on 1/5 (2009); balance from 1000.
    static void AddFourRecords() {
        ledger::SetStartingBalance(1000);
        ledger::AddTransaction(101, Day(2009, 1, 2), 100, QStringLiteral("Electric company"), ledger::CheckOrPayment);
        ledger::AddTransaction(-1, Day(2009, 1, 3), 20, QStringLiteral("Grocer"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(2009, 1, 4), 500, QStringLiteral("Salary"), ledger::Deposit);
        ledger::AddTransaction(102, Day(2009, 1, 5), 30, QStringLiteral("Phone"), ledger::CheckOrPayment);
    }

    void Open() {
        window = std::make_unique<frmRegister>(nullptr, regHeight);
        view = window->findChild<platform::FlexGridView*>(QStringLiteral("MSFlexGrid1"));
        Text1 = window->findChild<QLineEdit*>(QStringLiteral("Text1"));
        DTPicker1 = window->findChild<platform::DatePicker*>(QStringLiteral("DTPicker1"));
        Command1 = window->findChild<QPushButton*>(QStringLiteral("Command1"));
        ASSERT_TRUE(view && Text1 && DTPicker1 && Command1);
        grid = &view->Grid();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents();
    }

    // The cell's rectangle in the window's pixels.
    QRect CellInWindow(int row, int col) const { return view->CellPixelRect(row, col).translated(view->pos()); }
    QPoint CellCenter(int row, int col) const { return view->visualRect(view->model()->index(row - 1, col)).center(); }
    void Click(int row, int col) { QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, CellCenter(row, col)); }
    void DoubleClick(int row, int col) {
        Click(row, col);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, CellCenter(row, col));
    }
    void EnterOn(int row, int col) {
        Click(row, col);
        QTest::keyClick(view, Qt::Key_Return);
    }
    // Typed over the whole text, selected as the editor opens with it; nothing typed deletes it.
    void Retype(const QString& text) {
        Text1->selectAll();
        if (text.isEmpty())
            QTest::keyClick(Text1, Qt::Key_Backspace);
        QTest::keyClicks(Text1, text);
    }
    // Opens the grid's context menu on the cell, notes which of its commands are enabled, and chooses the one named
    // (nothing: closes it).
    QStringList ChooseFromContextMenu(int row, int col, const char* name) {
        QStringList enabled;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_TRUE(menu);
            for (QAction* action : menu->actions())
                if (action->isEnabled() && !action->isSeparator())
                    enabled << action->objectName();
            menu->setActiveAction(menu->findChild<QAction*>(QString::fromLatin1(name)));
            QTest::keyClick(menu, name[0] ? Qt::Key_Return : Qt::Key_Escape);
        });
        const QPoint at = CellCenter(row, col);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &event);
        return enabled;
    }
    std::string Cell(int row, int col) const { return grid->TextMatrix(row, col).toStdString(); }
    int RowOfSlot(int slot) const { return tallix::test::RowOfSlot(*grid, slot); }
    // A ledger saved to a file has no changes pending.
    void SaveLedger() {
        ledger::SetDataFileName(dir.filePath(QStringLiteral("register.tlx")));
        ASSERT_TRUE(ledger::SaveLedger());
        ASSERT_FALSE(ledger::IsModified());
    }

    QTemporaryDir dir;
    int32_t regHeight = 0;
    std::unique_ptr<frmRegister> window;
    platform::FlexGridView* view = nullptr;
    platform::FlexGrid* grid = nullptr;
    QLineEdit* Text1 = nullptr;
    platform::DatePicker* DTPicker1 = nullptr;
    QPushButton* Command1 = nullptr;
};

TEST_F(frmRegisterTest, OpensWithItsControlsAndTheStartingBalance) {
    ledger::SetStartingBalance(1234.5f);
    Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Check Register"));
    EXPECT_TRUE(window->isModal());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Starting Balance:"));
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("Text2"))->text(), QStringLiteral("1234.5"));
    EXPECT_EQ(Command1->text(), QStringLiteral("Lock records"));
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_FALSE(DTPicker1->isVisible());
    EXPECT_EQ(window->size(), platform::TwipsSize(11400, 6225));
    EXPECT_EQ(view->geometry(), platform::TwipsRect(20, 600, platform::PixelsToTwips(window->width()) - 40,
                                                    platform::PixelsToTwips(window->height()) - 600));
}

TEST_F(frmRegisterTest, EveryCaptionFitsItsPlaceInEveryLanguage) {
    AddFourRecords();
    const QStringList languages = platform::ShippedLanguages() << QString();
    for (const QString& language : languages) {
        ASSERT_TRUE(platform::InstallTranslations(language));
        for (const bool locked : {false, true}) {
            ledger::SetRecordsLocked(locked);
            Open();
            EXPECT_EQ(tallix::test::ClippedCaptions(*window), "") << language.toStdString();
        }
    }
    platform::InstallTranslations({});
}

TEST_F(frmRegisterTest, EnterOpensTheTextEditorOverTheCellAndEnterCommitsIt) {
    AddFourRecords();
    Open();
    EnterOn(2, Description);
    ASSERT_TRUE(Text1->isVisible());
    EXPECT_EQ(Text1->geometry(), CellInWindow(2, Description));
    EXPECT_EQ(Text1->text(), QStringLiteral("Grocer"));
    EXPECT_EQ(Text1->selectedText(), QStringLiteral("Grocer"));
    EXPECT_TRUE(Text1->hasFocus());

    Retype(QStringLiteral("Farmers market"));
    QTest::keyClick(Text1, Qt::Key_Return);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_EQ(Cell(2, Description), "Farmers market");
    EXPECT_EQ(grid->Col(), Memo);
    EXPECT_EQ(Cell(2, TypeCode), "10");
    EXPECT_EQ(Cell(2, Balance), "880.00");
    EXPECT_TRUE(view->hasFocus());
    EXPECT_TRUE(window->isVisible());
    // A description stops where the record does.
    EnterOn(2, Description);
    Retype(QString(50, u'x'));
    EXPECT_EQ(Text1->text(), QString(ledger::DescriptionLength, u'x'));
    QTest::keyClick(Text1, Qt::Key_Escape);
}

TEST_F(frmRegisterTest, DoubleClickOpensTheDateEditorAndRefusesBalanceAndLockedRows) {
    AddFourRecords();
    ledger::UpdateTransaction(4, 102, Day(2009, 1, 5), 30, QStringLiteral("Phone"), true);
    Open();
    DoubleClick(1, Date);
    ASSERT_TRUE(DTPicker1->isVisible());
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_EQ(DTPicker1->Value(), QDate(2009, 1, 2));
    const QRect cell = CellInWindow(1, Date);
    EXPECT_EQ(DTPicker1->pos(), cell.topLeft());
    // 80 twips more than the cell, or what the date and the calendar button need when that is more.
    EXPECT_GE(DTPicker1->width() - cell.width(), 80 / 15);
    EXPECT_NEAR(DTPicker1->width(), std::max(cell.width() + 80 / 15.0, double(DTPicker1->WidthForDates())), 1.0);
    EXPECT_NEAR(DTPicker1->height() - cell.height(), 80 / 15.0, 1.0);
    QTest::keyClick(DTPicker1, Qt::Key_Escape);
    EXPECT_FALSE(DTPicker1->isVisible());
    EXPECT_TRUE(view->hasFocus());
    EXPECT_TRUE(window->isVisible());

    DoubleClick(2, Balance);
    EXPECT_FALSE(Text1->isVisible());
    const int locked = RowOfSlot(4);
    DoubleClick(locked, Description);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_FALSE(DTPicker1->isVisible());
    EnterOn(locked, Date);
    EXPECT_FALSE(DTPicker1->isVisible());
}

TEST_F(frmRegisterTest, TypedDatesAreCommittedAsTypedOrRefused) {
    ledger::AddTransaction(1, Day(2024, 5, 20), 10, QStringLiteral("edited"), ledger::CheckOrPayment);
    Open();
    for (const tallix::test::TypedDate& typed : tallix::test::TypedDates) {
        SCOPED_TRACE(typed.typed);
        DoubleClick(1, Date);
        ASSERT_TRUE(DTPicker1->isVisible());
        QTest::keyClick(DTPicker1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(DTPicker1, Qt::Key_Backspace);
        QTest::keyClicks(DTPicker1, QString::fromLatin1(typed.typed));
        // The whole text stays in view while it is typed.
        auto* edit = DTPicker1->findChild<QLineEdit*>();
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text().trimmed()), edit->width());
        QTest::keyClick(DTPicker1, Qt::Key_Return);
        if (typed.expected == tallix::test::TypedDatesStart) {
            // Refused: the editor stays open on the old date for a correction.
            EXPECT_TRUE(DTPicker1->isVisible());
            EXPECT_EQ(DTPicker1->text(), QStringLiteral("5/20/2024"));
            QTest::keyClick(DTPicker1, Qt::Key_Escape);
        }
        EXPECT_FALSE(DTPicker1->isVisible());
        EXPECT_EQ(Cell(1, Date),
                  platform::FormatShortDate(Day(typed.expected.year(), typed.expected.month(), typed.expected.day()))
                      .toStdString());
        // Back to the first date for the next case.
        if (Cell(1, Date) != "5/20/2024")
            QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(Cell(1, Date), "5/20/2024");
    }
}

TEST_F(frmRegisterTest, EscapeCancelsTheTextEditWithoutClosingTheWindow) {
    AddFourRecords();
    Open();
    EnterOn(3, Description);
    Retype(QStringLiteral("Bonus"));
    QTest::keyClick(Text1, Qt::Key_Escape);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_EQ(Cell(3, Description), "Salary");
    EXPECT_EQ(Cell(3, TypeCode), "3");
    EXPECT_TRUE(view->hasFocus());
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::keyClick(Command1, Qt::Key_Escape);
    QTest::keyClick(Command1, Qt::Key_Return);
    auto* Text2 = window->findChild<QLineEdit*>(QStringLiteral("Text2"));
    QTest::keyClick(Text2, Qt::Key_Return);
    QTest::keyClick(Text2, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Command1->text(), QStringLiteral("Lock records"));
}

TEST_F(frmRegisterTest, DownUpAndClicksCommitAndMove) {
    AddFourRecords();
    Open();
    EnterOn(2, Description);
    Retype(QStringLiteral("down"));
    QTest::keyClick(Text1, Qt::Key_Down);
    EXPECT_EQ(Cell(2, Description), "down");
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_FALSE(Text1->isVisible());

    QTest::keyClick(view, Qt::Key_Return);
    Retype(QStringLiteral("up"));
    QTest::keyClick(Text1, Qt::Key_Up);
    EXPECT_EQ(Cell(3, Description), "up");
    EXPECT_EQ(grid->Row(), 2);

    QTest::keyClick(view, Qt::Key_Return);
    Retype(QStringLiteral("clicked away"));
    Click(4, Type);
    EXPECT_EQ(Cell(2, Description), "clicked away");
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Col(), Type);
    EXPECT_EQ(Cell(4, TypeCode), "0");
}

TEST_F(frmRegisterTest, TheCurrentCellIsScrolledIntoViewWhateverMovedIt) {
    for (int day = 1; day <= 60; ++day)
        ledger::AddTransaction(0, Day(2009, 1, 1) + day, 1, QStringLiteral("fee %1").arg(day), ledger::Fee);
    Open();
    // Opened on the newest rows, the top row is shown whole.
    EXPECT_EQ(view->rowViewportPosition(grid->TopRow() - 1), 0);
    grid->SetTopRow(1);
    QCoreApplication::processEvents();
    int lastInView = grid->TopRow();
    while (grid->RowIsVisible(lastInView + 1))
        ++lastInView;
    ASSERT_LT(lastInView, grid->Rows() - 1);
    const QRect viewport = view->viewport()->geometry().translated(view->pos());

    EnterOn(lastInView, Description);
    QTest::keyClick(Text1, Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->Row(), lastInView + 1);
    EXPECT_TRUE(grid->RowIsVisible(grid->Row()));
    // The editor opens over the row the user now sees, also when the move is not yet drawn.
    grid->SetRow(1);
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_TRUE(Text1->isVisible());
    EXPECT_TRUE(viewport.contains(Text1->geometry()));
    EXPECT_EQ(Text1->text(), QStringLiteral("fee 1"));
}

TEST_F(frmRegisterTest, ADoubleClickThatCommitsADateOpensOnTheRecordPointedAt) {
    AddFourRecords();
    Open();
    DoubleClick(RowOfSlot(1), Date);
    DTPicker1->SetValue(QDate(2009, 1, 10)); // slot 1 sorts last, the others move up a row
    const int pointed = RowOfSlot(3);        // the deposit, under the pointer until the sort
    DoubleClick(pointed, Description);
    EXPECT_EQ(RowOfSlot(1), 4);
    ASSERT_TRUE(Text1->isVisible());
    EXPECT_EQ(Text1->text(), QStringLiteral("Salary"));
    EXPECT_EQ(grid->Row(), RowOfSlot(3));
    EXPECT_EQ(Text1->geometry(), CellInWindow(RowOfSlot(3), Description));
    Retype(QStringLiteral("Bonus"));
    QTest::keyClick(Text1, Qt::Key_Return);
    EXPECT_EQ(Cell(RowOfSlot(3), Description), "Bonus");
    EXPECT_EQ(Cell(RowOfSlot(4), Description), "Phone");

    // Once the rows stand still, clicks go where they point.
    DoubleClick(3, Description);
    EXPECT_EQ(Text1->text(), QStringLiteral("Phone"));
}

TEST_F(frmRegisterTest, UpOnTheFirstRowKeepsTheEditOpenUntilTheCellChanges) {
    AddFourRecords();
    Open();
    EnterOn(1, Description);
    Retype(QStringLiteral("pending"));
    QTest::keyClick(Text1, Qt::Key_Up);
    EXPECT_TRUE(Text1->isVisible());
    EXPECT_EQ(Cell(1, Description), "Electric company");
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(Cell(1, Description), "pending");
    EXPECT_FALSE(Text1->isVisible());
}

TEST_F(frmRegisterTest, MoneyCellsTakeOnlyAmountsAndTheBalancesFollowThem) {
    AddFourRecords();
    Open();
    EnterOn(1, Debit);
    EXPECT_EQ(Text1->text(), QStringLiteral("100.00"));
    QTest::keyClick(Text1, Qt::Key_End);
    QTest::keyClick(Text1, Qt::Key_5); // two decimals already stand
    EXPECT_EQ(Text1->text(), QStringLiteral("100.00"));
    Retype(QStringLiteral("12.3x.45"));
    EXPECT_EQ(Text1->text(), QStringLiteral("12.34"));
    QTest::keyClick(Text1, Qt::Key_Return);
    EXPECT_EQ(Cell(1, Debit), "12.34");
    EXPECT_EQ(Cell(1, Balance), "987.66");
    EXPECT_EQ(Cell(4, Balance), "1,437.66");

    EnterOn(1, Description);
    Retype(QStringLiteral("abc-1,5"));
    EXPECT_EQ(Text1->text(), QStringLiteral("abc-1,5"));
}

// The desktop's copy, cut, paste, select-all, undo and redo keys work in every editor, and a paste keeps the rules
// that typing keeps. In an open editor, undo and redo are the editor's, not the register's.
TEST_F(frmRegisterTest, EditKeysWorkInEveryEditorAndAPasteKeepsTheCellsRules) {
    AddFourRecords();
    Open();
    EnterOn(2, Description);
    Retype(QStringLiteral("Market"));
    QTest::keyClick(Text1, Qt::Key_Return);
    const struct {
        int col;
        const char* pasted;
        const char* kept;
    } cases[] = {
        {Debit, "12.50", "12.50"},   {Debit, "abc", "100.00"},      {Debit, "1.234", "100.00"},
        {CheckNumber, "150", "150"}, {Description, "Rent", "Rent"}, {Date, "3/4/2025", "3/4/2025"},
    };
    QClipboard* clipboard = QGuiApplication::clipboard();
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pasted) + " in column " + std::to_string(c.col));
        EnterOn(1, c.col);
        QWidget* editor = c.col == Date ? static_cast<QWidget*>(DTPicker1) : Text1;
        const auto text = [&] { return (c.col == Date ? DTPicker1->text() : Text1->text()).toStdString(); };
        const std::string opened = text();
        QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier); // the editor opens with its text selected
        EXPECT_EQ(clipboard->text().toStdString(), opened);
        clipboard->setText(QString::fromLatin1(c.pasted));
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(text(), c.kept);
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(text(), opened);
        EXPECT_TRUE(editor->isVisible());
        QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(text(), c.kept);
        // Where the desktop does not count Ctrl+Y, Ctrl+Shift+Z or Ctrl+Z as a text box's own key, the window's
        // undo and redo receive it: they work in the editor all the same.
        for (QAction* undoOrRedo : window->actions())
            if (undoOrRedo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
                redo = undoOrRedo;
            else if (undoOrRedo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)))
                undo = undoOrRedo;
        ASSERT_TRUE(undo && redo);
        undo->trigger();
        EXPECT_EQ(text(), opened);
        redo->trigger();
        EXPECT_EQ(text(), c.kept);
        EXPECT_TRUE(editor->isVisible());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(text(), "");
        EXPECT_EQ(clipboard->text().toStdString(), c.kept);
        QTest::keyClick(editor, Qt::Key_Escape);
    }
    EXPECT_EQ(Cell(2, Description), "Market");
}

TEST_F(frmRegisterTest, AmountsInTheLocalesFormAreWrittenBackExactly) {
    const std::tuple<const char*, const char*, const char*, float> cases[] = {
        {"en_US", "1234.50", "5.25", 5.25f},
        {"de_DE", "1234,50", "5,25", 5.25f},
        {"de_DE", "1234,50", "5.2,5", 52.5f}, // the "." key is no decimal comma: refused
        {"sv_SE", "1234,50", "0,1", 0.1f},
    };
    for (const auto& [locale, opened, typed, stored] : cases) {
        SCOPED_TRACE(std::string(locale) + " " + typed);
        const tallix::test::ScopedLocale scope(QString::fromLatin1(locale));
        ledger::NewLedger();
        ledger::AddTransaction(0, Day(2009, 1, 4), 1234.5f, QStringLiteral("Salary"), ledger::Deposit);
        Open();
        EnterOn(1, Credit);
        EXPECT_EQ(Text1->text(), QString::fromLatin1(opened)); // as typed, without thousands separators
        Retype(QString::fromLatin1(typed));
        QTest::keyClick(Text1, Qt::Key_Return);
        window->close();
        EXPECT_EQ(RecordInSlot(1).Amount, stored);
    }
}

TEST_F(frmRegisterTest, AnAmountThatCannotBeReadKeepsTheCellAndTheRecord) {
    AddFourRecords();
    Open();
    for (const char* typed : {"", ".", "131072.01"}) {
        EnterOn(1, Debit);
        Retype(QString::fromLatin1(typed));
        {
            PromptScript prompts; // only an amount beyond the cents says why
            if (std::string(typed) == "131072.01")
                prompts.ExpectMessage(QStringLiteral(
                    "131,072.01 would be kept as 131,072.02: amounts are kept to the cent up to 131,071.99"));
            QTest::keyClick(Text1, Qt::Key_Return);
        }
        EXPECT_FALSE(Text1->isVisible());
        EXPECT_EQ(Cell(1, Debit), "100.00") << typed;
        EXPECT_EQ(Cell(1, TypeCode), "0") << typed;
    }
    window->close();
    EXPECT_EQ(RecordInSlot(1).Amount, 100.0f);
}

TEST_F(frmRegisterTest, ACheckNumberThatIsNoWholeNumberIsNotCommitted) {
    AddFourRecords();
    Open();
    EnterOn(1, CheckNumber);
    Retype(QStringLiteral("12x"));
    QTest::keyClick(Text1, Qt::Key_Return);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_EQ(Cell(1, CheckNumber), "101");
    EXPECT_EQ(Cell(1, TypeCode), "0");

    EnterOn(1, CheckNumber);
    Retype(QStringLiteral("40000"));
    QTest::keyClick(Text1, Qt::Key_Return);
    EXPECT_EQ(Cell(1, CheckNumber), "101");

    EnterOn(1, CheckNumber);
    Retype(QStringLiteral("150"));
    QTest::keyClick(Text1, Qt::Key_Return);
    EXPECT_EQ(Cell(1, CheckNumber), "150");
    EXPECT_EQ(Cell(1, TypeCode), "10");
}

TEST_F(frmRegisterTest, TheDateEditorRefusesTheLockDateAndAcceptsTheNextDay) {
    ledger::AddTransaction(1, Day(2009, 2, 20), 10, QStringLiteral("before"), ledger::CheckOrPayment);
    ledger::AddTransaction(2, Day(2009, 3, 5), 10, QStringLiteral("moving"), ledger::CheckOrPayment);
    ledger::AddTransaction(3, Day(2009, 3, 3), 10, QStringLiteral("after"), ledger::CheckOrPayment);
    ledger::SetStartingBalance(100);
    ledger::SetLockDate(Day(2009, 3, 1));
    Open();
    const int moving = RowOfSlot(2);
    ASSERT_EQ(moving, 3);

    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Date must be greater than 3/1/2009"));
        DoubleClick(moving, Date);
        DTPicker1->SetValue(QDate(2009, 3, 1));
        QTest::keyClick(DTPicker1, Qt::Key_Return);
        EXPECT_TRUE(prompts.Done());
    }
    EXPECT_FALSE(DTPicker1->isVisible());
    EXPECT_EQ(Cell(moving, Date), "3/5/2009");
    EXPECT_EQ(Cell(moving, TypeCode), "0");

    DoubleClick(moving, Date);
    DTPicker1->SetValue(QDate(2009, 3, 2));
    QTest::keyClick(DTPicker1, Qt::Key_Return);
    EXPECT_FALSE(DTPicker1->isVisible());
    EXPECT_EQ(RowOfSlot(2), 2);
    EXPECT_EQ(Cell(2, Date), "3/2/2009");
    EXPECT_EQ(Cell(2, TypeCode), "10");
    EXPECT_EQ(Cell(2, Balance), "80.00");
    EXPECT_EQ(Cell(3, Description), "after");
    EXPECT_EQ(Cell(3, Balance), "70.00");
    EXPECT_EQ(grid->Col(), SortKey);
}

TEST_F(frmRegisterTest, LockCommandLocksUpToTheCurrentRowsDateAndUnlockReverses) {
    ledger::AddTransaction(1, Day(2009, 5, 1), 1, QStringLiteral("first"), ledger::CheckOrPayment);
    ledger::AddTransaction(2, Day(2009, 5, 5), 1, QStringLiteral("fifth"), ledger::CheckOrPayment);
    ledger::AddTransaction(3, Day(2009, 5, 9), 1, QStringLiteral("ninth"), ledger::CheckOrPayment);
    Open();
    Click(2, Description);
    QTest::mouseClick(Command1, Qt::LeftButton);

    EXPECT_EQ(Command1->text(), QStringLiteral("Unlock records"));
    EXPECT_EQ(Cell(1, Locked), "1");
    EXPECT_EQ(Cell(2, Locked), "1");
    EXPECT_EQ(Cell(3, Locked), "0");
    EXPECT_EQ(grid->CellColor(2, Description), RegisterLook::LockedRowColor);
    EXPECT_EQ(grid->CellColor(3, Description), grid->BackColor());
    double lockDate = 0;
    ASSERT_TRUE(ledger::GetLockDate(lockDate));
    EXPECT_EQ(lockDate, Day(2009, 5, 5));
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), SortKey);

    QTest::mouseClick(Command1, Qt::LeftButton);
    EXPECT_EQ(Command1->text(), QStringLiteral("Lock records"));
    EXPECT_EQ(Cell(1, Locked), "0");
    EXPECT_EQ(Cell(2, Locked), "0");
    EXPECT_EQ(grid->CellColor(1, Description), grid->BackColor());
    EXPECT_FALSE(ledger::GetLockDate(lockDate));
    EXPECT_EQ(Cell(1, TypeCode), "10");
    EXPECT_EQ(Cell(3, TypeCode), "0");
}

TEST_F(frmRegisterTest, DeleteAsksWithTheRowsTextsAndRemovesOnlyOnOk) {
    AddFourRecords();
    ledger::UpdateTransaction(4, 102, Day(2009, 1, 5), 30, QStringLiteral("Phone"), true);
    Open();
    const QString question = QStringLiteral("Delete this record?\r101\r1/2/2009\rElectric company\r100.00\r\r");
    Click(1, Description);
    {
        PromptScript prompts;
        prompts.ExpectMessage(question, Answer::Cancel);
        QTest::keyClick(view, Qt::Key_Delete);
        ASSERT_TRUE(prompts.Done());
        EXPECT_EQ(prompts.Messages().front().buttons, platform::Buttons::OkCancel);
        EXPECT_EQ(prompts.Messages().front().icon, platform::Icon::None);
    }
    EXPECT_EQ(grid->Rows(), 5);
    EXPECT_EQ(RecordInSlot(1).TypeCode, ledger::CheckOrPayment);
    {
        PromptScript prompts;
        prompts.ExpectMessage(question, Answer::Ok);
        QTest::keyClick(view, Qt::Key_Delete);
    }
    EXPECT_EQ(grid->Rows(), 4);
    EXPECT_EQ(RecordInSlot(1).TypeCode, ledger::Deleted);
    EXPECT_EQ(Cell(1, Description), "Grocer");
    EXPECT_EQ(Cell(1, Balance), "980.00");

    // A locked row asks nothing (any message box would fail the test).
    Click(RowOfSlot(4), Description);
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(grid->Rows(), 4);
}

TEST_F(frmRegisterTest, ClosingWritesBackExactlyTheChangedRows) {
    AddFourRecords();
    ledger::AddTransaction(0, Day(2009, 1, 6), 5, QStringLiteral("Charge"), ledger::Fee);
    Open();
    EnterOn(RowOfSlot(2), Description); // the payment
    Retype(QStringLiteral("Corner shop"));
    QTest::keyClick(Text1, Qt::Key_Return);
    EnterOn(RowOfSlot(5), Debit); // the fee
    Retype(QStringLiteral("7.5"));
    QTest::keyClick(Text1, Qt::Key_Return);
    EnterOn(RowOfSlot(4), CheckNumber);
    Retype(QStringLiteral("555"));
    QTest::keyClick(Text1, Qt::Key_Return);
    EnterOn(RowOfSlot(3), Description); // left open: closing commits it
    Retype(QStringLiteral("Bonus"));
    const ledger::TransactionRecord check = RecordInSlot(1);

    QTest::keyClick(Text1, Qt::Key_W, Qt::ControlModifier); // closes as the close box does
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(RecordInSlot(1), check);
    const ledger::TransactionRecord payment = RecordInSlot(2);
    EXPECT_EQ(payment.Description, ledger::FixDescription(QStringLiteral("Corner shop")));
    EXPECT_EQ(payment.CheckNumber, -1);
    EXPECT_EQ(payment.TypeCode, ledger::CheckOrPayment);
    EXPECT_EQ(payment.Date, Day(2009, 1, 3));
    EXPECT_EQ(payment.Amount, 20.0f);
    EXPECT_EQ(RecordInSlot(3).Description.trimmed(), QStringLiteral("Bonus"));
    EXPECT_EQ(RecordInSlot(3).CheckNumber, 0);
    EXPECT_EQ(RecordInSlot(3).Amount, 500.0f);
    EXPECT_EQ(RecordInSlot(4).CheckNumber, 555);
    EXPECT_EQ(RecordInSlot(5).Amount, 7.5f);
    EXPECT_EQ(RecordInSlot(5).CheckNumber, 0);
    EXPECT_EQ(RecordInSlot(5).TypeCode, ledger::Fee);
}

// Screen readers name the table after the window, its cells by their column headers, and each editor by the
// column it edits.
TEST_F(frmRegisterTest, CellsAndEditorsAreNamedAfterTheirColumns) {
    AddFourRecords();
    Open();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Check Register"));
    for (const auto& [col, editor] : {std::pair<int, QWidget*>{Date, DTPicker1}, {Description, Text1}}) {
        const QString header = grid->TextMatrix(0, col);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(0, col);
        // Header cells are made for the caller, who owns them.
        const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
        ASSERT_FALSE(headers.isEmpty());
        EXPECT_EQ(headers.first()->text(QAccessible::Name), header);
        for (QAccessibleInterface* made : headers)
            QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(made));
        DoubleClick(1, col);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(editor)->text(QAccessible::Name), header);
        QTest::keyClick(editor, Qt::Key_Escape);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->findChild<QLineEdit*>(QStringLiteral("Text2")))
                  ->text(QAccessible::Name),
              QStringLiteral("Starting Balance:"));
}

TEST_F(frmRegisterTest, ClosingWritesTheNewLockStateOfLockedRows) {
    AddFourRecords();
    Open();
    Click(2, Description);
    QTest::mouseClick(Command1, Qt::LeftButton);
    window->close();
    EXPECT_EQ(RecordInSlot(1).Locked, -1);
    EXPECT_EQ(RecordInSlot(2).Locked, -1);
    EXPECT_EQ(RecordInSlot(3).Locked, 0);
    EXPECT_TRUE(ledger::AreRecordsLocked());
}

TEST_F(frmRegisterTest, ClosingWithoutChangesWritesNothing) {
    AddFourRecords();
    SaveLedger();
    Open();
    Click(2, Description);
    window->close();
    EXPECT_FALSE(ledger::IsModified());
}

TEST_F(frmRegisterTest, ADateOpenAtCloseIsCommittedOrRefusedWithItsMessage) {
    AddFourRecords();
    ledger::SetLockDate(Day(2009, 1, 1));
    Open();
    DoubleClick(RowOfSlot(2), Date);
    DTPicker1->SetValue(QDate(2009, 1, 1));
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Date must be greater than 1/1/2009"));
        window->close();
    }
    EXPECT_EQ(RecordInSlot(2).Date, Day(2009, 1, 3));

    Open();
    DoubleClick(RowOfSlot(2), Date);
    DTPicker1->SetValue(QDate(2009, 2, 14));
    window->close();
    EXPECT_EQ(RecordInSlot(2).Date, Day(2009, 2, 14));
}

TEST_F(frmRegisterTest, TheHeightTravelsThroughRegHeight) {
    Open();
    const int frameHeight = window->frameGeometry().height() - window->height();
    EXPECT_EQ(window->height(), platform::TwipsToPixels(6225));
    window->close();
    EXPECT_EQ(regHeight, 6225 + frameHeight * 15);

    regHeight = 4500;
    Open();
    EXPECT_EQ(window->frameGeometry().height(), 300);
    window->resize(window->width(), 330);
    QCoreApplication::processEvents();
    window->close();
    EXPECT_EQ(regHeight, (330 + frameHeight) * 15);
}

// A window manager frames the window only after it is shown; the offscreen platform draws no frame for a window
// that asks for none, and one as soon as it no longer asks.
TEST_F(frmRegisterTest, TheHeightStaysWhenTheFrameComesLate) {
    QWidget owner;
    owner.show();
    for (int32_t stored : {0, 4500}) {
        regHeight = stored;
        for (int opening = 0; opening < 3; ++opening) {
            SCOPED_TRACE(opening);
            window = std::make_unique<frmRegister>(&owner, regHeight);
            window->setWindowFlag(Qt::FramelessWindowHint);
            window->show();
            ASSERT_TRUE(window->frameGeometry() == window->geometry());
            window->windowHandle()->setFlags(window->windowHandle()->flags() & ~Qt::FramelessWindowHint);
            window->move(window->pos() + QPoint(1, 0)); // the move that framing brings
            QCoreApplication::processEvents();
            ASSERT_NE(window->frameGeometry(), window->geometry());
            window->resize(10, window->height());
            QCoreApplication::processEvents();
            EXPECT_EQ(window->frameGeometry().width(), platform::TwipsToPixels(4000));
            window->close();
            if (stored == 0 && opening == 0)
                stored = regHeight;
            EXPECT_EQ(regHeight, stored);
        }
    }
    window.reset(); // before its owner
}

TEST_F(frmRegisterTest, AStoredHeightThatIsNoHeightOrTallerThanTheScreenIsNotTakenAsIs) {
    regHeight = -300;
    Open();
    EXPECT_EQ(window->height(), platform::TwipsToPixels(6225));
    window.reset();
    regHeight = 2'000'000'000;
    Open();
    EXPECT_LE(window->frameGeometry().height(), window->screen()->availableGeometry().height());
}

TEST_F(frmRegisterTest, TheWindowKeepsAMinimumWidthButAnyHeight) {
    Open();
    window->resize(100, 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->frameGeometry().width(), platform::TwipsToPixels(4000));
    EXPECT_EQ(window->height(), 50);
    window->resize(700, 500);
    QCoreApplication::processEvents();
    const int outerWidth = window->frameGeometry().width();
    EXPECT_EQ(view->geometry(), platform::TwipsRect(20, 600, outerWidth * 15 - 40, 500 * 15 - 600));
}

// The widths the register sets are the least: a number or date is never cut, in any locale's short date. Every
// column shows whole without scrolling sideways: the description gives up what the others need, and when that is
// not enough (a balance in the quadrillions), the window widens.
TEST_F(frmRegisterTest, ColumnsWidenToShowEveryNumberAndDateWhole) {
    const std::tuple<QLocale, QString, float> cases[] = {
        {QLocale::c(), QStringLiteral("11 Nov 2026"), 0},
        {QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("11/11/2026"), 0},
        {QLocale(QLocale::German, QLocale::Germany), QStringLiteral("11.11.2026"), 0},
        {QLocale(QLocale::German, QLocale::Germany), QStringLiteral("11.11.2026"), 3e16f},
    };
    for (const auto& [locale, date, startingBalance] : cases) {
        SCOPED_TRACE(locale.name().toStdString() + " from " + std::to_string(startingBalance));
        const tallix::test::LocaleGuard guard(locale);
        ledger::NewLedger();
        ledger::SetStartingBalance(startingBalance);
        ledger::AddTransaction(0, Day(2026, 9, 28), 1234567.875f, QStringLiteral("Car"), ledger::Fee);
        for (int pens = 0; pens < 40; ++pens) // rows enough for a vertical scroll bar
            ledger::AddTransaction(-1, Day(2026, 11, 11), 1, QStringLiteral("Pen"), ledger::CheckOrPayment);
        Open();
        ASSERT_EQ(grid->TextMatrix(2, Date), date);
        // The cell draws its text between margins on both sides.
        const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
        for (const int col : {Date, Debit, Balance}) {
            for (int row = 1; row < grid->Rows(); ++row)
                EXPECT_LE(view->fontMetrics().horizontalAdvance(grid->TextMatrix(row, col)) + margins,
                          CellInWindow(row, col).width())
                    << Cell(row, col);
        }
        const auto expectColumnsInView = [&] {
            QCoreApplication::processEvents();
            EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
            EXPECT_EQ(view->columnViewportPosition(Cleared) + view->columnWidth(Cleared), view->viewport()->width());
            EXPECT_EQ(grid->ColWidth(Description), platform::PixelsToTwips(view->columnWidth(Description)));
        };
        expectColumnsInView();
        EXPECT_EQ(window->width() > platform::TwipsToPixels(11400), startingBalance != 0);

        // A longer amount typed into a cell widens its column too (one the record's float keeps whole).
        const int widthBefore = window->width();
        EnterOn(2, Debit);
        Retype(QStringLiteral("123456790528"));
        QTest::keyClick(Text1, Qt::Key_Return);
        EXPECT_LE(view->fontMetrics().horizontalAdvance(grid->TextMatrix(2, Debit)) + margins,
                  CellInWindow(2, Debit).width());
        expectColumnsInView();
        EXPECT_EQ(window->width() > widthBefore, startingBalance != 0);
        window.reset();
    }
}

TEST_F(frmRegisterTest, ReopeningShowsWhatTheLastCloseWroteBack) {
    AddFourRecords();
    Open();
    EnterOn(1, Description);
    Retype(QStringLiteral("Power"));
    window->close();
    Open();
    EXPECT_EQ(Cell(1, Description), "Power");
    EXPECT_EQ(Cell(1, TypeCode), "0");
}

} // namespace

TEST_F(frmRegisterTest, TheFindBarSitsBelowTheGridAndStepsThroughMatches) {
    AddFourRecords();
    ledger::AddTransaction(103, Day(2009, 1, 6), 42.17f, QStringLiteral("Phone repair"), ledger::CheckOrPayment);
    Open();
    auto* bar = window->findChild<QWidget*>(QStringLiteral("FindBar"));
    auto* text = window->findChild<QLineEdit*>(QStringLiteral("FindText"));
    auto* note = window->findChild<QLabel*>(QStringLiteral("FindNote"));
    ASSERT_TRUE(bar && text && note);
    EXPECT_FALSE(bar->isVisible());
    const int gridBottom = view->geometry().bottom();

    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(text->hasFocus());
    EXPECT_LT(view->geometry().bottom(), bar->geometry().top());
    EXPECT_LT(view->geometry().bottom(), gridBottom);
    EXPECT_LE(bar->geometry().bottom(), window->height());

    QTest::keyClicks(text, QStringLiteral("phone"));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(grid->Row(), RowOfSlot(4));
    EXPECT_EQ(note->text(), QString());
    QTest::keyClick(text, Qt::Key_F3);
    EXPECT_EQ(grid->Row(), RowOfSlot(5));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(grid->Row(), RowOfSlot(4));
    EXPECT_EQ(note->text(), QStringLiteral("Search wrapped"));
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(grid->Row(), RowOfSlot(5));
    EXPECT_EQ(note->text(), QStringLiteral("Search wrapped"));
    QTest::keyClick(text, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(grid->Row(), RowOfSlot(4));
    EXPECT_EQ(note->text(), QString());

    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("42.17"));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(grid->Row(), RowOfSlot(5));

    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(view->hasFocus());
    EXPECT_EQ(view->geometry().bottom(), gridBottom);
}

TEST_F(frmRegisterTest, CtrlZAndCtrlYTakeBackAndRedoADeleteAnEditAndALock) {
    AddFourRecords();
    Open();
    EnterOn(RowOfSlot(2), Description);
    Retype(QStringLiteral("Market"));
    QTest::keyClick(Text1, Qt::Key_Return);
    Click(RowOfSlot(3), Description);
    QTest::mouseClick(Command1, Qt::LeftButton);
    ASSERT_EQ(Command1->text(), QStringLiteral("Unlock records"));
    Click(RowOfSlot(4), Description);
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Delete this record?\r102\r1/5/2009\rPhone\r30.00\r\r"), Answer::Ok);
        QTest::keyClick(view, Qt::Key_Delete);
    }
    ASSERT_EQ(RowOfSlot(4), -1);
    double lockDate = 0;

    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(RowOfSlot(4), 4);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(RecordInSlot(4).TypeCode, ledger::CheckOrPayment);
    EXPECT_EQ(Cell(4, Balance), "1,350.00");
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Command1->text(), QStringLiteral("Lock records"));
    EXPECT_FALSE(ledger::GetLockDate(lockDate));
    EXPECT_EQ(grid->CellColor(RowOfSlot(1), Description), grid->BackColor());
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(RowOfSlot(2), Description), "Grocer");
    EXPECT_EQ(Cell(RowOfSlot(2), TypeCode), "0");

    QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cell(RowOfSlot(2), Description), "Market");
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Command1->text(), QStringLiteral("Unlock records"));
    EXPECT_TRUE(ledger::GetLockDate(lockDate));
    EXPECT_EQ(lockDate, Day(2009, 1, 4));
    EXPECT_EQ(grid->CellColor(RowOfSlot(1), Description), RegisterLook::LockedRowColor);
    QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(RowOfSlot(4), -1);
    EXPECT_EQ(RecordInSlot(4).TypeCode, ledger::Deleted);

    window->close();
    EXPECT_EQ(RecordInSlot(2).Description.trimmed(), QStringLiteral("Market"));
    EXPECT_EQ(RecordInSlot(3).Locked, -1);
}

namespace {

// The upcoming rows below the grid: Enter and Skip as a user gives them, and undo.
TEST_F(frmRegisterTest, UpcomingRowsAreEnteredOrSkippedBelowTheGridAndUndone) {
    AddFourRecords();
    ledger::Schedule rent;
    rent.isCheck = true;
    rent.description = QStringLiteral("Rent");
    rent.amountCents = 40000;
    rent.rule.start = Day(2009, 1, 1);
    ASSERT_TRUE(ledger::SetSchedules({rent}));
    Open();
    window->SetLookAhead({Day(2009, 1, 10), 30, 0, {}});
    auto* upcoming = window->findChild<QTableView*>(QStringLiteral("Upcoming"));
    auto* note = window->findChild<QLabel*>(QStringLiteral("ForecastNote"));
    ASSERT_TRUE(upcoming && note && upcoming->isVisible());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("UpcomingTitle"))->text(), QStringLiteral("Today, 1/10/2009"));
    EXPECT_GT(upcoming->mapTo(window.get(), QPoint()).y(), view->geometry().bottom());
    const auto shown = [&] {
        QStringList rows;
        const QAbstractItemModel& m = *upcoming->model();
        for (int r = 0; r < m.rowCount(); ++r)
            rows << m.index(r, Date).data().toString() + QLatin1Char(' ') + m.index(r, Debit).data().toString() +
                        QLatin1Char(' ') + m.index(r, Balance).data().toString();
        return rows.join(QLatin1Char('|'));
    };
    EXPECT_EQ(shown(), QStringLiteral("1/1/2009 400.00 950.00|2/1/2009 400.00 550.00"));
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("Today's balance: 1,350.00    Lowest: ")));
    EXPECT_TRUE(note->text().endsWith(QStringLiteral("    1 scheduled due")));

    // Rows not yet due are greyed, yet readable (a contrast of 4.5:1 at least); the lowest balance turns red below
    // the cushion, in the note's own font however often it is set.
    const QColor later = upcoming->model()->index(1, Date).data(Qt::ForegroundRole).value<QColor>();
    EXPECT_GE(platform::ContrastRatio(later, upcoming->palette().color(QPalette::Base)), 4.5)
        << later.name().toStdString();
    const QFont noteFont = note->font();
    for (int i = 0; i < 2; ++i)
        window->SetLookAhead({Day(2009, 1, 10), 30, 100000, {}});
    EXPECT_EQ(note->palette().color(note->foregroundRole()), QColor(Qt::red));
    EXPECT_EQ(note->font().pointSizeF(), noteFont.pointSizeF());
    window->SetLookAhead({Day(2009, 1, 10), 30, 0, {}});
    EXPECT_NE(note->palette().color(note->foregroundRole()), QColor(Qt::red));
    // Maximized, the rows below keep their amounts under the grid's columns.
    window->resize(window->width() + 300, window->height());
    for (const int col : {Description, Debit, Balance})
        EXPECT_EQ(upcoming->columnViewportPosition(col) + upcoming->columnWidth(col),
                  view->columnViewportPosition(col) + view->columnWidth(col))
            << col;

    // Return on the overdue one enters it as check 103 among the rows.
    upcoming->setFocus();
    upcoming->setCurrentIndex(upcoming->model()->index(0, Description));
    const int gridHeight = view->height();
    QTest::keyClick(upcoming, Qt::Key_Return);
    EXPECT_GT(view->height(), gridHeight) << "the grid takes the room of the row the list no longer needs";
    EXPECT_EQ(grid->Rows(), 6);
    EXPECT_EQ(grid->TextMatrix(1, CheckNumber), QStringLiteral("103"));
    EXPECT_EQ(shown(), QStringLiteral("2/1/2009 400.00 550.00"));
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("Today's balance: 950.00")));

    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("UpcomingSkip")), Qt::LeftButton);
    EXPECT_EQ(upcoming->model()->rowCount(), 0);
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(grid->Rows(), 5);
    EXPECT_EQ(shown(), QStringLiteral("1/1/2009 400.00 950.00|2/1/2009 400.00 550.00"));
}

// Repeat... on the row pointed at offers that row's transaction to the editor, and the register takes what comes
// back as an undoable step.
TEST_F(frmRegisterTest, RepeatOffersThePointedRowAndAddsTheEditedSchedule) {
    AddFourRecords();
    Open();
    ledger::Schedule offered;
    window->SetLookAhead({Day(2009, 1, 10), 30, 0, [&](const ledger::Schedule& schedule) {
                              offered = schedule;
                              return std::optional<ledger::Schedule>(schedule);
                          }});
    ChooseFromContextMenu(RowOfSlot(3), Description, "mnuRepeat");
    EXPECT_EQ(offered.description, QStringLiteral("Salary"));
    ASSERT_EQ(ledger::Schedules().size(), 1u);
    EXPECT_EQ(ledger::NextDue(ledger::Schedules()[0])->day, Day(2009, 2, 4));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(ledger::Schedules().empty());
}

// The context menu offers the keys' commands for the row under the pointer, and only where they can act.
TEST_F(frmRegisterTest, TheContextMenuDoesWhatTheKeysDoOnThePointedRow) {
    AddFourRecords();
    Open();
    const QStringList all = {"mnuEdit", "mnuCleared", "mnuDelete", "mnuAddress", "mnuSplit", "mnuFind", "mnuLock"};
    EXPECT_EQ(ChooseFromContextMenu(RowOfSlot(2), Debit, ""), all); // nothing to undo or redo yet
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Delete this record?\r\r1/3/2009\rGrocer\r20.00\r\r"), Answer::Ok);
        ChooseFromContextMenu(RowOfSlot(2), Debit, "mnuDelete");
    }
    EXPECT_EQ(RowOfSlot(2), -1);
    ChooseFromContextMenu(1, Description, "mnuUndo");
    EXPECT_EQ(RowOfSlot(2), 2);

    // A check takes a memo typed into its cell, an address from its dialog and a void after a question; a deposit
    // takes none of them.
    EnterOn(RowOfSlot(3), Memo);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_EQ(ChooseFromContextMenu(RowOfSlot(3), Debit, ""),
              QStringList({"mnuCleared", "mnuDelete", "mnuSplit", "mnuFind", "mnuRedo", "mnuLock"}));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EnterOn(RowOfSlot(4), Memo);
    EXPECT_EQ(Text1->maxLength(), 60);
    Retype(QStringLiteral("Bill for May"));
    QTest::keyClick(Text1, Qt::Key_Return);
    EXPECT_EQ(ledger::MemoOf(4), QStringLiteral("Bill for May"));
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != QStringLiteral("AddressDialog"))
            return;
        answer.stop();
        dialog->findChild<QLineEdit*>(QStringLiteral("AddressLine1"))->setText(QStringLiteral("Phone Co."));
        dialog->findChild<QLineEdit*>(QStringLiteral("AddressLine2"))->setText(QStringLiteral("PO Box 5"));
        dialog->accept();
    });
    answer.start(10);
    ChooseFromContextMenu(RowOfSlot(4), Description, "mnuAddress");
    EXPECT_EQ(ledger::AddressOf(4), QStringList({"Phone Co.", "PO Box 5"}));
    {
        PromptScript prompts;
        prompts.ExpectMessage(
            QStringLiteral(
                "Void check 102 to Phone, dated 1/5/2009? Its amount becomes 0.00; its number and date stay."),
            Answer::Yes);
        ChooseFromContextMenu(RowOfSlot(4), Description, "mnuVoid");
    }
    EXPECT_EQ(Cell(RowOfSlot(4), Description) + " " + Cell(RowOfSlot(4), Debit), "VOID Phone 0.00");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const auto& [key, expected] :
         {std::pair{Qt::Key_Z, "Phone 30.00 Phone Co./PO Box 5"}, std::pair{Qt::Key_Z, "Phone 30.00 "},
          std::pair{Qt::Key_Y, "Phone 30.00 Phone Co./PO Box 5"},
          std::pair{Qt::Key_Y, "VOID Phone 0.00 Phone Co./PO Box 5"}}) {
        QTest::keyClick(view, key, Qt::ControlModifier);
        EXPECT_EQ(Cell(RowOfSlot(4), Description) + " " + Cell(RowOfSlot(4), Debit) + " " +
                      ledger::AddressOf(4).join('/').toStdString(),
                  expected);
    }
    // A read-only ledger is only searched.
    window->SetReadOnly(true);
    EXPECT_EQ(ChooseFromContextMenu(RowOfSlot(4), Description, ""), QStringList{"mnuFind"});
}

// A category typed with completion; a split refused while anything is left to assign, taken when exact, and its
// parts following a new amount as the user answers.
TEST_F(frmRegisterTest, CategoriesCompleteAndASplitClosesOnlyWhenItAddsUp) {
    AddFourRecords();
    Open();
    EnterOn(RowOfSlot(2), Category);
    ASSERT_TRUE(Text1->isVisible());
    QTest::keyClicks(Text1, QStringLiteral("groc"));
    QCompleter* completer = Text1->completer();
    ASSERT_TRUE(completer && completer->popup()->isVisible());
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    EXPECT_FALSE(Text1->isVisible());
    EXPECT_EQ(Cell(RowOfSlot(2), Category), "Food:Groceries");
    EXPECT_EQ(ledger::CategoryOf(2).category, QStringLiteral("Food:Groceries"));

    int shown = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != QStringLiteral("SplitEditor"))
            return;
        answer.stop();
        ++shown;
        auto* parts = dialog->findChild<QTableWidget*>(QStringLiteral("Parts"));
        auto* left = dialog->findChild<QLabel*>(QStringLiteral("LeftToAssign"));
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("OKButton"));
        ASSERT_TRUE(parts && left && ok);
        ASSERT_EQ(parts->rowCount(), 2);
        EXPECT_EQ(parts->item(0, 0)->text(), QStringLiteral("Food:Groceries"));
        parts->item(0, 2)->setText(QStringLiteral("15.00"));
        parts->item(1, 0)->setText(QStringLiteral(" health : doctor "));
        EXPECT_EQ(left->text(), QStringLiteral("Left to assign: 5.00"));
        {
            PromptScript prompts;
            prompts.ExpectMessage(QStringLiteral("5.00 is left to assign: the parts must add up to 20.00. Change a "
                                                 "part's amount, or add a part."));
            ok->click();
        }
        EXPECT_TRUE(dialog->isVisible());
        parts->item(1, 2)->setText(QStringLiteral("4.995")); // a third decimal is a typing error
        EXPECT_EQ(left->text(), QStringLiteral("Left to assign: ?"));
        parts->item(1, 2)->setText(QStringLiteral("5"));
        EXPECT_EQ(parts->item(1, 2)->text(), QStringLiteral("5.00"));
        EXPECT_EQ(left->text(), QStringLiteral("Left to assign: 0.00"));
        ok->click();
        EXPECT_FALSE(dialog->isVisible());
    });
    answer.start(10);
    ChooseFromContextMenu(RowOfSlot(2), Description, "mnuSplit");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Cell(RowOfSlot(2), Category), "(split)");
    const std::vector<ledger::SplitPart> split = {{QStringLiteral("Food:Groceries"), QString(), 1500},
                                                  {QStringLiteral("Health:Doctor"), QString(), 500}};
    EXPECT_EQ(ledger::CategoryOf(2).parts, split);

    // A new amount asks how the parts follow; Cancel keeps the amount and the parts.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QString question = QStringLiteral("Grocer is split into parts, and its amount changes from 20.00 to 30.00. "
                                            "How should the parts change?");
    for (const auto& [choice, expected] : {std::pair{"Cancel", std::pair{"20.00", 500}},
                                           std::pair{"Difference to the Last Part", std::pair{"30", 1500}}}) {
        PromptScript prompts;
        prompts.ExpectChoice(question, QString::fromLatin1(choice));
        EnterOn(RowOfSlot(2), Debit);
        Retype(QStringLiteral("30"));
        QTest::keyClick(Text1, Qt::Key_Return);
        EXPECT_EQ(Cell(RowOfSlot(2), Debit), expected.first) << choice;
        EXPECT_EQ(ledger::CategoryOf(2).parts.back().cents, expected.second) << choice;
    }
    // The amount and the parts are one step.
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(RowOfSlot(2), Debit), "20.00");
    EXPECT_EQ(ledger::CategoryOf(2).parts, split);
}

// Only the given transactions, each with its balance in the whole register; Show All goes back.
TEST_F(frmRegisterTest, TheFilteredViewKeepsEachRowsBalanceInTheWholeRegister) {
    AddFourRecords();
    Open();
    window->ShowOnlySlots({4, 2}, QStringLiteral("Groceries and phone"));
    auto* rows = window->findChild<QTableWidget*>(QStringLiteral("FilteredRows"));
    ASSERT_TRUE(rows && rows->isVisible());
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("FilterCaption"))->text(),
              QStringLiteral("2 transactions: Groceries and phone"));
    ASSERT_EQ(rows->rowCount(), 2);
    const int balance = rows->columnCount() - 2;
    EXPECT_EQ(rows->item(0, 2)->text() + ' ' + rows->item(0, balance)->text(), QStringLiteral("Grocer 880.00"));
    EXPECT_EQ(rows->item(1, 2)->text() + ' ' + rows->item(1, balance)->text(), QStringLiteral("Phone 1,350.00"));
    // A double click edits the row in the whole register; Show All only goes back.
    const QPoint phone = rows->visualItemRect(rows->item(1, 2)).center();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, phone);
    QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, phone);
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(rows->isVisible());
    EXPECT_EQ(grid->Row(), RowOfSlot(4));
    window->ShowOnlySlots({1}, QStringLiteral("Power"));
    EXPECT_EQ(rows->rowCount(), 1);
    window->findChild<QPushButton*>(QStringLiteral("FilterShowAll"))->click();
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(grid->Row(), RowOfSlot(4));
}

} // namespace
