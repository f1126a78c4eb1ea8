#include "ui/main/CaptionFrame.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

CaptionFrame::CaptionFrame(const QString& caption, const QFont& font, QWidget* parent)
    : QGroupBox(caption, parent), captionFont(font) {}

void CaptionFrame::SetCaptionColor(const QColor& color) {
    if (color == captionColor)
        return;
    captionColor = color;
    update();
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // Styles differ in where they take the title colour from: the option's text colour or the window text.
    option.textColor = captionColor;
    option.palette.setColor(QPalette::WindowText, captionColor);
    option.fontMetrics = QFontMetrics(captionFont);
    painter.setFont(captionFont);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}
