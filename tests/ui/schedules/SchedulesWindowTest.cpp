// The one-schedule editor and the Schedules window, driven by their controls' names.
#include "ui/schedules/SchedulesWindow.h"
#include "platform/widgets/DatePicker.h"
#include "support/PromptScript.h"
#include "support/RegisterTestSupport.h"
#include "ui/schedules/ScheduleEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

using tallix::test::Day;
using tallix::test::PromptScript;

namespace {
template <typename T = QWidget> T* Find(const QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void TypeInto(const QWidget* window, const char* name, const QString& text) {
    auto* box = Find<QLineEdit>(window, name);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void Click(const QWidget* window, const char* name) {
    Find<QAbstractButton>(window, name)->click();
}

// Runs `whileOpen` on the editor once it is up; an editor still open afterwards is cancelled.
void WhenEditorOpens(const std::function<void(QWidget*)>& whileOpen) {
    QTimer::singleShot(0, [whileOpen] {
        QWidget* editor = QApplication::activeModalWidget();
        ASSERT_TRUE(editor && editor->objectName() == QStringLiteral("frmSchedule"));
        whileOpen(editor);
        editor->close();
    });
}

ledger::Schedule Rent() {
    ledger::Schedule rent;
    rent.description = QStringLiteral("Rent");
    rent.amountCents = 120000;
    rent.rule.start = Day(2027, 1, 1);
    return rent;
}

// Made when asked: the day counts need the date conversions, which are set up at run time.
double Today() {
    return Day(2027, 1, 15);
}
} // namespace

TEST(ScheduleEditorTest, OkOffersTheScheduleAsTyped) {
    ledger::Schedule given = Rent();
    given.doneThrough = Day(2027, 1, 1);
    ScheduleEditor editor(nullptr, given, Today());
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Schedule"));
    EXPECT_EQ(Find<QLineEdit>(&editor, "amountBox")->text(), QStringLiteral("1200.00"));
    EXPECT_EQ(Find<QLabel>(&editor, "nextDatesLabel")->text(), QStringLiteral("Next: 2/1/2027"));

    Find<QComboBox>(&editor, "kindBox")->setCurrentIndex(2);
    TypeInto(&editor, "descriptionBox", QStringLiteral("Paycheck"));
    TypeInto(&editor, "amountBox", QStringLiteral("2000.5"));
    Click(&editor, "variesBox");
    TypeInto(&editor, "toleranceBox", QStringLiteral("50"));
    Find<QSpinBox>(&editor, "everyBox")->setValue(2);
    Find<QComboBox>(&editor, "unitBox")->setCurrentIndex(1);
    Find<platform::DatePicker>(&editor, "startDateBox")->SetValue(QDate(2027, 1, 8));
    Click(&editor, "endsAfterCount");
    Find<QSpinBox>(&editor, "countBox")->setValue(10);
    Find<QComboBox>(&editor, "weekendBox")->setCurrentIndex(1);
    Click(&editor, "OKButton");

    ledger::Schedule expected = given;
    expected.typeCode = ledger::Deposit;
    expected.description = QStringLiteral("Paycheck");
    expected.amountCents = 200050;
    expected.amountVaries = true;
    expected.toleranceCents = 5000;
    expected.rule = {.unit = ledger::RepeatUnit::Weeks,
                     .every = 2,
                     .start = Day(2027, 1, 8),
                     .count = 10,
                     .weekend = ledger::WeekendShift::Before};
    ASSERT_TRUE(editor.Edited());
    EXPECT_EQ(*editor.Edited(), expected);
}

TEST(ScheduleEditorTest, OkRefusesWhatNoScheduleCanHold) {
    const std::tuple<const char*, std::function<void(QWidget*)>, const char*> cases[] = {
        {"no description", [](QWidget* editor) { TypeInto(editor, "descriptionBox", QStringLiteral("   ")); },
         "The schedule needs a description."},
        {"no amount", [](QWidget* editor) { TypeInto(editor, "amountBox", QString()); },
         "The amount must be an amount such as 1234.50."},
        {"an amount a record would round",
         [](QWidget* editor) { TypeInto(editor, "amountBox", QStringLiteral("131072.01")); },
         "131,072.01 would be kept as 131,072.02: amounts are kept to the cent up to 131,071.99"},
        {"an end before the start",
         [](QWidget* editor) {
             Click(editor, "endsOnDate");
             Find<platform::DatePicker>(editor, "endDateBox")->SetValue(QDate(2026, 12, 31));
         },
         "The schedule ends before it starts."},
    };
    for (const auto& [what, change, message] : cases) {
        ScheduleEditor editor(nullptr, Rent(), Today());
        editor.show();
        change(&editor);
        PromptScript prompts;
        prompts.ExpectMessage(QString::fromUtf8(message));
        Click(&editor, "OKButton");
        EXPECT_TRUE(editor.isVisible()) << what;
        EXPECT_FALSE(editor.Edited()) << what;
    }
}

TEST(ScheduleEditorTest, TheNextDateFollowsTheFieldsAndKeepsToTheMonth) {
    ScheduleEditor editor(nullptr, Rent(), Today());
    const QLabel* next = Find<QLabel>(&editor, "nextDatesLabel");
    EXPECT_EQ(next->text(), QStringLiteral("Next: 1/1/2027 (due)"));
    Find<QSpinBox>(&editor, "dayOfMonthBox")->setValue(31);
    EXPECT_EQ(next->text(), QStringLiteral("Next: 1/31/2027"));
    Find<platform::DatePicker>(&editor, "startDateBox")->SetValue(QDate(2027, 2, 1));
    EXPECT_EQ(next->text(), QStringLiteral("Next: 2/28/2027"));
    Find<QComboBox>(&editor, "weekendBox")->setCurrentIndex(1); // 2/28/2027 is a Sunday
    EXPECT_EQ(next->text(), QStringLiteral("Next: 2/26/2027"));
    Click(&editor, "onNthWeekday"); // the first Monday
    EXPECT_EQ(next->text(), QStringLiteral("Next: 2/1/2027"));
}

TEST(SchedulesWindowTest, AddEditAndDeleteThenOkOffersTheList) {
    SchedulesWindow window(nullptr, {{Rent()}, 30, 0}, Today());
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Schedules"));
    const QTreeWidget* list = Find<QTreeWidget>(&window, "scheduleList");
    const auto row = [list](int index) {
        QStringList texts;
        for (int column = 0; column < list->columnCount(); ++column)
            texts << list->topLevelItem(index)->text(column);
        return texts;
    };
    EXPECT_EQ(row(0), (QStringList{"Payment", "Rent", "1,200.00", "Every month on the 1st", "1/1/2027"}));

    WhenEditorOpens([](QWidget* editor) {
        TypeInto(editor, "descriptionBox", QStringLiteral("Power"));
        TypeInto(editor, "amountBox", QStringLiteral("80"));
        Click(editor, "variesBox");
        Click(editor, "OKButton");
    });
    Click(&window, "addScheduleButton");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(row(1), (QStringList{"Payment", "Power", "80.00 (varies)", "Every month on the 15th", "1/15/2027"}));

    WhenEditorOpens([](QWidget* editor) {
        Find<QSpinBox>(editor, "everyBox")->setValue(2);
        Click(editor, "OKButton");
    });
    Click(&window, "editScheduleButton");
    EXPECT_EQ(row(1)[3], QStringLiteral("Every 2 months on the 15th"));

    Find<QTreeWidget>(&window, "scheduleList")->setCurrentItem(list->topLevelItem(0));
    {
        PromptScript prompts;
        prompts.ExpectMessage(QStringLiteral("Delete the schedule Rent?"), platform::Answer::Cancel)
            .ExpectMessage(QStringLiteral("Delete the schedule Rent?"), platform::Answer::Ok);
        Click(&window, "deleteScheduleButton");
        EXPECT_EQ(list->topLevelItemCount(), 2);
        Click(&window, "deleteScheduleButton");
    }
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(row(0)[1], QStringLiteral("Power"));

    Find<QSpinBox>(&window, "horizonBox")->setValue(90);
    TypeInto(&window, "cushionBox", QStringLiteral("250"));
    Click(&window, "OKButton");
    const SchedulesValues values = window.Values();
    ASSERT_EQ(values.schedules.size(), 1u);
    EXPECT_EQ(values.schedules[0].description, QStringLiteral("Power"));
    EXPECT_EQ(values.schedules[0].rule.every, 2);
    EXPECT_EQ(values.schedules[0].rule.start, Today());
    EXPECT_EQ(values.horizonDays, 90);
    EXPECT_EQ(values.cushionCents, 25000);
}
