// Checks written with a memo and an address, queued with "Print later", printed onto forms numbered apart from
// them, a jam reported, reprinted and the spoiled form voided; recovered after a crash, saved and opened again.
#include "MainWindowFixture.h"

#include "ledger/Categories.h"
#include "ledger/CheckDetails.h"
#include "storage/Recovery.h"
#include "support/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QSpinBox>
#include <QThreadPool>
#include <QTreeWidget>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class PrintChecksTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        path = WriteLedger(QStringLiteral("checks.tlx"), [] {});
        WriteSettings(QString(), path, 0);
        StartActive();
    }
    QString path;

    // `address` empty: the box is left as the payee's choice filled it.
    void AddCheck(const QString& payee, const QString& amount, const QString& memo, const QStringList& address) {
        TypeInto(Combo(), payee);
        TypeInto(Text("Text3"), amount);
        TypeInto(Text("txtMemo"), memo);
        if (!address.isEmpty()) {
            WhenModalOpens(
                [&address](QWidget* dialog) {
                    for (int line = 0; line < address.size(); ++line)
                        dialog->findChild<QLineEdit*>(QStringLiteral("AddressLine%1").arg(line + 1))
                            ->setText(address[line]);
                    static_cast<QDialog*>(dialog)->accept();
                },
                QStringLiteral("AddressDialog"));
            Click(Button("cmdAddress"));
            Activate(); // the offscreen platform does not give the window back its focus after a dialog
        }
        Find<QCheckBox>("chkPrintLater")->setChecked(true);
        ClickAdd();
    }

    // Saves through "Save as PDF...", answering the questions the run asks; `spoiledRow` ticked as the first form
    // that did not print, none: every check printed.
    void PrintToPdf(QWidget* window, const QString& renumbering, std::optional<int> spoiledRow) {
        PromptScript prompts;
        prompts.ExpectMessage(renumbering, Answer::Yes)
            .ExpectFileDialog(false, PathIn(QStringLiteral("checks.pdf")))
            .ExpectMessage(QStringLiteral("Did every check print correctly?"), spoiledRow ? Answer::No : Answer::Yes);
        if (spoiledRow)
            WhenModalOpens(
                [row = *spoiledRow](QWidget* dialog) {
                    auto* forms = dialog->findChild<QListWidget*>(QStringLiteral("lstSpoiledForms"));
                    forms->item(row)->setCheckState(Qt::Checked);
                    static_cast<QDialog*>(dialog)->accept();
                },
                QStringLiteral("SpoiledFormsDialog"));
        window->findChild<QPushButton*>(QStringLiteral("cmdSavePdf"))->click();
        QFile pdf(PathIn(QStringLiteral("checks.pdf")));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.read(5) == "%PDF-");
    }

    // A ledger of checks waiting to print, opened in a new window; `lockLast` locks the last of them.
    void OpenQueue(const std::vector<int16_t>& numbers, bool lockLast) {
        window.reset();
        const QString queue = WriteLedger(QStringLiteral("queue.tlx"), [&] {
            for (const int16_t number : numbers) {
                const int16_t slot = ledger::AddTransaction(number, Day(2026, 5, 4), 10, QStringLiteral("Payee"),
                                                            ledger::CheckOrPayment);
                ledger::SetWaitingToPrint(slot, true);
                if (lockLast && number == numbers.back())
                    ledger::UpdateTransaction(slot, number, Day(2026, 5, 4), 10, QStringLiteral("Payee"), true);
            }
        });
        WriteSettings(QString(), queue, 0);
        Start();
    }

    static QStringList Waiting() {
        QStringList waiting;
        for (const int16_t slot : ledger::ChecksWaitingToPrint())
            waiting << QString::number(Records()[size_t(slot - 1)].CheckNumber) + QLatin1Char(' ') +
                           Records()[size_t(slot - 1)].Description.trimmed();
        return waiting;
    }
};

} // namespace

