#pragma once
// The balance chart on screen: drawn once per size and palette, then only the point under the mouse is drawn over
// it, so hovering stays quick at tens of thousands of transactions.

#include "register/BalanceSeries.h"

#include <QImage>
#include <QWidget>
#include <optional>

class ChartView : public QWidget {
    Q_OBJECT
public:
    ChartView(BalanceSeries series, QWidget* parent);

    const BalanceSeries& Series() const { return series; }
    // The point nearest the mouse while it is over the chart's days.
    std::optional<BalancePoint> Hovered() const { return hovered; }

Q_SIGNALS:
    void HoveredChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Hover(std::optional<BalancePoint> point);

    BalanceSeries series;
    QImage drawn; // null until painted at the current size and palette
    std::optional<BalancePoint> hovered;
};
