// The window's geometry, colours, fonts, tab order and menus, and captions that fit their controls.
#include "MainWindowFixture.h"

#include "platform/widgets/Contrast.h"
#include "platform/widgets/PathLabel.h"
#include "support/ScopedPalette.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

namespace {

class LayoutTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteSettings();
        Start();
        window->show();
        if (window->logicalDpiY() != 96)
            GTEST_SKIP() << "pixel figures below are for 96 dpi";
    }
    QRect Geometry(const char* name) const { return Find(name)->geometry(); }
};

} // namespace

TEST_F(LayoutTest, ControlsSitWhereTheTwipsPutThem) {
    EXPECT_EQ(Geometry("Frame1"), QRect(24, 16, 489, 181));
    EXPECT_EQ(Geometry("Text4"), QRect(376, 24, 97, 19));
    EXPECT_EQ(Geometry("Combo1"), QRect(72, 88, 281, 21));
    EXPECT_EQ(Geometry("cboCategory"), QRect(72, 151, 216, 21));
    EXPECT_EQ(Geometry("Frame2"), QRect(24, 212, 489, 149));
    EXPECT_EQ(Geometry("Frame3"), QRect(8, 16, 89, 97));
    EXPECT_EQ(Geometry("Option3"), QRect(0, 80, 89, 17));
    EXPECT_EQ(Geometry("Text6"), QRect(264, 88, 169, 19));
    EXPECT_EQ(Geometry("cboCategory2"), QRect(264, 119, 217, 21));
    EXPECT_EQ(Geometry("Command4"), QRect(224, 376, 89, 25));
    EXPECT_EQ(Geometry("Command3"), QRect(432, 376, 73, 25));

    // Client area below the menu: 8085 x 6555 twips, the status bar in its bottom 375.
    const int menuHeight = window->menuBar()->height();
    EXPECT_EQ(window->width(), 539);
    EXPECT_EQ(window->height() - menuHeight, 437);
    const QRect status = Find("StatusBar1")->geometry();
    EXPECT_EQ(status.top() - menuHeight, 412);
    EXPECT_EQ(status.height(), 25);
    EXPECT_EQ(Find("Panel2")->width(), 96);
    // Today's balance whole beside it; the path takes the rest.
    auto* balance = Find<QLabel>("Panel4");
    EXPECT_GE(balance->contentsRect().width(), balance->fontMetrics().horizontalAdvance(balance->text()));
    EXPECT_GE(Find("Panel1")->width(), 300);
}

TEST_F(LayoutTest, ALongDataFilePathDoesNotWidenTheWindow) {
    const QSize before = window->size();
    const QString path = WriteLedger(QString(60, QLatin1Char('x')) + QStringLiteral(".tlx"), [] {});
    PromptScript prompts;
    prompts.ExpectFileDialog(true, path);
    Trigger("Open");
    ASSERT_EQ(Panel("Panel1"), path);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), before);
    // The panel shows both ends of the path, the file's name whole; the tool tip shows all of it.
    EXPECT_TRUE(Find<platform::PathLabel>("Panel1")->ShownText().endsWith(QFileInfo(path).fileName()));
    EXPECT_EQ(Find("Panel1")->toolTip(), path);
}

TEST_F(LayoutTest, FixedSizeCentredWithoutMaximize) {
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tallix"));
    EXPECT_FALSE(window->windowIcon().isNull());
    // Centred before the window manager adds its frame, so the frame's border may shift it a little.
    const QPoint centre = window->screen()->availableGeometry().center();
    EXPECT_LE((window->geometry().center() - centre).manhattanLength(), 8);
}

TEST_F(LayoutTest, PaleYellowAroundButtonFaceFrames) {
    const QPalette application = QApplication::palette();
    QWidget* client = Find("Client");
    EXPECT_TRUE(client->autoFillBackground());
    EXPECT_EQ(client->palette().color(QPalette::Window), application.color(QPalette::ToolTipBase));
    for (const char* frame : {"Frame1", "Frame2"}) {
        EXPECT_TRUE(Find(frame)->autoFillBackground()) << frame;
        EXPECT_EQ(Find(frame)->palette().color(QPalette::Window), application.color(QPalette::Window)) << frame;
    }
    EXPECT_EQ(Find("Option1")->palette().color(QPalette::Window), application.color(QPalette::Window));
    QLineEdit* signature = Text("Text5");
    EXPECT_EQ(signature->palette().color(QPalette::Base).alpha(), 0); // shows the frame's face
    EXPECT_FALSE(signature->autoFillBackground());
    EXPECT_TRUE(signature->isReadOnly());
    EXPECT_EQ(signature->focusPolicy(), Qt::NoFocus);
}

