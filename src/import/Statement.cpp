#include "import/Statement.h"

#include "ledger/Ledger.h"
#include "model/Cp1252.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace import {

namespace {

ReadResult Failure(int line, const QString& problem) {
    return {{}, QStringLiteral("line %1: %2").arg(line).arg(problem)};
}

QStringList SplitLines(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

// A reader stops at the first transaction a ledger could not hold, before it has parsed the whole file.
constexpr size_t MaxStatementLines = size_t(ledger::MaxSlots - 1);

QString TooManyLines() {
    return QStringLiteral("more transactions than a ledger holds (%1)").arg(MaxStatementLines);
}

// Statement text shown in a message: control characters as spaces, cut short, so a binary file shows no bytes.
QString Shown(const QString& value) {
    const QString shown = ledger::ControlCharactersAsSpaces(value.left(40));
    return value.size() > 40 ? shown + QStringLiteral("...") : shown;
}

} // namespace

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

// ---- QIF ----

ReadResult ReadQif(const QByteArray& data) {
    const QStringList lines = SplitLines(DecodeStatement(data));
    ReadResult result;
    bool inTransactions = false, inAccount = false;
    StatementLine current;
    QString account;
    bool started = false, hasDate = false, hasAmount = false;
    QString memo, category;

    auto finish = [&]() -> std::optional<ReadResult> {
        if (!hasDate)
            return Failure(current.source, QStringLiteral("transaction without a date (D)"));
        if (!hasAmount)
            return Failure(current.source, QStringLiteral("transaction without an amount (T)"));
        if (current.payee.isEmpty())
            current.payee = memo;
        // QIF's opening balance is a transfer from the account itself: the balance it starts from.
        if (current.payee == QLatin1String("Opening Balance") && category.startsWith(QLatin1Char('[')) &&
            result.lines.empty() && !result.openingCents)
            result.openingCents = current.cents;
        else if (result.lines.size() >= MaxStatementLines)
            return Failure(current.source, TooManyLines());
        else
            result.lines.push_back(current);
        current = {};
        memo.clear();
        category.clear();
        started = hasDate = hasAmount = false;
        return std::nullopt;
    };

    for (int i = 0; i < lines.size(); ++i) {
        const int n = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('!'))) {
            if (line.startsWith(QLatin1String("!Type:"), Qt::CaseInsensitive)) {
                const QString type = line.mid(6).trimmed();
                if (type.compare(QLatin1String("Bank"), Qt::CaseInsensitive) != 0 &&
                    type.compare(QLatin1String("CCard"), Qt::CaseInsensitive) != 0 &&
                    type.compare(QLatin1String("Cash"), Qt::CaseInsensitive) != 0)
                    return Failure(n, QStringLiteral("%1 is no bank or credit card account").arg(Shown(line)));
                inTransactions = true;
                inAccount = false;
            } else if (line.startsWith(QLatin1String("!Account"), Qt::CaseInsensitive)) {
                inAccount = true;
            } else if (!line.startsWith(QLatin1String("!Option"), Qt::CaseInsensitive) &&
                       !line.startsWith(QLatin1String("!Clear"), Qt::CaseInsensitive)) {
                return Failure(n, QStringLiteral("unknown header %1").arg(Shown(line)));
            }
            continue;
        }
        if (inAccount) { // the account's own fields, up to its "^"
            if (line == QLatin1String("^"))
                inAccount = false;
            else if (line.startsWith(QLatin1Char('N')))
                account = line.mid(1).trimmed();
            continue;
        }
        if (!inTransactions)
            return Failure(n, QStringLiteral("no !Type:Bank or !Type:CCard line before the transactions"));
        const QChar code = line[0].toUpper();
        const QString value = line.mid(1).trimmed();
        if (!started && code != QLatin1Char('^')) {
            started = true;
            current.source = n;
            current.account = account;
        }
        switch (code.unicode()) {
        case 'D': {
            const auto date = ParseStatementDate(value, DateOrder::MonthDayYear);
            if (!date)
                return Failure(n, QStringLiteral("not a date: %1").arg(Shown(value)));
            current.date = *date;
            hasDate = true;
            break;
        }
        case 'T':
        case 'U': {
            // QIF amounts use a decimal point; a file from a decimal-comma program has only the comma.
            static const QRegularExpression commaDecimals(QStringLiteral(R"(,\d{1,2}$)"));
            const QChar separator = !value.contains(QLatin1Char('.')) && commaDecimals.match(value).hasMatch()
                                        ? QLatin1Char(',')
                                        : QLatin1Char('.');
            const auto cents = ParseStatementCents(value, separator);
            if (!cents)
                return Failure(n, QStringLiteral("not an amount: %1").arg(Shown(value)));
            current.cents = *cents;
            hasAmount = true;
            break;
        }
        case 'N':
            current.checkNumber = value;
            break;
        case 'P':
            current.payee = value;
            break;
        case 'M':
            memo = value;
            break;
        case 'L':
            category = value;
            break;
        case '^':
            if (started) {
                if (auto failure = finish())
                    return *failure;
            }
            break;
        default: // cleared flag, category, address, splits: nothing the register keeps
            break;
        }
    }
    if (started) { // a last transaction without its closing "^"
        if (auto failure = finish())
            return *failure;
    }
    return result;
}

