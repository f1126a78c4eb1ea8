#include "ui/register/frmRegister.h"

#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/widgets/DatePicker.h"
#include "platform/widgets/FlexGridModel.h"
#include "platform/widgets/FlexGridView.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/TextRuleValidator.h"
#include "platform/widgets/Twips.h"
#include "ui/register/CellTextBox.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

using platform::PixelsToTwips;
using platform::TwipsRect;
using platform::TwipsToPixels;

namespace {
// 8940 before the memo column took its 960, 9900 before the category column took its 1500.
constexpr int DesignClientWidth = 11400;
constexpr int DesignClientHeight = 6225;
constexpr int MinimumWidth = 4000;
constexpr int GridLeft = 20;
constexpr int GridTop = 600;
constexpr int GridWidthMargin = 40;
} // namespace

frmRegister::frmRegister(QWidget* owner, int32_t& RegHeight) : QDialog(owner), RegHeight(RegHeight), procedures(grid) {
    setObjectName(QStringLiteral("frmRegister"));
    // The statement and upcoming bars show figures of the rows: they follow every command that changes them.
    procedures.SetChangeListener([this] {
        UpdateBars();
        if (FilterBar && !FilterBar->isHidden())
            FillFilteredRows();
    });
    setWindowTitle(tr("Check Register"));
    setModal(true);
    setSizeGripEnabled(false);
    setFont(platform::SansSerifFont(8.25));
    CreateControls();
    Form_Load();
    // The owner sets the look ahead (SetLookAhead), which fills the upcoming bar: filled here too, it would be
    // worked out twice on every opening.
    lookAhead.today = platform::DayCountFromDate(QDate::currentDate());
}

frmRegister::~frmRegister() {
    // The view reads the grid until it goes, and the grid is a member: the view goes first.
    delete MSFlexGrid1;
}

void frmRegister::CreateControls() {
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    Command1->setGeometry(TwipsRect(360, 120, 1335, 375));

    DTPicker1 = new platform::DatePicker(this);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setFrame(false); // it covers one grid cell: every pixel goes to the date
    DTPicker1->setGeometry(TwipsRect(1920, 120, 855, 375));

    Text1 = new CellTextBox(this);
    amountRule = new platform::TextRuleValidator(&ledger::IsDollarText, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFrame(false);
    Text1->setGeometry(TwipsRect(2880, 120, 1575, 285));

    Label1 = new QLabel(tr("Starting Balance:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipsRect(4560, 240, 1815, 255));

    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true); // display only: nothing reads it back
    QPalette face = Text2->palette();
    face.setColor(QPalette::Base, platform::ColorFromOle(platform::SystemButtonFaceColor));
    Text2->setPalette(face);
    Text2->setGeometry(TwipsRect(6480, 240, 1815, 285));
    Label1->setBuddy(Text2);

    MSFlexGrid1 = new platform::FlexGridView(grid, this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    // The grid is the whole register; screen readers name the table after the window.
    MSFlexGrid1->setAccessibleName(windowTitle());
    // Dates and amounts widen their columns to show them whole (FitColumn): the description makes room for them,
    // and past its least width the window.
    MSFlexGrid1->SetFillColumn(RegisterColumn::Description);
    connect(MSFlexGrid1, &platform::FlexGridView::WidthShort, this, &frmRegister::Widen);

    gridViewport = MSFlexGrid1->viewport();
    gridViewport->installEventFilter(this);
    connect(&grid, &platform::FlexGrid::DblClick, this, &frmRegister::MSFlexGrid1_DblClick);
    connect(&grid, &platform::FlexGrid::KeyPress, this, &frmRegister::MSFlexGrid1_KeyPress);
    connect(&grid, &platform::FlexGrid::KeyUp, this, &frmRegister::MSFlexGrid1_KeyUp);
    connect(&grid, &platform::FlexGrid::LeaveCell, this, &frmRegister::MSFlexGrid1_LeaveCell);
    connect(Text1, &CellTextBox::KeyPress, this, &frmRegister::Text1_KeyPress);
    connect(Text1, &CellTextBox::KeyDown, this, &frmRegister::Text1_KeyDown);
    connect(DTPicker1, &platform::DatePicker::KeyDown, this, &frmRegister::DTPicker1_KeyDown);
    connect(DTPicker1, &platform::DatePicker::LostFocus, this, &frmRegister::DTPicker1_LostFocus);
    connect(Command1, &QPushButton::clicked, this, &frmRegister::Command1_Click);

    // Ctrl+W closes the window as its close box does, and so whatever closing the desktop's key binding names.
    auto* closeWindow = new QAction(this);
    QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close))
        if (!keys.contains(key))
            keys << key;
    closeWindow->setShortcuts(keys);
    addAction(closeWindow);
    connect(closeWindow, &QAction::triggered, this, &QWidget::close);

    const auto addShortcuts = [this](const QList<QKeySequence>& keys, void (frmRegister::*slot)()) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    addShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)}, &frmRegister::UndoChange);
    addShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
                 &frmRegister::RedoChange);
    addShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F)}, &frmRegister::ShowFindBar);
    auto* findNext = new QAction(this);
    findNext->setShortcut(QKeySequence(Qt::Key_F3));
    addAction(findNext);
    connect(findNext, &QAction::triggered, this, [this] { FindStep(true); });
    auto* findPrevious = new QAction(this);
    findPrevious->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    addAction(findPrevious);
    connect(findPrevious, &QAction::triggered, this, [this] { FindStep(false); });

    FindBar = new QWidget(this);
    FindBar->setObjectName(QStringLiteral("FindBar"));
    auto* findLayout = new QHBoxLayout(FindBar);
    findLayout->setContentsMargins(2, 2, 2, 2);
    auto* findLabel = new QLabel(tr("Find:"), FindBar);
    FindText = new QLineEdit(FindBar);
    FindText->setObjectName(QStringLiteral("FindText"));
    findLabel->setBuddy(FindText);
    FindNote = new QLabel(FindBar);
    FindNote->setObjectName(QStringLiteral("FindNote"));
    findLayout->addWidget(findLabel);
    findLayout->addWidget(FindText, 1);
    findLayout->addWidget(FindNote, 1);
    FindText->installEventFilter(this);
    connect(FindText, &QLineEdit::textEdited, FindNote, &QLabel::clear);
    FindBar->hide();

    StatementBar = new QWidget(this);
    StatementBar->setObjectName(QStringLiteral("StatementBar"));
    auto* statementLayout = new QGridLayout(StatementBar);
    statementLayout->setContentsMargins(2, 2, 2, 2);
    statementLayout->setVerticalSpacing(1);
    StatementNote = new QLabel(StatementBar);
    StatementNote->setObjectName(QStringLiteral("StatementNote"));
    StatementCheck = new QLabel(StatementBar);
    StatementCheck->setObjectName(QStringLiteral("StatementCheck"));
    StatementHint = new QLabel(StatementBar);
    StatementHint->setObjectName(QStringLiteral("StatementHint"));
    StatementHint->setWordWrap(true);
    StatementFinish = new QPushButton(tr("Finish"), StatementBar);
    StatementFinish->setObjectName(QStringLiteral("StatementFinish"));
    StatementFinish->setAutoDefault(false);
    QSizePolicy keepsRoom = StatementFinish->sizePolicy();
    keepsRoom.setRetainSizeWhenHidden(true);
    StatementFinish->setSizePolicy(keepsRoom);
    statementLayout->addWidget(StatementNote, 0, 0);
    statementLayout->addWidget(StatementFinish, 0, 1, 2, 1);
    statementLayout->addWidget(StatementCheck, 1, 0);
    statementLayout->addWidget(StatementHint, 2, 0, 1, 2);
    statementLayout->setColumnStretch(0, 1);
    connect(StatementFinish, &QPushButton::clicked, this, &frmRegister::StatementFinish_Click);
    StatementBar->hide();
    CreateUpcomingBar();
}

