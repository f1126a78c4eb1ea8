#pragma once
// The Balance Chart window: the chart of a series it is given, the day and balance of the point under the mouse,
// and Copy, Save... and Print... (also on the chart's context menu). Resizable; created for each showing, modal
// over its owner.

#include "register/BalanceSeries.h"

#include <QDialog>

class ChartView;
class QLabel;
class QPushButton;

class ChartWindow : public QDialog {
    Q_OBJECT
public:
    // `title` heads the printed and saved chart (the ledger's name).
    ChartWindow(QWidget* owner, BalanceSeries series, const QString& title);

    // "12/31/2026: 1,234.56", with "(forecast)" after a point of the forecast.
    static QString PointText(const BalanceSeries& series, const BalancePoint& point);

private:
    // The chart as shown, in black on white, onto the clipboard.
    void CopyChart();
    // PNG, SVG or PDF, by the extension of the chosen name.
    void SaveChart();
    void PrintChart();
    void ShowHovered();

    QString title;
    ChartView* chart = nullptr;
    QLabel* pointLabel = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* printButton = nullptr;
};