// ---- CSV ----

namespace {

struct CsvRecord {
    QStringList fields;
    int line = 0;
};

QChar GuessDelimiter(const QString& header) {
    int best = 0;
    QChar delimiter = QLatin1Char(',');
    for (const QChar candidate : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        int count = 0;
        bool quoted = false;
        for (const QChar c : header) {
            if (c == QLatin1Char('"'))
                quoted = !quoted;
            else if (!quoted && c == candidate)
                ++count;
        }
        if (count > best) {
            best = count;
            delimiter = candidate;
        }
    }
    return delimiter;
}

// RFC 4180 with any delimiter; QtCore has no CSV reader. A quoted field may hold line breaks, so each record
// remembers the line it starts on.
std::vector<CsvRecord> SplitCsv(const QString& text, QChar delimiter, int& unclosedQuoteLine) {
    std::vector<CsvRecord> records;
    CsvRecord record{{}, 1};
    QString field;
    bool quoted = false;
    int line = 1;
    unclosedQuoteLine = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field.append(c);
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            unclosedQuoteLine = line;
        } else if (c == delimiter) {
            record.fields.append(field);
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            if (field.endsWith(QLatin1Char('\r')))
                field.chop(1);
            record.fields.append(field);
            records.push_back(record);
            field.clear();
            record = {{}, ++line};
        } else {
            field.append(c);
        }
    }
    if (quoted)
        return {};
    unclosedQuoteLine = 0;
    if (!field.isEmpty() || !record.fields.isEmpty()) {
        record.fields.append(field);
        records.push_back(record);
    }
    return records;
}

std::vector<CsvRecord> CsvRecords(const QByteArray& data) {
    const QString text = DecodeStatement(data);
    int unclosed = 0;
    return SplitCsv(text, GuessDelimiter(text.left(text.indexOf(QLatin1Char('\n')))), unclosed);
}

// The trimmed, non-empty values of one column below the header.
QStringList ColumnValues(const std::vector<CsvRecord>& records, int column) {
    QStringList values;
    for (size_t r = 1; column >= 0 && r < records.size(); ++r) {
        const QString value = records[r].fields.value(column).trimmed();
        if (!value.isEmpty())
            values << value;
    }
    return values;
}

// A four-digit first number is a year; a first number above 12 can only be a day, a second one above 12 too;
// without such a date, '.' between the numbers means day first, anything else month first.
DateOrder GuessDateOrder(const QStringList& dates) {
    static const QRegularExpression parts(QStringLiteral(R"(^(\d{1,4})\D+(\d{1,2})\D)"));
    bool dots = false;
    for (const QString& date : dates) {
        const auto m = parts.match(date);
        if (!m.hasMatch())
            continue;
        if (m.captured(1).size() == 4)
            return DateOrder::YearMonthDay;
        if (m.captured(1).toInt() > 12)
            return DateOrder::DayMonthYear;
        if (m.captured(2).toInt() > 12)
            return DateOrder::MonthDayYear;
        dots = dots || date.contains(QLatin1Char('.'));
    }
    return dots ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
}

