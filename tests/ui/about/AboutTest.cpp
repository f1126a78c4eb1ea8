#include "platform/widgets/Twips.h"
#include "ui/about/frmAbout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
template <typename Widget = QWidget> Widget* Child(const QWidget& parent, const char* name) {
    auto* child = parent.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QString Text(const QWidget& box, const char* name) {
    return Child<QLabel>(box, name)->text();
}

// An About box that records the pages it was asked to open instead of starting a browser.
struct AboutBox {
    AboutBox() {
        box.OpenUrl = [this](const QUrl& url) { opened.push_back(url); };
    }
    void Show() {
        box.show();
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    }

    frmAbout box{QStringLiteral("Tallix v1.21"), QStringLiteral("Keeps a check register."),
                 QStringLiteral("Copyright line") + QChar(13) + QStringLiteral("Rights line")};
    std::vector<QUrl> opened;
};
} // namespace

TEST(About, ShowsTheProgramsTexts) {
    AboutBox about;
    EXPECT_EQ(about.box.windowTitle(), QStringLiteral("About Tallix"));
    EXPECT_EQ(Text(about.box, "lblTitle"), QStringLiteral("Tallix v1.21"));
    EXPECT_EQ(Text(about.box, "lblDescription"), QStringLiteral("Keeps a check register."));
    EXPECT_EQ(Text(about.box, "lblCopyright"), QStringLiteral("Copyright line\nRights line"));
    EXPECT_EQ(Text(about.box, "Label1"), QStringLiteral("Web:"));
    EXPECT_EQ(Child<QPushButton>(about.box, "cmdOK")->text(), QStringLiteral("OK"));
}

TEST(About, IsAModalBoxWithoutOwnerLaidOutInTwips) {
    AboutBox about;
    EXPECT_EQ(about.box.parentWidget(), nullptr);
    EXPECT_TRUE(about.box.isModal());
    EXPECT_EQ(about.box.size(), platform::TwipsSize(5730, 3360));
    const std::pair<const char*, QRect> places[] = {
        {"lblTitle", platform::TwipsRect(2400, 120, 3165, 375)},
        {"lblCopyright", platform::TwipsRect(2400, 600, 3165, 465)},
        {"lblDescription", platform::TwipsRect(450, 1440, 4845, 930)},
        {"Image1", platform::TwipsRect(240, 120, 1920, 945)},
        {"Label1", platform::TwipsRect(360, 2880, 615, 255)},
        {"Label3", platform::TwipsRect(960, 2880, 3495, 255)},
        {"cmdOK", platform::TwipsRect(4440, 2880, 1260, 345)},
    };
    for (const auto& [name, rect] : places)
        EXPECT_EQ(Child(about.box, name)->geometry(), rect) << name;
    for (const auto& [name, y] : {std::pair("Line1", 1200), std::pair("Line2", 2640)}) {
        const QFrame* rule = Child<QFrame>(about.box, name);
        EXPECT_EQ(rule->frameShape(), QFrame::HLine) << name;
        EXPECT_EQ(rule->lineWidth(), 2) << name;
        EXPECT_EQ(rule->geometry().left(), platform::TwipsToPixels(225)) << name;
        EXPECT_EQ(rule->geometry().right() + 1, platform::TwipsToPixels(5505)) << name;
        EXPECT_EQ(rule->geometry().center().y() + 1, platform::TwipsToPixels(y)) << name;
    }
}

TEST(About, FontsAndTheLinksLook) {
    AboutBox about;
    const QFont title = Child(about.box, "lblTitle")->font();
    EXPECT_EQ(QFontInfo(title).family(), QStringLiteral("Comic Neue"));
    EXPECT_TRUE(title.bold());
    EXPECT_DOUBLE_EQ(title.pointSizeF(), 14.25);
    for (const char* name : {"lblCopyright", "lblDescription", "Label1"}) {
        EXPECT_DOUBLE_EQ(Child(about.box, name)->font().pointSizeF(), 8.25) << name;
        EXPECT_EQ(QFontInfo(Child(about.box, name)->font()).family(), QStringLiteral("Liberation Sans")) << name;
    }

    const QLabel* link = Child<QLabel>(about.box, "Label3");
    EXPECT_TRUE(link->font().underline());
    EXPECT_DOUBLE_EQ(link->font().pointSizeF(), 9.75);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_LE(link->fontMetrics().horizontalAdvance(link->text()), link->width());
}

TEST(About, ArtworkIsDrawn) {
    AboutBox about;
    const QPixmap artwork = Child<QLabel>(about.box, "Image1")->pixmap();
    ASSERT_FALSE(artwork.isNull());
    EXPECT_EQ(artwork.deviceIndependentSize().toSize(), QSize(128, 63));
    const QImage image = artwork.toImage();
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    EXPECT_GT(painted, image.width() * image.height() / 2);
}

TEST(About, OnlyTheAddressOpensTheMakersPage) {
    AboutBox about;
    about.Show();
    QTest::mouseClick(Child(about.box, "Label1"), Qt::LeftButton);
    EXPECT_TRUE(about.opened.empty());
    QTest::mouseClick(Child(about.box, "Label3"), Qt::RightButton);
    EXPECT_TRUE(about.opened.empty());

    QTest::mouseClick(Child(about.box, "Label3"), Qt::LeftButton);
    ASSERT_EQ(about.opened.size(), 1u);
    const QString expected =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/doc/tallix/README.html");
    EXPECT_EQ(about.opened[0], QUrl::fromLocalFile(expected));
    EXPECT_EQ(Child(about.box, "Label3")->toolTip(), QUrl::fromLocalFile(expected).toString());
    EXPECT_TRUE(about.box.isVisible());
}

TEST(About, OkEnterAndEscapeClose) {
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        AboutBox about;
        about.Show();
        EXPECT_TRUE(Child<QPushButton>(about.box, "cmdOK")->hasFocus());
        QTest::keyClick(&about.box, key);
        EXPECT_FALSE(about.box.isVisible()) << key;
    }
    AboutBox about;
    about.Show();
    QTest::mouseClick(Child(about.box, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about.box.isVisible());
    EXPECT_EQ(about.box.result(), QDialog::Accepted);
}
