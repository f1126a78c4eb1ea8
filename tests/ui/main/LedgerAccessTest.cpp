// One writer per ledger, changes on disk, and unsaved work after a crash, as the main window meets them.
#include "MainWindowFixture.h"
#include "platform/widgets/FlexGridView.h"
#include "register/RegisterGrid.h"
#include "storage/LedgerHold.h"
#include "storage/Recovery.h"
#include "support/Files.h"
#include "support/WithoutRootOverride.h"
#include "ui/register/frmRegister.h"

#include <QLineEdit>
#include <QLockFile>
#include <QThreadPool>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class LedgerAccessTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        path = WriteLedger(QStringLiteral("shared.tlx"), [] {
            ledger::AddTransaction(0, Day(2026, 11, 2), 900, QStringLiteral("Salary"), ledger::Deposit);
        });
        WriteSettings(QString(), path, 0);
    }
    void TypeCheck(const QString& number, const QString& payee, const QString& amount) {
        TypeInto(Text("Text4"), number);
        TypeInto(Combo(), payee);
        TypeInto(Text("Text3"), amount);
        ClickAdd();
    }
    QString path;
};

// Another process holds the ledger until the test ends it, as a second running copy of the program would.
pid_t HoldInChild(const QString& path) {
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        QLockFile lock(path + QStringLiteral(".lock"));
        const char held = lock.tryLock(0) ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    EXPECT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    ::close(ready[0]);
    ::close(ready[1]);
    return child;
}

TEST_F(LedgerAccessTest, LedgerHeldByAnotherCopyOpensReadOnlyOrNotAtAll) {
    const pid_t other = HoldInChild(path);
    const QString question = QStringLiteral("%1\ris open in another copy of Tallix: %2.\r"
                                            "Only one copy at a time can change a ledger.")
                                 .arg(path, ledger::DescribeHolder(ledger::LedgerHold::Take(path).Holder()));
    {
        PromptScript prompts;
        prompts.ExpectChoice(question, QStringLiteral("Cancel"));
        Start();
    }
    EXPECT_EQ(ledger::GetDataFileName(), QString());
    EXPECT_EQ(ledger::GetTransactionCount(), 1);
    {
        PromptScript prompts;
        prompts.ExpectChoice(question, QStringLiteral("Open Read-Only"));
        Start();
    }
    EXPECT_EQ(ledger::GetTransactionCount(), 2);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tallix (Read-Only)"));
    EXPECT_FALSE(Button("Command1")->isEnabled());
    for (const char* command :
         {"Save", "Import", "Options", "mnuSetupBalance", "mnuSetupSchedules", "mnuSetupCategories"})
        EXPECT_FALSE(Find<QAction>(command)->isEnabled()) << command;
    EXPECT_FALSE(ledger::HoldsLedger());
    // The register shows the ledger but opens no editor and neither locks nor deletes.
    bool shown = false;
    WhenModalOpens([&shown](QWidget* modal) {
        auto* reg = qobject_cast<frmRegister*>(modal);
        ASSERT_NE(reg, nullptr);
        shown = true;
        EXPECT_TRUE(reg->windowTitle().endsWith(QStringLiteral(" (Read-Only)")));
        EXPECT_FALSE(reg->findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled());
        reg->findChild<platform::FlexGridView*>(QStringLiteral("MSFlexGrid1"))
            ->Grid()
            .MoveTo(1, RegisterColumn::Description);
        reg->GridEdit(0);
        EXPECT_FALSE(reg->findChild<QWidget*>(QStringLiteral("Text1"))->isVisible());
    });
    Button("Command4")->click();
    EXPECT_TRUE(shown);

    // Save As makes the window the writer of a file of its own.
    const QString mine = PathIn(QStringLiteral("mine.tlx"));
    {
        PromptScript prompts;
        prompts.ExpectFileDialog(false, mine);
        Trigger("SaveAs");
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tallix"));
    EXPECT_TRUE(Button("Command1")->isEnabled());
    EXPECT_TRUE(ledger::HoldsLedger());
    EXPECT_TRUE(QFile::exists(mine));

    // Once the other copy is gone (killed, here), its lock is taken over without a word.
    ::kill(other, SIGKILL);
    ::waitpid(other, nullptr, 0);
    Start({path});
    EXPECT_TRUE(ledger::HoldsLedger());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tallix"));
}

// Where no lock file can be made, every window would be a writer: none is, and each says why.
TEST_F(LedgerAccessTest, FolderWithoutRoomForALockOpensTheLedgerReadOnly) {
    const QByteArray shelf = QFile::encodeName(PathIn(QStringLiteral("shelf")));
    ASSERT_TRUE(QDir().mkdir(shelf) && QFile::copy(path, shelf + "/shared.tlx"));
    WriteSettings(QString(), shelf + "/shared.tlx", 0);
    ASSERT_EQ(::chmod(shelf.constData(), 0555), 0);
    {
        const tallix::test::WithoutRootOverride user;
        if (!user.Binds())
            GTEST_SKIP() << "root that cannot give up writing anywhere";
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("%1/shared.tlx\ris opened read-only: Tallix cannot make its lock file in "
                                             "the folder %1 (Permission denied). Without it, another copy of Tallix "
                                             "could change the ledger at the same time.\rSave As saves a copy that "
                                             "you can change.")
                                  .arg(shelf));
        Start();
    }
    ::chmod(shelf.constData(), 0755);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tallix (Read-Only)"));
    EXPECT_FALSE(Find<QAction>("Save")->isEnabled());
}

