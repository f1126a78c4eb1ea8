// Transaction entry: what each frame hands to the ledger, every refusal, the frames' activation and the key filter.
#include "MainWindowFixture.h"
#include "ledger/Categories.h"
#include "ledger/StoreNotifier.h"
#include "storage/Recovery.h"
#include "support/TypedDates.h"

#include "support/ScopedLocale.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QSignalSpy>
#include <QStatusBar>

namespace {

class EntryTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteSettings();
        StartActive();
    }

    void FillCheck(const QString& number, const QDate& date, const QString& payee, const QString& amount) {
        TypeInto(Text("Text4"), number);
        Picker("DTPicker1")->SetValue(date);
        TypeInto(Combo(), payee);
        TypeInto(Text("Text3"), amount);
    }
    void FillLower(const char* kind, const QDate& date, const QString& description, const QString& amount) {
        if (kind)
            Click(Option(kind));
        Picker("DTPicker2")->SetValue(date);
        TypeInto(Text("Text7"), description);
        TypeInto(Text("Text6"), amount);
    }
    void ExpectRefused(const QString& message) {
        const auto before = ledger::GetTransactionCount();
        {
            PromptScript prompts;
            prompts.ExpectMessage(message);
            ClickAdd();
        }
        EXPECT_EQ(ledger::GetTransactionCount(), before);
    }
    void ExpectIncomplete() { ExpectRefused(QStringLiteral("Incomplete or incorrect data")); }
};

} // namespace

TEST_F(EntryTest, ACheckReachesTheLedgerAndTheNextNumberFollows) {
    ledger::SetNextCheckNumber(101);
    FillCheck(QStringLiteral("120"), QDate(2009, 3, 15), QStringLiteral("Grocer"), QStringLiteral("25.50"));
    ClickAdd();
    const auto records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].TypeCode, ledger::CheckOrPayment);
    EXPECT_EQ(records[0].CheckNumber, 120);
    EXPECT_EQ(records[0].Date, 39887.0);
    EXPECT_EQ(records[0].Amount, 25.5f);
    EXPECT_EQ(records[0].Description, ledger::FixDescription(QStringLiteral("Grocer")));
    EXPECT_EQ(records[0].Locked, 0);
    EXPECT_TRUE(ledger::IsModified());

    // The reset shows the next number and empties the check frame.
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("121"));
    EXPECT_EQ(Text("Text3")->text(), QString());
    EXPECT_EQ(Combo()->currentText(), QString());
    EXPECT_EQ(Picker("DTPicker1")->Value(), QDate::currentDate());
    EXPECT_TRUE(Button("Command4")->isEnabled());
    EXPECT_TRUE(Text("Text6")->isEnabled());
    EXPECT_EQ(PayeeList(), QStringList()); // a new payee is listed only after the next load

    FillCheck(QStringLiteral("99"), QDate(2009, 3, 16), QStringLiteral("Baker"), QStringLiteral("1"));
    ClickAdd();
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("121"));
}

TEST_F(EntryTest, APaymentHasNoNumberAndLeavesTheNextNumberAlone) {
    ledger::SetNextCheckNumber(101);
    Click(Option("Option6"));
    EXPECT_FALSE(Text("Text4")->isVisible());
    EXPECT_FALSE(Find<QLabel>("Label4")->isVisible());
    Picker("DTPicker1")->SetValue(QDate(2010, 1, 1));
    TypeInto(Combo(), QStringLiteral("  Power Co  "));
    TypeInto(Text("Text3"), QStringLiteral("80"));
    ClickAdd();
    const auto records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].CheckNumber, ledger::PaymentCheckNumber);
    EXPECT_EQ(records[0].TypeCode, ledger::CheckOrPayment);
    EXPECT_EQ(records[0].Description, ledger::FixDescription(QStringLiteral("  Power Co  "))); // untrimmed
    EXPECT_EQ(ledger::GetNextCheckNumber(), 101);
    // "Payment" stays chosen after the reset, until "Check" is clicked.
    EXPECT_TRUE(Option("Option6")->isChecked());
    EXPECT_FALSE(Text("Text4")->isVisible());
    Click(Option("Option5"));
    EXPECT_TRUE(Text("Text4")->isVisible());
    EXPECT_TRUE(Find<QLabel>("Label4")->isVisible());
}

