// File ▸ New, Open and Save with their prompts, the payee list, and a whole run and restart.
#include "MainWindowFixture.h"
#include "support/Files.h"

#include <QFileInfo>
#include <QMenu>

namespace {

class FileCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteSettings();
    }
    static void AddPayee(const QString& payee, int16_t number = -1) {
        ledger::AddTransaction(number, Day(2020, 1, 1), 1, payee, ledger::CheckOrPayment);
    }
};

} // namespace

TEST_F(FileCommandsTest, NewEmptiesTheLedgerAndKeepsThePayeeList) {
    const QString path = WriteLedger(QStringLiteral("a.tlx"), [] {
        ledger::SetLockDate(Day(2020, 1, 1));
        AddPayee(QStringLiteral("Grocer"), 300);
    });
    Start({path});
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Bal:  1/1/2020"));
    Trigger("New"); // nothing changed: no question
    EXPECT_EQ(ledger::GetTransactionCount(), 1);
    EXPECT_EQ(ledger::GetDataFileName(), QString());
    EXPECT_EQ(Panel("Panel1"), QString());
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Unlocked"));
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("0"));
    EXPECT_FALSE(Button("Command4")->isEnabled());
    EXPECT_EQ(PayeeList(), QStringList{QStringLiteral("Grocer")});
}

TEST_F(FileCommandsTest, NewAsksAboutChangesFirst) {
    Start();
    ledger::AddTransaction(0, Day(2020, 1, 1), 1, QString(), ledger::Fee);
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::Cancel);
        Trigger("New");
    }
    EXPECT_EQ(ledger::GetTransactionCount(), 2);
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::Yes).ExpectFileDialog(false, QString());
        Trigger("New"); // the save did not happen, so the ledger stays
    }
    EXPECT_EQ(ledger::GetTransactionCount(), 2);
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::No);
        Trigger("New");
    }
    EXPECT_EQ(ledger::GetTransactionCount(), 1);
    EXPECT_FALSE(ledger::IsModified());
}

TEST_F(FileCommandsTest, OpenLoadsTheChosenLedgerAndRefreshesTheWindow) {
    const QString path = WriteLedger(QStringLiteral("b.tlx"), [] {
        ledger::SetLockDate(Day(2021, 6, 30));
        AddPayee(QStringLiteral("Zoo"), 55);
    });
    Start();
    Text("Text6")->setText(QStringLiteral("9"));
    {
        PromptScript prompts;
        prompts.ExpectFileDialog(true, path);
        Trigger("Open");
        ASSERT_EQ(prompts.FileDialogs().size(), 1u);
        EXPECT_EQ(prompts.FileDialogs()[0].defaultExtension, QStringLiteral("tlx"));
        EXPECT_EQ(prompts.FileDialogs()[0].filter, QStringLiteral("Check data|*.tlx"));
    }
    EXPECT_EQ(ledger::GetDataFileName(), path);
    EXPECT_EQ(Panel("Panel1"), path);
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Bal:  6/30/2021"));
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("56"));
    EXPECT_EQ(Text("Text6")->text(), QStringLiteral("9")); // other fields keep what they held
    EXPECT_TRUE(Button("Command4")->isEnabled());
    EXPECT_EQ(PayeeList(), QStringList{QStringLiteral("Zoo")});
    EXPECT_TRUE(window->close());
    QString dataFile;
    ASSERT_TRUE(ReadStr(QStringLiteral("DataFile"), dataFile)); // a chosen file counts as a settings change
    EXPECT_EQ(dataFile, path);
}

TEST_F(FileCommandsTest, OpenOfALedgerWithoutTransactionsEnablesShowRegister) {
    const QString path = WriteLedger(QStringLiteral("none.tlx"), [] {});
    Start();
    PromptScript prompts;
    prompts.ExpectFileDialog(true, path);
    Trigger("Open");
    EXPECT_TRUE(Button("Command4")->isEnabled());
}

TEST_F(FileCommandsTest, OpenStopsAtEachRefusal) {
    Start();
    ledger::AddTransaction(0, Day(2020, 1, 1), 1, QString(), ledger::Fee);
    {
        PromptScript prompts; // Cancel at the question: no dialog at all
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::Cancel);
        Trigger("Open");
    }
    EXPECT_EQ(ledger::GetTransactionCount(), 2);
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::No).ExpectFileDialog(true, QString());
        Trigger("Open");
    }
    EXPECT_EQ(ledger::GetTransactionCount(), 2);
    EXPECT_EQ(ledger::GetDataFileName(), QString());
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::No);
        EXPECT_TRUE(window->close()); // a cancelled dialog chose nothing: the settings are unchanged
    }
    QString dataFile;
    ASSERT_TRUE(ReadStr(QStringLiteral("DataFile"), dataFile));
    EXPECT_EQ(dataFile, QString());
}

