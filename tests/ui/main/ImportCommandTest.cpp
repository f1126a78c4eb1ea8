// File ▸ Import...: the statement through the file dialog, the CSV columns, the preview, and what Import and
// Cancel leave in the ledger.
#include "MainWindowFixture.h"

#include "import/Statement.h"
#include "ledger/Categories.h"
#include "ledger/ClearMarks.h"
#include "support/ScopedLocale.h"
#include "ui/import/ImportDialogs.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QListWidget>
#include <QTableWidget>

namespace {

QString Statement(const char* name) {
    return QStringLiteral(TALLIX_IMPORT_DATA) + QLatin1String(name);
}

struct Preview {
    QStringList firstRow; // every cell
    QStringList whatHappens;
    QString summary;
    QString tableName; // as screen readers announce it
    bool importEnabled = false;
};

// Reads the preview, then leaves it with Import or Cancel.
void AnswerPreview(QWidget* modal, bool confirm, Preview& seen) {
    ASSERT_EQ(modal->objectName(), QStringLiteral("ImportPreview"));
    auto* table = modal->findChild<QTableWidget*>(QStringLiteral("tblLines"));
    seen.tableName = QAccessible::queryAccessibleInterface(table)->text(QAccessible::Name);
    for (int row = 0; row < table->rowCount(); ++row) {
        seen.whatHappens << table->item(row, table->columnCount() - 1)->text();
        for (int column = 0; row == 0 && column < table->columnCount(); ++column)
            seen.firstRow << table->item(row, column)->text();
    }
    seen.summary = modal->findChild<QLabel*>(QStringLiteral("lblSummary"))->text();
    auto* import = modal->findChild<QPushButton*>(QStringLiteral("cmdImport"));
    seen.importEnabled = import->isEnabled();
    if (confirm)
        import->click();
    else
        modal->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
}

QComboBox* Box(QWidget* dialog, const char* name) {
    return dialog->findChild<QComboBox*>(QLatin1String(name));
}

class ImportCommandTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteSettings();
    }

    // File ▸ Import... of `file`, whose preview is answered with Import or Cancel.
    Preview Import(const QString& file, bool confirm) {
        Preview seen;
        WhenModalOpens([&](QWidget* modal) { AnswerPreview(modal, confirm, seen); });
        PromptScript prompts;
        prompts.ExpectFileDialog(true, file);
        Trigger("Import");
        return seen;
    }
};

} // namespace

