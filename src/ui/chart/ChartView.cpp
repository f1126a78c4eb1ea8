#include "ui/chart/ChartView.h"

#include "print/BalanceChart.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

ChartView::ChartView(BalanceSeries series, QWidget* parent) : QWidget(parent), series(std::move(series)) {
    setObjectName(QStringLiteral("Chart"));
    setMouseTracking(true);
    setMinimumSize(480, 320);
    setAccessibleName(tr("Balance chart"));
}

void ChartView::paintEvent(QPaintEvent*) {
    if (drawn.isNull()) {
        const qreal ratio = devicePixelRatioF();
        drawn = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        drawn.setDevicePixelRatio(ratio);
        QPainter painter(&drawn);
        painter.setFont(font());
        print::DrawBalanceChart(painter, QRectF(rect()), series, palette());
    }
    QPainter painter(this);
    painter.drawImage(0, 0, drawn);
    if (!hovered)
        return;
    const print::ChartAxes axes(series, QRectF(rect()), QFontMetricsF(font(), this));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Text), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(axes.X(hovered->day), axes.Y(hovered->cents)), 5, 5);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    const print::ChartAxes axes(series, QRectF(rect()), QFontMetricsF(font(), this));
    const QPointF at = event->position();
    if (at.x() < axes.Plot().left() || at.x() > axes.Plot().right())
        return Hover(std::nullopt);
    Hover(NearestPoint(series, axes.DayAt(at.x())));
}

void ChartView::leaveEvent(QEvent*) {
    Hover(std::nullopt);
}

void ChartView::resizeEvent(QResizeEvent*) {
    drawn = QImage();
}

void ChartView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        drawn = QImage();
    QWidget::changeEvent(event);
}

void ChartView::Hover(std::optional<BalancePoint> point) {
    if (point == hovered)
        return;
    hovered = point;
    update();
    Q_EMIT HoveredChanged();
}
