#include "platform/widgets/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform {

namespace {
double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}
} // namespace

int TwipsToPixels(int twips) {
    return int(std::lround(twips * LogicalDpi() / 1440.0));
}

int PixelsToTwips(int pixels) {
    return int(std::lround(pixels * 1440.0 / LogicalDpi()));
}

QRect TwipsRect(int left, int top, int width, int height) {
    const int x0 = TwipsToPixels(left);
    const int y0 = TwipsToPixels(top);
    return QRect(QPoint(x0, y0), QPoint(TwipsToPixels(left + width) - 1, TwipsToPixels(top + height) - 1));
}

QSize TwipsSize(int width, int height) {
    return QSize(TwipsToPixels(width), TwipsToPixels(height));
}

} // namespace platform