// Black and red captions are meant for a light face: under a dark theme they stand on a light patch, under a
// light one on the frame's own face as before.
TEST_F(LayoutTest, FrameCaptionsReadUnderLightAndDarkPalettes) {
    for (const QPalette& theme : {QApplication::palette(), tallix::test::ScopedPalette::Dark()}) {
        const tallix::test::ScopedPalette scope(theme);
        Start();
        for (const char* name : {"Frame1", "Frame2"}) {
            for (const QColor& caption : {QColor(Qt::black), QColor(255, 0, 0)}) {
                CaptionFrame* frame = Frame(name);
                frame->SetCaptionColor(caption);
                // The caption's rectangle ends in a space: no letter is drawn at its right edge.
                const QRect title = frame->CaptionRect();
                const QColor behind = frame->grab().toImage().pixelColor(title.right(), title.center().y());
                SCOPED_TRACE(std::string(name) + " " + caption.name().toStdString() + " on " +
                             behind.name().toStdString());
                EXPECT_GE(platform::ContrastRatio(caption, behind), 3.0);
                EXPECT_EQ(behind == theme.color(QPalette::Window), platform::IsLight(theme.color(QPalette::Window)));
            }
        }
    }
}

// Screen readers announce each box by the label beside it, not by the frame around it, and the two frames' date and
// amount boxes apart. On Linux a combo box's name is its text, so its description names it.
TEST_F(LayoutTest, EveryBoxIsNamedAfterItsLabelAndNoTwoAlike) {
    Combo()->setEditText(QStringLiteral("Grocer"));
    const std::pair<QWidget*, const char*> boxes[] = {{Find("Text4"), "Check #"},
                                                      {Find("DTPicker1"), "Check date"},
                                                      {Combo(), "Payee"},
                                                      {Find("Text3"), "Check amount"},
                                                      {Combo()->lineEdit(), "Payee"},
                                                      {Find("Text5"), "Signature"},
                                                      {Find("DTPicker2"), "Transaction date"},
                                                      {Find("Text7"), "Description of Transaction:"},
                                                      {Find("Text6"), "Transaction amount"},
                                                      {Find("cboCategory"), "Check category"},
                                                      {Find("cboCategory2"), "Transaction category"}};
    for (const auto& [box, name] : boxes) {
        const QAccessible::Text text = qobject_cast<QComboBox*>(box) ? QAccessible::Description : QAccessible::Name;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(text), QString::fromUtf8(name)) << name;
    }
}

TEST_F(LayoutTest, FontsStandInForTheOriginalOnes) {
    const QFont signature = Text("Text5")->font();
    if (QFontDatabase::hasFamily(QStringLiteral("Dancing Script"))) {
        EXPECT_EQ(QFontInfo(signature).family(), QStringLiteral("Dancing Script"));
    }
    EXPECT_TRUE(signature.bold());
    EXPECT_DOUBLE_EQ(signature.pointSizeF(), 20.25);
    EXPECT_DOUBLE_EQ(Frame("Frame1")->CaptionFont().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(Find("Label3")->font().pointSizeF(), 13.5);
    EXPECT_TRUE(Find("Label3")->font().bold());
    // The frames' caption font stays in the caption: the controls inside keep the window's font.
    EXPECT_DOUBLE_EQ(Find("Label1")->font().pointSizeF(), 8.25);
    EXPECT_DOUBLE_EQ(Text("Text4")->font().pointSizeF(), 8.25);
    if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        EXPECT_EQ(QFontInfo(Find("Label1")->font()).family(), QStringLiteral("Liberation Sans"));
    }
}