TEST_F(EntryTest, EachLowerKindReachesTheLedgerWithItsTypeCode) {
    const struct {
        const char* option;
        int16_t typeCode;
    } kinds[] = {{"Option1", ledger::Deposit},
                 {"Option4", ledger::Interest},
                 {"Option2", ledger::Fee},
                 {"Option3", ledger::Withdrawal}};
    int day = 1;
    for (const auto& kind : kinds) {
        FillLower(kind.option, QDate(2011, 2, day), QStringLiteral("Kind %1").arg(kind.typeCode),
                  QStringLiteral("%1.05").arg(day));
        ClickAdd();
        ++day;
    }
    const auto records = Records();
    ASSERT_EQ(records.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(records[i].TypeCode, kinds[i].typeCode);
        EXPECT_EQ(records[i].CheckNumber, 0);
        EXPECT_EQ(records[i].Date, Day(2011, 2, i + 1));
        EXPECT_EQ(records[i].Amount, platform::ToSingle(QStringLiteral("%1.05").arg(i + 1)).value());
        EXPECT_EQ(records[i].Description, ledger::FixDescription(QStringLiteral("Kind %1").arg(kinds[i].typeCode)));
    }
    // The first lower entry of a new ledger makes the next check number 1.
    EXPECT_EQ(ledger::GetNextCheckNumber(), 1);
    EXPECT_FALSE(Option("Option1")->isChecked());
}

// The payee and description boxes stop at the 46 characters a record keeps.
TEST_F(EntryTest, DescriptionsAndPayeesAreTakenUpTo46Characters) {
    const QString long48 = QString(44, QLatin1Char('x')) + QStringLiteral("abcd");
    TypeInto(Combo(), long48);
    EXPECT_EQ(Combo()->currentText(), long48.left(46));
    Click(Button("Command2"));
    FillLower("Option1", QDate(2011, 2, 1), long48 + QStringLiteral("more"), QStringLiteral("0"));
    EXPECT_EQ(Text("Text7")->text(), long48.left(46));
    ClickAdd();
    FillLower("Option2", QDate(2011, 2, 1), QString(), QStringLiteral("3"));
    ClickAdd(); // an empty description is fine below
    const auto records = Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Description, long48.left(46));
    EXPECT_EQ(records[0].Amount, 0.0f);
    EXPECT_EQ(records[1].Description, ledger::FixDescription(QString()));
}

TEST_F(EntryTest, UpperRefusalsKeepWhatWasTyped) {
    FillCheck(QStringLiteral("5"), QDate(2012, 5, 1), QStringLiteral("Grocer"), QString());
    ExpectIncomplete(); // empty amount
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("5"));
    EXPECT_EQ(Combo()->currentText(), QStringLiteral("Grocer"));

    TypeInto(Text("Text3"), QStringLiteral("10"));
    for (const QString& number :
         {QStringLiteral("0"), QString(), QStringLiteral("40000"), QStringLiteral("-3"), QStringLiteral("abc")}) {
        SCOPED_TRACE(number.toStdString());
        TypeInto(Text("Text4"), number);
        ExpectIncomplete();
    }
    TypeInto(Text("Text4"), QStringLiteral("5"));
    TypeInto(Text("Text3"), QStringLiteral("131072.01")); // the record's float would keep 131,072.02
    ExpectRefused(
        QStringLiteral("131,072.01 would be kept as 131,072.02: amounts are kept to the cent up to 131,071.99"));
    TypeInto(Text("Text3"), QStringLiteral("10"));
    const QString longCategory = QString(70, QLatin1Char('a')) + QStringLiteral(" : ") + QString(51, QLatin1Char('b'));
    TypeInto(Find<QComboBox>("cboCategory"), longCategory);
    ExpectRefused(QStringLiteral("The category is 122 characters long; a category may have at most 120, its colons "
                                 "included. Shorten it, then click Add again."));
    EXPECT_EQ(Find<QComboBox>("cboCategory")->currentText(), longCategory);
    TypeInto(Combo(), QString());
    ExpectIncomplete(); // no payee
    EXPECT_EQ(Text("Text3")->text(), QStringLiteral("10"));
    EXPECT_EQ(Frame("Frame1")->CaptionColor(), QColor(255, 0, 0)); // still the entry being made
}