// Unsaved changes to a file saved since by someone else would undo that save: they wait while the file is open
// read-only, or come back beside it as a ledger without a name.
TEST_F(LedgerAccessTest, ChangesToAFileSavedSinceWaitOrComeBackAsACopy) {
    StartActive();
    TypeCheck(QStringLiteral("101"), QStringLiteral("Mine"), QStringLiteral("5"));
    const std::vector<ledger::TransactionRecord> mine = Records();
    const QString journal = ledger::JournalPathFor(path);
    const QByteArray bytes = tallix::test::ReadAll(journal);
    window.reset();
    WriteLedger(QStringLiteral("shared.tlx"), [] {});
    const QByteArray theirs = tallix::test::ReadAll(path);
    QFile restore(journal);
    ASSERT_TRUE(restore.open(QIODevice::WriteOnly) && restore.write(bytes) == bytes.size());
    restore.close();
    const QString offer =
        QStringLiteral("%1 was not saved when Tallix last ended: 1 change, the last made %2.\r"
                       "The file was changed on disk since then; these changes would undo that.\r"
                       "Open as Copy opens the ledger as you left it as a new ledger, to be saved under another "
                       "name; the file stays as it is. Keep for Later opens the file read-only and asks again the "
                       "next time.")
            .arg(path, platform::FormatShortDateTime(ledger::PeekRecovery(path).pending.lastChange));
    for (const QString& choice : {QStringLiteral("Keep for Later"), QStringLiteral("Open as Copy")}) {
        {
            PromptScript prompts;
            prompts.ExpectChoice(offer, choice);
            Start();
        }
        const bool copy = choice == QStringLiteral("Open as Copy");
        EXPECT_EQ(Records().size(), copy ? mine.size() : 0u);
        EXPECT_EQ(ledger::GetDataFileName(), copy ? QString() : path);
        EXPECT_EQ(window->windowTitle(), copy ? QStringLiteral("Tallix") : QStringLiteral("Tallix (Read-Only)"));
        EXPECT_EQ(QFile::exists(journal), !copy);
        EXPECT_EQ(tallix::test::ReadAll(path), theirs);
    }
    EXPECT_EQ(Records(), mine);
}

