// OFX 1.x (SGML) and 2.x (XML), and QFX, which is OFX, with a reader of our own. A statement needs only a few
// fields of each transaction, taken here from the text as written: libofx turned amounts it could not read into
// numbers, moved dates by time zones and took quadratic time on large statements.
#include "import/StatementReading.h"

#include "platform/Locale.h"

#include <QCoreApplication>
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

struct OfxAmount {
    int64_t cents = 0;          // cut to the cent where it is finer
    bool finerThanCent = false; // decimals beyond the cent that are not zeros
};

// A signed number with '.' or ',' before its decimals. A lone "1,006" could be a thousand and six as well, and is
// not read; "1.006" is a decimal point, as the format writes it.
std::optional<OfxAmount> OfxCents(const QString& written) {
    static const QRegularExpression form(QStringLiteral(R"(^([+-]?)(\d{0,16})(?:[.,](\d*))?$)"));
    static const QRegularExpression thousands(QStringLiteral(R"(^[+-]?\d{1,3},\d{3}$)"));
    if (thousands.match(written).hasMatch())
        return std::nullopt;
    const auto m = form.match(WithoutGrouping(written));
    if (!m.hasMatch())
        return std::nullopt;
    QString fraction = m.captured(3);
    while (fraction.size() > 2 && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (m.captured(2).isEmpty() && fraction.isEmpty())
        return std::nullopt;
    const bool finer = fraction.size() > 2;
    const int64_t cents =
        m.captured(2).toLongLong() * 100 + fraction.left(2).leftJustified(2, QLatin1Char('0')).toLongLong();
    return OfxAmount{m.captured(1) == QLatin1String("-") ? -cents : cents, finer};
}

// A bank's message, shown in ours: one line, not endless.
QString BankText(const QString& text) {
    const QString shown = ledger::ControlCharactersAsSpaces(text).simplified();
    return shown.size() > 200 ? shown.left(200) + QStringLiteral("...") : shown;
}

// "9100", "9100 and 9200", "9100, 9200 and 9300".
QString ListOfIds(const QStringList& ids) {
    if (ids.size() < 2)
        return ids.join(QString());
    return QCoreApplication::translate("OfxStatement", "%1 and %2", "the last two of a list: 9100, 9200 and 9300")
        .arg(ids.mid(0, ids.size() - 1).join(QStringLiteral(", ")), ids.back());
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
            return {{}, QCoreApplication::translate("OfxStatement", "no <OFX> element: not an OFX file")};
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
                return Failure(tagLine, QCoreApplication::translate("OfxStatement", "a tag is never closed with '>'"));
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
            return Failure(transactionLine, QCoreApplication::translate("OfxStatement", "<STMTTRN> is never closed"));
        if (!closed)
            return Failure(line, QCoreApplication::translate("OfxStatement", "the file ends before </OFX>"));
        ReadResult result{lines, {}};
        result.notes = notes;
        result.accounts = accounts;
        if (trades > 0)
            result.notes.append(InvestmentNote(trades, lines.empty()));
        else if (lines.empty() && statements == 0 && !accounts.isEmpty())
            result.notes.append((accounts.size() == 1
                                     ? QCoreApplication::translate(
                                           "OfxStatement", "The file lists account %1 but holds no statement of its "
                                                           "transactions.")
                                     : QCoreApplication::translate(
                                           "OfxStatement", "The file lists accounts %1 but holds no statement of their "
                                                           "transactions."))
                                    .arg(BankText(ListOfIds(accounts))));
        else if (lines.empty())
            result.notes.append(QCoreApplication::translate("OfxStatement", "The statement holds no transactions."));
        return result;
    }

private:
    ReadResult Failure(int at, const QString& problem) {
        return {{}, QCoreApplication::translate("OfxStatement", "line %1: %2").arg(at).arg(problem)};
    }
    void Fail(int at, const QString& problem) {
        if (error.isEmpty())
            error = QCoreApplication::translate("OfxStatement", "line %1: %2").arg(at).arg(problem);
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
                return Fail(tagLine,
                            QCoreApplication::translate("OfxStatement", "<STMTTRN> inside the <STMTTRN> of line %1")
                                .arg(transactionLine));
            transaction = true;
            transactionLine = tagLine;
            fields.clear();
        } else if (name == QLatin1String("STMTRS") || name == QLatin1String("CCSTMTRS") ||
                   name == QLatin1String("INVSTMTRS")) {
            account.clear();
            ++statements;
        } else if (name == QLatin1String("STATUS")) {
            status = {};
        } else if (!open.isEmpty() && open.back() == QLatin1String("INVTRANLIST") &&
                   name != QLatin1String("INVBANKTRAN")) {
            // Trades, income and reinvestments move shares; only INVBANKTRAN holds a cash line of the account.
            ++trades;
        }
        if (open.size() >= MaxDepth)
            return Fail(tagLine,
                        QCoreApplication::translate("OfxStatement", "elements nested deeper than %1").arg(MaxDepth));
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
            Fail(tagLine, QCoreApplication::translate("OfxStatement", "a CDATA section is never closed with ']]>'"));
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
        } else if (open.isEmpty()) {
            return;
        } else if (name == QLatin1String("ACCTID") &&
                   (open.back() == QLatin1String("BANKACCTFROM") || open.back() == QLatin1String("CCACCTFROM") ||
                    open.back() == QLatin1String("INVACCTFROM"))) {
            account = field.value;
            if (!accounts.contains(account))
                accounts.append(account);
        } else if (open.back() == QLatin1String("STATUS")) {
            if (name == QLatin1String("CODE"))
                status.code = field.value;
            else if (name == QLatin1String("SEVERITY"))
                status.severity = field.value.toUpper();
            else if (name == QLatin1String("MESSAGE"))
                status.message = BankText(field.value);
        }
    }

    // The bank's answer to the sign-on and to each request: an error means the file holds no statement, whatever
    // else it holds; a warning comes with one.
    void StatusClosed(const QString& response) {
        if (response != QLatin1String("SONRS") && !response.endsWith(QLatin1String("TRNRS")))
            return;
        const bool failed = status.severity == QLatin1String("ERROR") ||
                            (status.severity.isEmpty() && !status.code.isEmpty() && status.code != QLatin1String("0"));
        QString said = BankText(status.code);
        if (!status.message.isEmpty())
            said += QStringLiteral(": ") + status.message;
        if (failed) {
            if (error.isEmpty())
                error = QCoreApplication::translate("OfxStatement",
                                                    "the bank answered with error %1; the file holds no statement")
                            .arg(said);
        } else if (status.severity == QLatin1String("WARN")) {
            if (!said.endsWith(QLatin1Char('.')))
                said += QLatin1Char('.');
            notes.append(QCoreApplication::translate("OfxStatement", "The bank answered with warning %1").arg(said));
        }
    }

    // True at </OFX>.
    bool End(const QString& name, int tagLine) {
        const qsizetype at = open.lastIndexOf(name);
        if (at < 0) {
            if (name != lastLeaf)
                Fail(tagLine, QCoreApplication::translate("OfxStatement", "</%1> without <%1>").arg(name));
            // An element closed right after it opened was read as an empty value: <OFX></OFX> is a whole, empty file.
            return name == QLatin1String("OFX");
        }
        // Elements SGML left open end with the one that holds them.
        const bool endsTransaction = transaction && open.indexOf(QStringLiteral("STMTTRN")) >= at;
        if (const qsizetype statusAt = open.lastIndexOf(QStringLiteral("STATUS")); statusAt >= at && statusAt > 0)
            StatusClosed(open[statusAt - 1]);
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
            return Fail(posted.line,
                        QCoreApplication::translate("OfxStatement", "not a date in DTPOSTED: '%1'").arg(posted.value));
        // Servers write "null" for an amount they do not know: no transaction yet, but no fault of the file.
        if (amount.value.compare(QLatin1String("null"), Qt::CaseInsensitive) == 0) {
            l.skipped = QCoreApplication::translate("OfxStatement", "the bank gave no amount (null)");
        } else {
            const auto cents = OfxCents(amount.value);
            if (!cents)
                return Fail(
                    amount.line,
                    QCoreApplication::translate("OfxStatement", "not an amount in TRNAMT: '%1'").arg(amount.value));
            l.cents = cents->cents;
            if (cents->finerThanCent)
                l.refusal = FinerThanCentRefusal(amount.value);
        }
        if (lines.size() >= MaxStatementLines)
            return Fail(transactionLine, TooManyLines());
        l.date = *date;
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
    struct {
        QString code, severity, message;
    } status;
    QStringList notes;
    QStringList accounts;
    int statements = 0;
    int trades = 0;
};

} // namespace

ReadResult ReadOfx(const QByteArray& data) {
    return OfxReader(DecodeStatement(data)).Read();
}

} // namespace import