TEST_F(EntryTest, LowerRefusals) {
    FillLower(nullptr, QDate(2012, 5, 1), QStringLiteral("Cash"), QStringLiteral("20"));
    ExpectIncomplete(); // no kind chosen
    Click(Option("Option3"));
    TypeInto(Text("Text6"), QString());
    ExpectIncomplete(); // no amount
    TypeInto(Text("Text6"), QStringLiteral("10000000000000"));
    ExpectIncomplete(); // more than a ledger can add up
    TypeInto(Text("Text6"), QStringLiteral("99999999.99"));
    ExpectRefused(QStringLiteral("99,999,999.99 would be kept as 100,000,000.00: amounts are kept to the cent up to "
                                 "131,071.99"));
    TypeInto(Text("Text6"), QStringLiteral("20"));
    ClickAdd();
    EXPECT_EQ(Records().size(), 1u);
}

TEST_F(EntryTest, PastedAmountsPassTheKeyRulesOrNothingIsPasted) {
    const std::pair<const char*, const char*> pastes[] = {
        {"12.34", "12.34"}, {"7", "7"},      {"12.345", ""}, {"1e3", ""},
        {"$5", ""},         {"1,000.5", ""}, {"-5", ""},     {"5 ", ""},
    };
    for (const char* name : {"Text3", "Text6"}) {
        for (const auto& [pasted, kept] : pastes) {
            TypeInto(Text(name), QString());
            QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
            QTest::keyClick(Text(name), Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(Text(name)->text(), QString::fromLatin1(kept)) << name << " " << pasted;
        }
        Click(Button("Command2"));
    }
    // Text that got in some other way is still no amount.
    FillLower("Option1", QDate(2012, 5, 1), QString(), QStringLiteral("1"));
    Text("Text6")->setText(QStringLiteral("-5"));
    ExpectIncomplete();
}

TEST_F(EntryTest, AmountsTakeTheLocalesDecimalSeparator) {
    const std::tuple<const char*, const char*, const char*, float> cases[] = {
        {"en_US", "12.34", "12.34", 12.34f},     {"de_DE", "12,34", "12,34", 12.34f},
        {"de_DE", "1.234,5", "1234,5", 1234.5f}, // the "." key is no decimal comma: refused
        {"fr_FR", "0,5", "0,5", 0.5f},           {"sv_SE", "1999,99", "1999,99", 1999.99f},
    };
    for (const auto& [locale, typed, shown, stored] : cases) {
        SCOPED_TRACE(std::string(locale) + " " + typed);
        const tallix::test::ScopedLocale scope(QString::fromLatin1(locale));
        ledger::NewLedger();
        StartActive();
        FillLower("Option1", QDate(2012, 5, 1), QStringLiteral("Pay"), QString());
        QTest::keyClicks(Text("Text6"), QString::fromLatin1(typed));
        EXPECT_EQ(Text("Text6")->text(), QString::fromLatin1(shown));
        ClickAdd();
        ASSERT_EQ(Records().size(), 1u);
        EXPECT_EQ(Records()[0].Amount, stored);
    }
    // The numeric keypad's decimal key types the locale's separator, whatever character it sends.
    const tallix::test::ScopedLocale scope(QStringLiteral("de_DE"));
    QTest::keyClicks(Text("Text6"), QStringLiteral("7"));
    QTest::keyClick(Text("Text6"), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(Text("Text6"), QStringLiteral("5"));
    EXPECT_EQ(Text("Text6")->text(), QStringLiteral("7,5"));
    ledger::NewLedger();
}

TEST_F(EntryTest, PayeeCompletionOffersButNeverReplacesWhatWasTyped) {
    Combo()->addItems({QStringLiteral("Gas"), QStringLiteral("Grocery Outlet")});
    for (const char* typed : {"G", "Gro", "gas"}) {
        TypeInto(Combo(), QString::fromLatin1(typed));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(Combo()->currentText(), QString::fromLatin1(typed));
    }
}

// A category goes with the transaction as typed (tidied), or as the payee's last one when none was chosen; the boxes
// offer the ledger's list as it stands, matching anywhere in a path.
TEST_F(EntryTest, ACategoryTypedOrFilledFromThePayeeIsAddedWithTheTransaction) {
    ledger::SetCategory(ledger::AddTransaction(1, 40000, 5, QStringLiteral("Grocer"), ledger::CheckOrPayment),
                        {QStringLiteral("Food:Groceries"), {}});
    ledger::SetCategory(ledger::AddTransaction(0, 40000, 9, QStringLiteral("Salary"), ledger::Deposit),
                        {QStringLiteral("Income:Salary"), {}});
    const struct {
        bool check;
        const char* typedBefore;
        const char* payee;
        const char* filled;
        const char* kept;
    } entries[] = {{true, "", "Grocer", "Food:Groceries", "Food:Groceries"},
                   {true, " car : fuel ", "Grocer", " car : fuel ", "car:fuel"},
                   {true, "", "Baker", "", ""},
                   {false, "", "Salary", "Income:Salary", "Income:Salary"},
                   {false, "Income: Bonus:", "Salary", "Income: Bonus:", "Income:Bonus"}};
    int16_t number = 10;
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.payee);
        auto* box = Find<QComboBox>(entry.check ? "cboCategory" : "cboCategory2");
        EXPECT_EQ(box->count(), ledger::CategoryList().size());
        if (*entry.typedBefore)
            TypeInto(box, QString::fromUtf8(entry.typedBefore));
        if (entry.check)
            FillCheck(QString::number(++number), QDate(2012, 5, 1), QString::fromUtf8(entry.payee),
                      QStringLiteral("3"));
        else
            FillLower("Option1", QDate(2012, 5, 1), QString::fromUtf8(entry.payee), QStringLiteral("3"));
        EXPECT_EQ(box->currentText(), QString::fromUtf8(entry.filled));
        ClickAdd();
        EXPECT_EQ(ledger::CategoryOf(int16_t(Records().size())).category, QString::fromUtf8(entry.kept));
        EXPECT_EQ(box->currentText(), QString());
    }
    auto* box = Find<QComboBox>("cboCategory2");
    EXPECT_TRUE(box->findText(QStringLiteral("Income:Bonus")) >= 0);
    TypeInto(box, QStringLiteral("BON"));
    EXPECT_EQ(box->completer()->currentCompletion(), QStringLiteral("Income:Bonus"));
    EXPECT_EQ(box->currentText(), QStringLiteral("BON"));
}

