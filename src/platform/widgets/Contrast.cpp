#include "platform/widgets/Contrast.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {
// Qt 6.4 has no luminance of its own: the sRGB channels made linear and weighted as the eye sees them.
double RelativeLuminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}
} // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool IsLight(const QColor& background) {
    return ContrastRatio(background, Qt::black) >= ContrastRatio(background, Qt::white);
}

QColor ReadableTextOn(const QColor& background) {
    return IsLight(background) ? QColor(Qt::black) : QColor(Qt::white);
}

QColor LightFace() {
    return QColor(0xF0, 0xF0, 0xF0);
}

QColor SubduedText(const QColor& text, const QColor& background) {
    const QColor from = text.toRgb();
    const QColor to = background.toRgb();
    const auto mix = [&](double share) {
        return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                                float(from.greenF() + (to.greenF() - from.greenF()) * share),
                                float(from.blueF() + (to.blueF() - from.blueF()) * share));
    };
    for (int percent = 50; percent > 0; percent -= 5) {
        const QColor mixed = mix(percent / 100.0);
        if (ContrastRatio(mixed, background) >= 4.5)
            return mixed;
    }
    return from;
}

void ShowAsWarning(QWidget& widget, bool warning) {
    widget.setPalette(QPalette()); // nothing of its own: the inherited colours
    if (warning) {
        QPalette red = widget.palette();
        red.setColor(QPalette::WindowText, Qt::red);
        red.setColor(QPalette::Text, Qt::red);
        widget.setPalette(red);
    }
}

} // namespace platform
