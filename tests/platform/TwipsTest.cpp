#include "platform/widgets/Twips.h"
#include "platform/widgets/KeyCodes.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using namespace platform;

TEST(Twips, FifteenTwipsToAPixelAtNinetySixDpi) {
    ASSERT_DOUBLE_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 96.0);
    EXPECT_EQ(TwipsToPixels(1440), 96);
    EXPECT_EQ(TwipsToPixels(15), 1);
    EXPECT_EQ(PixelsToTwips(539), 8085);
    EXPECT_EQ(TwipsSize(8085, 5715), QSize(539, 381));
}

TEST(Twips, NeighboursThatTouchInTwipsTouchInPixels) {
    const QRect left = TwipsRect(360, 240, 7335, 2295);
    const QRect below = TwipsRect(360, 240 + 2295, 100, 100);
    EXPECT_EQ(left.bottom() + 1, below.top());
    const QRect a = TwipsRect(0, 0, 1337, 10);
    const QRect b = TwipsRect(1337, 0, 1337, 10);
    EXPECT_EQ(a.right() + 1, b.left());
}

TEST(KeyCodes, MapsKeysAndShiftStates) {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    QKeyEvent del(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."));
    EXPECT_EQ(KeyCodeOf(&enter), KeyReturn);
    EXPECT_EQ(KeyCodeOf(&del), KeyDelete);
    EXPECT_EQ(KeyCodeOf(&letter), 'A');
    EXPECT_EQ(KeyAsciiOf(&point), '.');
    EXPECT_EQ(KeyAsciiOf(&enter), KeyReturn);
    EXPECT_EQ(ShiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
}