// A click elsewhere while the completion list is open closes it and lands where it was aimed.
TEST_F(EntryTest, AClickBesideTheCompletionListReachesItsTarget) {
    Combo()->addItems({QStringLiteral("Autohaus Meier KG"), QStringLiteral("Bakery")});
    TypeInto(Combo(), QStringLiteral("Autohaus"));
    QWidget* list = Combo()->completer()->popup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
    // Through the window, as the mouse does, so that the open list sees the click first.
    const QPoint inAmount = Text("Text3")->mapTo(window.get(), QPoint(6, Text("Text3")->height() / 2));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inAmount);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Text("Text3"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("420"));
    EXPECT_EQ(Combo()->currentText(), QStringLiteral("Autohaus"));
    EXPECT_EQ(Text("Text3")->text(), QStringLiteral("420"));
}

TEST_F(EntryTest, TheLockDateRefusesItsOwnDayAndTakesTheNext) {
    ledger::SetLockDate(Day(2009, 3, 15));
    FillCheck(QStringLiteral("7"), QDate(2009, 3, 15), QStringLiteral("Grocer"), QStringLiteral("1"));
    ExpectRefused(QStringLiteral("Date must be greater than 3/15/2009"));
    Picker("DTPicker1")->SetValue(QDate(2009, 3, 16));
    ClickAdd();
    EXPECT_EQ(Records().size(), 1u);

    FillLower("Option1", QDate(2009, 1, 1), QString(), QStringLiteral("3"));
    ExpectRefused(QStringLiteral("Date must be greater than 3/15/2009"));
    // The first broken rule is the only one told: the date comes before the missing amount.
    TypeInto(Text("Text6"), QString());
    ExpectRefused(QStringLiteral("Date must be greater than 3/15/2009"));
    // ... and after the check number.
    Click(Button("Command2"));
    FillCheck(QStringLiteral("0"), QDate(2009, 1, 1), QStringLiteral("Grocer"), QStringLiteral("1"));
    ExpectIncomplete();
}

