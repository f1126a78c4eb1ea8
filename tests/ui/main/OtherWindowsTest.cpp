// The buttons and menu items that open the program's other windows modally over the main window.
#include "MainWindowFixture.h"
#include "ledger/ClearMarks.h"
#include "ledger/Schedules.h"
#include "print/BalanceChart.h"
#include "settings/ForecastSettings.h"
#include "support/Files.h"
#include "ui/chart/ChartView.h"

#include <QClipboard>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>

TEST_F(MainWindowTest, ShowRegisterOpensTheRegisterAndRefreshesTheLockState) {
    const QString path = WriteLedger(QStringLiteral("r.tlx"), [] {
        ledger::AddTransaction(7, Day(2020, 1, 5), 12, QStringLiteral("Grocer"), ledger::CheckOrPayment);
    });
    WriteSettings(QString(), path, 0);
    StartActive();
    ASSERT_EQ(Panel("Panel2"), QStringLiteral("Unlocked"));
    QString shown;
    WhenModalOpens([this, &shown](QWidget* modal) {
        shown = modal->objectName();
        EXPECT_EQ(modal->parentWidget(), window.get()); // owned by the main window
        ledger::SetLockDate(Day(2020, 1, 31));          // as the register's lock command would
    });
    Click(Button("Command4"));
    EXPECT_EQ(shown, QStringLiteral("frmRegister"));
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Bal:  1/31/2020"));
    EXPECT_GT(window->RegHeight, 0); // the register remembers its height through the main window
}

TEST_F(MainWindowTest, BalanceToStatementAsksForTheStatementThenReconcilesInTheRegister) {
    const QString path = WriteLedger(QStringLiteral("s.tlx"), [] {
        ledger::SetStartingBalance(100);
        ledger::AddTransaction(7, Day(2020, 1, 5), 12, QStringLiteral("Grocer"), ledger::CheckOrPayment);
        ledger::AddTransaction(8, Day(2020, 2, 5), 30, QStringLiteral("Phone"), ledger::CheckOrPayment);
    });
    WriteSettings(QString(), path, 0);
    StartActive();
    QStringList shown;
    WhenModalOpens([&shown](QWidget* dialog) {
        shown << dialog->objectName();
        dialog->findChild<platform::DatePicker*>(QStringLiteral("StatementDate"))->SetValue(QDate(2020, 1, 31));
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("StatementBalance")), QStringLiteral("88.00"));
        WhenModalOpens(
            [&shown](QWidget* Register) {
                shown << Register->objectName();
                // The grocer's check is the first outstanding row: cleared, it balances the statement.
                QTest::keyClick(Register->findChild<QWidget*>(QStringLiteral("MSFlexGrid1")), Qt::Key_Space);
                Register->findChild<QPushButton*>(QStringLiteral("StatementFinish"))->click();
            },
            QStringLiteral("frmRegister"));
        dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    Trigger("mnuSetupBalance");
    EXPECT_EQ(shown, (QStringList{QStringLiteral("BalanceToStatement"), QStringLiteral("frmRegister")}));
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Bal:  1/31/2020"));
    ledger::TransactionRecord record;
    ASSERT_TRUE(ledger::FirstTransaction(record));
    EXPECT_EQ(record.Locked, -1);
    EXPECT_EQ(ledger::GetClearMark(1), ledger::ClearMark::Reconciled);
    ASSERT_TRUE(ledger::NextTransaction(record));
    EXPECT_EQ(record.Locked, 0);
}