TEST_F(FileCommandsTest, OpenOfAMissingOrForeignFileKeepsTheLedgerAndItsName) {
    const QString current = WriteLedger(QStringLiteral("current.tlx"), [] { AddPayee(QStringLiteral("Grocer"), 3); });
    const QString missing = PathIn(QStringLiteral("missing.tlx"));
    const QString foreign = PathIn(QStringLiteral("notes.tlx"));
    {
        QFile file(foreign);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(200, 'n'));
    }
    Start({current});
    {
        PromptScript prompts;
        prompts.ExpectFileDialog(true, missing)
            .ExpectMessage(QStringLiteral("Error opening file"), Answer::Ok, missing);
        Trigger("Open");
    }
    EXPECT_EQ(ledger::GetDataFileName(), current);
    {
        PromptScript prompts;
        prompts.ExpectFileDialog(true, foreign).ExpectMessage(QStringLiteral("Unknown file type"), Answer::Ok, foreign);
        Trigger("Open");
    }
    EXPECT_EQ(ledger::GetDataFileName(), current);
    EXPECT_EQ(Panel("Panel1"), current);
    EXPECT_TRUE(Button("Command4")->isEnabled());

    // A later save goes to the ledger's own file, never over the foreign one.
    ledger::SetModified();
    Trigger("Save");
    EXPECT_EQ(tallix::test::ReadAll(foreign), QByteArray(200, 'n'));
}

TEST_F(FileCommandsTest, SaveOfANewLedgerAsksForANameWithTheDefaultExtension) {
    Start();
    ledger::AddTransaction(0, Day(2020, 1, 1), 1, QString(), ledger::Fee);
    {
        PromptScript prompts;
        prompts.ExpectFileDialog(false, QString());
        Trigger("Save");
    }
    EXPECT_TRUE(ledger::IsModified());
    EXPECT_EQ(ledger::GetDataFileName(), QString());
    const QString path = PathIn(QStringLiteral("saved"));
    {
        PromptScript prompts;
        prompts.ExpectFileDialog(false, path);
        Trigger("Save");
        EXPECT_EQ(prompts.FileDialogs().at(0).filter, QStringLiteral("Check data|*.tlx"));
    }
    EXPECT_FALSE(ledger::IsModified());
    EXPECT_EQ(QFileInfo(path + QStringLiteral(".tlx")).size(), 128);
    EXPECT_EQ(Panel("Panel1"), QString()); // the status bar shows the name only after the next refresh
    Trigger("Save");                       // nothing to save: no question
}

TEST_F(FileCommandsTest, PayeeListHoldsEachCheckPayeeOnceInSortedOrder) {
    const QString first = WriteLedger(QStringLiteral("p1.tlx"), [] {
        AddPayee(QStringLiteral("grocer"), 1);
        AddPayee(QStringLiteral("Grocer"), 2);
        AddPayee(QStringLiteral("Grocer"), 3);
        AddPayee(QStringLiteral("  Bank  "));
        AddPayee(QStringLiteral("Bank"));
        ledger::AddTransaction(0, Day(2020, 1, 1), 1, QStringLiteral("Salary"), ledger::Deposit);
        AddPayee(QStringLiteral("Alpha"));
    });
    const QString second = WriteLedger(QStringLiteral("p2.tlx"), [] {
        AddPayee(QStringLiteral("Zoo"));
        AddPayee(QStringLiteral("Bank"));
        AddPayee(QStringLiteral("Carpenter"));
    });
    Start({first});
    EXPECT_EQ(Combo()->currentText(), QString()); // the list offers payees; the box stays empty
    const QStringList firstList = PayeeList();
    EXPECT_EQ(firstList.size(), 4);
    EXPECT_TRUE(firstList.contains(QStringLiteral("Grocer")));
    EXPECT_TRUE(firstList.contains(QStringLiteral("grocer")));
    EXPECT_EQ(firstList.mid(0, 2), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Bank")}));

    Combo()->setEditText(QStringLiteral("Baker"));
    PromptScript prompts;
    prompts.ExpectFileDialog(true, second);
    Trigger("Open");
    EXPECT_EQ(Combo()->currentText(), QStringLiteral("Baker"));
    const QStringList both = PayeeList();
    EXPECT_EQ(both.size(), 6);
    EXPECT_EQ(both.first(), QStringLiteral("Alpha"));
    EXPECT_EQ(both.at(2), QStringLiteral("Carpenter"));
    EXPECT_EQ(both.last(), QStringLiteral("Zoo"));
    EXPECT_FALSE(both.contains(QStringLiteral("Salary")));
}

TEST_F(FileCommandsTest, ARunSavedUnderANewNameReopensAtTheNextStart) {
    StartActive();
    ledger::SetNextCheckNumber(500);
    Click(Button("Command2"));
    TypeInto(Text("Text4"), QStringLiteral("500"));
    TypeInto(Combo(), QStringLiteral("Landlord"));
    TypeInto(Text("Text3"), QStringLiteral("750"));
    ClickAdd();
    Click(Option("Option6"));
    TypeInto(Combo(), QStringLiteral("Power Co"));
    TypeInto(Text("Text3"), QStringLiteral("60.25"));
    ClickAdd();
    Click(Option("Option1"));
    TypeInto(Text("Text7"), QStringLiteral("Salary"));
    TypeInto(Text("Text6"), QStringLiteral("2000"));
    ClickAdd();
    ASSERT_EQ(ledger::GetTransactionCount(), 4);

    const QString path = PathIn(QStringLiteral("household.tlx"));
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::Yes).ExpectFileDialog(false, path);
        EXPECT_TRUE(window->close());
    }
    window.reset();
    ledger::NewLedger(); // as a new process would find the store

    StartActive();
    EXPECT_EQ(ledger::GetDataFileName(), path);
    EXPECT_EQ(Panel("Panel1"), path);
    EXPECT_EQ(ledger::GetTransactionCount(), 4);
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("501"));
    EXPECT_TRUE(Button("Command4")->isEnabled());
    EXPECT_EQ(PayeeList(), (QStringList{QStringLiteral("Landlord"), QStringLiteral("Power Co")}));
    const auto records = Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].CheckNumber, ledger::PaymentCheckNumber);
    EXPECT_EQ(records[1].Amount, 60.25f);
    EXPECT_EQ(records[2].TypeCode, ledger::Deposit);
    EXPECT_EQ(records[2].Amount, 2000.0f);
}