TEST_F(ImportCommandTest, CancelAddsNothingImportAddsEveryLineAndAgainSkipsThemAll) {
    const struct {
        const char* file;
        const char* locale;
        QStringList firstRow;
        QStringList added;
    } cases[] = {
        {"statement.qif",
         "en_US",
         {"1/5/2024", "-1,250.00", "City Water & Power", "311", "", "Add as Check"},
         {"Add as Check", "Add as Deposit", "Add as Withdrawal", "Add as Interest"}},
        {"statement1.ofx",
         "de_DE",
         {"05.02.2024", "-125,40", "Check 1042", "1042", "", "Add as Check"},
         {"Add as Check", "Add as Deposit", "Add as Interest", "Add as Fee", "Add as Withdrawal", "Add as Payment"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + std::string(" ") + c.locale);
        tallix::test::ScopedLocale locale(QString::fromLatin1(c.locale));
        ledger::NewLedger();
        Start();
        const int before = ledger::GetTransactionCount();
        const qsizetype n = c.added.size();
        {
            PromptScript prompts;
            prompts.ExpectFileDialog(true, QString());
            Trigger("Import"); // no file chosen: nothing happens
            EXPECT_EQ(prompts.FileDialogs().at(0).filter, QStringLiteral("Bank statements|*.ofx *.qfx *.qif *.csv"));
        }
        const Preview cancelled = Import(Statement(c.file), false);
        EXPECT_EQ(cancelled.whatHappens, c.added);
        EXPECT_EQ(cancelled.firstRow, c.firstRow);
        EXPECT_EQ(cancelled.summary,
                  QStringLiteral("%1 to add, 0 to mark cleared, 0 to skip as duplicates, 0 refused").arg(n));
        EXPECT_TRUE(cancelled.importEnabled);
        EXPECT_EQ(ledger::GetTransactionCount(), before);
        EXPECT_FALSE(ledger::IsModified());
        EXPECT_FALSE(Button("Command4")->isEnabled());

        EXPECT_EQ(Import(Statement(c.file), true).whatHappens, c.added);
        EXPECT_EQ(ledger::GetTransactionCount(), before + n);
        EXPECT_TRUE(ledger::IsModified());
        EXPECT_TRUE(Button("Command4")->isEnabled());

        // Each line repeats the record it added, cleared; the one whose mark the user took off is cleared again.
        for (const bool unclearFirst : {true, false}) {
            if (unclearFirst) {
                ASSERT_TRUE(ledger::SetClearMark(int16_t(before), ledger::ClearMark::None));
                ledger::SetModified(false);
            }
            const Preview again = Import(Statement(c.file), true);
            ASSERT_EQ(again.whatHappens.size(), n);
            // The record is named as the register shows it: date, payee, amount.
            const QString first = c.firstRow[0] + u' ' + c.firstRow[2] + u' ' + c.firstRow[1].mid(1);
            EXPECT_EQ(again.whatHappens[0], unclearFirst ? QStringLiteral("Matches %1: marks it cleared").arg(first)
                                                         : QStringLiteral("Skip: duplicate of %1").arg(first));
            for (qsizetype i = 1; i < n; ++i)
                EXPECT_TRUE(again.whatHappens[i].startsWith(QStringLiteral("Skip: duplicate of ")))
                    << again.whatHappens[i].toStdString();
            EXPECT_EQ(again.summary, QStringLiteral("0 to add, %1 to mark cleared, %2 to skip as duplicates, 0 refused")
                                         .arg(unclearFirst ? 1 : 0)
                                         .arg(unclearFirst ? n - 1 : n));
            EXPECT_EQ(again.importEnabled, unclearFirst);
            EXPECT_TRUE(ledger::GetClearMark(int16_t(before)) == ledger::ClearMark::Cleared && ledger::IsModified());
            EXPECT_EQ(ledger::GetTransactionCount(), before + n);
        }
    }
}

TEST_F(ImportCommandTest, CsvColumnsAreOfferedFromTheHeaderAndRememberedOnceImported) {
    const struct {
        const char* file;
        bool header;                                      // "First row holds column names", as found
        const char* firstItem;                            // the date column's first choice after "(none)"
        const char* firstLine;                            // the sample, dates with the month's name
        std::vector<std::pair<const char*, int>> offered; // combo box, column
        QStringList added;
    } cases[] = {
        {"signed.csv",
         true,
         "1: Date",
         "2 Apr 2024  -950.00  Rent, April",
         {{"dateColumn", 0}, {"amountColumn", 2}, {"payeeColumn", 1}, {"checkColumn", 3}, {"debitColumn", -1}},
         {"Add as Check", "Add as Payment", "Add as Deposit"}},
        {"debitcredit.csv",
         true,
         "1: Buchungstag",
         "3 May 2024  -12.80  Bäckerei Müller",
         {{"dateColumn", 0}, {"amountColumn", -1}, {"payeeColumn", 1}, {"debitColumn", 2}, {"creditColumn", 3}},
         {"Add as Payment", "Add as Deposit", "Add as Payment"}},
        {"noheader.csv",
         false,
         "Column 1 (12/04/2009)",
         "4 Dec 2009  -12.07  Corner Shop",
         {{"dateColumn", 0}, {"amountColumn", 1}, {"payeeColumn", 2}},
         {"Add as Payment", "Add as Deposit"}},
    };
    Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        // Cancelling the preview forgets the columns, which may be what looked wrong; Import remembers them.
        for (const bool confirm : {false, true}) {
            Preview seen;
            WhenModalOpens([&](QWidget* dialog) {
                ASSERT_EQ(dialog->objectName(), QStringLiteral("CsvMapping"));
                for (const auto& [box, column] : c.offered)
                    EXPECT_EQ(Box(dialog, box)->currentData().toInt(), column) << box;
                auto* header = dialog->findChild<QCheckBox*>(QStringLiteral("chkHeader"));
                EXPECT_EQ(header->isChecked(), c.header);
                EXPECT_EQ(Box(dialog, "dateColumn")->itemText(1), QString::fromUtf8(c.firstItem));
                auto* sample = dialog->findChild<QLabel*>(QStringLiteral("lblSample"));
                EXPECT_TRUE(sample->text().contains(QString::fromUtf8(c.firstLine))) << sample->text().toStdString();
                // The other answer renames the columns and moves the table's first row; the chosen ones stay.
                header->toggle();
                EXPECT_NE(Box(dialog, "dateColumn")->itemText(1), QString::fromUtf8(c.firstItem));
                header->toggle();
                EXPECT_EQ(Box(dialog, "dateColumn")->currentData().toInt(), 0);
                auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("OKButton"));
                Box(dialog, "dateColumn")->setCurrentIndex(0); // OK waits for a date and an amount column
                EXPECT_FALSE(ok->isEnabled());
                Box(dialog, "dateColumn")->setCurrentIndex(1);
                // Announced by their labels, not by the column they show ("(none)" for most).
                QStringList names;
                for (QComboBox* box : dialog->findChildren<QComboBox*>())
                    names << QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
                names.sort();
                EXPECT_EQ(names, QStringList({"Amount column", "Category column", "Check number column", "Date column",
                                              "Date order", "Decimal separator", "Payee column",
                                              "Split column (as Tallix exports it)",
                                              "Status column (pending rows are "
                                              "skipped)",
                                              "Type column", "and Credit column", "and second payee column",
                                              "or Debit column", "with Debit/credit words in column"}));
                WhenModalOpens([&](QWidget* modal) { AnswerPreview(modal, confirm, seen); });
                ok->click();
            });
            {
                PromptScript prompts;
                prompts.ExpectFileDialog(true, Statement(c.file));
                Trigger("Import");
            }
            EXPECT_EQ(seen.whatHappens, c.added);
            EXPECT_EQ(seen.tableName, QStringLiteral("Statement lines"));
        }
        // The columns are not asked for again: the preview comes at once, and finds every line imported.
        EXPECT_EQ(
            Import(Statement(c.file), false).summary,
            QStringLiteral("0 to add, 0 to mark cleared, %1 to skip as duplicates, 0 refused").arg(c.added.size()));
    }
    EXPECT_EQ(ledger::GetTransactionCount(), 9);
}

