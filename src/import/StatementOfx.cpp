// OFX 1.x (SGML) and 2.x (XML), and QFX, which is OFX, with a reader of our own. A statement needs only a few
// fields of each transaction, taken here from the text as written: libofx turned amounts it could not read into
// numbers, moved dates by time zones and took quadratic time on large statements.
#include "import/Statement.h"

#include "ledger/Ledger.h"
#include "platform/Locale.h"

#include <QHash>
#include <QRegularExpression>

namespace import {

namespace {

constexpr int MaxDepth = 64;

QString DecodeEntities(const QString& text) {
    if (!text.contains(QLatin1Char('&')))
        return text;
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9A-Fa-f]{1,6}|#[0-9]{1,7}|[A-Za-z]{2,4});"));
    static const QHash<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},  {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},   {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")}, {QStringLiteral("nbsp"), QStringLiteral(" ")}};
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QString name = m.captured(1);
        QString replacement = named.value(name, m.captured(0));
        if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint code =
                name.startsWith(QLatin1String("#x")) ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok);
            const char32_t c = char32_t(code);
            replacement = ok && code > 0 && code <= 0x10FFFF ? QString::fromUcs4(&c, 1) : QStringLiteral("?");
        }
        out += QStringView(text).mid(last, m.capturedStart() - last);
        out += replacement;
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

// The calendar date as written: YYYYMMDD, then an optional time and time zone that do not move it.
std::optional<double> OfxDate(const QString& text) {
    static const QRegularExpression form(QStringLiteral(
        R"(^(\d{4})(\d{2})(\d{2})(\d{4}(\d{2}(\.\d{1,3})?)?)?\s*(\[[+-]?\d{1,2}(\.\d{1,2})?(:[A-Za-z]{0,8})?\])?$)"));
    const auto m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const double days = platform::DayCountFromDate(date);
    if (!date.isValid() || !platform::IsDayCountInRange(days))
        return std::nullopt;
    return days;
}

// Servers also group thousands ("-1,006.60", "-1.006,60", "+1 006,60"): a group mark repeats in steps of three
// digits and differs from the decimal mark. One '.' or ',' before exactly three digits and nothing after could be
// either, and is not read as grouping.
QString WithoutGrouping(const QString& text) {
    static const QRegularExpression grouped(
        QStringLiteral(R"(^([+-]?)(\d{1,3})(([ ,.'\x{00A0}])\d{3}(?:\4\d{3})*)([.,]\d*)?$)"));
    const auto m = grouped.match(text);
    if (!m.hasMatch())
        return text;
    const QString mark = m.captured(4);
    const bool ambiguous = m.captured(5).isEmpty() && (mark == QLatin1String(".") || mark == QLatin1String(",")) &&
                           m.captured(3).size() == 4;
    if (mark == m.captured(5).left(1) || ambiguous)
        return text;
    return m.captured(1) + m.captured(2) + QString(m.captured(3)).remove(mark) + m.captured(5);
}