TEST_F(LedgerAccessTest, ChangesLostInACrashAreOfferedBackOnceTheyAreDiscardedOrRecovered) {
    StartActive();
    for (int i = 0; i < 3; ++i)
        TypeCheck(QString::number(101 + i), QStringLiteral("Payee %1").arg(i), QStringLiteral("1%1.25").arg(i));
    ASSERT_EQ(ledger::GetTransactionCount(), 5);
    const std::vector<ledger::TransactionRecord> typed = Records();
    // The process dies: its journal stays on disk, nothing was saved.
    const QString journal = ledger::JournalPathFor(path);
    const QByteArray bytes = tallix::test::ReadAll(journal);
    window.reset();
    ledger::NewLedger();
    QFile restore(journal);
    ASSERT_TRUE(restore.open(QIODevice::WriteOnly));
    restore.write(bytes);
    restore.close();

    const QString when = platform::FormatShortDateTime(ledger::PeekRecovery(path).pending.lastChange);
    const QString offer =
        QStringLiteral("%1 was not saved when Tallix last ended: 3 changes, the last made %2.").arg(path, when);
    {
        PromptScript prompts;
        prompts.ExpectChoice(offer, QStringLiteral("Discard"))
            .ExpectMessage(QStringLiteral("Discard 3 unsaved changes? They cannot be recovered afterwards."),
                           Answer::No)
            .ExpectChoice(offer, QStringLiteral("Recover"));
        Start();
    }
    EXPECT_EQ(Records(), typed);
    EXPECT_TRUE(ledger::IsModified());
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("104"));
    EXPECT_TRUE(Button("Command4")->isEnabled());

    // Exit without saving: nothing is left to offer.
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::No);
        window->close();
    }
    EXPECT_FALSE(QFile::exists(journal));
    Start();
    EXPECT_EQ(ledger::GetTransactionCount(), 2);
}

// Edits typed into the open register, and a mark, survive the process being killed before the register closes.
TEST_F(LedgerAccessTest, RegisterEditsAndMarksSurviveAKillWhileTheRegisterIsOpen) {
    using namespace RegisterColumn;
    // Qt paints with the threads of its pool, which a forked child does not have: they end first.
    QThreadPool::globalInstance()->waitForDone();
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(60); // a child stuck on a failed step dies of SIGALRM, which the parent reports
        StartActive();
        WhenModalOpens([](QWidget* modal) {
            auto* view = modal->findChild<platform::FlexGridView*>(QStringLiteral("MSFlexGrid1"));
            auto* Text1 = modal->findChild<QLineEdit*>(QStringLiteral("Text1"));
            auto* DTPicker1 = modal->findChild<platform::DatePicker*>(QStringLiteral("DTPicker1"));
            // A window opened over the active one is not made active on the offscreen platform by itself.
            QApplication::setActiveWindow(modal);
            ASSERT_TRUE(QTest::qWaitForWindowActive(modal));
            const auto open = [&](int col) {
                view->Grid().MoveTo(1, col);
                QTest::keyClick(view, Qt::Key_Return);
            };
            for (const auto& [col, text] : {std::pair{Description, QStringLiteral("Salary, November")},
                                            std::pair{Credit, QStringLiteral("950.5")}}) {
                open(col);
                Text1->selectAll();
                QTest::keyClicks(Text1, text);
                QTest::keyClick(Text1, Qt::Key_Return);
            }
            open(Date);
            DTPicker1->SetValue(QDate(2026, 11, 3));
            QTest::keyClick(DTPicker1, Qt::Key_Return);
            QTest::keyClick(view, Qt::Key_Space);
            ::kill(::getpid(), SIGKILL);
        });
        Button("Command4")->click();
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child ended otherwise: " << status;

    StartRecovering(path, QStringLiteral("4 changes")); // one entry for each edit and the mark
    const std::vector<ledger::TransactionRecord> records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Description, ledger::FixDescription(QStringLiteral("Salary, November")));
    EXPECT_EQ(records[0].Amount, 950.5f);
    EXPECT_EQ(records[0].Date, Day(2026, 11, 3));
    EXPECT_EQ(ledger::GetClearMark(1), ledger::ClearMark::Cleared);
    EXPECT_TRUE(ledger::IsModified());
}

TEST_F(LedgerAccessTest, SaveOverAFileChangedOnDiskAsksFirst) {
    StartActive();
    TypeCheck(QStringLiteral("101"), QStringLiteral("Mine"), QStringLiteral("5"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(64, ' '));
    file.close();
    const QString question = QStringLiteral("%1\rchanged on disk since Tallix opened or last saved it.\r"
                                            "Overwrite would replace that version with this ledger.")
                                 .arg(path);
    {
        PromptScript prompts;
        prompts.ExpectChoice(question, QStringLiteral("Cancel"));
        Trigger("Save");
    }
    EXPECT_TRUE(ledger::IsModified());
    {
        PromptScript prompts;
        prompts.ExpectChoice(question, QStringLiteral("Overwrite"));
        Trigger("Save");
    }
    EXPECT_FALSE(ledger::IsModified());
    EXPECT_EQ(QFileInfo(path).size(), 3 * 64);
}

} // namespace
