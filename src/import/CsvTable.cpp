#include "import/CsvTable.h"

#include "import/StatementReading.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace import {

namespace {

// The delimiter outside quotes of one line, counted.
int CountOutsideQuotes(const QString& line, QChar delimiter) {
    int count = 0;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == delimiter)
            ++count;
    }
    return count;
}

// The delimiter most lines agree on: the one whose commonest count (above zero) is shared by the most of the first
// lines. Lines above the table (an account number, a period) may have none or another, a payee a stray comma.
QChar GuessDelimiter(const QStringList& lines) {
    QChar best = QLatin1Char(',');
    std::pair<int, int> bestScore{0, 0}; // lines that agree, the count they agree on
    for (const QChar candidate : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        std::map<int, int> linesByCount;
        for (const QString& line : lines) {
            if (const int count = CountOutsideQuotes(line, candidate))
                ++linesByCount[count];
        }
        for (const auto& [count, agreeing] : linesByCount) {
            if (std::pair(agreeing, count) > bestScore) {
                bestScore = {agreeing, count};
                best = candidate;
            }
        }
    }
    return best;
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

// The fields up to the last one that holds something.
int FilledWidth(const CsvRecord& record) {
    int width = int(record.fields.size());
    while (width > 0 && record.fields[width - 1].trimmed().isEmpty())
        --width;
    return width;
}

// A date in one cell and an amount in another (IsCsvAmount is never a date); each cell looked at once, so that a
// line of many fields costs no more than its length.
bool IsDataRow(const CsvRecord& record) {
    bool date = false, amount = false;
    for (const QString& field : record.fields) {
        if (!date && IsCsvDate(field))
            date = true;
        else if (!amount && IsCsvAmount(field))
            amount = true;
        if (date && amount)
            return true;
    }
    return false;
}

// Names, not values: no date among them, at least two, and about as wide as the data below.
bool IsHeaderRow(const CsvRecord& record, const CsvRecord& firstData) {
    const auto named = std::count_if(record.fields.begin(), record.fields.end(),
                                     [](const QString& f) { return !f.trimmed().isEmpty(); });
    return named >= 2 && record.fields.size() >= FilledWidth(firstData) - 1 &&
           std::none_of(record.fields.begin(), record.fields.end(), IsCsvDate);
}

int LastFilledBefore(const CsvTable& table, int row) {
    for (int r = row - 1; r >= 0; --r) {
        if (!IsBlank(table.records[size_t(r)]))
            return r;
    }
    return -1;
}

} // namespace

int CsvDirectionOf(const QString& word) {
    for (const auto& [debit, credit] : CsvDirectionWords) {
        if (word.compare(QString::fromUtf8(debit), Qt::CaseInsensitive) == 0)
            return -1;
        if (word.compare(QString::fromUtf8(credit), Qt::CaseInsensitive) == 0)
            return 1;
    }
    return 0;
}

bool IsBlank(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const QString& f) { return f.trimmed().isEmpty(); });
}

std::optional<double> ParseCsvDate(const QString& cell, DateOrder order) {
    static const QRegularExpression time(QStringLiteral(
        R"(^\s*(\S*\d)(?:\s+|T)\d{1,2}:\d{2}(?::\d{2}(?:[.,]\d+)?)?\s*(?:[AaPp][Mm]|Z|[+-]\d{2}:?\d{2})?\s*$)"));
    const auto m = time.match(cell);
    return ParseStatementDate(m.hasMatch() ? m.captured(1) : cell, order);
}

bool IsCsvDate(const QString& cell) {
    return ParseCsvDate(cell, DateOrder::MonthDayYear) || ParseCsvDate(cell, DateOrder::DayMonthYear);
}

bool IsCsvAmount(const QString& cell) {
    return std::any_of(cell.begin(), cell.end(), [](QChar c) { return c.isDigit(); }) && !IsCsvDate(cell) &&
           (ParseStatementCents(cell, QLatin1Char('.')) || ParseStatementCents(cell, QLatin1Char(',')) ||
            FinerThanCentAmount(cell, QLatin1Char('.')) || FinerThanCentAmount(cell, QLatin1Char(',')));
}

std::optional<DateOrder> DateOrderOfValues(const QStringList& dates, QString* telling) {
    static const QRegularExpression parts(QStringLiteral(R"(^\s*(\d{1,4})\D+(\d{1,2})\D)"));
    QString dotted;
    std::optional<DateOrder> order;
    for (const QString& date : dates) {
        const auto m = parts.match(date);
        if (!m.hasMatch())
            continue;
        if (m.captured(1).size() == 4)
            order = DateOrder::YearMonthDay;
        else if (m.captured(1).toInt() > 12)
            order = DateOrder::DayMonthYear;
        else if (m.captured(2).toInt() > 12)
            order = DateOrder::MonthDayYear;
        else if (dotted.isEmpty() && date.contains(QLatin1Char('.')))
            dotted = date;
        if (order) {
            if (telling)
                *telling = date.trimmed();
            return order;
        }
    }
    if (dotted.isEmpty())
        return std::nullopt;
    if (telling)
        *telling = dotted.trimmed();
    return DateOrder::DayMonthYear;
}

CsvTable ReadCsvTable(const QByteArray& data) {
    CsvTable table;
    table.text = DecodeStatement(data);
    const QStringList lines = SplitLines(table.text.left(64 * 1024)).mid(0, 40);
    table.delimiter = GuessDelimiter(lines);
    table.records = SplitCsv(table.text, table.delimiter, table.unclosedQuoteLine);
    const int count = int(table.records.size());
    int first = 0;
    while (first < count && !IsDataRow(table.records[size_t(first)]))
        ++first;
    if (first == count) { // nothing reads as a transaction: the first line names the columns, as ever
        for (int r = 0; r < count && table.header < 0; ++r)
            table.header = IsBlank(table.records[size_t(r)]) ? -1 : r;
        table.body = table.header + 1;
        return table;
    }
    const int above = LastFilledBefore(table, first);
    if (above >= 0 && IsHeaderRow(table.records[size_t(above)], table.records[size_t(first)])) {
        table.header = above;
        table.body = above + 1;
    } else {
        table.body = first;
    }
    return table;
}

void ApplyHeaderChoice(CsvTable& table, CsvHeader header) {
    if (header == CsvHeader::No && table.header >= 0) {
        table.body = table.header;
        table.header = -1;
    } else if (header == CsvHeader::Yes && table.header < 0 && table.body < int(table.records.size())) {
        const int above = LastFilledBefore(table, table.body);
        table.header = above >= 0 ? above : table.body;
        table.body = table.header + 1;
    }
}

} // namespace import
