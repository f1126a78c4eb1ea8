// The charts' shared font and file forms.
#include "print/ChartFiles.h"

#include <QBuffer>
#include <QSvgGenerator>

namespace print {

QFont ChartFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(12);
    return font;
}

QImage ChartImage(const QSize& size, const QPalette& palette, const ChartDrawing& draw) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(palette.color(QPalette::Base));
    QPainter painter(&image);
    painter.setFont(ChartFont());
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QByteArray ChartPng(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return buffer.data();
}

QByteArray ChartSvg(const QSize& size, const QString& title, const ChartDrawing& draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(title);
        QPainter painter;
        if (!painter.begin(&generator))
            return {};
        painter.setFont(ChartFont());
        draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return buffer.data();
}

} // namespace print