TEST_F(EntryTest, CheckNumber32767IsTakenAndTheNextNumberStaysThere) {
    FillCheck(QStringLiteral("32767"), QDate(2012, 5, 1), QStringLiteral("Grocer"), QStringLiteral("1"));
    ClickAdd();
    ASSERT_EQ(Records().size(), 1u);
    EXPECT_EQ(Records()[0].CheckNumber, 32767);
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("32767"));
}

// A second check with a number the register has is asked about; No leaves the entry for correction. A deleted
// check asks nothing.
TEST_F(EntryTest, ACheckNumberAlreadyInTheRegisterIsAskedAbout) {
    const tallix::test::ScopedLocale scope(QStringLiteral("de_DE"));
    StartActive();
    ledger::AddTransaction(204, Day(2026, 12, 4), 1420, QStringLiteral(" Autohaus Meier"), ledger::CheckOrPayment);
    ledger::AddTransaction(300, Day(2026, 12, 4), 5, QStringLiteral("Gone"), ledger::CheckOrPayment);
    ASSERT_TRUE(ledger::DeleteTransaction(2));
    const QString question = QStringLiteral("Check 204 is already in the register (Autohaus Meier, %1, 1.420,00). "
                                            "Add it anyway?")
                                 .arg(platform::FormatShortDate(Day(2026, 12, 4)));
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        FillCheck(QStringLiteral("204"), QDate(2026, 12, 9), QStringLiteral("Garage"), QStringLiteral("3"));
        PromptScript prompts;
        prompts.ExpectMessage(question, answer);
        ClickAdd();
        EXPECT_EQ(prompts.Messages().at(0).buttons, platform::Buttons::YesNo);
        EXPECT_EQ(Combo()->currentText(), answer == Answer::No ? QStringLiteral("Garage") : QString());
    }
    ASSERT_EQ(Records().size(), 3u);
    FillCheck(QStringLiteral("300"), QDate(2026, 12, 9), QStringLiteral("Garage"), QStringLiteral("3"));
    ClickAdd();
    EXPECT_EQ(Records().size(), 4u);
}

