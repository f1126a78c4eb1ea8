// The main window's controls, menus and status bar, laid out in twips as on the paper check they imitate.
#include "ui/main/frmMain.h"

#include "ledger/Categories.h"
#include "ledger/CheckDetails.h"
#include "ledger/Ledger.h"
#include "ledger/StoreNotifier.h"
#include "model/TransactionRules.h"
#include "platform/Prompt.h"
#include "platform/widgets/CompletionClicks.h"
#include "platform/widgets/DatePicker.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/PathLabel.h"
#include "platform/widgets/Place.h"
#include "platform/widgets/TextRuleValidator.h"
#include "platform/widgets/Twips.h"
#include "storage/LedgerFile.h"
#include "storage/Recovery.h"
#include "ui/main/CaptionFrame.h"
#include "ui/resources/Resources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

namespace {

const QString ScriptFamily = QStringLiteral("Dancing Script");

// Stand-in for the "Script" font of the signature: any cursive family the system has.
QFont SignatureFont() {
    QFont font(ScriptFamily);
    font.setStyleHint(QFont::Cursive);
    font.setPointSizeF(20.25);
    font.setBold(true);
    return font;
}

// The button-face colour that frames, labels and options keep on the window's pale-yellow background.
QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Window);
}

void FillWith(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height) {
    return platform::Place(control, QLatin1String(name), platform::TwipsRect(left, top, width, height));
}

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& caption, Qt::Alignment horizontal, int left,
                   int top, int width, int height) {
    auto* label = Place(new QLabel(caption, parent), name, left, top, width, height);
    label->setAlignment(horizontal | Qt::AlignTop);
    // The places fit the English captions; a longer translation of a right-aligned one grows away from its box.
    const int wider = label->fontMetrics().horizontalAdvance(caption) - label->width();
    if (horizontal == Qt::AlignRight && wider > 0)
        label->setGeometry(label->geometry().adjusted(-wider, 0, 0, 0));
    return label;
}

CaptionFrame* PlaceFrame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                         int height) {
    auto* frame =
        Place(new CaptionFrame(caption, platform::SansSerifFont(9.75), parent), name, left, top, width, height);
    FillWith(frame, QPalette::Window, ButtonFace());
    return frame;
}

QLineEdit* PlaceText(QWidget* parent, const char* name, int left, int top, int width, int height) {
    return Place(new QLineEdit(parent), name, left, top, width, height);
}

QPushButton* PlaceButton(QWidget* parent, const char* name, const QString& caption, int left, int width = 1095) {
    auto* button = Place(new QPushButton(caption, parent), name, left, 5640, width, 375);
    button->setAutoDefault(false);
    return button;
}

// Any path may be typed; the ledger's categories are offered as the user types, matching anywhere in the path and
// ignoring case ("groc" offers "Food:Groceries"). What was typed stays unless an offer is picked.
QComboBox* PlaceCategoryBox(QWidget* parent, const char* name, const QString& accessibleName, int left, int top,
                            int width) {
    auto* box = Place(new QComboBox(parent), name, left, top, width, 315);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    box->completer()->setFilterMode(Qt::MatchContains);
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    platform::PassClicksBesideCompletion(box->completer());
    box->setAccessibleName(accessibleName);
    box->setAccessibleDescription(accessibleName);
    box->lineEdit()->setAccessibleName(accessibleName);
    return box;
}

} // namespace

