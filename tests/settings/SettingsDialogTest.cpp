#include "settings/widgets/SettingsDialog.h"
#include "RegistryTestSupport.h"
#include "ledger/Ledger.h"
#include "platform/widgets/Twips.h"
#include "settings/Registry.h"
#include "support/PromptScript.h"
#include "ui/main/frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using tallix::test::PromptScript;
using tallix::test::ScopedRegistryFile;

namespace {
const QString SettingsKey = QStringLiteral("Software\\Morvane Freeware\\Tallix\\Settings");

QString StoredUserName() {
    Registry registry;
    QString name;
    if (!registry.RegOpen(Registry::HKEY_CURRENT_USER, SettingsKey, Registry::KEY_READ))
        return QStringLiteral("<no key>");
    registry.GetStr("UserName", name, "<missing>");
    return name;
}

void StoreUserName(const QString& name) {
    Registry registry;
    ASSERT_TRUE(registry.RegCreate(SettingsKey, QString(), Registry::HKEY_CURRENT_USER));
    registry.SaveStr("UserName", name);
    registry.SaveStr("DataFile", "");
    registry.SaveLong("Height", 0);
    registry.RegClose();
}

// A main window started on a new ledger with the user name "Ann", and the settings dialog over it.
class SettingsDialogTest : public testing::Test {
protected:
    void SetUp() override {
        StoreUserName("Ann");
        ledger::NewLedger();
        window = std::make_unique<frmMain>(QStringList());
    }
    void TearDown() override {
        dialog.reset();
        // Closing is not part of these tests: leave the ledger unchanged so no "Save Data?" is asked.
        ledger::NewLedger();
        window.reset();
    }

    SettingsDialog& Open() {
        dialog = std::make_unique<SettingsDialog>(*window);
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

    // Everything OK may change, to compare before and after.
    struct Values {
        QString userName;
        float startingBalance;
        int16_t nextCheckNumber;
        bool modified;
        bool operator==(const Values&) const = default;
    };
    Values Current() const {
        return {window->UserName(), ledger::GetStartingBalance(), ledger::GetNextCheckNumber(), ledger::IsModified()};
    }

    ScopedRegistryFile store;
    std::unique_ptr<frmMain> window;
    std::unique_ptr<SettingsDialog> dialog;
};
} // namespace

TEST_F(SettingsDialogTest, ShowsTheCurrentValues) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(Text("Text1")->text(), QStringLiteral("Ann"));
    EXPECT_EQ(Text("Text2")->text(), QStringLiteral("0"));
    EXPECT_EQ(Text("Text3")->text(), QStringLiteral("0"));

    dialog.reset();
    ledger::SetStartingBalance(1234.5f);
    ledger::SetNextCheckNumber(101);
    Open();
    EXPECT_EQ(Text("Text2")->text(), QStringLiteral("1234.5"));
    EXPECT_EQ(Text("Text3")->text(), QStringLiteral("101"));
    dialog.reset();
    ledger::SetStartingBalance(0.25f);
    Open();
    EXPECT_EQ(Text("Text2")->text(), QStringLiteral("0.25"));
}

TEST_F(SettingsDialogTest, LayoutInTwips) {
    Open();
    EXPECT_EQ(dialog->parentWidget(), window.get());
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

TEST_F(SettingsDialogTest, OkWithoutChangesStillMarksLedgerAndUserName) {
    Open();
    StoreUserName("Changed elsewhere");
    Click("OKButton");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(ledger::IsModified());
    EXPECT_EQ((Values{"Ann", 0.0f, 0, true}), Current());

    // The user name counts as changed: closing the main window writes it back.
    PromptScript script;
    script.ExpectMessage("Save Data?", platform::Answer::No);
    window->close();
    EXPECT_EQ(StoredUserName(), QStringLiteral("Ann"));
}

TEST_F(SettingsDialogTest, OkWritesAllThree) {
    Open();
    TypeInto("Text1", "  Bob B. ");
    TypeInto("Text2", "12.50");
    TypeInto("Text3", "205");
    Click("OKButton");
    EXPECT_EQ((Values{"  Bob B. ", 12.5f, 205, true}), Current());
    EXPECT_EQ(window->findChild<QLineEdit*>("Text5")->text(), QStringLiteral("  Bob B. "));

    Open();
    EXPECT_EQ(Text("Text2")->text(), QStringLiteral("12.5"));
    EXPECT_EQ(Text("Text3")->text(), QStringLiteral("205"));
}

TEST_F(SettingsDialogTest, NumbersFollowTheLocaleAndRoundHalvesToEven) {
    Open();
    TypeInto("Text2", " -$1,234.75 ");
    TypeInto("Text3", "12.5");
    Click("OKButton");
    EXPECT_EQ(ledger::GetStartingBalance(), -1234.75f);
    EXPECT_EQ(ledger::GetNextCheckNumber(), 12);
    Open();
    TypeInto("Text3", "13.5");
    Click("OKButton");
    EXPECT_EQ(ledger::GetNextCheckNumber(), 14);
}

TEST_F(SettingsDialogTest, EnterIsOkFromAnyBox) {
    Open();
    TypeInto("Text1", "Eve");
    QTest::keyClick(Text("Text1"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(window->UserName(), QStringLiteral("Eve"));
    EXPECT_TRUE(ledger::IsModified());
}

TEST_F(SettingsDialogTest, CancelEscapeAndCloseBoxWriteNothing) {
    const Values before = Current();
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
        EXPECT_EQ(Current(), before);
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
    EXPECT_FALSE(ledger::IsModified());

    TypeInto("Text2", "5");
    QTest::keyClick(Text("Text2"), Qt::Key_Tab);
    EXPECT_EQ(Focused(), QStringLiteral("Text3"));
}

TEST_F(SettingsDialogTest, CancelStillClosesWhileTheBalanceIsNotANumber) {
    Open();
    TypeInto("Text2", "abc");
    Click("CancelButton");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ledger::GetStartingBalance(), 0.0f);
}

TEST_F(SettingsDialogTest, BadCheckNumberRefusesOkAndWritesNothing) {
    ledger::SetNextCheckNumber(17);
    const Values before = Current();
    Open();
    for (const char* bad : {"", "abc", "32768", "-32769", "1e9"}) {
        TypeInto("Text1", "Zed");
        TypeInto("Text2", "50");
        TypeInto("Text3", bad);
        Click("OKButton");
        EXPECT_TRUE(dialog->isVisible()) << bad;
        EXPECT_EQ(Focused(), QStringLiteral("Text3")) << bad;
        EXPECT_EQ(Current(), before) << bad;
    }
    TypeInto("Text3", "-32768");
    Click("OKButton");
    EXPECT_EQ((Values{"Zed", 50.0f, -32768, true}), Current());
}

TEST_F(SettingsDialogTest, BalanceOutOfFloatRangeRefusesOk) {
    Open();
    TypeInto("Text2", "1e39");
    Click("OKButton");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Focused(), QStringLiteral("Text2"));
    EXPECT_FALSE(ledger::IsModified());
}
