// Start-up from the settings and the command line, shutdown with the save prompt, the settings written back.
#include "MainWindowFixture.h"
#include "storage/LedgerFile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString OneCheck() {
    return QStringLiteral("Grocer");
}
} // namespace

TEST_F(MainWindowTest, FirstRunComplainsOnceAndStartsEmpty) {
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("can't find settings"));
        Start();
        EXPECT_EQ(prompts.Messages().at(0).buttons, platform::Buttons::Ok);
        EXPECT_EQ(prompts.Messages().at(0).icon, platform::Icon::None);
    }
    EXPECT_EQ(Panel("Panel1"), QString());
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Unlocked"));
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("0"));
    EXPECT_EQ(Text("Text5")->text(), QString());
    EXPECT_FALSE(Button("Command4")->isEnabled());
    EXPECT_EQ(window->RegHeight, 0);

    EXPECT_TRUE(window->close()); // an unchanged ledger closes without a question
    int32_t height = -1;
    ASSERT_TRUE(ReadLong(QStringLiteral("Height"), height));
    EXPECT_EQ(height, 0);
    QString value;
    EXPECT_FALSE(ReadStr(QStringLiteral("UserName"), value)); // nothing changed, so nothing but the height
    EXPECT_FALSE(ReadStr(QStringLiteral("DataFile"), value));

    window.reset();
    Start(); // the key exists now: no message (the guard fails the test on any prompt)
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Unlocked"));
}

TEST_F(MainWindowTest, ReadsTheSettingsAndReopensTheLastDataFile) {
    const QString path = WriteLedger(QStringLiteral("last.tlx"), [] {
        ledger::SetLockDate(Day(2009, 3, 15));
        ledger::AddTransaction(101, Day(2009, 3, 16), 25.5f, OneCheck(), ledger::CheckOrPayment);
    });
    WriteSettings(QStringLiteral("Ann Smith"), path, 4321);
    Start();
    EXPECT_EQ(window->UserName(), QStringLiteral("Ann Smith"));
    EXPECT_EQ(Text("Text5")->text(), QStringLiteral("Ann Smith"));
    EXPECT_EQ(window->RegHeight, 4321);
    EXPECT_EQ(ledger::GetDataFileName(), path);
    EXPECT_EQ(Panel("Panel1"), path);
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Bal:  3/15/2009"));
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("102"));
    EXPECT_TRUE(Button("Command4")->isEnabled());
    EXPECT_EQ(PayeeList(), QStringList{OneCheck()});
}

TEST_F(MainWindowTest, ShowRegisterStaysDisabledForALedgerWithoutTransactions) {
    const QString path = WriteLedger(QStringLiteral("empty.tlx"), [] { ledger::SetNextCheckNumber(7); });
    WriteSettings(QString(), path, 0);
    Start();
    EXPECT_EQ(Panel("Panel1"), path);
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("7"));
    EXPECT_FALSE(Button("Command4")->isEnabled());
}

TEST_F(MainWindowTest, ALastDataFileThatIsGoneGivesAnEmptyLedger) {
    const QString path = PathIn(QStringLiteral("gone.tlx"));
    WriteSettings(QString(), path, 0);
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Error opening file"), Answer::Ok, path);
        Start();
    }
    EXPECT_EQ(ledger::GetDataFileName(), QString());
    EXPECT_EQ(Panel("Panel1"), QString());
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Unlocked"));
    EXPECT_FALSE(Button("Command4")->isEnabled());
    EXPECT_FALSE(ledger::IsModified());
}

TEST_F(MainWindowTest, CommandLinePathWinsOverTheLastDataFileQuotedOrNot) {
    const QString last = WriteLedger(QStringLiteral("last.tlx"), [] { ledger::SetNextCheckNumber(5); });
    const QString given = WriteLedger(QStringLiteral("given file.tlx"), [] { ledger::SetNextCheckNumber(40); });
    WriteSettings(QString(), last, 0);

    Start({QLatin1Char('"') + given + QLatin1Char('"')});
    EXPECT_EQ(ledger::GetDataFileName(), given);
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("40"));
    window.reset();

    Start({given});
    EXPECT_EQ(ledger::GetDataFileName(), given);
    EXPECT_EQ(Panel("Panel1"), given);
    EXPECT_TRUE(window->close());
    QString dataFile;
    ASSERT_TRUE(ReadStr(QStringLiteral("DataFile"), dataFile));
    EXPECT_EQ(dataFile, last); // written back only when the settings changed during the run
    window.reset();

    Start({given});
    window->SetUserName(QStringLiteral("Bo"));
    EXPECT_TRUE(window->close());
    ASSERT_TRUE(ReadStr(QStringLiteral("DataFile"), dataFile));
    EXPECT_EQ(dataFile, given);
}

