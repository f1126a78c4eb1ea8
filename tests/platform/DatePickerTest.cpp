#include "platform/widgets/DatePicker.h"
#include "platform/widgets/KeyCodes.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using platform::DatePicker;

namespace {
struct PickerWindow {
    QWidget window;
    DatePicker* picker = new DatePicker(&window);
    QLineEdit* other = new QLineEdit(&window);
    PickerWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(picker);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};
} // namespace

TEST(DatePicker, ShowsTodayInTheShortFormWithAFourDigitYear) {
    DatePicker picker;
    EXPECT_EQ(picker.Value(), QDate::currentDate());
    EXPECT_EQ(picker.displayFormat(), QStringLiteral("M/d/yyyy"));
    EXPECT_TRUE(picker.calendarPopup());
    picker.SetValue(QDate(2009, 3, 15));
    EXPECT_EQ(picker.Value(), QDate(2009, 3, 15));
}

TEST(DatePicker, ADateIsOneTabStopAndAClickedPartIsRetypedAlone) {
    PickerWindow w;
    w.picker->SetValue(QDate(2024, 5, 20));
    w.other->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.other, Qt::Key_Backtab);
    ASSERT_TRUE(w.picker->hasFocus());
    QTest::keyClick(w.picker, Qt::Key_Tab);
    EXPECT_TRUE(w.other->hasFocus());

    // A click on the day selects it; the digits typed replace the day and nothing else.
    auto* edit = w.picker->findChild<QLineEdit*>();
    QPoint inDay(0, edit->height() / 2);
    while (inDay.x() < edit->width() && edit->cursorPositionAt(inDay) != 3)
        inDay.rx()++;
    QTest::mouseClick(edit, Qt::LeftButton, {}, inDay);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("20"));
    QTest::keyClicks(w.picker, QStringLiteral("25"));
    QTest::keyClick(w.picker, Qt::Key_Tab);
    EXPECT_EQ(w.picker->Value(), QDate(2024, 5, 25));
}

TEST(DatePicker, RaisesFocusEventsForRealFocusChanges) {
    PickerWindow w;
    w.other->setFocus();
    int got = 0, lost = 0;
    QObject::connect(w.picker, &DatePicker::GotFocus, [&] { ++got; });
    QObject::connect(w.picker, &DatePicker::LostFocus, [&] { ++lost; });
    w.picker->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(got, 1);
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(lost, 1);
}

TEST(DatePicker, KeyDownComesFirstAndEnterAndEscapeGoNoFurther) {
    PickerWindow w;
    w.picker->setFocus();
    std::vector<int> codes;
    QObject::connect(w.picker, &DatePicker::KeyDown, [&](int code, int) { codes.push_back(code); });
    int windowKeys = 0;
    struct Counter : QObject {
        int* count;
        explicit Counter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyPress)
                ++*count;
            return false;
        }
    } counter(&windowKeys);
    w.window.installEventFilter(&counter);
    QTest::keyClick(w.picker, Qt::Key_Return);
    QTest::keyClick(w.picker, Qt::Key_Escape);
    QTest::keyClick(w.picker, Qt::Key_Up);
    EXPECT_EQ(codes, (std::vector<int>{platform::KeyReturn, platform::KeyEscape, platform::KeyUp}));
    EXPECT_EQ(windowKeys, 0);
}

// F4 and Alt+Down open the calendar, as in any date box, on the date typed so far.
TEST(DatePicker, F4AndAltDownOpenTheCalendarOnTheTypedDate) {
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_F4), Qt::ALT | Qt::Key_Down}) {
        PickerWindow w;
        w.picker->SetValue(QDate(2024, 5, 20));
        w.picker->setFocus();
        QTest::keyClicks(w.picker, QStringLiteral("3/4/2025"));
        QTest::keyClick(w.picker, key.key(), key.keyboardModifiers());
        EXPECT_TRUE(w.picker->calendarWidget()->isVisible()) << key.key();
        EXPECT_EQ(w.picker->calendarWidget()->selectedDate(), QDate(2025, 3, 4));
        EXPECT_EQ(w.picker->Value(), QDate(2025, 3, 4));
    }
}

// A whole date typed in the locale's own short form, month names included, is taken; one that does not exist is not.
// Capitals are typed as a keyboard types them, with a Shift pressed first.
TEST(DatePicker, TakesADateTypedInTheLocalesOwnForm) {
    const struct {
        const char* locale;
        const char* typed;
        QDate expected; // invalid: refused, the old date kept
    } cases[] = {
        {"C", "12 Mar 2026", QDate(2026, 3, 12)},
        {"C", "1 Dec 2026", QDate(2026, 12, 1)},
        {"C", "31 Feb 2026", QDate()},
        {"de_DE", "4.3.2025", QDate(2025, 3, 4)},
        {"de_DE", "04.03.2025", QDate(2025, 3, 4)},
        {"de_DE", "3/4/2025", QDate()},
        {"en_GB", "25/12/2025", QDate(2025, 12, 25)},
        {"sv_SE", "2025-03-04", QDate(2025, 3, 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " \"" + c.typed + "\"");
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        {
            PickerWindow w;
            w.picker->SetValue(QDate(2024, 5, 20));
            w.other->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w.other, Qt::Key_Backtab);
            for (const QChar ch : QString::fromLatin1(c.typed)) {
                if (ch.isUpper()) {
                    QTest::keyPress(w.picker, Qt::Key_Shift, Qt::ShiftModifier);
                    QTest::keyClicks(w.picker, QString(ch), Qt::ShiftModifier);
                    QTest::keyRelease(w.picker, Qt::Key_Shift);
                } else {
                    QTest::keyClicks(w.picker, QString(ch));
                }
            }
            QTest::keyClick(w.picker, Qt::Key_Tab);
            EXPECT_EQ(w.picker->Value(), c.expected.isValid() ? c.expected : QDate(2024, 5, 20));
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
}
