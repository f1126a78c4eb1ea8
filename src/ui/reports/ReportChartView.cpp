#include "ui/reports/ReportChartView.h"

#include <QPainter>
#include <utility>

namespace reports {

ReportChartView::ReportChartView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 240);
}

void ReportChartView::SetChart(print::ReportChart shown) {
    chart = std::move(shown);
    update();
}

void ReportChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    print::DrawReportChart(painter, QRectF(rect()), chart, palette());
}

} // namespace reports