TEST_F(MainWindowTest, ARelativeCommandLinePathIsKeptAsAFullPath) {
    const QString given = WriteLedger(QStringLiteral("relative.tlx"), [] {});
    WriteSettings();
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    Start({QStringLiteral("relative.tlx")});
    QDir::setCurrent(previous);
    EXPECT_EQ(ledger::GetDataFileName(), given);
}

TEST_F(MainWindowTest, WithoutTheSettingsKeyTheCommandLineIsIgnored) {
    const QString given = WriteLedger(QStringLiteral("given.tlx"), [] { ledger::SetNextCheckNumber(40); });
    PromptScript prompts;
    prompts.ExpectMessage(QStringLiteral("can't find settings"));
    Start({given});
    EXPECT_EQ(ledger::GetDataFileName(), QString());
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, OpensWithTheFocusOnClearAndNeitherFrameChosen) {
    WriteSettings();
    StartActive();
    EXPECT_EQ(QApplication::focusWidget(), Button("Command2"));
    EXPECT_EQ(Frame("Frame1")->CaptionColor(), QColor(Qt::black));
    EXPECT_EQ(Frame("Frame2")->CaptionColor(), QColor(Qt::black));
    EXPECT_TRUE(Text("Text4")->isEnabled());
    EXPECT_TRUE(Text("Text6")->isEnabled());
    EXPECT_TRUE(Option("Option5")->isChecked());
}

TEST_F(MainWindowTest, SettingsWrittenAtExitFollowTheChangedFlag) {
    WriteSettings(QStringLiteral("Old"), QString(), 100);
    Start();
    window->RegHeight = 3000;
    EXPECT_TRUE(window->close());
    QString name;
    int32_t height = 0;
    ASSERT_TRUE(ReadLong(QStringLiteral("Height"), height));
    EXPECT_EQ(height, 3000);
    ASSERT_TRUE(ReadStr(QStringLiteral("UserName"), name));
    EXPECT_EQ(name, QStringLiteral("Old"));
    window.reset();

    Start();
    window->SetUserName(QStringLiteral("Old")); // the same name still counts as a change
    window->SetUserName(QString());
    EXPECT_EQ(Text("Text5")->text(), QString());
    EXPECT_TRUE(window->close());
    ASSERT_TRUE(ReadStr(QStringLiteral("UserName"), name));
    EXPECT_EQ(name, QString());
    QString dataFile;
    ASSERT_TRUE(ReadStr(QStringLiteral("DataFile"), dataFile));
    EXPECT_EQ(dataFile, QString()); // no file name: the old value stays
}

TEST_F(MainWindowTest, SaveDataPromptDecidesWhetherTheWindowCloses) {
    WriteSettings();
    Start();
    window->show();
    ledger::AddTransaction(0, Day(2024, 1, 2), 5, QStringLiteral("Salary"), ledger::Deposit);
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::Cancel);
        EXPECT_FALSE(window->close());
        const platform::MessageRequest& asked = prompts.Messages().at(0);
        EXPECT_EQ(asked.buttons, platform::Buttons::YesNoCancel);
        EXPECT_EQ(asked.defaultButton, Answer::Yes);
        EXPECT_EQ(asked.icon, platform::Icon::None);
    }
    EXPECT_TRUE(window->isVisible());
    {
        PromptScript prompts; // Yes with no file name asks for one; cancelling it keeps the window open
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::Yes).ExpectFileDialog(false, QString());
        EXPECT_FALSE(window->close());
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(ledger::IsModified());
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::No);
        EXPECT_TRUE(window->close());
    }
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(MainWindowTest, SaveDataYesSavesUnderTheChosenNameAndRemembersIt) {
    WriteSettings();
    Start();
    ledger::AddTransaction(0, Day(2024, 1, 2), 5, QStringLiteral("Salary"), ledger::Deposit);
    const QString path = PathIn(QStringLiteral("chosen.tlx"));
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::Yes).ExpectFileDialog(false, path);
        EXPECT_TRUE(window->close());
    }
    EXPECT_EQ(QFileInfo(path).size(), 128);
    QString dataFile;
    ASSERT_TRUE(ReadStr(QStringLiteral("DataFile"), dataFile));
    EXPECT_EQ(dataFile, path);
}

TEST_F(MainWindowTest, ExitMenuAndButtonCloseTheWindow) {
    WriteSettings();
    Start();
    window->show();
    Trigger("Exit");
    EXPECT_FALSE(window->isVisible());
    window.reset();
    Start();
    window->show();
    Button("Command3")->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, SaveLedgerAsksTheWindowForAName) {
    WriteSettings();
    Start();
    ledger::AddTransaction(0, Day(2024, 1, 2), 5, QString(), ledger::Fee);
    const QString path = PathIn(QStringLiteral("asked"));
    PromptScript prompts;
    prompts.ExpectFileDialog(false, path);
    EXPECT_TRUE(ledger::SaveLedger());
    EXPECT_EQ(ledger::GetDataFileName(), path + QStringLiteral(".tlx"));
    EXPECT_TRUE(QFileInfo::exists(path + QStringLiteral(".tlx")));
}
