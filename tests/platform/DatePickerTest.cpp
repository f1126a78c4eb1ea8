#include "platform/widgets/DatePicker.h"
#include "platform/widgets/KeyCodes.h"

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