TEST_F(PrintChecksTest, QueuedChecksPrintOntoTheFormsAndASpoiledFormIsVoided) {
    TypeInto(Text("Text4"), QStringLiteral("1101"));
    const QStringList power = {QStringLiteral("Alpha Power Co."), QStringLiteral("1 Main St"),
                               QStringLiteral("Springfield, IL 62701")};
    AddCheck(QStringLiteral("Alpha Power"), QStringLiteral("10.00"), QStringLiteral("Account 7"), power);
    AddCheck(QStringLiteral("Beta Water"), QStringLiteral("20.00"), QStringLiteral("Meter 2"),
             {QStringLiteral("Beta Water"), QStringLiteral("PO Box 9")});
    // The payee's address of last time comes back with the payee.
    AddCheck(QStringLiteral("Alpha Power"), QStringLiteral("30.00"), QString(), {});
    ASSERT_EQ(Waiting(), (QStringList{QStringLiteral("1101 Alpha Power"), QStringLiteral("1102 Beta Water"),
                                      QStringLiteral("1103 Alpha Power")}));
    EXPECT_EQ(ledger::AddressOf(3), power);

    WhenModalOpens(
        [this](QWidget* queue) {
            EXPECT_EQ(queue->findChild<QTreeWidget*>(QStringLiteral("lstChecks"))->topLevelItemCount(), 3);
            auto* firstForm = queue->findChild<QSpinBox*>(QStringLiteral("spnFirstForm"));
            EXPECT_EQ(firstForm->value(), 1101);
            firstForm->setValue(2001);
            PrintToPdf(queue,
                       QStringLiteral("The first form in the printer is number 2001, the first check 1101. Renumber "
                                      "the checks to match the forms?\r\rCheck 1101 becomes 2001\rCheck 1102 "
                                      "becomes 2002\rCheck 1103 becomes 2003"),
                       1);
            // The jam's form and every later check wait; the printer goes on at the next form.
            EXPECT_EQ(Waiting(), (QStringList{QStringLiteral("2002 Beta Water"), QStringLiteral("2003 Alpha Power")}));
            EXPECT_EQ(firstForm->value(), 2004);
            // The spoiled form's void is taken back and given again.
            auto* undo = queue->findChild<QPushButton*>(QStringLiteral("cmdUndoVoid"));
            const auto voided = Records();
            for (const auto& [text, typeCode] :
                 {std::pair{"&Undo Void", ledger::Deleted}, std::pair{"&Redo Void", ledger::CheckOrPayment}}) {
                EXPECT_EQ(undo->text(), QString::fromUtf8(text));
                undo->click();
                EXPECT_EQ(Records().at(3).TypeCode, typeCode);
            }
            EXPECT_EQ(Records(), voided);
            PrintToPdf(queue,
                       QStringLiteral("The first form in the printer is number 2004, the first check 2002. Renumber "
                                      "the checks to match the forms?\r\rCheck 2002 becomes 2004\rCheck 2003 "
                                      "becomes 2005"),
                       std::nullopt);
        },
        QStringLiteral("PrintChecksWindow"));
    Trigger("mnuFilePrintChecks");

    EXPECT_EQ(Waiting(), QStringList());
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("2006"));
    const auto records = Records();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[3].CheckNumber, 2002);
    EXPECT_EQ(records[3].Amount, 0.0f);
    EXPECT_EQ(records[3].Date, platform::Today());
    EXPECT_EQ(records[3].Description.trimmed(), QStringLiteral("VOID Beta Water"));

    // The process dies before the save: its journal gives back the checks, their details and the queue.
    const QString journalPath = ledger::JournalPathFor(path);
    const QByteArray journal = tallix::test::ReadAll(journalPath);
    window.reset();
    ledger::NewLedger();
    QFile restore(journalPath);
    ASSERT_TRUE(restore.open(QIODevice::WriteOnly));
    restore.write(journal);
    restore.close();
    const int changes = ledger::PeekRecovery(path).pending.changeCount;
    StartRecovering(path, QStringLiteral("%1 changes").arg(changes));
    EXPECT_EQ(Records(), records);
    EXPECT_EQ(Waiting(), QStringList());
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("2006"));

    Trigger("Save");
    ledger::NewLedger();
    ledger::SetDataFileName(path);
    ASSERT_TRUE(ledger::LoadLedger());
    EXPECT_EQ(ledger::MemoOf(1), QStringLiteral("Account 7"));
    EXPECT_EQ(ledger::MemoOf(2), QStringLiteral("Meter 2"));
    EXPECT_EQ(ledger::AddressOf(2), (QStringList{QStringLiteral("Beta Water"), QStringLiteral("PO Box 9")}));
    EXPECT_EQ(ledger::AddressOf(3), power);
}

