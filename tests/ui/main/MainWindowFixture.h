#pragma once
// Drives the real main window: a fresh settings store and an empty ledger store for every test, controls found
// by their objectName, and ledger files written through the store's own save.

#include "ledger/Ledger.h"
#include "platform/Locale.h"
#include "platform/widgets/DatePicker.h"
#include "settings/Registry.h"
#include "storage/LedgerFile.h"
#include "storage/Recovery.h"
#include "support/PromptScript.h"
#include "support/RegisterTestSupport.h"
#include "ui/main/CaptionFrame.h"
#include "ui/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using tallix::test::PromptScript;
using Answer = platform::Answer;

// Runs `whileOpen` on the modal window once it is up, then closes it (a dialog still open is cancelled).
// With a `name`, waits for the window of that name (another modal window may still be closing first).
inline void WhenModalOpens(const std::function<void(QWidget*)>& whileOpen, const QString& name = {}, int tries = 1000) {
    QTimer::singleShot(0, [whileOpen, name, tries] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || (!name.isEmpty() && modal->objectName() != name)) {
            if (!name.isEmpty() && tries > 0)
                return WhenModalOpens(whileOpen, name, tries - 1);
            ADD_FAILURE() << "no modal window opened " << name.toStdString();
            return;
        }
        whileOpen(modal);
        modal->close();
    });
}

inline const QString SettingsKey = QStringLiteral("Software\\Morvane Freeware\\Tallix\\Settings");

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        QFile::remove(RegistryFile());
        ledger::NewLedger();
        ASSERT_TRUE(folder.isValid());
    }

    void TearDown() override { window.reset(); }

    static QString RegistryFile() { return qEnvironmentVariable("TALLIX_REGISTRY_FILE"); }

    // Settings as a previous run would have left them.
    static void WriteSettings(const QString& userName, const QString& dataFile, int32_t height) {
        Registry registry;
        ASSERT_TRUE(registry.RegCreate(SettingsKey, QString(), Registry::HKEY_CURRENT_USER));
        registry.SaveStr(QStringLiteral("UserName"), userName);
        registry.SaveStr(QStringLiteral("DataFile"), dataFile);
        registry.SaveLong(QStringLiteral("Height"), height);
        registry.RegClose();
    }
    static void WriteSettings() { WriteSettings(QString(), QString(), 0); }

    static bool ReadStr(const QString& name, QString& value) {
        Registry registry;
        if (!registry.RegOpen(Registry::HKEY_CURRENT_USER, SettingsKey, Registry::KEY_READ))
            return false;
        const bool found = registry.GetStr(name, value);
        registry.RegClose();
        return found;
    }
    static bool ReadLong(const QString& name, int32_t& value) {
        Registry registry;
        if (!registry.RegOpen(Registry::HKEY_CURRENT_USER, SettingsKey, Registry::KEY_READ))
            return false;
        const bool found = registry.GetLong(name, value);
        registry.RegClose();
        return found;
    }

    QString PathIn(const QString& name) const { return folder.filePath(name); }

    // A ledger file written by the store itself; the store is empty again afterwards.
    QString WriteLedger(const QString& name, const std::function<void()>& fill) const {
        const QString path = PathIn(name);
        ledger::NewLedger();
        fill();
        ledger::SetDataFileName(path);
        ledger::SetModified();
        EXPECT_TRUE(ledger::SaveLedger());
        ledger::NewLedger();
        return path;
    }

    frmMain& Start(const QStringList& arguments = {}) {
        window.reset(); // one main window at a time, as in the program
        window = std::make_unique<frmMain>(arguments);
        return *window;
    }
    // Starts on `path`, whose journal a crash left behind, answering Recover to the question that counts
    // `changes` ("1 change", "4 changes").
    void StartRecovering(const QString& path, const QString& changes) {
        const ledger::RecoverySearch waiting = ledger::PeekRecovery(path);
        ASSERT_EQ(waiting.found, ledger::RecoveryFound::Read);
        PromptScript prompts;
        prompts.ExpectChoice(QStringLiteral("%1 was not saved when Tallix last ended: %2, the last made %3.")
                                 .arg(path, changes, platform::FormatShortDateTime(waiting.pending.lastChange)),
                             QStringLiteral("Recover"));
        Start();
    }
    // Shown and active, so that controls take the focus from clicks.
    frmMain& StartActive(const QStringList& arguments = {}) {
        Start(arguments);
        Activate();
        return *window;
    }
    void Activate() {
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget> T* Find(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* Text(const char* name) const { return Find<QLineEdit>(name); }
    QComboBox* Combo() const { return Find<QComboBox>("Combo1"); }
    platform::DatePicker* Picker(const char* name) const { return Find<platform::DatePicker>(name); }
    QRadioButton* Option(const char* name) const { return Find<QRadioButton>(name); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    CaptionFrame* Frame(const char* name) const { return Find<CaptionFrame>(name); }
    QString Panel(const char* name) const { return Find<QLabel>(name)->text(); }
    void Trigger(const char* menuItem) const { Find<QAction>(menuItem)->trigger(); }

    static void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }
    // Clicks into a box and types over whatever it holds.
    static void TypeInto(QWidget* box, const QString& text) {
        Click(box);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    void ClickAdd() const { Click(Button("Command1")); }

    static std::vector<ledger::TransactionRecord> Records() {
        std::vector<ledger::TransactionRecord> records;
        ledger::TransactionRecord record;
        for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record))
            records.push_back(record);
        return records;
    }
    QStringList PayeeList() const {
        QStringList items;
        for (int i = 0; i < Combo()->count(); ++i)
            items << Combo()->itemText(i);
        return items;
    }

    static double Day(int year, int month, int day) { return tallix::test::Day(year, month, day); }

    QTemporaryDir folder;
    std::unique_ptr<frmMain> window;
};
