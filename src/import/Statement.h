#pragma once
// Bank statements read into plain lines: QIF, CSV with a column mapping the user chose, and OFX/QFX through
// libofx. A reader either returns every line of the file or an error naming the line or element at fault, never
// a part of the file.

#include "model/Category.h"
#include "platform/Result.h"

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
    QString account;     // the bank's account id (OFX ACCTID, QIF !Account name); empty where the file names none
    int source = 0;      // the line the transaction starts on, for messages
    // Where the statement says the money went: a tidied path (QIF `L`, a CSV category column; a transfer to another
    // account as "Transfer:NAME"), and the parts of a split, their cents signed as `cents` is and adding up to it.
    // Empty where the statement says nothing; a split that does not add up is left out with a note.
    QString category;
    std::vector<ledger::SplitPart> parts;
    // A line the reader found but that is not to be added, and why: `skipped` for what is no transaction yet (a
    // pending row, a row without an amount), `refusal` for a transaction the ledger cannot keep (an amount finer than
    // a cent). The import plans it as such instead of losing it or refusing the whole file. Date and amount may be 0
    // where the line had none.
    QString skipped;
    QString refusal;

    bool operator==(const StatementLine&) const = default;
};

struct ReadResult {
    std::vector<StatementLine> lines;
    QString error; // empty on success; otherwise nothing in `lines`
    // The balance the statement opens with, when it says so as this program exports it (a CSV "Opening" row, QIF's
    // "Opening Balance" transfer); never a line.
    std::optional<int64_t> openingCents = std::nullopt;
    // What the reader decided or left out that is no line of its own, one sentence each, for the preview and the
    // CLI: "Dates read day first (13/01/2024 has no month 13).", "14 investment transactions are not kept in a check
    // register.", "3 lines before the table skipped."
    QStringList notes = {};
    // The account ids the statement names, in order, also those it lists without any lines (an OFX account list,
    // a statement of an account without transactions).
    QStringList accounts = {};
    bool Ok() const { return error.isEmpty(); }
};

// A file may hold the statements of several accounts (OFX statement responses, QIF !Account sections); a ledger is
// one account, so one of them is imported.
struct StatementAccount {
    QString id; // empty for lines that name no account
    int lines = 0;
};
// The accounts named (ReadResult::accounts) and those of the lines, in order of first appearance, with how many lines
// each has: a named account without lines has none.
std::vector<StatementAccount> StatementAccounts(const std::vector<StatementLine>& lines, const QStringList& named = {});
// The lines of one account, in their order.
std::vector<StatementLine> AccountLines(const std::vector<StatementLine>& lines, const QString& account);

enum class Format { Qif, Csv, Ofx };
// "qif", "csv", "ofx" or "qfx"; empty for anything else.
std::optional<Format> FormatFromName(const QString& name);
// By the file's extension, else by its first bytes (an OFX header or tag, a QIF "!" line, else CSV).
Format DetectFormat(const QString& path, const QByteArray& head);

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// Whether a CSV's first row holds column names: found from the rows (a first row whose date and amount parse is
// data), or as the user said.
enum class CsvHeader { Detect, Yes, No };

// Which column (0-based, -1 for none) holds what. Either `amount` or one or both of `debit` and `credit` must
// be set, and `date`.
struct CsvMapping {
    int date = -1;
    // None: from the dates where they tell (a day above 12), else as the locale writes dates.
    std::optional<DateOrder> dateOrder = std::nullopt;
    int amount = -1;
    int debit = -1;
    int credit = -1;
    int payee = -1;
    int payeeMore = -1; // a second payee column, joined to the first with a space
    int checkNumber = -1;
    int type = -1; // "Check", "Deposit", ... as exported, or the bank's own words (ATM, FEE, INT)
    // Words such as Af/Bij, D/C, DR/CR that say which unsigned amounts are debits.
    int direction = -1;
    int status = -1; // rows it marks pending are skipped
    int category = -1;
    int split = -1; // parts of a split in the notation of the CSV export (import/SplitNotation.h)
    QChar decimalSeparator = QLatin1Char('.'); // null: taken from the amounts, which must agree
    CsvHeader header = CsvHeader::Detect;

    bool operator==(const CsvMapping&) const = default;
};