TEST_F(ImportCommandTest, AStatementOfSeveralAccountsImportsTheOneChosen) {
    Start();
    for (const bool choose : {false, true}) {
        QStringList offered;
        Preview seen;
        WhenModalOpens([&](QWidget* dialog) {
            ASSERT_EQ(dialog->objectName(), QStringLiteral("AccountDialog"));
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstAccounts"));
            for (int row = 0; row < list->count(); ++row)
                offered << list->item(row)->text();
            list->setCurrentRow(1);
            if (choose)
                WhenModalOpens([&](QWidget* modal) { AnswerPreview(modal, true, seen); });
            dialog->findChild<QPushButton*>(QLatin1String(choose ? "cmdOK" : "cmdCancel"))->click();
        });
        PromptScript prompts;
        prompts.ExpectFileDialog(true, Statement("twoaccounts.ofx"));
        Trigger("Import");
        EXPECT_EQ(offered, QStringList({"1111 (2 transactions)", "2222 (1 transaction)"}));
        EXPECT_EQ(seen.whatHappens, choose ? QStringList({"Add as Interest"}) : QStringList());
    }
    EXPECT_EQ(ledger::GetTransactionCount(), 2);
}

TEST_F(ImportCommandTest, AStatementThatCannotBeReadIsNamedWithItsLineAndChangesNothing) {
    const QString path = WriteLedger(QStringLiteral("kept.tlx"), [] {
        ledger::AddTransaction(5, Day(2024, 1, 2), 10, QStringLiteral("Grocer"), ledger::CheckOrPayment);
    });
    Start({path});
    const QByteArray bad = "!Type:Bank\nD1/5/2024\nT-1.00\n^\nD1/6/2024\nTten\n^\n";
    QFile file(PathIn(QStringLiteral("bad.qif")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bad);
    file.close();
    const QString error = import::ReadQif(bad).error;
    EXPECT_TRUE(error.contains(QStringLiteral("line 6"))) << error.toStdString();
    {
        PromptScript prompts;
        prompts.ExpectFileDialog(true, file.fileName())
            .ExpectMessage(QStringLiteral("bad.qif cannot be imported.\r") + error);
        Trigger("Import");
    }
    EXPECT_EQ(ledger::GetTransactionCount(), 2);
    EXPECT_FALSE(ledger::IsModified());
}

// A payee longer than a record holds is shown as kept, marked cut, with the statement's words in the tooltip.
TEST_F(ImportCommandTest, ThePreviewMarksAPayeeCutToTheRecord) {
    Start();
    const QString long50 = QString(46, u'x') + QStringLiteral("Tail");
    const QString fits = QString(46, u'y');
    QFile file(PathIn(QStringLiteral("long.qif")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write(QStringLiteral("!Type:Bank\nD1/5/2024\nT-1\nP%1\n^\nD1/6/2024\nT-2\nP%2\n^\n")
                               .arg(long50, fits)
                               .toLatin1()) > 0);
    file.close();
    QStringList texts, tips;
    WhenModalOpens([&](QWidget* modal) {
        auto* table = modal->findChild<QTableWidget*>(QStringLiteral("tblLines"));
        for (int row = 0; row < table->rowCount(); ++row) {
            texts << table->item(row, 2)->text();
            tips << table->item(row, 2)->toolTip();
        }
    });
    PromptScript prompts;
    prompts.ExpectFileDialog(true, file.fileName());
    Trigger("Import");
    EXPECT_EQ(texts, QStringList({long50.left(46) + QChar(0x2026), fits}));
    EXPECT_EQ(tips, QStringList({QStringLiteral("Cut to 46 characters; the statement says: ") + long50, QString()}));
}

// An account is offered by its id as the statement writes it, a "%2" in it too.
TEST_F(ImportCommandTest, TheAccountsAreOfferedAsTheStatementNamesThem) {
    const AccountDialog dialog(nullptr, {{QStringLiteral("DE%2"), 3}, {QString(), 1}});
    const auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstAccounts"));
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("DE%2 (3 transactions)"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("no account id (1 transaction)"));
}

// A line's category is typed in the preview with completion, a rule made of it decides the lines it matches, and
// Import keeps both; Cancel keeps neither.
TEST_F(ImportCommandTest, ThePreviewsCategoriesAndRulesAreWhatTheImportKeeps) {
    Start();
    QFile file(PathIn(QStringLiteral("cafe.qif")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write("!Type:Bank\nD1/5/2024\nT-4.50\nPCAFE LUNA 123\n^\nD1/6/2024\nT-3.20\nPCafe Luna 456\n^\n"
                           "D1/7/2024\nT-10\nPBooks\nLLeisure\n^\n") > 0);
    file.close();
    for (const bool confirm : {false, true}) {
        SCOPED_TRACE(confirm);
        QStringList before, after, tips;
        QString completion, offered, rules;
        WhenModalOpens([&](QWidget* modal) {
            auto* table = modal->findChild<QTableWidget*>(QStringLiteral("tblLines"));
            const auto cells = [table](QStringList& texts) {
                for (int row = 0; row < table->rowCount(); ++row)
                    texts << table->item(row, 4)->text();
            };
            cells(before);
            table->editItem(table->item(0, 4));
            auto* editor = table->findChild<QLineEdit*>(QStringLiteral("txtCategory"));
            ASSERT_TRUE(editor);
            editor->completer()->setCompletionPrefix(QStringLiteral("dini"));
            completion = editor->completer()->currentCompletion();
            editor->setText(QStringLiteral(" Food : Dining out "));
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the table takes what was typed once Return is handled
            table->setCurrentCell(0, 0);
            WhenModalOpens([&](QWidget* dialog) {
                auto* contains = dialog->findChild<QLineEdit*>(QStringLiteral("txtContains"));
                offered =
                    contains->text() + u'|' + dialog->findChild<QLineEdit*>(QStringLiteral("txtCategory"))->text();
                contains->setText(QStringLiteral("cafe luna"));
                dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            });
            modal->findChild<QPushButton*>(QStringLiteral("cmdMakeRule"))->click();
            cells(after);
            for (int row = 0; row < table->rowCount(); ++row)
                tips << table->item(row, 4)->toolTip();
            rules = modal->findChild<QLabel*>(QStringLiteral("lblRules"))->text();
            modal->findChild<QPushButton*>(QLatin1String(confirm ? "cmdImport" : "cmdCancel"))->click();
        });
        PromptScript prompts;
        prompts.ExpectFileDialog(true, file.fileName());
        Trigger("Import");
        EXPECT_EQ(before, QStringList({"", "", "Leisure"}));
        EXPECT_EQ(completion, QStringLiteral("Food:Dining out"));
        EXPECT_EQ(offered, QStringLiteral("CAFE LUNA 123|Food:Dining out"));
        EXPECT_EQ(after, QStringList({"Food:Dining out", "Food:Dining out", "Leisure"}));
        EXPECT_EQ(tips, QStringList(
                            {"", "By the rule for descriptions that contain \"cafe luna\"", "As the statement says"}));
        EXPECT_EQ(rules, QStringLiteral("Rules kept with the import: \"cafe luna\" \u2192 Food:Dining out"));
        EXPECT_EQ(ledger::GetTransactionCount(), confirm ? 4 : 1);
        EXPECT_EQ(ledger::CategoryRules().size(), confirm ? 1u : 0u);
    }
    const QString kept[] = {"Food:Dining out", "Food:Dining out", "Leisure"};
    for (int16_t slot = 1; slot <= 3; ++slot)
        EXPECT_EQ(ledger::CategoryOf(slot).category, kept[slot - 1]) << slot;
    EXPECT_EQ(ledger::CategoryRules(), std::vector<ledger::CategoryRule>({{"cafe luna", "Food:Dining out"}}));
}