// A check typed with its memo, address and "Print later" survives the process being killed before any save.
TEST_F(PrintChecksTest, AKilledWindowGivesBackTheCheckItsDetailsCategoryAndPlaceInTheQueue) {
    const QStringList address = {QStringLiteral("Alpha Power Co."), QStringLiteral("1 Main St")};
    window.reset(); // the window that dies is the child's
    // Qt paints with the threads of its pool, which a forked child does not have: they end first.
    QThreadPool::globalInstance()->waitForDone();
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(60); // a child stuck on a failed step dies of SIGALRM, which the parent reports
        StartActive();
        TypeInto(Text("Text4"), QStringLiteral("1101"));
        TypeInto(Find<QComboBox>("cboCategory")->lineEdit(), QStringLiteral("Utilities : Electricity"));
        AddCheck(QStringLiteral("Alpha Power"), QStringLiteral("10.00"), QStringLiteral("Account 7"), address);
        ::kill(::getpid(), SIGKILL);
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child ended otherwise: " << status;
    StartRecovering(path, QStringLiteral("1 change")); // the check, its details and category are one change
    ASSERT_EQ(Records().size(), 1u);
    EXPECT_EQ(ledger::CategoryOf(1).category, QStringLiteral("Utilities:Electricity"));
    EXPECT_EQ(ledger::MemoOf(1), QStringLiteral("Account 7"));
    EXPECT_EQ(ledger::AddressOf(1), address);
    EXPECT_EQ(ledger::ChecksWaitingToPrint(), std::vector<int16_t>{1});
}

// Printing stops before anything changes where the checks cannot take the forms' numbers, or the user says No.
TEST_F(PrintChecksTest, ChecksKeepTheirNumbersWhereRenumberingIsRefused) {
    struct Case {
        std::vector<int16_t> numbers;
        bool lastLocked;
        int firstForm;
        QString message;
    };
    const Case cases[] = {
        {{101, 102},
         true,
         201,
         "Check 102 is locked: its number cannot change to the form's. Unlock it in the register "
         "or leave it out."},
        {{101, 102},
         false,
         32767,
         "2 checks from form 32767 on would pass 32767, the highest check number. Print "
         "fewer checks."},
        {{101, 103},
         false,
         101,
         "The checks' numbers have gaps; the forms in the printer do not. Renumber the checks "
         "to match the forms?\r\rCheck 103 becomes 102"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.message.toStdString());
        OpenQueue(test.numbers, test.lastLocked);
        const auto before = Records();
        WhenModalOpens(
            [&test](QWidget* queue) {
                queue->findChild<QSpinBox*>(QStringLiteral("spnFirstForm"))->setValue(test.firstForm);
                PromptScript prompts;
                prompts.ExpectMessage(test.message, Answer::No);
                queue->findChild<QPushButton*>(QStringLiteral("cmdSavePdf"))->click();
            },
            QStringLiteral("PrintChecksWindow"));
        Trigger("mnuFilePrintChecks");
        EXPECT_EQ(Records(), before);
        EXPECT_EQ(ledger::ChecksWaitingToPrint(), (std::vector<int16_t>{1, 2}));
    }
}
