#pragma once
// A report's chart on screen, drawn in the widget's own palette at its size.

#include "print/ReportChart.h"

#include <QWidget>

namespace reports {

class ReportChartView : public QWidget {
public:
    explicit ReportChartView(QWidget* parent);

    void SetChart(print::ReportChart shown);
    const print::ReportChart& Chart() const { return chart; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    print::ReportChart chart;
};

} // namespace reports