// Today's balance counts what is dated up to today, and follows Add and New; Add says what it added.
TEST_F(EntryTest, TodaysBalanceFollowsTheLedgerAndAddSaysWhatItAdded) {
    const QDate today = QDate::currentDate();
    const QString path = WriteLedger(QStringLiteral("balance.tlx"), [&] {
        ledger::SetStartingBalance(1000);
        ledger::AddTransaction(7, platform::DayCountFromDate(today.addDays(-1)), 100, QStringLiteral("Rent"),
                               ledger::CheckOrPayment);
        ledger::AddTransaction(8, platform::DayCountFromDate(today.addDays(1)), 50, QStringLiteral("Later"),
                               ledger::CheckOrPayment);
    });
    StartActive({path});
    EXPECT_EQ(Panel("Panel4"), QStringLiteral("Today: 900.00"));
    auto* statusBar = Find<QStatusBar>("StatusBar1");
    FillCheck(QStringLiteral("9"), today, QStringLiteral("Autohaus Meier  "), QStringLiteral("420"));
    ClickAdd();
    EXPECT_EQ(Panel("Panel4"), QStringLiteral("Today: 480.00"));
    EXPECT_EQ(statusBar->currentMessage(), QStringLiteral("Check 9 to Autohaus Meier, 420.00 added"));
    FillLower("Option1", today, QStringLiteral("Salary"), QStringLiteral("1842.17"));
    ClickAdd();
    EXPECT_EQ(Panel("Panel4"), QStringLiteral("Today: 2,322.17"));
    EXPECT_EQ(statusBar->currentMessage(), QStringLiteral("Deposit Salary, 1,842.17 added"));
    // Whatever changes the store, the panels follow; a batch of changes is told once.
    QSignalSpy told(&ledger::Notifier(), &ledger::StoreNotifier::Changed);
    {
        const ledger::ChangeBatch batch;
        ledger::SetStartingBalance(2000);
        ledger::AddTransaction(0, platform::DayCountFromDate(today), 1, QStringLiteral("Interest"), ledger::Interest);
    }
    EXPECT_EQ(told.count(), 1);
    EXPECT_EQ(Panel("Panel4"), QStringLiteral("Today: 3,323.17"));
    PromptScript prompts;
    prompts.ExpectMessage(QStringLiteral("Save Data?"), Answer::No);
    Trigger("New");
    EXPECT_EQ(Panel("Panel4"), QStringLiteral("Today: 0.00"));
}

TEST_F(EntryTest, AFullRegisterRefusesTheEntry) {
    {
        // The fill is the test's setup, not 32,766 actions of the user: one journal entry.
        const ledger::ChangeBatch fill;
        while (ledger::CanAddTransaction())
            ledger::AddTransaction(0, Day(2012, 1, 1), 1, QString(), ledger::Fee);
    }
    const int16_t count = ledger::GetTransactionCount();
    FillLower("Option1", QDate(2012, 5, 1), QString(), QStringLiteral("1"));
    ExpectRefused(QStringLiteral("The register is full: no more transactions can be added."));
    EXPECT_EQ(ledger::GetTransactionCount(), count);
    EXPECT_EQ(Text("Text6")->text(), QStringLiteral("1"));
}

TEST_F(EntryTest, TheFirstFieldEnteredChoosesTheFrame) {
    const std::vector<QWidget*> upper = {Text("Text4"), Picker("DTPicker1"), Text("Text3"), Combo()};
    const std::vector<QWidget*> lower = {Option("Option1"), Option("Option2"), Option("Option3"),  Option("Option4"),
                                         Text("Text7"),     Text("Text6"),     Picker("DTPicker2")};
    auto expectFrames = [&](bool upperEnabled, bool lowerEnabled, const QColor& upperCaption,
                            const QColor& lowerCaption) {
        for (QWidget* field : upper)
            EXPECT_EQ(field->isEnabled(), upperEnabled) << field->objectName().toStdString();
        for (QWidget* field : lower)
            EXPECT_EQ(field->isEnabled(), lowerEnabled) << field->objectName().toStdString();
        EXPECT_TRUE(Option("Option5")->isEnabled());
        EXPECT_TRUE(Option("Option6")->isEnabled());
        EXPECT_EQ(Frame("Frame1")->CaptionColor(), upperCaption);
        EXPECT_EQ(Frame("Frame2")->CaptionColor(), lowerCaption);
    };
    const QColor red(255, 0, 0), black(Qt::black);

    for (QWidget* field : lower) {
        SCOPED_TRACE(field->objectName().toStdString());
        Click(field);
        expectFrames(false, true, black, red);
        Click(Button("Command2"));
        expectFrames(true, true, black, black);
    }
    for (QWidget* field : upper) {
        SCOPED_TRACE(field->objectName().toStdString());
        Click(field);
        expectFrames(true, false, red, black);
        Click(Button("Command2"));
        expectFrames(true, true, black, black);
    }
    // Tabbing from "Clear" enters the check number first.
    Button("Command2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Text("Text4"));
    expectFrames(true, false, red, black);
    // Moving within the chosen frame keeps it.
    Click(Text("Text3"));
    Click(Option("Option6"));
    expectFrames(true, false, red, black);
}

// Each date box is entered with Tab (or Shift+Tab), typed over and left with one more key.
TEST_F(EntryTest, TypedDatesAreTakenAsTypedOrRefused) {
    struct Box {
        const char* picker;
        const char* from;
        Qt::Key into;
    };
    for (const Box& box : {Box{"DTPicker1", "Combo1", Qt::Key_Tab}, Box{"DTPicker2", "Command5", Qt::Key_Backtab}}) {
        for (const tallix::test::TypedDate& typed : tallix::test::TypedDates) {
            SCOPED_TRACE(std::string(box.picker) + " \"" + typed.typed + "\"");
            Click(Button("Command2"));
            platform::DatePicker* picker = Picker(box.picker);
            picker->SetValue(tallix::test::TypedDatesStart);
            Find(box.from)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), box.into);
            ASSERT_TRUE(picker->hasFocus());
            QTest::keyClick(picker, Qt::Key_Backspace);
            QTest::keyClicks(picker, QString::fromLatin1(typed.typed));
            QTest::keyClick(picker, box.into);
            EXPECT_FALSE(picker->hasFocus());
            EXPECT_EQ(picker->Value(), typed.expected);
            EXPECT_EQ(picker->text(), platform::FormatShortDate(platform::DayCountFromDate(typed.expected)));
        }
    }
}

