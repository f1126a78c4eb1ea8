#include "ui/settings/SettingsDialog.h"
#include "platform/widgets/Twips.h"
#include "support/PromptScript.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <bit>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The settings dialog over the values it is given: user name "Ann", starting balance 0, next check number 0.
class SettingsDialogTest : public testing::Test {
protected:
    void TearDown() override { dialog.reset(); }

    SettingsDialog& Open() {
        dialog = std::make_unique<SettingsDialog>(&owner, given);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }
    template <typename T = QWidget> T* Find(const char* name) const {
        T* found = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* Text(const char* name) const { return Find<QLineEdit>(name); }
    void TypeInto(const char* name, const QString& text) const {
        Text(name)->setFocus();
        Text(name)->selectAll();
        QTest::keyClick(Text(name), Qt::Key_Backspace);
        QTest::keyClicks(Text(name), text);
    }
    void Click(const char* name) const { QTest::mouseClick(Find(name), Qt::LeftButton); }
    QString Focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }
    bool Accepted() const { return !dialog->isVisible() && dialog->result() == QDialog::Accepted; }

    QWidget owner;
    SettingsValues given{QStringLiteral("Ann"), 0.0f, 0};
    std::unique_ptr<SettingsDialog> dialog;
};
} // namespace

TEST_F(SettingsDialogTest, ShowsTheGivenValues) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(Text("Text1")->text(), QStringLiteral("Ann"));
    EXPECT_EQ(Text("Text2")->text(), QStringLiteral("0"));
    EXPECT_EQ(Text("Text3")->text(), QStringLiteral("0"));

    for (const auto& [balance, shown] : {std::pair{1234.5f, "1234.5"}, std::pair{0.25f, "0.25"}}) {
        given = {QStringLiteral("Ann"), balance, 101};
        Open();
        EXPECT_EQ(Text("Text2")->text(), QString::fromLatin1(shown));
        EXPECT_EQ(Text("Text3")->text(), QStringLiteral("101"));
    }
}

TEST_F(SettingsDialogTest, AnUntouchedBalanceComesBackToTheBit) {
    const std::pair<float, const char*> balances[] = {
        {100000.01f, "100000.01"}, {1234567.89f, "1234567.9"}, {0.1f, "0.1"}, {-250.75f, "-250.75"}};
    for (const auto& [balance, shown] : balances) {
        given.startingBalance = balance;
        Open();
        EXPECT_EQ(Text("Text2")->text(), QString::fromLatin1(shown));
        Click("OKButton");
        EXPECT_EQ(std::bit_cast<uint32_t>(dialog->Values().startingBalance), std::bit_cast<uint32_t>(balance));
    }
    // Shown so that it reads back as the same value when typed again.
    Open();
    TypeInto("Text2", "100000.01");
    Click("OKButton");
    EXPECT_EQ(dialog->Values().startingBalance, 100000.01f);
    // A typed balance that the float would not keep to the cent is refused, with why.
    Open();
    TypeInto("Text2", "-131072.01");
    {
        tallix::test::PromptScript prompts;
        prompts.ExpectMessage(
            QStringLiteral("-131,072.01 would be kept as -131,072.02: amounts are kept to the cent up to 131,071.99"));
        Click("OKButton");
    }
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(SettingsDialogTest, LayoutInTwips) {
    Open();
    EXPECT_EQ(dialog->parentWidget(), &owner);
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->size(), platform::TwipsSize(4590, 3390));
    const std::tuple<const char*, QRect, const char*> controls[] = {
        {"OKButton", platform::TwipsRect(1095, 2760, 1215, 375), "OK"},
        {"CancelButton", platform::TwipsRect(2535, 2760, 1215, 375), "Cancel"},
        {"Label1", platform::TwipsRect(368, 240, 1095, 255), "User Name:"},
        {"Text1", platform::TwipsRect(368, 480, 3855, 285), nullptr},
        {"Label2", platform::TwipsRect(360, 1080, 1935, 255), "Starting Balance:"},
        {"Text2", platform::TwipsRect(360, 1320, 3855, 285), nullptr},
        {"Text3", platform::TwipsRect(360, 2160, 3855, 285), nullptr},
        {"Label3", platform::TwipsRect(360, 1920, 1575, 255), "Next Check Number:"},
    };
    for (const auto& [name, rect, caption] : controls) {
        EXPECT_EQ(Find(name)->geometry(), rect) << name;
        if (const auto* button = qobject_cast<QPushButton*>(Find(name)); button && caption) {
            EXPECT_EQ(button->text(), QString(caption));
        }
        if (const auto* label = qobject_cast<QLabel*>(Find(name)); label && caption) {
            EXPECT_EQ(label->text(), QString(caption));
        }
    }
}

TEST_F(SettingsDialogTest, OkHasTheFocusAndTabGoesThroughTheBoxes) {
    Open();
    QStringList order{Focused()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << Focused();
    }
    EXPECT_EQ(order, QStringList({"OKButton", "CancelButton", "Text1", "Text2", "Text3", "OKButton"}));
}

