// Checks and the alignment sheet drawn on the whole page: the formats' positions are measured from the paper's
// corner, so the page has no margins and every point is converted to the device's own units.
#include "print/CheckPrint.h"

#include "model/AmountWords.h"
#include "platform/Locale.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace print {

namespace {

constexpr double PointsPerInch = 72;
constexpr double HundredthInch = PointsPerInch / 100;
// Below this a shrunk text could no longer be read.
constexpr double SmallestFontSize = 6;

// Points on the page to the device's units.
class PageScale {
public:
    explicit PageScale(const QPaintDevice& device)
        : x(device.logicalDpiX() / PointsPerInch), y(device.logicalDpiY() / PointsPerInch) {}
    QPointF Of(QPointF points) const { return {points.x() * x, points.y() * y}; }
    QRectF Of(const QRectF& points) const { return {Of(points.topLeft()), Of(points.bottomRight())}; }
    double OfX(double points) const { return points * x; }

private:
    double x;
    double y;
};

// The format's page, without margins; false when the device cannot be painted on.
bool BeginPage(QPagedPaintDevice& device, const CheckFormat& format, QPainter& painter) {
    QPageLayout layout(QPageSize(format.page, QPageSize::Point), QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);
    return painter.begin(&device);
}

QFont CheckFont(double size) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(size);
    // No ligatures: "fifty" stays five letters for a reader of the PDF and for the bank's scanner alike.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// `text` on one line from the box's left edge, sitting on its bottom; shrunk to the box's width where it is longer.
void DrawLine(QPainter& painter, const PageScale& scale, const QRectF& box, double fontSize, const QString& text) {
    QFont font = CheckFont(fontSize);
    QFontMetricsF metrics(font, painter.device());
    const double room = scale.OfX(box.width());
    if (metrics.horizontalAdvance(text) > room) {
        font.setPointSizeF(std::max(SmallestFontSize, fontSize * room / metrics.horizontalAdvance(text)));
        metrics = QFontMetricsF(font, painter.device());
    }
    painter.setFont(font);
    const QRectF target = scale.Of(box);
    painter.drawText(QPointF(target.left(), target.bottom() - metrics.descent()), text);
}

// The lines from the box's top down, as a window envelope shows them.
void DrawLines(QPainter& painter, const PageScale& scale, const QRectF& box, double fontSize,
               const QStringList& lines) {
    const QFont font = CheckFont(fontSize);
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    const QRectF target = scale.Of(box);
    for (qsizetype i = 0; i < lines.size(); ++i)
        painter.drawText(QPointF(target.left(), target.top() + metrics.ascent() + double(i) * metrics.lineSpacing()),
                         lines[i]);
}

// The words and a line of "*" to the end of the box, so nothing can be written after them.
QString WordsFilled(const QString& words, const QPainter& painter, const PageScale& scale, const QRectF& box,
                    double fontSize) {
    const QFontMetricsF metrics(CheckFont(fontSize), painter.device());
    const double room = scale.OfX(box.width());
    const double star = metrics.horizontalAdvance(QLatin1Char('*'));
    const double used = metrics.horizontalAdvance(words + QLatin1Char(' '));
    const int stars = star > 0 && used < room ? int((room - used) / star) : 0;
    return stars > 0 ? words + QLatin1Char(' ') + QString(stars, QLatin1Char('*')) : words;
}

void DrawCheck(QPainter& painter, const PageScale& scale, const CheckFormat& format, const CheckToPrint& check,
               QPointF corner) {
    for (const CheckFieldBox& field : format.fields) {
        const QRectF box = field.box.translated(corner);
        switch (field.field) {
        case CheckField::Number:
            DrawLine(painter, scale, box, format.fontSize, QString::number(check.number));
            break;
        case CheckField::Date:
            DrawLine(painter, scale, box, format.fontSize, platform::FormatShortDate(check.date));
            break;
        case CheckField::Payee:
            DrawLine(painter, scale, box, format.fontSize, check.payee.trimmed());
            break;
        case CheckField::Amount:
            DrawLine(painter, scale, box, format.fontSize, QStringLiteral("**") + platform::FormatCents(check.cents));
            break;
        case CheckField::Words:
            DrawLine(painter, scale, box, format.fontSize,
                     WordsFilled(ledger::AmountInWords(check.cents), painter, scale, box, format.fontSize));
            break;
        case CheckField::Memo:
            DrawLine(painter, scale, box, format.fontSize, check.memo);
            break;
        case CheckField::Address:
            DrawLines(painter, scale, box, format.fontSize, check.address);
            break;
        }
    }
}

QPointF Shift(CheckOffset offset) {
    return {offset.right * HundredthInch, offset.down * HundredthInch};
}

QString FieldName(CheckField field) {
    switch (field) {
    case CheckField::Number:
        return QCoreApplication::translate("CheckPrint", "Check number");
    case CheckField::Date:
        return QCoreApplication::translate("CheckPrint", "Date");
    case CheckField::Payee:
        return QCoreApplication::translate("CheckPrint", "Payee");
    case CheckField::Amount:
        return QCoreApplication::translate("CheckPrint", "Amount");
    case CheckField::Words:
        return QCoreApplication::translate("CheckPrint", "Amount in words");
    case CheckField::Memo:
        return QCoreApplication::translate("CheckPrint", "Memo");
    case CheckField::Address:
        return QCoreApplication::translate("CheckPrint", "Address");
    }
    return {};
}

// Inches along the top and the left edge of the paper, a tick every tenth, longer at the half, numbered at each
// inch.
void DrawRulers(QPainter& painter, const PageScale& scale, QSizeF page) {
    painter.setFont(CheckFont(7));
    for (int tenth = 1; tenth * PointsPerInch / 10 < std::max(page.width(), page.height()); ++tenth) {
        const double at = tenth * PointsPerInch / 10;
        const double length = tenth % 10 == 0 ? 14 : tenth % 5 == 0 ? 9 : 5;
        if (at < page.width())
            painter.drawLine(scale.Of(QPointF(at, 0)), scale.Of(QPointF(at, length)));
        if (at < page.height())
            painter.drawLine(scale.Of(QPointF(0, at)), scale.Of(QPointF(length, at)));
        if (tenth % 10 == 0) {
            const QString inches = QString::number(tenth / 10);
            if (at < page.width())
                painter.drawText(scale.Of(QPointF(at + 2, 20)), inches);
            if (at < page.height())
                painter.drawText(scale.Of(QPointF(16, at + 3)), inches);
        }
    }
}

} // namespace