frmMain::frmMain(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
    LoadTallixResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(platform::ProgramTitle());
    setWindowIcon(QIcon(QStringLiteral(":/tallix/tallix.svg")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(platform::SansSerifFont(8.25));

    // The client area below the menu is 8085 x 6555 twips; the status bar takes its bottom 375.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(platform::TwipsToPixels(8085), platform::TwipsToPixels(6180));
    FillWith(client, QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    setCentralWidget(client);

    BuildCheckFrame(client);
    BuildDepositFrame(client);
    BuildButtons(client);
    BuildMenus();
    BuildStatusBar();
    SetTabOrder();
    ConnectEvents();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();

    ledger::SetFileNamePrompt([this](bool bOpen) { return PromptForFileName(bOpen); });
    ledger::SetDiskChangePrompt(AskAboutDiskChange);
    // The window is the one writer of the ledger it has open, and keeps every change recoverable until saved.
    ledger::SetHoldWhileOpen(true);
    ledger::SetRecoveryJournal(true);

    Form_Initialize(arguments);
    Form_Load();

    Command2->setFocus();
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - rect().center());
}

frmMain::~frmMain() {
    ledger::SetFileNamePrompt(nullptr);
    ledger::SetDiskChangePrompt(nullptr);
    ledger::SetHoldWhileOpen(false);
    ledger::SetRecoveryJournal(false);
}

void frmMain::BuildCheckFrame(QWidget* client) {
    Frame1 = PlaceFrame(client, "Frame1", tr("Check or payment"), 360, 240, 7335, 2715);
    Option5 = Place(new QRadioButton(tr("Check"), Frame1), "Option5", 3480, 360, 975, 255);
    Option5->setChecked(true);
    Option6 = Place(new QRadioButton(tr("Payment"), Frame1), "Option6", 3480, 600, 1095, 255);
    Label4 = PlaceLabel(Frame1, "Label4", tr("Check #"), Qt::AlignRight, 4800, 360, 615, 255);
    Text4 = PlaceText(Frame1, "Text4", 5640, 360, 1455, 285);
    // Each box is announced by the label beside it; without a buddy, screen readers name it after its frame.
    Label4->setBuddy(Text4);
    auto* date = PlaceLabel(Frame1, "Label1", tr("Date:"), Qt::AlignRight, 4920, 840, 495, 255);
    DTPicker1 = Place(new platform::DatePicker(Frame1), "DTPicker1", 5640, 840, 1455, 375);
    date->setBuddy(DTPicker1);
    // Both frames have a "Date:" and an amount: the names tell a screen reader's user which one has the focus.
    DTPicker1->setAccessibleName(tr("Check date"));
    auto* payTo = PlaceLabel(Frame1, "Label2", tr("Pay to the order of:"), Qt::AlignLeft, 240, 1200, 975, 495);
    payTo->setWordWrap(true);

    Combo1 = Place(new QComboBox(Frame1), "Combo1", 1080, 1320, 4215, 315);
    Combo1->setEditable(true);
    payTo->setBuddy(Combo1);
    // The edit field is a box of its own to screen readers, and no label's buddy. On Linux a combo box's name is
    // its current text, so the description carries its name there.
    Combo1->setAccessibleName(tr("Payee"));
    Combo1->setAccessibleDescription(Combo1->accessibleName());
    Combo1->lineEdit()->setAccessibleName(Combo1->accessibleName());
    // The list holds the ledger's payees only; typing a new payee and pressing Enter does not add it.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->completer()->setCaseSensitivity(Qt::CaseSensitive);
    // Earlier payees are offered in a list; what the user typed stays as typed unless an offer is picked.
    Combo1->completer()->setCompletionMode(QCompleter::PopupCompletion);
    platform::PassClicksBesideCompletion(Combo1->completer());

    auto* dollar = PlaceLabel(Frame1, "Label3", QStringLiteral("$"), Qt::AlignLeft, 5400, 1320, 135, 375);
    dollar->setFont(platform::SansSerifFont(13.5, true));
    // The stand-in font draws the "$" a pixel wider than the 135 twips the original's took.
    dollar->resize(std::max(dollar->width(), dollar->fontMetrics().horizontalAdvance(dollar->text())),
                   dollar->height());
    Text3 = PlaceText(Frame1, "Text3", 5640, 1320, 1455, 285);
    Text3->setValidator(new platform::TextRuleValidator(&ledger::IsDollarText, Text3));
    // Its label is the "$" sign: the name says what the box holds.
    Text3->setAccessibleName(tr("Check amount"));

    // The signature: shown on the check in the frame's colour, set only through the settings dialog.
    Text5 = PlaceText(Frame1, "Text5", 4440, 1800, 2655, 375);
    Text5->setFont(SignatureFont());
    Text5->setFrame(false);
    Text5->setReadOnly(true);
    Text5->setFocusPolicy(Qt::NoFocus);
    Text5->setAccessibleName(tr("Signature"));
    // No box of its own: the name stands on the frame's face like a signature on the check.
    QPalette signature = Text5->palette();
    signature.setColor(QPalette::Base, Qt::transparent);
    Text5->setPalette(signature);

    // What a check carries beyond its record, in the frame's free corners: the memo at the bottom left as on a
    // paper check, the address and the print queue at the top left.
    cmdAddress = Place(new QPushButton(tr("Address..."), Frame1), "cmdAddress", 240, 360, 1215, 315);
    cmdAddress->setAutoDefault(false);
    chkPrintLater = Place(new QCheckBox(tr("Print later"), Frame1), "chkPrintLater", 240, 795, 2175, 255);
    auto* memo = PlaceLabel(Frame1, "lblMemo", tr("Memo:"), Qt::AlignLeft, 240, 1830, 735, 255);
    txtMemo = PlaceText(Frame1, "txtMemo", 960, 1800, 3360, 285);
    txtMemo->setMaxLength(ledger::MaxMemoLength);
    memo->setBuddy(txtMemo);
    // Where the money went, in a row of its own below the check's face.
    auto* category = PlaceLabel(Frame1, "lblCategory", tr("&Category:"), Qt::AlignLeft, 240, 2310, 840, 255);
    cboCategory = PlaceCategoryBox(Frame1, "cboCategory", tr("Check category"), 1080, 2265, 3240);
    category->setBuddy(cboCategory);
}

void frmMain::BuildDepositFrame(QWidget* client) {
    Frame2 = PlaceFrame(client, "Frame2", tr("Deposit, fee or withdrawal"), 360, 3180, 7335, 2235);
    // One option group of its own for the four kinds.
    auto* kinds = Place(new QWidget(Frame2), "Frame3", 120, 240, 1335, 1455);
    Option1 = Place(new QRadioButton(tr("Deposit"), kinds), "Option1", 0, 120, 1695, 255);
    Option4 = Place(new QRadioButton(tr("Interest"), kinds), "Option4", 0, 480, 975, 195);
    Option2 = Place(new QRadioButton(tr("Fee"), kinds), "Option2", 0, 840, 1575, 255);
    Option3 = Place(new QRadioButton(tr("Withdrawal"), kinds), "Option3", 0, 1200, 1335, 255);

    auto* date = PlaceLabel(Frame2, "Label7", tr("Date:"), Qt::AlignRight, 3000, 360, 855, 255);
    DTPicker2 = Place(new platform::DatePicker(Frame2), "DTPicker2", 3960, 360, 1455, 375);
    date->setBuddy(DTPicker2);
    DTPicker2->setAccessibleName(tr("Transaction date"));
    auto* description =
        PlaceLabel(Frame2, "Label6", tr("Description of Transaction:"), Qt::AlignRight, 1800, 840, 2055, 255);
    Text7 = PlaceText(Frame2, "Text7", 3960, 840, 3255, 285);
    description->setBuddy(Text7);
    auto* amount = PlaceLabel(Frame2, "Label5", tr("Amount:"), Qt::AlignRight, 3000, 1320, 855, 255);
    Text6 = PlaceText(Frame2, "Text6", 3960, 1320, 2535, 285);
    amount->setBuddy(Text6);
    Text6->setAccessibleName(tr("Transaction amount"));
    Text6->setValidator(new platform::TextRuleValidator(&ledger::IsDollarText, Text6));
    // Both frames' labels are on screen at once: each has a key of its own.
    auto* category = PlaceLabel(Frame2, "lblCategory2", tr("Ca&tegory:"), Qt::AlignRight, 3000, 1800, 855, 255);
    cboCategory2 = PlaceCategoryBox(Frame2, "cboCategory2", tr("Transaction category"), 3960, 1785, 3255);
    category->setBuddy(cboCategory2);
}

void frmMain::BuildButtons(QWidget* client) {
    Command1 = PlaceButton(client, "Command1", tr("Add"), 480);
    Command2 = PlaceButton(client, "Command2", tr("Clear"), 1920);
    Command4 = PlaceButton(client, "Command4", tr("Show Register"), 3360, 1335);
    Command5 = PlaceButton(client, "Command5", tr("About"), 5040);
    Command3 = PlaceButton(client, "Command3", tr("Exit"), 6480);
}

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File"));
    New = file->addAction(tr("&New"));
    New->setObjectName(QStringLiteral("New"));
    New->setShortcut(QKeySequence::New);
    Open = file->addAction(tr("&Open"));
    Open->setObjectName(QStringLiteral("Open"));
    Open->setShortcut(QKeySequence::Open);
    OpenRecent = file->addMenu(tr("Open Recen&t"));
    OpenRecent->setObjectName(QStringLiteral("OpenRecent"));
    Save = file->addAction(tr("&Save"));
    Save->setObjectName(QStringLiteral("Save"));
    Save->setShortcut(QKeySequence::Save);
    SaveAs = file->addAction(tr("Save &As..."));
    SaveAs->setObjectName(QStringLiteral("SaveAs"));
    // Not every platform theme has a standard key for Save As.
    SaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Import = file->addAction(tr("&Import..."));
    Import->setObjectName(QStringLiteral("Import"));
    PrintRegister = file->addAction(tr("Print &Register..."));
    PrintRegister->setObjectName(QStringLiteral("PrintRegister"));
    PrintRegister->setShortcut(QKeySequence::Print);
    PrintChecks = file->addAction(tr("Print C&hecks..."));
    PrintChecks->setObjectName(QStringLiteral("mnuFilePrintChecks"));
    file->addSeparator()->setObjectName(QStringLiteral("Seperator"));
    Exit = file->addAction(tr("E&xit"));
    Exit->setObjectName(QStringLiteral("Exit"));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("View"));
    BalanceChart = view->addAction(tr("Balance &Chart"));
    BalanceChart->setObjectName(QStringLiteral("mnuViewChart"));
    Reports = view->addAction(tr("&Reports..."));
    Reports->setObjectName(QStringLiteral("mnuViewReports"));

    QMenu* setup = menuBar()->addMenu(tr("&Setup"));
    setup->setObjectName(QStringLiteral("Setup"));
    Associate = setup->addAction(tr("Associate"));
    Associate->setObjectName(QStringLiteral("Associate"));
    Options = setup->addAction(tr("&Options"));
    Options->setObjectName(QStringLiteral("Options"));
    BalanceToStatement = setup->addAction(tr("&Balance to Statement..."));
    BalanceToStatement->setObjectName(QStringLiteral("mnuSetupBalance"));
    Schedules = setup->addAction(tr("&Schedules..."));
    Schedules->setObjectName(QStringLiteral("mnuSetupSchedules"));
    Categories = setup->addAction(tr("&Categories..."));
    Categories->setObjectName(QStringLiteral("mnuSetupCategories"));
}

