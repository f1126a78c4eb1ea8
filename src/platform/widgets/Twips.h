#pragma once
// Window geometry is given in twips (1440 per inch). At 96 dpi a device-independent pixel is 15 twips.

#include <QRect>

namespace platform {

int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);
// Converts the edges, not the sizes, so that controls that touch in twips still touch in pixels.
QRect TwipsRect(int left, int top, int width, int height);
QSize TwipsSize(int width, int height);

} // namespace platform
