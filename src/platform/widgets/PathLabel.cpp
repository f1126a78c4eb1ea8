#include "platform/widgets/PathLabel.h"

#include <QPainter>
#include <QStyle>

namespace platform {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {}

// Where QLabel itself puts a plain text: inside the frame and margins, indented by half an "x" when framed.
QRect PathLabel::TextArea() const {
    const int indentation =
        indent() >= 0 ? indent() : (frameWidth() > 0 ? fontMetrics().horizontalAdvance(u'x') / 2 : 0);
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::Alignment horizontal = QStyle::visualAlignment(layoutDirection(), alignment());
    if (horizontal & Qt::AlignLeft)
        area.setLeft(area.left() + indentation);
    else if (horizontal & Qt::AlignRight)
        area.setRight(area.right() - indentation);
    return area;
}

QString PathLabel::ShownText() const {
    const QString path = text();
    const int width = TextArea().width();
    const QFontMetrics metrics = fontMetrics();
    if (metrics.horizontalAdvance(path) <= width)
        return path;
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString name = path.mid(slash + 1);
    const QString folders = path.left(slash + 1);
    // The folders keep at least their first letter and an ellipsis before the name.
    const int room = width - metrics.horizontalAdvance(name);
    if (slash < 0 || room < metrics.horizontalAdvance(folders.left(1) + QChar(0x2026)))
        return metrics.elidedText(path, Qt::ElideMiddle, width);
    return metrics.elidedText(folders, Qt::ElideMiddle, room) + name;
}

void PathLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, TextArea(), int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), ShownText(), foregroundRole());
}

} // namespace platform
