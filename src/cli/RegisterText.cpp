#include "cli/RegisterText.h"

#include "ledger/Ledger.h"
#include "ledger/TransactionRules.h"
#include "platform/Locale.h"
#include "register/RegisterGrid.h"
#include "register/RegisterRows.h"

#include <array>
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
        // Within what was reserved, no copy; beyond it, doubling keeps the copies few.
        if (const qsizetype needed = used + maxLineBytes; out.size() < needed)
            out.resize(needed <= out.capacity() ? out.capacity() : 2 * needed);
    }
    void Spaces(qsizetype count) {
        if (count > 0)
            Repeat(' ', count);
    }
    // Cell texts are nearly always ASCII, copied as they are; anything else goes through UTF-8 conversion.
    void Text(QStringView text) {
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

constexpr int ColumnCount = LastVisibleColumn - FirstVisibleColumn + 1;
using Cells = std::array<QStringView, ColumnCount>;

QStringView& CellOf(Cells& cells, int column) {
    return cells[size_t(column - FirstVisibleColumn)];
}

// The header texts of the register's format string ("|^Check #|^Date|..."), without their alignment marks.
Cells HeaderCells() {
    static const QStringList fields = RegisterLook::FormatString.split(QLatin1Char('|'));
    Cells cells;
    for (int c = FirstVisibleColumn; c <= LastVisibleColumn; ++c) {
        QStringView field = fields.at(c);
        if (field.startsWith(u'^') || field.startsWith(u'<') || field.startsWith(u'>'))
            field = field.mid(1);
        CellOf(cells, c) = field;
    }
    return cells;
}

// One row's texts by column, as the register shows them: views of the row's own texts and of texts made here,
// in buffers rather than one allocation each (tens of thousands of rows are measured, then written).
class RowTexts {
public:
    RowTexts(const RegisterRow& row, const platform::LocaleCodec& codec) {
        using namespace RegisterColumn;
        const ledger::TransactionRecord& record = row.record;
        // A check shows its number instead of a type.
        if (row.isCheck) {
            typeOrNumber = QString::number(record.CheckNumber);
            CellOf(cells, CheckNumber) = typeOrNumber;
        } else {
            typeOrNumber = ledger::TypeName(record.TypeCode, record.CheckNumber);
            CellOf(cells, Type) = typeOrNumber;
        }
        if (const std::optional<QStringView> date = codec.FormatShortDate(record.Date, dateBuffer))
            CellOf(cells, Date) = *date;
        else
            CellOf(cells, Date) = dateText = codec.FormatShortDate(record.Date);
        // A control character would act on the terminal (clear it, move the cursor, end the row): each is shown
        // as an escape instead, and the column is as wide as the escapes show.
        if (const QStringView description = row.Description(); ledger::HasControlCharacter(description))
            CellOf(cells, Description) = descriptionText = ledger::EscapeControlCharacters(description);
        else
            CellOf(cells, Description) = description;
        const std::optional<int64_t> cents = ShownCents(record.Amount);
        CellOf(cells, ledger::IsCredit(record.TypeCode) ? Credit : Debit) =
            cents ? Money(codec, *cents, amountBuffer, amountText) : (amountText = codec.FormatMoney(record.Amount));
        CellOf(cells, Balance) = Money(codec, row.balanceCents, balanceBuffer, balanceText);
    }
    RowTexts(const RowTexts&) = delete;
    RowTexts& operator=(const RowTexts&) = delete;

    Cells cells;

private:
    static QStringView Money(const platform::LocaleCodec& codec, int64_t cents,
                             platform::LocaleCodec::TextBuffer& buffer, QString& text) {
        if (const std::optional<QStringView> fast = codec.FormatCents(cents, buffer))
            return *fast;
        return text = codec.FormatCents(cents);
    }

    QString typeOrNumber;
    platform::LocaleCodec::TextBuffer dateBuffer;
    QString dateText;
    QString descriptionText;
    platform::LocaleCodec::TextBuffer amountBuffer;
    platform::LocaleCodec::TextBuffer balanceBuffer;
    QString amountText;
    QString balanceText;
};

// Writes one row as a line, each cell padded to its column's width; no spaces at the line's end.
void WriteRow(LineWriter& writer, const Cells& cells, bool header, const std::array<size_t, ColumnCount>& widths) {
    writer.BeginLine();
    qsizetype pendingSpaces = 0;
    for (int c = FirstVisibleColumn; c <= LastVisibleColumn; ++c) {
        const size_t i = size_t(c - FirstVisibleColumn);
        const QStringView text = cells[i];
        const qsizetype room = qsizetype(widths[i]) - text.size();
        const Align align = header ? Align::Centre : AlignmentOf(c);
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

QByteArray FormatRegister() {
    const platform::LocaleCodec codec;
    const std::vector<RegisterRow> rows = BuildRegisterRows(codec);
    const Cells header = HeaderCells();
    std::array<size_t, ColumnCount> widths{};
    const auto widen = [&widths](const Cells& cells) {
        for (size_t i = 0; i < widths.size(); ++i)
            widths[i] = std::max(widths[i], size_t(cells[i].size()));
    };
    widen(header);
    for (const RegisterRow& row : rows)
        widen(RowTexts(row, codec).cells);
    qsizetype lineWidth = 0;
    for (const size_t width : widths)
        lineWidth += qsizetype(width) + 2;

    double lockDate = 0;
    QByteArray text;
    // ASCII rows fill what is reserved here exactly: lines, the rule, and room to begin one more.
    text.reserve((lineWidth + 1) * qsizetype(rows.size() + 2) + 3 * lineWidth + 200);
    text +=
        QStringLiteral("Starting balance:   %1\n").arg(platform::FormatMoney(ledger::GetStartingBalance())).toUtf8();
    text += QStringLiteral("Lock date:          %1\n")
                .arg(ledger::GetLockDate(lockDate) ? platform::FormatShortDate(lockDate) : QStringLiteral("none"))
                .toUtf8();
    text += QStringLiteral("Next check number:  %1\n\n").arg(ledger::GetNextCheckNumber()).toUtf8();

    {
        LineWriter writer(text, lineWidth);
        WriteRow(writer, header, true, widths);
        writer.BeginLine();
        for (size_t i = 0; i < widths.size(); ++i) {
            writer.Spaces(i > 0 ? 2 : 0);
            writer.Repeat('-', qsizetype(widths[i]));
        }
        writer.EndLine();
        for (const RegisterRow& row : rows)
            WriteRow(writer, RowTexts(row, codec).cells, false, widths);
    }
    return text;
}

} // namespace cli