TEST_F(LayoutTest, CaptionsFitTheirControls) {
    for (const char* name : {"Label1", "Label4", "Label5", "Label6", "Label7", "Label3"}) {
        const auto* label = Find<QLabel>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
    }
    const auto* twoLines = Find<QLabel>("Label2");
    const QRect wrapped =
        twoLines->fontMetrics().boundingRect(QRect(0, 0, twoLines->width(), 1000), Qt::TextWordWrap, twoLines->text());
    EXPECT_LE(wrapped.width(), twoLines->width());
    EXPECT_LE(wrapped.height(), twoLines->height());
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"}) {
        const auto* button = Button(name);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width()) << name;
    }
    for (const char* name : {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6"}) {
        const QRadioButton* option = Option(name);
        const int visibleWidth = std::min(option->width(), option->parentWidget()->width() - option->x());
        EXPECT_LE(option->sizeHint().width(), visibleWidth) << name;
        EXPECT_LE(option->fontMetrics().height(), option->height()) << name;
    }
    for (const char* name : {"Frame1", "Frame2"}) {
        const CaptionFrame* frame = Frame(name);
        EXPECT_LE(QFontMetrics(frame->CaptionFont()).horizontalAdvance(frame->title()) + 20, frame->width());
    }
}

TEST_F(LayoutTest, TabOrderFollowsTheTabIndexes) {
    const QStringList expected = {
        QStringLiteral("Command2"),     QStringLiteral("Text4"),     QStringLiteral("Text3"),
        QStringLiteral("cboCategory"),  QStringLiteral("Text7"),     QStringLiteral("Text6"),
        QStringLiteral("cboCategory2"), QStringLiteral("Command1"),  QStringLiteral("Option1"),
        QStringLiteral("Option2"),      QStringLiteral("Option3"),   QStringLiteral("Command3"),
        QStringLiteral("Command4"),     QStringLiteral("Option4"),   QStringLiteral("Combo1"),
        QStringLiteral("DTPicker1"),    QStringLiteral("DTPicker2"), QStringLiteral("Command5"),
        QStringLiteral("Option5"),      QStringLiteral("Option6")};
    QStringList chain;
    QWidget* widget = Find("Command2");
    do {
        if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != Find("Command2"));
    EXPECT_EQ(chain, expected);
    EXPECT_FALSE(chain.contains(QStringLiteral("Text5")));
    EXPECT_EQ(Text("Text4")->maxLength(), 8);
    EXPECT_EQ(Text("Text7")->maxLength(), 46);
}

TEST_F(LayoutTest, MenusCarryTheirCaptionsAndNames) {
    auto captions = [this](const char* menu) {
        QStringList items;
        for (const QAction* action : Find<QMenu>(menu)->actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text()) + QLatin1Char(':') +
                         action->objectName() + QLatin1Char(':') + action->shortcut().toString();
        return items;
    };
    EXPECT_EQ(captions("File"),
              (QStringList{QStringLiteral("&New:New:Ctrl+N"), QStringLiteral("&Open:Open:Ctrl+O"),
                           QStringLiteral("Open Recen&t::"), QStringLiteral("&Save:Save:Ctrl+S"),
                           QStringLiteral("Save &As...:SaveAs:Ctrl+Shift+S"), QStringLiteral("&Import...:Import:"),
                           QStringLiteral("Print &Register...:PrintRegister:Ctrl+P"),
                           QStringLiteral("Print C&hecks...:mnuFilePrintChecks:"), QStringLiteral("-:Seperator:"),
                           QStringLiteral("E&xit:Exit:")}));
    EXPECT_EQ(captions("Setup"),
              (QStringList{QStringLiteral("Associate:Associate:"), QStringLiteral("&Options:Options:"),
                           QStringLiteral("&Balance to Statement...:mnuSetupBalance:"),
                           QStringLiteral("&Schedules...:mnuSetupSchedules:"),
                           QStringLiteral("&Categories...:mnuSetupCategories:")}));
    EXPECT_EQ(Find<QMenu>("File")->title(), QStringLiteral("&File"));
    EXPECT_EQ(Find<QMenu>("Setup")->title(), QStringLiteral("&Setup"));
}