TEST_F(EntryTest, ClearEmptiesBothFramesButKeepsThePaymentChoice) {
    ledger::SetNextCheckNumber(12);
    FillLower("Option4", QDate(2012, 5, 1), QStringLiteral("Bank"), QStringLiteral("2"));
    Click(Option("Option6"));
    Click(Button("Command2"));
    EXPECT_EQ(Text("Text4")->text(), QStringLiteral("12"));
    EXPECT_EQ(Text("Text6")->text(), QString());
    EXPECT_EQ(Text("Text7")->text(), QString());
    EXPECT_EQ(Picker("DTPicker2")->Value(), QDate::currentDate());
    for (const char* kind : {"Option1", "Option2", "Option3", "Option4"})
        EXPECT_FALSE(Option(kind)->isChecked()) << kind;
    EXPECT_TRUE(Option("Option6")->isChecked());
    // A lower entry after Clear needs a kind again.
    TypeInto(Text("Text6"), QStringLiteral("2"));
    ExpectIncomplete();
}

TEST_F(EntryTest, AmountBoxesTakeOnlyAnUnsignedAmountWithTwoDecimals) {
    for (const char* name : {"Text3", "Text6"}) {
        SCOPED_TRACE(name);
        QLineEdit* box = Text(name);
        Click(Button("Command2"));
        Click(box);
        QTest::keyClicks(box, QStringLiteral("12.345"));
        EXPECT_EQ(box->text(), QStringLiteral("12.34"));
        QTest::keyClicks(box, QStringLiteral("6."));
        EXPECT_EQ(box->text(), QStringLiteral("12.34"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, '9'); // two decimals stand: no digit anywhere, not even before the point
        EXPECT_EQ(box->text(), QStringLiteral("12.34"));
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), QStringLiteral("12.3"));
        QTest::keyClicks(box, QStringLiteral(".-, a"));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(box->text(), QStringLiteral("12.3"));
        // Keys that type nothing move the caret as usual.
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        EXPECT_EQ(box->text(), QStringLiteral("2.3"));
        QTest::keyClick(box, Qt::Key_Right);
        QTest::keyClick(box, '7');
        EXPECT_EQ(box->text(), QStringLiteral("27.3"));
        // A selected amount is typed over, decimals and all.
        box->setText(QStringLiteral("65.87"));
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("70.5"));
        EXPECT_EQ(box->text(), QStringLiteral("70.5"));
    }
    // Other boxes are not filtered.
    Click(Button("Command2"));
    TypeInto(Text("Text7"), QStringLiteral("Rent, -1.5 x"));
    EXPECT_EQ(Text("Text7")->text(), QStringLiteral("Rent, -1.5 x"));
}