TEST_F(MainWindowTest, SchedulesStoresTheEditedSchedulesInTheLedgerAndTheHorizonInTheSettings) {
    WriteSettings();
    StartActive();
    ASSERT_FALSE(ledger::IsModified());
    QStringList shown;
    WhenModalOpens([this, &shown](QWidget* schedules) {
        shown << schedules->objectName();
        EXPECT_EQ(schedules->parentWidget(), window.get());
        WhenModalOpens(
            [&shown](QWidget* editor) {
                shown << editor->objectName();
                QTest::keyClicks(editor->findChild<QLineEdit*>(QStringLiteral("descriptionBox")), "Rent");
                editor->findChild<QLineEdit*>(QStringLiteral("amountBox"))->setText(QStringLiteral("950"));
                editor->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
            },
            QStringLiteral("frmSchedule"));
        schedules->findChild<QPushButton*>(QStringLiteral("addScheduleButton"))->click();
        schedules->findChild<QSpinBox*>(QStringLiteral("horizonBox"))->setValue(45);
        schedules->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    Trigger("mnuSetupSchedules");
    EXPECT_EQ(shown, (QStringList{QStringLiteral("SchedulesWindow"), QStringLiteral("frmSchedule")}));
    ASSERT_EQ(ledger::Schedules().size(), 1u);
    EXPECT_EQ(ledger::Schedules()[0].description, QStringLiteral("Rent"));
    EXPECT_EQ(ledger::Schedules()[0].amountCents, 95000);
    EXPECT_TRUE(ledger::IsModified());
    EXPECT_EQ(settings::ReadForecastSettings().horizonDays, 45);
}

TEST_F(MainWindowTest, AssociateAsksFirst) {
    WriteSettings();
    Start();
    PromptScript prompts;
    prompts.ExpectMessage(QStringLiteral("Associate \".TLX\" files with this application?"), Answer::No);
    Trigger("Associate");
    EXPECT_EQ(prompts.Messages().at(0).icon, platform::Icon::Question);
}

TEST_F(MainWindowTest, OptionsShowsTheNewNextCheckNumberAndName) {
    WriteSettings(QStringLiteral("Ann"), QString(), 0);
    StartActive();
    QString shown;
    WhenModalOpens([this, &shown](QWidget* modal) {
        shown = modal->objectName();
        EXPECT_EQ(modal->parentWidget(), window.get());
        modal->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Bo Berg"));
        modal->findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("250"));
        modal->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    Trigger("Options");
    EXPECT_EQ(shown, QStringLiteral("SettingsDialog"));
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("250"));
    EXPECT_EQ(Text("Text5")->text(), QStringLiteral("Bo Berg"));
    EXPECT_EQ(Panel("Panel2"), QStringLiteral("Unlocked"));
    {
        PromptScript prompts; // OK marks the ledger changed
        prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::No);
        EXPECT_TRUE(window->close());
    }
    QString name;
    ASSERT_TRUE(ReadStr(QStringLiteral("UserName"), name));
    EXPECT_EQ(name, QStringLiteral("Bo Berg"));
}

TEST_F(MainWindowTest, AboutOpensWithoutAnOwner) {
    WriteSettings();
    StartActive();
    QString shown;
    WhenModalOpens([&shown](QWidget* modal) {
        shown = modal->objectName();
        EXPECT_EQ(modal->parentWidget(), nullptr);
        EXPECT_EQ(modal->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Tallix v1.21"));
        EXPECT_EQ(modal->findChild<QLabel*>(QStringLiteral("lblCopyright"))->text().count(QLatin1Char('\n')), 1);
        const QString description = modal->findChild<QLabel*>(QStringLiteral("lblDescription"))->text();
        EXPECT_TRUE(description.startsWith(QStringLiteral("This program will create a check register that you "
                                                          "can use to balance your checkbook. You enter")));
        EXPECT_TRUE(description.endsWith(QStringLiteral("comes with your checks. The balances will automatically "
                                                        "be calculated.")));
    });
    Click(Button("Command5"));
    EXPECT_EQ(shown, QStringLiteral("frmAbout"));
}

TEST_F(MainWindowTest, ViewBalanceChartShowsThePointUnderTheMouseCopiesAndSaves) {
    const QString path = WriteLedger(QStringLiteral("c.tlx"), [] {
        ledger::SetStartingBalance(100);
        ledger::AddTransaction(7, Day(2020, 1, 5), 12, QStringLiteral("Grocer"), ledger::CheckOrPayment);
        ledger::AddTransaction(0, Day(2020, 2, 5), 30, QStringLiteral("Pay"), ledger::Deposit);
    });
    WriteSettings(QString(), path, 0);
    StartActive();
    QGuiApplication::clipboard()->clear();
    QString shown;
    QString hovered;
    WhenModalOpens([&](QWidget* modal) {
        shown = modal->windowTitle();
        auto* chart = modal->findChild<ChartView*>(QStringLiteral("Chart"));
        const print::ChartAxes axes(chart->Series(), QRectF(chart->rect()), QFontMetricsF(chart->font(), chart));
        QTest::mouseMove(chart, QPointF(axes.X(Day(2020, 1, 5)), axes.Plot().center().y()).toPoint());
        hovered = modal->findChild<QLabel*>(QStringLiteral("pointLabel"))->text();
        modal->findChild<QPushButton*>(QStringLiteral("copyButton"))->click();
        modal->findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
        modal->findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
    });
    // The name's extension chooses the format.
    PromptScript prompts;
    prompts.ExpectFileDialog(false, PathIn(QStringLiteral("chart.svg")))
        .ExpectFileDialog(false, PathIn(QStringLiteral("chart.pdf")));
    Trigger("mnuViewChart");
    EXPECT_TRUE(tallix::test::ReadAll(PathIn(QStringLiteral("chart.svg"))).startsWith("<?xml"));
    EXPECT_TRUE(tallix::test::ReadAll(PathIn(QStringLiteral("chart.pdf"))).startsWith("%PDF-"));
    EXPECT_EQ(shown, QStringLiteral("Balance Chart"));
    EXPECT_EQ(hovered, QStringLiteral("1/5/2020: 88.00"));
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
}

TEST_F(MainWindowTest, ViewReportsShowsThisYearOfTheLedgerOverTheMainWindow) {
    const QString path = WriteLedger(QStringLiteral("y.tlx"), [] {
        ledger::AddTransaction(7, platform::Today(), 12, QStringLiteral("Grocer"), ledger::CheckOrPayment);
    });
    WriteSettings(QString(), path, 0);
    StartActive();
    QString spending, shown;
    WhenModalOpens([&](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Reports"));
        EXPECT_EQ(modal->parentWidget(), window.get());
        auto* tree = modal->findChild<QTreeWidget*>(QStringLiteral("categoryTree"));
        spending = tree->topLevelItem(0)->text(1);
        // A category's double click opens the register showing only its transactions.
        WhenModalOpens([&](QWidget* registerWindow) {
            auto* rows = registerWindow->findChild<QTableWidget*>(QStringLiteral("FilteredRows"));
            ASSERT_TRUE(rows && rows->isVisible());
            shown = registerWindow->findChild<QLabel*>(QStringLiteral("FilterCaption"))->text() + ' ' +
                    rows->item(0, 2)->text();
            registerWindow->close();
        });
        Q_EMIT tree->itemDoubleClicked(tree->topLevelItem(0)->child(0), 0);
    });
    Trigger("mnuViewReports");
    EXPECT_EQ(spending, QStringLiteral("12.00"));
    const int year = QDate::currentDate().year();
    EXPECT_EQ(shown, QStringLiteral("1 transaction: No category, 1/1/%1 to 12/31/%1 Grocer").arg(year));
}