namespace {
// The frame around the last register window closed in this run: the best guess for the next one before the
// window manager has framed it.
QSize lastFrame(-1, -1);

// A window not yet framed reports no frame, or on some systems a nonsense one; a frame that takes half the window
// is no frame.
bool IsPlausibleFrame(const QSize& frame, const QSize& outer) {
    return frame.width() >= 0 && frame.height() >= 0 && frame.height() * 2 < outer.height() &&
           frame.width() * 2 < outer.width();
}
} // namespace

// The window frame, which RegHeight counts: this window's own once the window manager has framed it, else the
// last register window's, else the owner's.
QSize frmRegister::FrameExtra() const {
    if (isVisible()) {
        const QSize own = frameGeometry().size() - geometry().size();
        if (!own.isNull() && IsPlausibleFrame(own, frameGeometry().size()))
            return own;
    }
    if (lastFrame.isValid())
        return lastFrame;
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (owner && owner->isVisible()) {
        const QSize frame = owner->frameGeometry().size() - owner->geometry().size();
        if (IsPlausibleFrame(frame, owner->frameGeometry().size()))
            return frame;
    }
    return {0, 0};
}

void frmRegister::Form_Load() {
    const QSize frame = FrameExtra();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    QSize client = platform::TwipsSize(DesignClientWidth, DesignClientHeight);
    // The stored height comes from the settings file: a height that is no height counts as none, and one taller
    // than the screen is cut to the screen.
    if (RegHeight > 0) {
        outerHeight = RegHeight;
        if (screen)
            outerHeight = std::min(outerHeight, PixelsToTwips(available.height()));
        client.setHeight(std::max(1, TwipsToPixels(outerHeight) - frame.height()));
        clientHeight = client.height();
    }
    frameUsed = frame;
    setMinimumWidth(TwipsToPixels(MinimumWidth) - frame.width());
    resize(client);

    DTPicker1->hide();
    Text1->hide();
    Text2->setText(platform::FormatGeneral(ledger::GetStartingBalance()));
    // The grid gets its size first, so that the fill can tell which rows are in view.
    Form_Resize();
    procedures.FillGrid();
    Widen(MSFlexGrid1->MissingWidth());
    Form_Resize(); // not shown yet: no resize event
    if (screen)
        move(available.center() - QPoint((width() + frame.width()) / 2, (height() + frame.height()) / 2));
    UpdateLockButton();
    MSFlexGrid1->setFocus();
}

