#include "cli/RegisterText.h"

#include "ledger/Ledger.h"
#include "platform/Locale.h"
#include "ui/register/procedures/RegisterGrid.h"

#include <vector>

namespace cli {

namespace {
enum class Align { Left, Centre, Right };

// As the window aligns them: numbers to the right, check numbers and dates centred, text to the left.
Align AlignmentOf(int column) {
    switch (column) {
    case RegisterColumn::CheckNumber:
    case RegisterColumn::Date:
        return Align::Centre;
    case RegisterColumn::Debit:
    case RegisterColumn::Credit:
    case RegisterColumn::Balance:
        return Align::Right;
    default:
        return Align::Left;
    }
}

void AppendSpaces(QByteArray& out, qsizetype count) {
    if (count > 0)
        out.append(count, ' ');
}

// Cell texts are nearly always ASCII; converting them one by one through QString::toUtf8 would allocate per cell.
void AppendUtf8(QByteArray& out, const QString& text) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* bytes = out.data() + start;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            out.truncate(start);
            out += text.toUtf8();
            return;
        }
        *bytes++ = char(c.unicode());
    }
}

// Appends the grid's row as one line, each cell padded to its column's width; no spaces at the line's end.
void AppendRow(QByteArray& out, const platform::FlexGrid& grid, int row, const std::vector<int>& widths) {
    qsizetype pendingSpaces = 0;
    for (int c = FirstVisibleColumn; c <= LastVisibleColumn; ++c) {
        const QString& text = grid.TextMatrix(row, c);
        const qsizetype room = widths[size_t(c)] - text.size();
        const Align align = row == 0 ? Align::Centre : AlignmentOf(c);
        const qsizetype before = align == Align::Right ? room : align == Align::Centre ? room / 2 : 0;
        if (c > FirstVisibleColumn)
            pendingSpaces += 2;
        if (!text.isEmpty()) {
            AppendSpaces(out, pendingSpaces + before);
            AppendUtf8(out, text);
            pendingSpaces = room - before;
        } else {
            pendingSpaces += room;
        }
    }
    out += '\n';
}
} // namespace

void FillRegister(platform::FlexGrid& grid) {
    RegisterGrid(grid).FillGrid();
}

QByteArray FormatRegister(const platform::FlexGrid& grid) {
    std::vector<int> widths(LastVisibleColumn + 1, 0);
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = FirstVisibleColumn; c <= LastVisibleColumn; ++c)
            widths[size_t(c)] = std::max(widths[size_t(c)], int(grid.TextMatrix(r, c).size()));

    double lockDate = 0;
    QByteArray text;
    int lineWidth = 0;
    for (int c = FirstVisibleColumn; c <= LastVisibleColumn; ++c)
        lineWidth += widths[size_t(c)] + 2;
    text.reserve(qsizetype(lineWidth + 1) * (grid.Rows() + 1) + 200);
    text +=
        QStringLiteral("Starting balance:   %1\n").arg(platform::FormatMoney(ledger::GetStartingBalance())).toUtf8();
    text += QStringLiteral("Lock date:          %1\n")
                .arg(ledger::GetLockDate(lockDate) ? platform::FormatShortDate(lockDate) : QStringLiteral("none"))
                .toUtf8();
    text += QStringLiteral("Next check number:  %1\n\n").arg(ledger::GetNextCheckNumber()).toUtf8();

    AppendRow(text, grid, 0, widths);
    for (int c = FirstVisibleColumn; c <= LastVisibleColumn; ++c) {
        if (c > FirstVisibleColumn)
            text += "  ";
        text.append(widths[size_t(c)], '-');
    }
    text += '\n';
    for (int r = 1; r < grid.Rows(); ++r)
        AppendRow(text, grid, r, widths);
    return text;
}

} // namespace cli