TEST_F(SettingsDialogTest, OkOffersTheValuesAsTyped) {
    Open();
    Click("OKButton");
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(dialog->Values(), given);

    Open();
    TypeInto("Text1", "  Bob B. ");
    TypeInto("Text2", "12.50");
    TypeInto("Text3", "205");
    Click("OKButton");
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(dialog->Values(), (SettingsValues{"  Bob B. ", 12.5f, 205}));
}

TEST_F(SettingsDialogTest, NumbersFollowTheLocaleAndRoundHalvesToEven) {
    const std::tuple<const char*, const char*, float, int16_t> cases[] = {
        {" -$1,234.75 ", "12.5", -1234.75f, 12},
        {"0", "13.5", 0.0f, 14},
    };
    for (const auto& [balance, number, wantBalance, wantNumber] : cases) {
        Open();
        TypeInto("Text2", balance);
        TypeInto("Text3", number);
        Click("OKButton");
        EXPECT_EQ(dialog->Values().startingBalance, wantBalance) << balance;
        EXPECT_EQ(dialog->Values().nextCheckNumber, wantNumber) << number;
    }
}

TEST_F(SettingsDialogTest, EnterIsOkFromAnyBox) {
    Open();
    TypeInto("Text1", "Eve");
    QTest::keyClick(Text("Text1"), Qt::Key_Return);
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(dialog->Values().userName, QStringLiteral("Eve"));
}

TEST_F(SettingsDialogTest, CancelEscapeAndCloseBoxOfferNothing) {
    for (const auto& close : std::vector<std::function<void()>>{
             [this] { Click("CancelButton"); },
             [this] { QTest::keyClick(Text("Text3"), Qt::Key_Escape); },
             [this] { dialog->close(); },
         }) {
        Open();
        TypeInto("Text1", "Mallory");
        TypeInto("Text2", "99");
        TypeInto("Text3", "77");
        close();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(dialog->Values(), given);
    }
}

TEST_F(SettingsDialogTest, StartingBalanceCannotBeLeftWhileNotANumber) {
    Open();
    for (const QString& text : {QString(), QStringLiteral("abc"), QStringLiteral("1.2.3"), QStringLiteral("inf")}) {
        TypeInto("Text2", text);
        QTest::keyClick(Text("Text2"), Qt::Key_Tab);
        EXPECT_EQ(Focused(), QStringLiteral("Text2")) << text.toStdString();
        QTest::keyClick(Text("Text2"), Qt::Key_Backtab);
        EXPECT_EQ(Focused(), QStringLiteral("Text2"));
        QTest::mouseClick(Text("Text1"), Qt::LeftButton);
        EXPECT_EQ(Focused(), QStringLiteral("Text2"));
        EXPECT_EQ(Text("Text2")->text(), text);
    }
    // Enter goes to OK, which refuses as well.
    QTest::keyClick(Text("Text2"), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Focused(), QStringLiteral("Text2"));
    EXPECT_EQ(dialog->Values(), given);

    TypeInto("Text2", "5");
    QTest::keyClick(Text("Text2"), Qt::Key_Tab);
    EXPECT_EQ(Focused(), QStringLiteral("Text3"));
}

TEST_F(SettingsDialogTest, OkRefusesABalanceBeyondWhatALedgerCanHold) {
    Open();
    TypeInto("Text2", "-2000000000000");
    Click("OKButton");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Focused(), QStringLiteral("Text2"));
    EXPECT_EQ(dialog->Values(), given);
}

TEST_F(SettingsDialogTest, CancelStillClosesWhileTheBalanceIsNotANumber) {
    Open();
    TypeInto("Text2", "abc");
    Click("CancelButton");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->Values(), given);
}

TEST_F(SettingsDialogTest, BadCheckNumberRefusesOkAndOffersNothing) {
    given.nextCheckNumber = 17;
    Open();
    for (const char* bad : {"", "abc", "32768", "-32769", "1e9"}) {
        TypeInto("Text1", "Zed");
        TypeInto("Text2", "50");
        TypeInto("Text3", bad);
        Click("OKButton");
        EXPECT_TRUE(dialog->isVisible()) << bad;
        EXPECT_EQ(Focused(), QStringLiteral("Text3")) << bad;
        EXPECT_EQ(dialog->Values(), given) << bad;
    }
    TypeInto("Text3", "-32768");
    Click("OKButton");
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(dialog->Values(), (SettingsValues{"Zed", 50.0f, -32768}));
}

TEST_F(SettingsDialogTest, BalanceOutOfFloatRangeRefusesOk) {
    Open();
    TypeInto("Text2", "1e39");
    Click("OKButton");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Focused(), QStringLiteral("Text2"));
    EXPECT_EQ(dialog->Values(), given);
}