// A signed number with '.' or ',' before at most two decimals (more only when they are zeros).
std::optional<int64_t> OfxCents(const QString& written) {
    static const QRegularExpression form(QStringLiteral(R"(^([+-]?)(\d{0,16})(?:[.,](\d*))?$)"));
    const auto m = form.match(WithoutGrouping(written));
    if (!m.hasMatch())
        return std::nullopt;
    QString fraction = m.captured(3);
    while (fraction.size() > 2 && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if ((m.captured(2).isEmpty() && fraction.isEmpty()) || fraction.size() > 2)
        return std::nullopt;
    const int64_t cents = m.captured(2).toLongLong() * 100 + fraction.leftJustified(2, QLatin1Char('0')).toLongLong();
    return m.captured(1) == QLatin1String("-") ? -cents : cents;
}

struct Field {
    QString value;
    int line = 0;
};

class OfxReader {
public:
    explicit OfxReader(const QString& text) : text(text) {}

    ReadResult Read() {
        const qsizetype start = text.indexOf(QLatin1String("<OFX>"), 0, Qt::CaseInsensitive);
        if (start < 0)
            return {{}, QStringLiteral("no <OFX> element: not an OFX file")};
        Advance(start);
        bool closed = false;
        while (error.isEmpty() && !closed && pos < text.size()) {
            const qsizetype open = text.indexOf(QLatin1Char('<'), pos);
            if (open < 0)
                break;
            Advance(open);
            const int tagLine = line;
            if (Skip(QLatin1String("<!--"), QLatin1String("-->")) || Skip(QLatin1String("<?"), QLatin1String("?>")))
                continue;
            const qsizetype close = text.indexOf(QLatin1Char('>'), pos);
            if (close < 0)
                return Failure(tagLine, QStringLiteral("a tag is never closed with '>'"));
            QString name = text.mid(pos + 1, close - pos - 1).trimmed().toUpper();
            Advance(close + 1);
            if (name.startsWith(QLatin1Char('/')))
                closed = End(name.mid(1), tagLine);
            else if (name.endsWith(QLatin1Char('/')))
                Leaf(name.chopped(1).trimmed(), {QString(), tagLine});
            else
                Begin(name, tagLine);
        }
        if (!error.isEmpty())
            return {{}, error};
        if (transaction)
            return Failure(transactionLine, QStringLiteral("<STMTTRN> is never closed"));
        if (!closed)
            return Failure(line, QStringLiteral("the file ends before </OFX>"));
        return {lines, {}};
    }

private:
    ReadResult Failure(int at, const QString& problem) {
        return {{}, QStringLiteral("line %1: %2").arg(at).arg(problem)};
    }
    void Fail(int at, const QString& problem) {
        if (error.isEmpty())
            error = QStringLiteral("line %1: %2").arg(at).arg(problem);
    }

    void Advance(qsizetype to) {
        line += int(QStringView(text).mid(pos, to - pos).count(QLatin1Char('\n')));
        pos = to;
    }

    bool Skip(QLatin1String begin, QLatin1String end) {
        if (!QStringView(text).mid(pos).startsWith(begin))
            return false;
        const qsizetype stop = text.indexOf(end, pos + begin.size());
        Advance(stop < 0 ? text.size() : stop + end.size());
        return true;
    }

    // A start tag followed by text is a value (SGML leaves them unclosed); one followed by a tag opens an element.
    void Begin(const QString& name, int tagLine) {
        if (CDataValue(name, tagLine))
            return;
        const qsizetype next = text.indexOf(QLatin1Char('<'), pos);
        const qsizetype end = next < 0 ? text.size() : next;
        const QString value = text.mid(pos, end - pos).trimmed();
        if (!value.isEmpty() ||
            (next >= 0 && QStringView(text).mid(next).startsWith(QStringLiteral("</") + name, Qt::CaseInsensitive))) {
            Advance(end);
            Leaf(name, {DecodeEntities(value), tagLine});
            return;
        }
        if (name == QLatin1String("STMTTRN")) {
            if (transaction)
                return Fail(tagLine, QStringLiteral("<STMTTRN> inside the <STMTTRN> of line %1").arg(transactionLine));
            transaction = true;
            transactionLine = tagLine;
            fields.clear();
        } else if (name == QLatin1String("STMTRS") || name == QLatin1String("CCSTMTRS")) {
            account.clear();
        }
        if (open.size() >= MaxDepth)
            return Fail(tagLine, QStringLiteral("elements nested deeper than %1").arg(MaxDepth));
        open.push_back(name);
    }

    // A value written as a CDATA section (some banks write payees so) is taken as it stands, without entities.
    bool CDataValue(const QString& name, int tagLine) {
        static const QLatin1String open("<![CDATA[");
        qsizetype start = pos;
        while (start < text.size() && text[start].isSpace())
            start += 1;
        if (!QStringView(text).mid(start).startsWith(open))
            return false;
        const qsizetype stop = text.indexOf(QLatin1String("]]>"), start + open.size());
        if (stop < 0) {
            Fail(tagLine, QStringLiteral("a CDATA section is never closed with ']]>'"));
            return true;
        }
        const QString value = text.mid(start + open.size(), stop - start - open.size()).trimmed();
        Advance(stop + 3);
        Leaf(name, {value, tagLine});
        return true;
    }

    void Leaf(const QString& name, const Field& field) {
        lastLeaf = name;
        if (transaction) {
            if (!fields.contains(name))
                fields.insert(name, field);
        } else if (name == QLatin1String("ACCTID") && !open.isEmpty() &&
                   (open.back() == QLatin1String("BANKACCTFROM") || open.back() == QLatin1String("CCACCTFROM"))) {
            account = field.value;
        }
    }

    // True at </OFX>.
    bool End(const QString& name, int tagLine) {
        const qsizetype at = open.lastIndexOf(name);
        if (at < 0) {
            if (name != lastLeaf)
                Fail(tagLine, QStringLiteral("</%1> without <%1>").arg(name));
            // An element closed right after it opened was read as an empty value: <OFX></OFX> is a whole, empty file.
            return name == QLatin1String("OFX");
        }
        // Elements SGML left open end with the one that holds them.
        const bool endsTransaction = transaction && open.indexOf(QStringLiteral("STMTTRN")) >= at;
        open.resize(at);
        if (endsTransaction) {
            transaction = false;
            Finish();
        }
        return name == QLatin1String("OFX");
    }

    void Finish() {
        StatementLine l;
        l.source = transactionLine;
        const Field posted = fields.value(QStringLiteral("DTPOSTED"), {QString(), transactionLine});
        const Field amount = fields.value(QStringLiteral("TRNAMT"), {QString(), transactionLine});
        const auto date = OfxDate(posted.value);
        if (!date)
            return Fail(posted.line, QStringLiteral("not a date in DTPOSTED: '%1'").arg(posted.value));
        const auto cents = OfxCents(amount.value);
        if (!cents)
            return Fail(amount.line, QStringLiteral("not an amount in TRNAMT: '%1'").arg(amount.value));
        if (lines.size() >= size_t(ledger::MaxSlots - 1))
            return Fail(transactionLine,
                        QStringLiteral("more transactions than a ledger holds (%1)").arg(ledger::MaxSlots - 1));
        l.date = *date;
        l.cents = *cents;
        l.payee = fields.value(QStringLiteral("NAME")).value;
        if (l.payee.isEmpty())
            l.payee = fields.value(QStringLiteral("MEMO")).value;
        l.checkNumber = fields.value(QStringLiteral("CHECKNUM")).value;
        l.bankId = fields.value(QStringLiteral("FITID")).value;
        l.bankType = fields.value(QStringLiteral("TRNTYPE")).value.toUpper();
        l.account = account;
        lines.push_back(l);
    }

    const QString& text;
    qsizetype pos = 0;
    int line = 1;
    QStringList open;
    QString lastLeaf;
    QString account;
    bool transaction = false;
    int transactionLine = 0;
    QHash<QString, Field> fields;
    std::vector<StatementLine> lines;
    QString error;
};

} // namespace

ReadResult ReadOfx(const QByteArray& data) {
    return OfxReader(DecodeStatement(data)).Read();
}

} // namespace import
