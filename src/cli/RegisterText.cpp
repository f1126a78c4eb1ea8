#include "cli/RegisterText.h"

#include "ledger/Ledger.h"
#include "ledger/TransactionRules.h"
#include "platform/Locale.h"
#include "register/RegisterGrid.h"

#include <cstring>
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

// Writes lines of text into one buffer sized up front: printing tens of thousands of rows goes through here, and
// growing a QByteArray cell by cell costs more than filling the grid did.
class LineWriter {
public:
    // Appends after what `out` holds already; a line is at most `maxLineUnits` UTF-16 units.
    LineWriter(QByteArray& out, qsizetype maxLineUnits)
        : out(out), used(out.size()), maxLineBytes(3 * maxLineUnits + 1) {}
    ~LineWriter() { out.truncate(used); }

    void BeginLine() {
        if (out.size() - used < maxLineBytes)
            out.resize(std::max(out.size() * 2, used + maxLineBytes));
    }
    void Spaces(qsizetype count) {
        if (count > 0)
            Repeat(' ', count);
    }
    // Cell texts are nearly always ASCII, copied as they are; anything else goes through UTF-8 conversion.
    void Text(const QString& text) {
        char* bytes = out.data() + used;
        for (const QChar c : text) {
            if (c.unicode() >= 0x80) {
                const QByteArray utf8 = text.toUtf8();
                std::memcpy(out.data() + used, utf8.constData(), size_t(utf8.size()));
                used += utf8.size();
                return;
            }
            *bytes++ = char(c.unicode());
        }
        used += text.size();
    }
    void Repeat(char c, qsizetype count) {
        std::memset(out.data() + used, c, size_t(count));
        used += count;
    }
    void EndLine() { out.data()[used++] = '\n'; }

private:
    QByteArray& out;
    qsizetype used;
    const qsizetype maxLineBytes;
};

// A description holding control characters, as it is shown instead: a row's escapes replace its grid text.
struct ShownDescription {
    int row;
    QString text;
};

// Writes the grid's row as one line, each cell padded to its column's width; no spaces at the line's end.
// `description`, when given, is shown instead of the row's description.
void WriteRow(LineWriter& writer, const platform::FlexGrid& grid, int row, const std::vector<int>& widths,
              const QString* description = nullptr) {
    writer.BeginLine();
    qsizetype pendingSpaces = 0;
    for (int c = FirstVisibleColumn; c <= LastVisibleColumn; ++c) {
        const QString& text = description && c == RegisterColumn::Description ? *description : grid.TextMatrix(row, c);
        const qsizetype room = widths[size_t(c)] - text.size();
        const Align align = row == 0 ? Align::Centre : AlignmentOf(c);
        const qsizetype before = align == Align::Right ? room : align == Align::Centre ? room / 2 : 0;
        if (c > FirstVisibleColumn)
            pendingSpaces += 2;
        if (!text.isEmpty()) {
            writer.Spaces(pendingSpaces + before);
            writer.Text(text);
            pendingSpaces = room - before;
        } else {
            pendingSpaces += room;
        }
    }
    writer.EndLine();
}
} // namespace

void FillRegister(platform::FlexGrid& grid) {
    RegisterGrid(grid).FillGrid();
}

QByteArray FormatRegister(const platform::FlexGrid& grid) {
    // A control character in a description would act on the terminal (clear it, move the cursor, end the row), so
    // each is shown as an escape. Rows with one are rare: only they get a second text, found by a quick scan.
    std::vector<ShownDescription> escaped;
    for (int r = 1; r < grid.Rows(); ++r) {
        const QString& description = grid.TextMatrix(r, RegisterColumn::Description);
        if (ledger::HasControlCharacter(description))
            escaped.push_back({r, ledger::EscapeControlCharacters(description)});
    }
    std::vector<int> widths(LastVisibleColumn + 1, 0);
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = FirstVisibleColumn; c <= LastVisibleColumn; ++c)
            widths[size_t(c)] = std::max(widths[size_t(c)], int(grid.TextMatrix(r, c).size()));
    // Padded by the width the escapes show.
    for (const ShownDescription& d : escaped)
        widths[RegisterColumn::Description] = std::max(widths[RegisterColumn::Description], int(d.text.size()));

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

    {
        LineWriter writer(text, lineWidth);
        WriteRow(writer, grid, 0, widths);
        writer.BeginLine();
        for (int c = FirstVisibleColumn; c <= LastVisibleColumn; ++c) {
            writer.Spaces(c > FirstVisibleColumn ? 2 : 0);
            writer.Repeat('-', widths[size_t(c)]);
        }
        writer.EndLine();
        auto next = escaped.cbegin();
        for (int r = 1; r < grid.Rows(); ++r) {
            const bool isEscaped = next != escaped.cend() && next->row == r;
            WriteRow(writer, grid, r, widths, isEscaped ? &(next++)->text : nullptr);
        }
    }
    return text;
}

} // namespace cli
