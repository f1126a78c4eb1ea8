#pragma once
// Colours that stay readable whatever the desktop's palette: where the program fixes a colour, the colour that
// meets it is chosen against it instead of taken from a palette made for another background.

#include <QColor>

namespace platform {

// Contrast ratio of two colours by their relative luminance: 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor& first, const QColor& second);
// Black or white, whichever reads better on the background.
QColor ReadableTextOn(const QColor& background);
// True when black reads better on it than white.
bool IsLight(const QColor& background);
// The light face that fixed dark colours stand on when the palette's own face is dark: the classic button face.
QColor LightFace();

} // namespace platform
