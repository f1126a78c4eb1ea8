#include "cli/RegisterText.h"

#include "ledger/Ledger.h"
#include "platform/FlexGrid.h"
#include "platform/Locale.h"
#include "ui/register/procedures/RegisterGrid.h"

namespace cli {

namespace {
constexpr int FirstVisible = RegisterColumn::CheckNumber;
constexpr int LastVisible = RegisterColumn::Balance;

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

QString Pad(const QString& text, int width, Align align) {
    const int room = width - int(text.size());
    switch (align) {
    case Align::Left:
        return text + QString(room, QLatin1Char(' '));
    case Align::Right:
        return QString(room, QLatin1Char(' ')) + text;
    case Align::Centre:
        return QString(room / 2, QLatin1Char(' ')) + text + QString(room - room / 2, QLatin1Char(' '));
    }
    return text;
}
} // namespace

RegisterTable ReadRegister() {
    platform::FlexGrid grid;
    RegisterGrid(grid).FillGrid();
    RegisterTable table;
    for (int c = FirstVisible; c <= LastVisible; ++c)
        table.headers << grid.TextMatrix(0, c);
    table.rows.reserve(size_t(grid.Rows()));
    table.slots.reserve(size_t(grid.Rows()));
    for (int r = 1; r < grid.Rows(); ++r) {
        QStringList cells;
        for (int c = FirstVisible; c <= LastVisible; ++c)
            cells << grid.TextMatrix(r, c);
        table.rows.push_back(cells);
        table.slots.push_back(grid.TextMatrix(r, RegisterColumn::Slot).toInt());
    }
    return table;
}

QString FormatRegister() {
    const RegisterTable table = ReadRegister();
    const QStringList& headers = table.headers;
    const std::vector<QStringList>& rows = table.rows;
    std::vector<int> widths;
    for (const QString& h : headers)
        widths.push_back(int(h.size()));
    for (const QStringList& row : rows)
        for (int i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], int(row[i].size()));

    double lockDate = 0;
    QString text;
    text += QStringLiteral("Starting balance:   %1\n").arg(platform::FormatMoney(ledger::GetStartingBalance()));
    text += QStringLiteral("Lock date:          %1\n")
                .arg(ledger::GetLockDate(lockDate) ? platform::FormatShortDate(lockDate) : QStringLiteral("none"));
    text += QStringLiteral("Next check number:  %1\n\n").arg(ledger::GetNextCheckNumber());

    const auto line = [&](const QStringList& cells, bool header) {
        QStringList padded;
        for (int i = 0; i < cells.size(); ++i)
            padded << Pad(cells[i], widths[i], header ? Align::Centre : AlignmentOf(FirstVisible + i));
        QString joined = padded.join(QStringLiteral("  "));
        while (joined.endsWith(QLatin1Char(' ')))
            joined.chop(1);
        return joined + QLatin1Char('\n');
    };
    text += line(headers, true);
    QStringList rules;
    for (int w : widths)
        rules << QString(w, QLatin1Char('-'));
    text += rules.join(QStringLiteral("  ")) + QLatin1Char('\n');
    for (const QStringList& row : rows)
        text += line(row, false);
    return text;
}

} // namespace cli
