#pragma once
// What every chart of the program does alike once it can draw itself into a rectangle: its font, and its drawing
// as an image, PNG bytes and SVG bytes.

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

namespace print {

// Draws a chart into a rectangle with the painter's font set to ChartFont().
using ChartDrawing = std::function<void(QPainter&, const QRectF&)>;

QFont ChartFont();
QImage ChartImage(const QSize& size, const QPalette& palette, const ChartDrawing& draw);
// Empty when the image cannot be encoded.
QByteArray ChartPng(const QImage& image);
// Empty when the SVG cannot be painted.
QByteArray ChartSvg(const QSize& size, const QString& title, const ChartDrawing& draw);

} // namespace print