// The types this program exports, as the bank words the plan knows; other words as they stand.
QString BankTypeOf(const QString& type) {
    static const std::pair<const char*, const char*> exported[] = {{"Check", ""},          {"Payment", ""},
                                                                   {"Withdrawal", "CASH"}, {"Fee", "FEE"},
                                                                   {"Deposit", "DEP"},     {"Interest", "INT"}};
    for (const auto& [name, bank] : exported) {
        if (type.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QLatin1String(bank);
    }
    return type.toUpper();
}

} // namespace

QString CsvProblem(const QByteArray& data) {
    const QString text = DecodeStatement(data);
    if (text.trimmed().isEmpty())
        return QStringLiteral("the file is empty");
    if (std::any_of(text.begin(), text.end(), [](QChar c) {
            return ledger::IsControlCharacter(c.unicode()) && c != QLatin1Char('\n') && c != QLatin1Char('\t');
        }))
        return QStringLiteral("not a text file");
    if (CsvHeaderFields(data).size() < 2)
        return QStringLiteral("its first line has no columns: not a CSV statement");
    return {};
}

QString CsvHeaderLine(const QByteArray& data) {
    const QString text = DecodeStatement(data);
    return text.left(text.indexOf(QLatin1Char('\n'))).trimmed();
}

QStringList CsvHeaderFields(const QByteArray& data) {
    const QString header = CsvHeaderLine(data);
    int unclosed = 0;
    const std::vector<CsvRecord> records = SplitCsv(header, GuessDelimiter(header), unclosed);
    return records.empty() ? QStringList() : records.front().fields;
}

CsvMapping GuessCsvMapping(const QByteArray& data) {
    const QStringList fields = CsvHeaderFields(data);
    // The first column whose name holds one of the words, the words tried in order.
    const auto column = [&fields](std::initializer_list<const char*> words) {
        for (const char* word : words) {
            for (int i = 0; i < fields.size(); ++i) {
                if (fields[i].contains(QLatin1String(word), Qt::CaseInsensitive))
                    return i;
            }
        }
        return -1;
    };
    CsvMapping m;
    m.date = column({"date"});
    m.amount = column({"amount"});
    if (m.amount < 0) {
        m.debit = column({"debit", "withdrawal"});
        m.credit = column({"credit", "deposit"});
    }
    m.payee = column({"payee", "description", "name", "memo"});
    m.checkNumber = column({"check", "cheque", "number"});
    m.type = column({"type"});
    const std::vector<CsvRecord> records = CsvRecords(data);
    if (m.date >= 0)
        m.dateOrder = GuessDateOrder(ColumnValues(records, m.date));
    QStringList amounts;
    for (const int money : {m.amount, m.debit, m.credit})
        amounts += ColumnValues(records, money);
    const std::optional<QChar> decimal = DetectDecimalSeparator(amounts);
    // Without amounts that tell, a ';' between the fields is the mark of a decimal-comma locale.
    const bool amountsTell =
        std::any_of(amounts.begin(), amounts.end(), [](const QString& a) { return !DecimalVote(a).isNull(); });
    if (decimal && amountsTell)
        m.decimalSeparator = *decimal;
    else if (GuessDelimiter(CsvHeaderLine(data)) == QLatin1Char(';'))
        m.decimalSeparator = QLatin1Char(',');
    return m;
}

DateOrder GuessCsvDateOrder(const QByteArray& data, int column) {
    return GuessDateOrder(ColumnValues(CsvRecords(data), column));
}

QChar DecimalVote(const QString& amount) {
    QString t;
    for (const QChar c : amount) {
        if (c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char(','))
            t.append(c);
    }
    const qsizetype dot = t.lastIndexOf(QLatin1Char('.')), comma = t.lastIndexOf(QLatin1Char(','));
    if (dot >= 0 && comma >= 0)
        return dot > comma ? QLatin1Char('.') : QLatin1Char(',');
    const QChar c = dot >= 0 ? QLatin1Char('.') : QLatin1Char(',');
    const qsizetype at = std::max(dot, comma);
    if (at < 0)
        return {};
    if (t.count(c) > 1) // only a group separator comes more than once
        return c == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    const qsizetype decimals = t.size() - at - 1;
    return decimals == 1 || decimals == 2 ? c : QChar(); // three digits after it may be a group
}

