#pragma once
// Bank statements read into plain lines: QIF, CSV with a column mapping the user chose, and OFX/QFX through
// libofx. A reader either returns every line of the file or an error naming the line or element at fault, never
// a part of the file.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace import {

struct StatementLine {
    double date = 0;     // days since 30 December 1899
    int64_t cents = 0;   // signed: credits positive, debits negative
    QString payee;       // as the bank wrote it; the plan cuts and converts it
    QString checkNumber; // as written; only a number 1 to 32767 makes the line a check
    QString bankId;      // OFX FITID; empty where the format has none
    QString bankType;    // OFX TRNTYPE ("INT", "FEE", "ATM", ...); empty where the format has none
    int source = 0;      // line number (QIF, CSV) or transaction element number (OFX), for messages

    bool operator==(const StatementLine&) const = default;
};

struct ReadResult {
    std::vector<StatementLine> lines;
    QString error; // empty on success; otherwise nothing in `lines`
    bool Ok() const { return error.isEmpty(); }
};

enum class Format { Qif, Csv, Ofx };
// "qif", "csv", "ofx" or "qfx"; empty for anything else.
std::optional<Format> FormatFromName(const QString& name);
// By the file's extension, else by its first bytes (an OFX header or tag, a QIF "!" line, else CSV).
Format DetectFormat(const QString& path, const QByteArray& head);

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// Which column (0-based, -1 for none) holds what. Either `amount` or one or both of `debit` and `credit` must
// be set, and `date`.
struct CsvMapping {
    int date = -1;
    DateOrder dateOrder = DateOrder::MonthDayYear;
    int amount = -1;
    int debit = -1;
    int credit = -1;
    int payee = -1;
    int checkNumber = -1;
    QChar decimalSeparator = QLatin1Char('.');

    bool operator==(const CsvMapping&) const = default;
};

ReadResult ReadQif(const QByteArray& data);
// The first row is the header; fields are split at the delimiter the header uses most of ',', ';' and tab.
ReadResult ReadCsv(const QByteArray& data, const CsvMapping& mapping);
ReadResult ReadOfx(const QByteArray& data);
// Reads the file in the given format; a CSV needs its mapping.
ReadResult ReadStatementFile(const QString& path, Format format, const std::optional<CsvMapping>& mapping);

// The first line of a CSV file without its line ending: the key its mapping is remembered by.
QString CsvHeaderLine(const QByteArray& data);
// The header row's fields, split as ReadCsv splits them.
QStringList CsvHeaderFields(const QByteArray& data);
// A first mapping to offer the user: columns by their header names (Date, Amount, Debit, Credit, Payee or
// Description, Check), the date order from the first row's date and the decimal comma where ';' separates fields.
CsvMapping GuessCsvMapping(const QByteArray& data);
// The mapping remembered for a header line, from the settings store.
std::optional<CsvMapping> StoredCsvMapping(const QString& headerLine);
bool StoreCsvMapping(const QString& headerLine, const CsvMapping& mapping);
// The text a mapping is stored as, and back; empty for a text that is no sound mapping.
QString CsvMappingText(const CsvMapping& mapping);
std::optional<CsvMapping> CsvMappingFromText(const QString& text);

// Helpers the readers share, open for their tests.
// A whole date from numbers in the given order; a two-digit year is 19YY from 50 up, else 20YY.
std::optional<double> ParseStatementDate(const QString& text, DateOrder order);
// Signed whole cents: an optional sign or parentheses, digits with the other of '.' and ',' as grouping, at
// most two decimals after `decimalSeparator`, currency symbols and spaces ignored.
std::optional<int64_t> ParseStatementCents(const QString& text, QChar decimalSeparator);

} // namespace import
