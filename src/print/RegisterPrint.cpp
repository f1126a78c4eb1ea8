#include "print/RegisterPrint.h"

#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/LocaleCodec.h"
#include "register/RegisterCells.h"
#include "register/RegisterRows.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <array>
#include <vector>

namespace print {

namespace {

using Cells = std::array<QString, RegisterColumn::Count>;

Qt::Alignment AlignmentOf(int column) {
    switch (RegisterLook::AlignmentOf(column)) {
    case RegisterLook::Align::Centre:
        return Qt::AlignHCenter;
    case RegisterLook::Align::Right:
        return Qt::AlignRight;
    case RegisterLook::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

// The texts the register window's grid shows for a row, with control characters, which paper would not show,
// written out; the lock flag marks a locked row.
Cells CellsOf(const platform::LocaleCodec& codec, const RegisterRow& row) {
    const RowCells texts(row, codec, RowCells::Controls::Escape);
    Cells cells;
    for (const int c : RegisterColumn::Visible)
        cells[size_t(c)] = texts.Text(c).toString();
    cells[RegisterColumn::Locked] = row.IsLocked() ? QStringLiteral("1") : QString();
    return cells;
}

} // namespace

PrintedRegister PrintRegister(QPagedPaintDevice& device, const QString& title, const QDate& printed) {
    PrintedRegister result;
    const platform::LocaleCodec codec;
    std::vector<Cells> rows;
    for (const RegisterRow& row : BuildRegisterRows(codec))
        rows.push_back(CellsOf(codec, row));

    QPainter painter;
    if (!painter.begin(&device))
        return result;
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(9);
    QFont bold = font;
    bold.setBold(true);
    QFont heading = bold;
    heading.setPointSizeF(12);
    const QFontMetricsF metrics(font, &device);
    const QFontMetricsF boldMetrics(bold, &device);
    const QFontMetricsF headingMetrics(heading, &device);
    // Every column as wide as its widest text, the description too: a register wider than the page is drawn
    // smaller to fit, so that no text is ever cut. The painter draws inside the page's margins.
    Cells headerCells;
    for (const int c : RegisterColumn::Visible)
        headerCells[size_t(c)] = RegisterLook::ColumnHeader(c);
    const qreal gap = metrics.horizontalAdvance(QStringLiteral("  "));
    std::array<qreal, RegisterColumn::Count> widths{};
    qreal total = -gap;
    for (const int c : RegisterColumn::Visible) {
        widths[size_t(c)] = boldMetrics.horizontalAdvance(headerCells[size_t(c)]);
        for (const Cells& cells : rows)
            widths[size_t(c)] = std::max(widths[size_t(c)], metrics.horizontalAdvance(cells[size_t(c)]));
        total += widths[size_t(c)] + gap;
    }
    const qreal scale = std::min(1.0, qreal(device.width()) / total);
    const QRectF page(0, 0, device.width() / scale, device.height() / scale);
    widths[RegisterColumn::Description] += page.width() - total;

    const qreal rowHeight = metrics.height() * 1.35;
    const qreal headerHeight = headingMetrics.height() * 1.2 + metrics.height() * 1.6;
    const qreal footerHeight = metrics.height() * 1.8;
    result.rowsPerPage = std::max(1, int((page.height() - headerHeight - rowHeight * 1.3 - footerHeight) / rowHeight));
    result.pages = std::max(1, int((rows.size() + size_t(result.rowsPerPage) - 1) / size_t(result.rowsPerPage)));

    double lockDate = 0;
    const QString lockText = ledger::GetLockDate(lockDate)
                                 ? codec.FormatShortDate(lockDate)
                                 : QCoreApplication::translate("RegisterPrint", "none", "no lock date");
    const QString summary =
        QCoreApplication::translate("RegisterPrint", "Starting balance: %1    Lock date: %2    Printed: %3")
            .arg(BalanceCell(codec, ledger::ToCents(ledger::GetStartingBalance())).text, lockText,
                 codec.FormatShortDate(platform::DayCountFromDate(printed)));

    const auto drawRow = [&](qreal top, const Cells& cells, const QFont& rowFont) {
        painter.setFont(rowFont);
        qreal left = 0;
        for (const int c : RegisterColumn::Visible) {
            const QRectF cell(left, top, widths[size_t(c)], rowHeight);
            painter.drawText(cell, int(AlignmentOf(c) | Qt::AlignVCenter), cells[size_t(c)]);
            left += widths[size_t(c)] + gap;
        }
    };

    for (int p = 0; p < result.pages; ++p) {
        if (p > 0 && !device.newPage())
            return result;
        painter.resetTransform();
        painter.scale(scale, scale);
        qreal top = 0;
        painter.setFont(heading);
        painter.drawText(QRectF(0, top, page.width(), headingMetrics.height()), Qt::AlignLeft, title);
        top += headingMetrics.height() * 1.2;
        painter.setFont(font);
        painter.drawText(QRectF(0, top, page.width(), metrics.height()), Qt::AlignLeft, summary);
        top += metrics.height() * 1.6;
        drawRow(top, headerCells, bold);
        top += rowHeight;
        painter.drawLine(QPointF(0, top), QPointF(page.width(), top));
        top += rowHeight * 0.3;
        const size_t first = size_t(p) * size_t(result.rowsPerPage);
        const size_t end = std::min(rows.size(), first + size_t(result.rowsPerPage));
        for (size_t r = first; r < end; ++r) {
            // Locked rows are grey, as in the window.
            if (!rows[r][RegisterColumn::Locked].isEmpty())
                painter.fillRect(QRectF(0, top, page.width(), rowHeight), QColor(0xE0, 0xE0, 0xE0));
            drawRow(top, rows[r], font);
            top += rowHeight;
        }
        painter.setFont(font);
        painter.drawText(QRectF(0, page.height() - metrics.height(), page.width(), metrics.height()), Qt::AlignHCenter,
                         QCoreApplication::translate("RegisterPrint", "Page %1 of %2")
                             .arg(QString::number(p + 1), QString::number(result.pages)));
    }
    result.ok = painter.end();
    return result;
}

QPageLayout RegisterPageLayout(const QLocale& locale) {
    const QPageSize paper(locale.measurementSystem() == QLocale::MetricSystem ? QPageSize::A4 : QPageSize::Letter);
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QByteArray RegisterPdf(const QString& title, const QDate& printed, PrintedRegister* result) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PrintedRegister printedRegister;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tallix"));
        writer.setPageLayout(RegisterPageLayout());
        printedRegister = PrintRegister(writer, title, printed);
    }
    if (result)
        *result = printedRegister;
    return printedRegister.ok ? buffer.data() : QByteArray();
}

} // namespace print