// Widens the window by `pixels`, as far as the screen allows, and keeps it on the screen.
void frmRegister::Widen(int pixels) {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const int frameWidth = FrameExtra().width();
    const int wanted = std::min(width() + pixels, available.width() - frameWidth);
    if (wanted <= width())
        return;
    resize(wanted, height());
    if (x() + wanted + frameWidth > available.right() + 1)
        move(std::max(available.left(), available.right() + 1 - wanted - frameWidth), y());
}

void frmRegister::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FollowFrame();
}

void frmRegister::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    // Framing moves the window: the frame may be known now.
    FollowFrame();
}

// Once the window's own frame is known, the client area takes what it leaves of the asked height and width.
void frmRegister::FollowFrame() {
    const QSize frame = FrameExtra();
    if (frame == frameUsed)
        return;
    frameUsed = frame;
    setMinimumWidth(TwipsToPixels(MinimumWidth) - frame.width());
    if (outerHeight != 0 && height() == clientHeight) {
        clientHeight = std::max(1, TwipsToPixels(outerHeight) - frame.height());
        resize(width(), clientHeight);
    }
}

void frmRegister::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmRegister::Form_Resize() {
    FollowFrame();
    const QSize frame = FrameExtra();
    const int minimumPixels = TwipsToPixels(MinimumWidth);
    if (width() + frame.width() < minimumPixels)
        resize(minimumPixels - frame.width(), height());
    const int outerWidth = PixelsToTwips(width() + frame.width());
    // The find bar takes its height from the grid's bottom and the statement bar from its top, so that neither
    // covers a row.
    const int barHeight = FindBar->isVisible() ? FindBar->sizeHint().height() : 0;
    if (!StatementBar->isHidden())
        StatementHint->setFixedHeight(StatementHintHeight(TwipsToPixels(std::max(0, outerWidth - GridWidthMargin))));
    const int statementHeight = StatementBar->isHidden() ? 0 : StatementBar->sizeHint().height();
    const int upcomingHeight = UpcomingBar->isHidden() ? 0 : UpcomingBar->sizeHint().height();
    const int gridHeight = PixelsToTwips(height() - barHeight - statementHeight - upcomingHeight) - GridTop;
    const QRect placed =
        TwipsRect(GridLeft, GridTop, std::max(0, outerWidth - GridWidthMargin), std::max(0, gridHeight));
    // A client area lower than the grid's top would ask for a negative height: keep the last one.
    const QRect last = MSFlexGrid1->geometry();
    MSFlexGrid1->setGeometry(placed.left(), placed.top() + statementHeight,
                             outerWidth > GridWidthMargin ? placed.width() : last.width(),
                             gridHeight > 0 ? placed.height() : last.height());
    if (statementHeight > 0)
        StatementBar->setGeometry(MSFlexGrid1->x(), placed.top(), MSFlexGrid1->width(), statementHeight);
    if (upcomingHeight > 0)
        UpcomingBar->setGeometry(MSFlexGrid1->x(), MSFlexGrid1->geometry().bottom() + 1, MSFlexGrid1->width(),
                                 upcomingHeight);
    if (barHeight > 0)
        FindBar->setGeometry(MSFlexGrid1->x(), MSFlexGrid1->geometry().bottom() + 1 + upcomingHeight,
                             MSFlexGrid1->width(), barHeight);
    // The filtered view lies over the grid, its bar on top.
    if (FilterBar && !FilterBar->isHidden()) {
        const QRect area = MSFlexGrid1->geometry();
        const int filterHeight = FilterBar->sizeHint().height();
        FilterBar->setGeometry(area.x(), area.y(), area.width(), filterHeight);
        FilteredRows->setGeometry(area.x(), area.y() + filterHeight, area.width(),
                                  std::max(0, area.height() - filterHeight));
    }
}

void frmRegister::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmRegister::done(int result) {
    if (!unloaded) {
        unloaded = true;
        Form_Unload();
    }
    QDialog::done(result);
}

void frmRegister::Form_Unload() {
    // An edit still open is finished as if the user had left it.
    MSFlexGrid1_LeaveCell();
    DTPicker1_LostFocus();
    procedures.WriteBack();
    const QSize frame = FrameExtra();
    if (isVisible() && !(frameGeometry().size() - geometry().size()).isNull())
        lastFrame = frame;
    // Not resized since it opened: as high as it was asked to be, whatever the frame turned out to be.
    if (outerHeight != 0 && height() == clientHeight)
        RegHeight = outerHeight;
    else
        RegHeight = PixelsToTwips(height() + frame.height());
}