std::optional<QChar> DetectDecimalSeparator(const QStringList& amounts) {
    QChar found;
    for (const QString& amount : amounts) {
        const QChar vote = DecimalVote(amount);
        if (vote.isNull())
            continue;
        if (!found.isNull() && vote != found)
            return std::nullopt;
        found = vote;
    }
    return found.isNull() ? QLatin1Char('.') : found;
}

ReadResult ReadCsv(const QByteArray& data, const CsvMapping& mapping) {
    const QString text = DecodeStatement(data);
    const QString header = SplitLines(text).value(0);
    int unclosed = 0;
    const std::vector<CsvRecord> records = SplitCsv(text, GuessDelimiter(header), unclosed);
    if (unclosed)
        return Failure(unclosed, QStringLiteral("a quoted field is never closed"));
    if (records.empty())
        return Failure(1, QStringLiteral("no header row"));
    const int columns = int(records.front().fields.size());
    if (mapping.date < 0)
        return Failure(1, QStringLiteral("no date column chosen"));
    if (mapping.amount < 0 && mapping.debit < 0 && mapping.credit < 0)
        return Failure(1, QStringLiteral("no amount, debit or credit column chosen"));
    for (const int column : {mapping.date, mapping.amount, mapping.debit, mapping.credit, mapping.payee,
                             mapping.checkNumber, mapping.type}) {
        if (column >= columns)
            return Failure(1, QStringLiteral("the header has no column %1").arg(column + 1));
    }
    QChar decimal = mapping.decimalSeparator;
    if (decimal.isNull()) { // the amounts themselves tell, when they all agree
        for (size_t r = 1; r < records.size(); ++r) {
            for (const int money : {mapping.amount, mapping.debit, mapping.credit}) {
                const QChar vote = DecimalVote(records[r].fields.value(money));
                if (!vote.isNull() && !decimal.isNull() && vote != decimal)
                    return Failure(records[r].line, QStringLiteral("the amounts use both '.' and ',' before their "
                                                                   "cents: say which is the decimal separator"));
                if (!vote.isNull())
                    decimal = vote;
            }
        }
        if (decimal.isNull())
            decimal = QLatin1Char('.');
    }
    ReadResult result;
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        auto field = [&](int column) {
            return column >= 0 && column < record.fields.size() ? record.fields[column].trimmed() : QString();
        };
        if (std::all_of(record.fields.begin(), record.fields.end(),
                        [](const QString& f) { return f.trimmed().isEmpty(); }))
            continue;
        StatementLine line;
        line.source = record.line;
        const auto date = ParseStatementDate(field(mapping.date), mapping.dateOrder);
        if (!date)
            return Failure(record.line, QStringLiteral("not a date: %1").arg(Shown(field(mapping.date))));
        line.date = *date;
        if (mapping.amount >= 0) {
            const auto cents = ParseStatementCents(field(mapping.amount), decimal);
            if (!cents)
                return Failure(record.line, QStringLiteral("not an amount: %1").arg(Shown(field(mapping.amount))));
            line.cents = *cents;
        } else {
            // Banks show debits with or without a minus; the column decides the sign.
            const QString debit = field(mapping.debit), credit = field(mapping.credit);
            if (debit.isEmpty() && credit.isEmpty())
                return Failure(record.line, QStringLiteral("neither a debit nor a credit amount"));
            const QString texts[] = {debit, credit};
            for (int k = 0; k < 2; ++k) {
                if (texts[k].isEmpty())
                    continue;
                const auto cents = ParseStatementCents(texts[k], decimal);
                if (!cents)
                    return Failure(record.line, QStringLiteral("not an amount: %1").arg(Shown(texts[k])));
                line.cents += k == 0 ? -std::abs(*cents) : std::abs(*cents);
            }
        }
        line.payee = field(mapping.payee);
        line.checkNumber = field(mapping.checkNumber);
        const QString type = field(mapping.type);
        if (type.compare(QLatin1String("Opening"), Qt::CaseInsensitive) == 0 && result.lines.empty() &&
            !result.openingCents) {
            result.openingCents = line.cents;
            continue;
        }
        line.bankType = BankTypeOf(type);
        if (result.lines.size() >= MaxStatementLines)
            return Failure(record.line, TooManyLines());
        result.lines.push_back(line);
    }
    return result;
}