bool DrawChecks(QPagedPaintDevice& device, const CheckFormat& format, const std::vector<CheckToPrint>& checks,
                CheckOffset offset) {
    QPainter painter;
    if (checks.empty() || !BeginPage(device, format, painter))
        return false;
    const PageScale scale(device);
    const size_t perPage = format.tops.size();
    for (size_t i = 0; i < checks.size(); ++i) {
        if (i > 0 && i % perPage == 0 && !device.newPage())
            return false;
        DrawCheck(painter, scale, format, checks[i], QPointF(format.left, format.tops[i % perPage]) + Shift(offset));
    }
    return painter.end();
}

bool DrawAlignmentSheet(QPagedPaintDevice& device, const CheckFormat& format, CheckOffset offset) {
    QPainter painter;
    if (!BeginPage(device, format, painter))
        return false;
    const PageScale scale(device);
    painter.setPen(QPen(Qt::black, scale.OfX(0.5)));
    DrawRulers(painter, scale, format.page);
    for (const double top : format.tops) {
        const QPointF corner(format.left, top);
        painter.setPen(QPen(Qt::gray, scale.OfX(0.5), Qt::DashLine));
        painter.drawRect(scale.Of(QRectF(corner, format.check)));
        painter.setPen(QPen(Qt::black, scale.OfX(0.5)));
        painter.setFont(CheckFont(7));
        for (const CheckFieldBox& field : format.fields) {
            const QRectF box = scale.Of(field.box.translated(corner + Shift(offset)));
            painter.drawRect(box);
            painter.drawText(box.adjusted(scale.OfX(2), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             FieldName(field.field));
        }
    }
    return painter.end();
}

} // namespace print
