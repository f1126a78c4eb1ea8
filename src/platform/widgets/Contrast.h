#pragma once
// Colours that stay readable whatever the desktop's palette: where the program fixes a colour, the colour that
// meets it is chosen against it instead of taken from a palette made for another background.

#include <QColor>

class QWidget;

namespace platform {

// Contrast ratio of two colours by their relative luminance: 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor& first, const QColor& second);
// Black or white, whichever reads better on the background.
QColor ReadableTextOn(const QColor& background);
// True when black reads better on it than white.
bool IsLight(const QColor& background);
// The light face that fixed dark colours stand on when the palette's own face is dark: the classic button face.
QColor LightFace();
// The text colour faded toward the background as far as a contrast of 4.5:1 with it allows, at most half way:
// text that is less important, still readable.
QColor SubduedText(const QColor& text, const QColor& background);
// The widget's text in red, or in the colour it inherits again. By palette, idempotent: a style sheet would also
// give the widget the application's font in place of its window's.
void ShowAsWarning(QWidget& widget, bool warning);

} // namespace platform