// ---- the stored mappings ----

namespace {
const char* const OrderNames[] = {"MDY", "DMY", "YMD"};
}

QString CsvMappingText(const CsvMapping& m) {
    return QStringLiteral("date=%1;order=%2;amount=%3;debit=%4;credit=%5;payee=%6;check=%7;decimal=%8;type=%9")
        .arg(m.date)
        .arg(QLatin1String(OrderNames[int(m.dateOrder)]))
        .arg(m.amount)
        .arg(m.debit)
        .arg(m.credit)
        .arg(m.payee)
        .arg(m.checkNumber)
        .arg(m.decimalSeparator.isNull() ? QString() : QString(m.decimalSeparator))
        .arg(m.type);
}

std::optional<CsvMapping> CsvMappingFromText(const QString& text) {
    CsvMapping m;
    int seen = 0;
    for (const QString& part : text.split(QLatin1Char(';'))) {
        const QString key = part.section(QLatin1Char('='), 0, 0);
        const QString value = part.section(QLatin1Char('='), 1);
        bool ok = true;
        const int number = value.toInt(&ok);
        if (key == QLatin1String("order")) {
            const int index =
                QStringList{QLatin1String(OrderNames[0]), QLatin1String(OrderNames[1]), QLatin1String(OrderNames[2])}
                    .indexOf(value);
            if (index < 0)
                return std::nullopt;
            m.dateOrder = DateOrder(index);
        } else if (key == QLatin1String("decimal")) {
            if (value != QLatin1String(".") && value != QLatin1String(",") && !value.isEmpty())
                return std::nullopt;
            m.decimalSeparator = value.isEmpty() ? QChar() : value[0];
        } else if (!ok || number < -1) {
            return std::nullopt;
        } else if (key == QLatin1String("date")) {
            m.date = number;
        } else if (key == QLatin1String("amount")) {
            m.amount = number;
        } else if (key == QLatin1String("debit")) {
            m.debit = number;
        } else if (key == QLatin1String("credit")) {
            m.credit = number;
        } else if (key == QLatin1String("payee")) {
            m.payee = number;
        } else if (key == QLatin1String("check")) {
            m.checkNumber = number;
        } else if (key == QLatin1String("type")) {
            m.type = number;
        } else {
            return std::nullopt;
        }
        ++seen;
    }
    if ((seen != 8 && seen != 9) || m.date < 0) // mappings remembered before the type column have 8
        return std::nullopt;
    return m;
}

// ---- files ----

bool ReadStatementBytes(const QString& path, QByteArray& data, QString& error) {
    QFile file(path);
    // Unbuffered: a pipe or a device is read once, as it comes, and never opened again.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    data.clear();
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0) {
            error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
            return false;
        }
        if (got == 0)
            break;
        if (data.size() + got > MaxStatementBytes) {
            error = QStringLiteral("%1 is larger than %2 MiB: no statement is that large")
                        .arg(path)
                        .arg(MaxStatementBytes >> 20);
            return false;
        }
        if (data.size() + got > data.capacity()) // doubling: appending alone copies the whole file each time
            data.reserve(std::max<qsizetype>(2 * data.capacity(), data.size() + got));
        data.append(chunk.constData(), got);
    }
    return true;
}

ReadResult ReadStatement(const QByteArray& data, Format format, const std::optional<CsvMapping>& mapping) {
    switch (format) {
    case Format::Qif:
        return ReadQif(data);
    case Format::Ofx:
        return ReadOfx(data);
    case Format::Csv:
        break;
    }
    if (const QString problem = CsvProblem(data); !problem.isEmpty())
        return {{}, problem};
    if (!mapping)
        return {{},
                QStringLiteral("no column mapping is known for the header line: %1").arg(Shown(CsvHeaderLine(data)))};
    return ReadCsv(data, *mapping);
}

ReadResult ReadStatementFile(const QString& path, Format format, const std::optional<CsvMapping>& mapping) {
    QByteArray data;
    QString error;
    if (!ReadStatementBytes(path, data, error))
        return {{}, error};
    return ReadStatement(data, format, mapping);
}

} // namespace import
