#include "ui/main/CaptionFrame.h"

#include "platform/widgets/Contrast.h"

#include <QStylePainter>

CaptionFrame::CaptionFrame(const QString& caption, const QFont& font, QWidget* parent)
    : QGroupBox(caption, parent), captionFont(font) {}

void CaptionFrame::SetCaptionColor(const QColor& color) {
    if (color == captionColor)
        return;
    captionColor = color;
    update();
}

QStyleOptionGroupBox CaptionFrame::CaptionOption() const {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // Styles differ in where they take the title colour from: the option's text colour or the window text.
    option.textColor = captionColor;
    option.palette.setColor(QPalette::WindowText, captionColor);
    option.fontMetrics = QFontMetrics(captionFont);
    return option;
}

QRect CaptionFrame::CaptionRect() const {
    const QStyleOptionGroupBox option = CaptionOption();
    return style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const QStyleOptionGroupBox option = CaptionOption();
    if (!platform::IsLight(palette().color(backgroundRole()))) {
        const int margin = QFontMetrics(captionFont).horizontalAdvance(u' ') / 2 + 1;
        painter.fillRect(CaptionRect().adjusted(-margin, 0, margin, 0), platform::LightFace());
    }
    painter.setFont(captionFont);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}
