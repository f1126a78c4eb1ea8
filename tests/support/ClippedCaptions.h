#pragma once
// Captions cut off by the fixed place they are drawn in: what a longer translation does to a window laid out in
// twips.

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

#include <string>

namespace tallix::test {

// "objectName: text" of each visible button and one-line label of `window` whose text does not fit its width,
// one per line.
inline std::string ClippedCaptions(const QWidget& window, const QWidget* leaveOut = nullptr) {
    const auto overflows = [](const QWidget* control, QString text, int padding) {
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        return control->fontMetrics().horizontalAdvance(text) + padding > control->width();
    };
    QStringList clipped;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        // A check or option box needs its indicator's room before the text; a push button its frame.
        const int padding = qobject_cast<const QPushButton*>(button) ? 8 : 20;
        if (button->isVisible() && !button->text().isEmpty() && overflows(button, button->text(), padding))
            clipped << button->objectName() + QStringLiteral(": ") + button->text();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisible() && !label->wordWrap() && !label->text().isEmpty() && label->parentWidget() != leaveOut &&
            overflows(label, label->text(), 0))
            clipped << label->objectName() + QStringLiteral(": ") + label->text();
    }
    return clipped.join(QLatin1Char('\n')).toStdString();
}

} // namespace tallix::test