void frmMain::BuildStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(platform::TwipsToPixels(6555) - platform::TwipsToPixels(6180));
    FillWith(StatusBar1, QPalette::Window, ButtonFace());
    // A long path leaves out its middle, so the file's name stays in view; it must not widen the fixed-size window.
    Panel1 = new platform::PathLabel(StatusBar1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Panel2 = new QLabel(StatusBar1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedWidth(platform::TwipsToPixels(1440));
    // The look ahead in brief, while the ledger has schedules.
    Panel3 = new QLabel(StatusBar1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->hide();
    // How much is in the account today.
    Panel4 = new QLabel(StatusBar1);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setToolTip(tr("Today's balance: the starting balance and every transaction dated up to "
                          "today; scheduled transactions count once they are entered"));
    for (QLabel* panel : {Panel1, Panel2, Panel3, Panel4})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // What Add says for a few seconds covers the other panels; the balance it changed stays in view.
    StatusBar1->addWidget(Panel1, 1);
    StatusBar1->addWidget(Panel3);
    StatusBar1->addWidget(Panel2);
    StatusBar1->addPermanentWidget(Panel4);
    setStatusBar(StatusBar1);
    // The panels show the store: they follow it, whichever command or window changed it.
    connect(&ledger::Notifier(), &ledger::StoreNotifier::Changed, this, &frmMain::UpdateStatusBar);
}

void frmMain::SetTabOrder() {
    const QList<QWidget*> order = {Command2,      Text4,     Text3,    txtMemo,      cboCategory, cmdAddress,
                                   chkPrintLater, Text7,     Text6,    cboCategory2, Command1,    Option1,
                                   Option2,       Option3,   Command3, Command4,     Option4,     Combo1,
                                   DTPicker1,     DTPicker2, Command5, Option5,      Option6};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void frmMain::ConnectEvents() {
    for (QLineEdit* field : {Text4, Text3, Text6, Text7, txtMemo})
        field->installEventFilter(this);
    for (QWidget* field : std::initializer_list<QWidget*>{cmdAddress, chkPrintLater, cboCategory, cboCategory2})
        field->installEventFilter(this);
    connect(Combo1, &QComboBox::currentTextChanged, this, &frmMain::Payee_Changed);
    connect(Text7, &QLineEdit::textChanged, this,
            [this](const QString& description) { FillLastCategory(cboCategory2, FilledCategory2, description); });
    connect(&ledger::Notifier(), &ledger::StoreNotifier::Changed, this, &frmMain::FillCategoryLists);
    connect(cmdAddress, &QPushButton::clicked, this, &frmMain::Address_Click);
    Combo1->installEventFilter(this);
    connect(DTPicker1, &platform::DatePicker::GotFocus, this, &frmMain::CheckFieldGotFocus);
    connect(DTPicker2, &platform::DatePicker::GotFocus, this, &frmMain::DepositFieldGotFocus);

    connect(Option1, &QRadioButton::clicked, this, [this] { DepositKind_Click(ledger::Deposit); });
    connect(Option2, &QRadioButton::clicked, this, [this] { DepositKind_Click(ledger::Fee); });
    connect(Option3, &QRadioButton::clicked, this, [this] { DepositKind_Click(ledger::Withdrawal); });
    connect(Option4, &QRadioButton::clicked, this, [this] { DepositKind_Click(ledger::Interest); });
    connect(Option5, &QRadioButton::clicked, this, &frmMain::Option5_Click);
    connect(Option6, &QRadioButton::clicked, this, &frmMain::Option6_Click);

    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmMain::close);
    connect(Command4, &QPushButton::clicked, this, &frmMain::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmMain::Command5_Click);

    connect(New, &QAction::triggered, this, &frmMain::New_Click);
    connect(Open, &QAction::triggered, this, &frmMain::Open_Click);
    connect(OpenRecent, &QMenu::aboutToShow, this, &frmMain::OpenRecent_AboutToShow);
    connect(Save, &QAction::triggered, this, &frmMain::SaveChart);
    connect(SaveAs, &QAction::triggered, this, &frmMain::SaveAs_Click);
    connect(Import, &QAction::triggered, this, &frmMain::Import_Click);
    connect(PrintRegister, &QAction::triggered, this, &frmMain::PrintRegister_Click);
    connect(PrintChecks, &QAction::triggered, this, &frmMain::PrintChecks_Click);
    connect(Exit, &QAction::triggered, this, &frmMain::close);
    connect(BalanceChart, &QAction::triggered, this, &frmMain::BalanceChart_Click);
    connect(Reports, &QAction::triggered, this, &frmMain::Reports_Click);
    connect(Associate, &QAction::triggered, this, &frmMain::Associate_Click);
    connect(Options, &QAction::triggered, this, &frmMain::Options_Click);
    connect(BalanceToStatement, &QAction::triggered, this, &frmMain::BalanceToStatement_Click);
    connect(Schedules, &QAction::triggered, this, &frmMain::Schedules_Click);
    connect(Categories, &QAction::triggered, this, &frmMain::Categories_Click);
    FillCategoryLists();
}
