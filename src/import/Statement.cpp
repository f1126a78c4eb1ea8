#include "import/Statement.h"
#include "import/StatementReading.h"

#include "ledger/Ledger.h"
#include "model/Cp1252.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace import {

QString DecodeStatement(const QByteArray& data) {
    QString text;
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(data.startsWith("\xFF") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        text = utf16(QByteArrayView(data).sliced(2));
    } else {
        const QByteArrayView bytes =
            data.startsWith("\xEF\xBB\xBF") ? QByteArrayView(data).sliced(3) : QByteArrayView(data);
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8(bytes);
        if (utf8.hasError()) { // older banking programs write the Windows code page
            text.resize(bytes.size());
            ledger::DecodeCp1252(bytes.data(), int(bytes.size()), text.data());
        }
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::optional<Format> FormatFromName(const QString& name) {
    const QString n = name.toLower();
    if (n == QLatin1String("qif"))
        return Format::Qif;
    if (n == QLatin1String("csv"))
        return Format::Csv;
    if (n == QLatin1String("ofx") || n == QLatin1String("qfx"))
        return Format::Ofx;
    return std::nullopt;
}

Format DetectFormat(const QString& path, const QByteArray& head) {
    if (const auto byName = FormatFromName(QFileInfo(path).suffix()))
        return *byName;
    const QByteArray start = head.left(4096).trimmed().toUpper();
    if (start.startsWith("OFXHEADER") || start.contains("<OFX>") || start.contains("<?OFX"))
        return Format::Ofx;
    if (start.startsWith("!"))
        return Format::Qif;
    return Format::Csv;
}

std::optional<double> ParseStatementDate(const QString& text, DateOrder order) {
    static const QRegularExpression parts(
        QStringLiteral(R"(^\s*(\d{1,4})\s*[/.\-]\s*(\d{1,2})\s*([/.\-'])\s*(\d{1,4})\s*$)"));
    static const QRegularExpression compact(QStringLiteral(R"(^\s*(\d{4})(\d{2})(\d{2})\s*$)"));
    int year = 0, month = 0, day = 0;
    if (const auto m = compact.match(text); m.hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
    } else if (const auto m = parts.match(text); m.hasMatch()) {
        const QString a = m.captured(1), b = m.captured(2), c = m.captured(4);
        QString yearText;
        if (a.size() == 4 || order == DateOrder::YearMonthDay) {
            // A four-digit first number is a year whatever the order: ISO dates come from every locale.
            yearText = a;
            month = b.toInt();
            day = c.toInt();
        } else {
            yearText = c;
            month = (order == DateOrder::MonthDayYear ? a : b).toInt();
            day = (order == DateOrder::MonthDayYear ? b : a).toInt();
        }
        if (yearText.size() == 2) {
            const int yy = yearText.toInt();
            // An apostrophe before the year marks the 2000s in QIF.
            year = (m.captured(3) == QLatin1String("'") || yy < 50) ? 2000 + yy : 1900 + yy;
        } else if (yearText.size() == 4) {
            year = yearText.toInt();
        } else {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    const double days = platform::DayCountFromDate(date);
    if (!platform::IsDayCountInRange(days))
        return std::nullopt;
    return days;
}

std::optional<int64_t> ParseStatementCents(const QString& text, QChar decimalSeparator) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2);
    }
    const QChar grouping = decimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    QString digits;
    for (const QChar c : t) {
        if (c.isSpace() || c.category() == QChar::Symbol_Currency)
            continue;
        digits.append(c == QLatin1Char('\'') ? grouping : c);
    }
    if (digits.endsWith(QLatin1Char('-'))) { // some banks write the sign after the number
        digits.chop(1);
        digits.prepend(QLatin1Char('-'));
    }
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = negative != (digits[0] == QLatin1Char('-'));
        digits.remove(0, 1);
    }
    const qsizetype point = digits.indexOf(decimalSeparator);
    QString whole = point < 0 ? digits : digits.left(point);
    QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    while (fraction.size() > 2 && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (whole.contains(grouping)) { // only between groups of three: "1,2,3" is no number
        static const QRegularExpression groups(QStringLiteral(R"(^\d{1,3}(?:[.,]\d{3})+$)"));
        const QStringList parts = whole.split(grouping);
        if (!groups.match(whole).hasMatch())
            return std::nullopt;
        whole = parts.join(QString());
    }
    static const QRegularExpression number(QStringLiteral("^[0-9]*$"));
    if ((whole.isEmpty() && fraction.isEmpty()) || fraction.size() > 2 || !number.match(whole).hasMatch() ||
        !number.match(fraction).hasMatch() || whole.size() > 16)
        return std::nullopt;
    const int64_t cents = whole.toLongLong() * 100 + fraction.leftJustified(2, QLatin1Char('0')).toLongLong();
    return negative ? -cents : cents;
}

QString StatementCategory(const QString& written, bool* cut) {
    QString path = ledger::NormalizedCategory(written);
    const bool tooLong = path.size() > ledger::MaxCategoryLength;
    if (tooLong) {
        const qsizetype lastWhole = path.lastIndexOf(ledger::CategorySeparator, ledger::MaxCategoryLength);
        path = ledger::NormalizedCategory(path.left(lastWhole > 0 ? lastWhole : ledger::MaxCategoryLength));
    }
    if (cut)
        *cut = tooLong;
    return path;
}

// ---- files ----

platform::Result<QByteArray> ReadStatementBytes(const QString& path) {
    QFile file(path);
    const auto unreadable = [&] {
        return platform::Fail(
            QCoreApplication::translate("Statement", "cannot read %1: %2").arg(path, file.errorString()));
    };
    // Unbuffered: a pipe or a device is read once, as it comes, and never opened again.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return unreadable();
    QByteArray data;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            return unreadable();
        if (got == 0)
            break;
        if (data.size() + got > MaxStatementBytes)
            return platform::Fail(
                QCoreApplication::translate("Statement", "%1 is larger than %2 MiB: no statement is that large")
                    .arg(path, QString::number(MaxStatementBytes >> 20)));
        if (data.size() + got > data.capacity()) // doubling: appending alone copies the whole file each time
            data.reserve(std::max<qsizetype>(2 * data.capacity(), data.size() + got));
        data.append(chunk.constData(), got);
    }
    return data;
}

ReadResult ReadStatement(const QByteArray& data, Format format, const std::optional<CsvMapping>& mapping,
                         std::optional<DateOrder> dateOrder) {
    switch (format) {
    case Format::Qif:
        return ReadQif(data, dateOrder);
    case Format::Ofx:
        return ReadOfx(data);
    case Format::Csv:
        break;
    }
    if (const QString problem = CsvProblem(data); !problem.isEmpty())
        return {{}, problem};
    if (!mapping)
        return {{},
                CsvHeaderFields(data).isEmpty()
                    ? QCoreApplication::translate("Statement", "no column mapping is known for a statement with %1")
                          .arg(Shown(CsvHeaderLine(data)))
                    : QCoreApplication::translate("Statement", "no column mapping is known for the header line: %1")
                          .arg(Shown(CsvHeaderLine(data)))};
    CsvMapping columns = *mapping;
    if (dateOrder)
        columns.dateOrder = *dateOrder;
    return ReadCsv(data, columns);
}

ReadResult ReadStatementFile(const QString& path, Format format, const std::optional<CsvMapping>& mapping) {
    const platform::Result<QByteArray> data = ReadStatementBytes(path);
    if (!data)
        return {{}, data.Error()};
    return ReadStatement(data.Value(), format, mapping);
}

} // namespace import