// `dateOrder`, when the user gave one, holds over what the dates themselves suggest.
ReadResult ReadQif(const QByteArray& data, std::optional<DateOrder> dateOrder = std::nullopt);
// Lines before the header and after the table are skipped and counted in a note; fields are split at the delimiter
// the table's rows agree on of ',', ';' and tab.
ReadResult ReadCsv(const QByteArray& data, const CsvMapping& mapping);
ReadResult ReadOfx(const QByteArray& data);
// No statement is larger; a file that is (or a device without end) is refused.
constexpr qint64 MaxStatementBytes = qint64(64) << 20;
// The bytes of a statement file of any kind (regular file, pipe, device), read exactly once and at most
// MaxStatementBytes; a failure with the reason otherwise.
platform::Result<QByteArray> ReadStatementBytes(const QString& path);
// Reads a statement's bytes in the given format; a CSV needs its mapping. A date order the user gave holds for every
// format with ambiguous dates, over a CSV mapping's remembered one.
ReadResult ReadStatement(const QByteArray& data, Format format, const std::optional<CsvMapping>& mapping,
                         std::optional<DateOrder> dateOrder = std::nullopt);
// ReadStatementBytes, then ReadStatement.
ReadResult ReadStatementFile(const QString& path, Format format, const std::optional<CsvMapping>& mapping);

// Why the bytes are no CSV statement at all (empty, binary, no line with columns); empty when they may be one.
// Asked before any columns are offered.
QString CsvProblem(const QByteArray& data);
// The key a CSV's mapping is remembered by: its header line, or for a file without one its column count and
// delimiter (see CsvLayoutKey).
QString CsvHeaderLine(const QByteArray& data);
// The header row's fields, split as ReadCsv splits them; empty for a file whose first row is already data.
QStringList CsvHeaderFields(const QByteArray& data);
// The table's columns as a header choice makes them: the names (empty without a header row) and the values of the
// first row below it, one per column.
struct CsvColumns {
    QStringList names;
    QStringList samples;
};
CsvColumns CsvTableColumns(const QByteArray& data, CsvHeader header);
// A first mapping to offer the user: columns by their header names in English, German, French, Dutch, Spanish
// and the Nordic languages (never a fee or balance column as the amount, never an account number as the check
// number), the date order from the date column's values (GuessCsvDateOrder), the decimal separator from the amounts
// (DetectDecimalSeparator), else the decimal comma where ';' separates fields.
CsvMapping GuessCsvMapping(const QByteArray& data);
// The date order of a column (0-based) from all its values: a four-digit first number is a year, a number above 12
// a day, '.' between the numbers day first; else the locale's order.
DateOrder GuessCsvDateOrder(const QByteArray& data, int column);
// The order of day and month in the locale's short date form.
DateOrder LocaleDateOrder();
// What one amount says its decimal separator is: the later of '.' and ',' where both appear, the other one of a
// separator that appears twice, one followed by one or two digits; null when it does not tell ("1,234", "12").
QChar DecimalVote(const QString& amount);
// The decimal separator every amount that tells agrees on, '.' when none tells; none when they disagree.
std::optional<QChar> DetectDecimalSeparator(const QStringList& amounts);
// The mapping remembered for a header line, from the settings store.
std::optional<CsvMapping> StoredCsvMapping(const QString& headerLine);
bool StoreCsvMapping(const QString& headerLine, const CsvMapping& mapping);
// The text a mapping is stored as, and back; empty for a text that is no sound mapping.
QString CsvMappingText(const CsvMapping& mapping);
std::optional<CsvMapping> CsvMappingFromText(const QString& text);

// A category as a statement writes it, made a path this program keeps: tidied (ledger::NormalizedCategory) and cut to
// ledger::MaxCategoryLength, at the last ":" that keeps whole names where there is one; `cut` tells whether it had
// to be. Empty for none.
QString StatementCategory(const QString& written, bool* cut = nullptr);

// Helpers the readers share, open for their tests.
// Text of a statement: UTF-8, UTF-16 with its byte order mark, else code page 1252 (which covers Latin-1's
// letters); CR, LF and CRLF line ends all become LF.
QString DecodeStatement(const QByteArray& data);
// A whole date from numbers in the given order; a two-digit year is 19YY from 50 up, else 20YY.
std::optional<double> ParseStatementDate(const QString& text, DateOrder order);
// Signed whole cents: an optional sign or parentheses, digits with the other of '.' and ',' as grouping, at
// most two decimals after `decimalSeparator`, currency symbols and spaces ignored.
std::optional<int64_t> ParseStatementCents(const QString& text, QChar decimalSeparator);

} // namespace import
