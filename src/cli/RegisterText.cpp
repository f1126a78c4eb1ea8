#include "cli/RegisterText.h"

#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "register/RegisterCells.h"
#include "register/RegisterRows.h"

#include <QCoreApplication>
#include <array>
#include <cstring>
#include <vector>

namespace cli {

namespace {
using RegisterLook::Align;

// Writes lines of text into a buffer of a fixed size, handed to the sink whenever it is nearly full: printing tens
// of thousands of rows goes through here, and neither growing a text cell by cell nor holding the whole register
// in memory is cheap.
class LineWriter {
public:
    // A line is at most `maxLineUnits` UTF-16 units.
    LineWriter(const TextSink& sink, qsizetype maxLineUnits)
        : sink(sink), maxLineBytes(3 * maxLineUnits + 1), out(std::max(ChunkBytes, 2 * maxLineBytes), '\0') {}

    // Hands on what is written; false once any hand-over failed.
    bool Flush() {
        if (used > 0)
            written = sink(QByteArrayView(out.constData(), used)) && written;
        used = 0;
        return written;
    }
    void Append(QByteArrayView bytes) {
        for (qsizetype at = 0; at < bytes.size();) {
            if (used == out.size())
                Flush();
            const qsizetype part = std::min(bytes.size() - at, out.size() - used);
            std::memcpy(out.data() + used, bytes.data() + at, size_t(part));
            used += part;
            at += part;
        }
    }
    void BeginLine() {
        if (out.size() - used < maxLineBytes)
            Flush();
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
    static constexpr qsizetype ChunkBytes = 64 * 1024;
    const TextSink& sink;
    const qsizetype maxLineBytes;
    QByteArray out;
    qsizetype used = 0;
    bool written = true;
};

constexpr size_t ColumnCount = RegisterColumn::Visible.size();
using Cells = std::array<QStringView, ColumnCount>;

// A row's texts as the terminal shows them: control characters escaped, so that none acts on the terminal.
Cells CellsOf(const RowCells& row) {
    Cells cells;
    for (size_t i = 0; i < ColumnCount; ++i)
        cells[i] = row.Text(RegisterColumn::Visible[i]);
    return cells;
}

Cells HeaderCells() {
    static const std::array<QString, ColumnCount> headers = [] {
        std::array<QString, ColumnCount> texts;
        for (size_t i = 0; i < ColumnCount; ++i)
            texts[i] = RegisterLook::ColumnHeader(RegisterColumn::Visible[i]);
        return texts;
    }();
    Cells cells;
    std::copy(headers.begin(), headers.end(), cells.begin());
    return cells;
}

// Writes one row as a line, each cell padded to its column's width; no spaces at the line's end.
void WriteRow(LineWriter& writer, const Cells& cells, bool header, const std::array<size_t, ColumnCount>& widths) {
    writer.BeginLine();
    qsizetype pendingSpaces = 0;
    for (size_t i = 0; i < ColumnCount; ++i) {
        const QStringView text = cells[i];
        const qsizetype room = qsizetype(widths[i]) - text.size();
        const Align align = header ? Align::Centre : RegisterLook::AlignmentOf(RegisterColumn::Visible[i]);
        const qsizetype before = align == Align::Right ? room : align == Align::Centre ? room / 2 : 0;
        if (i > 0)
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

bool WriteRegister(const TextSink& sink) {
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
        widen(CellsOf(RowCells(row, codec, RowCells::Controls::Escape)));
    qsizetype lineWidth = 0;
    for (const size_t width : widths)
        lineWidth += qsizetype(width) + 2;

    double lockDate = 0;
    LineWriter writer(sink, lineWidth);
    // The three values line up after their names, in every language.
    const QString lockText = ledger::GetLockDate(lockDate) ? platform::FormatShortDate(lockDate)
                                                           : QCoreApplication::translate("RegisterText", "none");
    const QString values = QCoreApplication::translate("RegisterText", "Starting balance:   %1\n"
                                                                       "Lock date:          %2\n"
                                                                       "Next check number:  %3\n")
                               .arg(platform::FormatMoney(ledger::GetStartingBalance()), lockText,
                                    QString::number(ledger::GetNextCheckNumber()));
    writer.Append((values + QLatin1Char('\n')).toUtf8());
    WriteRow(writer, header, true, widths);
    writer.BeginLine();
    for (size_t i = 0; i < widths.size(); ++i) {
        writer.Spaces(i > 0 ? 2 : 0);
        writer.Repeat('-', qsizetype(widths[i]));
    }
    writer.EndLine();
    for (const RegisterRow& row : rows)
        WriteRow(writer, CellsOf(RowCells(row, codec, RowCells::Controls::Escape)), false, widths);
    return writer.Flush();
}

QByteArray FormatRegister() {
    QByteArray text;
    WriteRegister([&text](QByteArrayView bytes) {
        text.append(bytes);
        return true;
    });
    return text;
}

} // namespace cli