// A name chosen for a new, unchanged ledger names a file: the next start opens it without "Error opening file".
TEST_F(FileCommandsTest, ANameChosenForAnEmptyLedgerReopensAtTheNextStart) {
    StartActive();
    const QString path = PathIn(QStringLiteral("empty.tlx"));
    {
        PromptScript prompts;
        prompts.ExpectFileDialog(false, path);
        Trigger("Save");
    }
    EXPECT_EQ(QFileInfo(path).size(), 64);
    EXPECT_TRUE(window->close());
    window.reset();
    ledger::NewLedger();

    StartActive(); // any message box would fail the test
    EXPECT_EQ(ledger::GetDataFileName(), path);
    EXPECT_EQ(Panel("Panel1"), path);
    EXPECT_EQ(ledger::GetTransactionCount(), 1);
}

// The file dialogs start where the user was: in the ledger's folder, in the folder of the last statement; File ▸
// Open Recent offers the last 5 ledgers, the latest first.
TEST_F(FileCommandsTest, DialogsStartWhereTheUserWasAndOpenRecentOffersTheLastLedgers) {
    QStringList paths;
    for (int i = 0; i < 6; ++i)
        paths << WriteLedger(QStringLiteral("l%1&.tlx").arg(i), [] { AddPayee(QStringLiteral("Zoo")); });
    Start();
    for (const QString& path : paths) {
        PromptScript prompts;
        prompts.ExpectFileDialog(true, path);
        Trigger("Open");
        EXPECT_EQ(prompts.FileDialogs().at(0).folder, path == paths[0] ? QString() : folder.path());
    }
    auto* recent = Find<QMenu>("OpenRecent");
    Q_EMIT recent->aboutToShow();
    QStringList offered;
    for (const QAction* item : recent->actions())
        offered << item->text();
    EXPECT_EQ(offered, QStringList({"&1 " + PathIn("l5&&.tlx"), "&2 " + PathIn("l4&&.tlx"), "&3 " + PathIn("l3&&.tlx"),
                                    "&4 " + PathIn("l2&&.tlx"), "&5 " + PathIn("l1&&.tlx")}));
    recent->actions().at(2)->trigger();
    EXPECT_EQ(ledger::GetDataFileName(), paths[3]);

    const QString statement = QStringLiteral(TALLIX_IMPORT_DATA "statement.qif");
    for (const QString& start : {QString(), QFileInfo(statement).absolutePath()}) {
        WhenModalOpens([](QWidget*) {}); // the preview, cancelled
        PromptScript prompts;
        prompts.ExpectFileDialog(true, statement);
        Trigger("Import");
        EXPECT_EQ(prompts.FileDialogs().at(0).folder, start);
    }
}
