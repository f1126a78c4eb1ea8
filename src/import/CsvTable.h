#pragma once
// A CSV statement split into records, and where its table is: the header row, if any, and the rows below it. Shared
// by the reader and the guesses offered to the user, so that both find the same header. Not for callers of the
// readers.

#include "import/Statement.h"

#include <utility>
#include <vector>

namespace import {

struct CsvRecord {
    QStringList fields;
    int line = 0; // the line it starts on
};

struct CsvTable {
    QString text;
    std::vector<CsvRecord> records;
    QChar delimiter = QLatin1Char(',');
    int unclosedQuoteLine = 0; // a quoted field left open there: no records
    int header = -1;           // the header record, -1 for none
    int body = 0;              // the first record below the header, or the first data row without one
};

// Splits the statement and finds its header: the row just above the first row that holds a date and an amount,
// when it is as wide as that row and holds names, not values. Rows above it are no part of the table.
CsvTable ReadCsvTable(const QByteArray& data);
// The header as the user set it: Yes takes the row above the first data row (or that row itself) as names, No
// makes a found header the first data row.
void ApplyHeaderChoice(CsvTable& table, CsvHeader header);

bool IsBlank(const CsvRecord& record);
// The date of a cell, its time of day (2023-01-05 10:23:45, 05.01.2023 10:23) left out.
std::optional<double> ParseCsvDate(const QString& cell, DateOrder order);
// A cell that is a date in some order.
bool IsCsvDate(const QString& cell);
// A cell that is an amount with either decimal separator (finer than a cent too: its line is refused, not skipped),
// and no date.
bool IsCsvAmount(const QString& cell);
// The words banks write in a direction column, debit first.
inline constexpr std::pair<const char*, const char*> CsvDirectionWords[] = {
    {"Af", "Bij"},     {"Debet", "Credit"}, {"Debit", "Credit"}, {"D", "C"},
    {"DR", "CR"},      {"OUT", "IN"},       {"Uit", "In"},       {"S", "H"},
    {"Soll", "Haben"}, {"Cargo", "Abono"},  {"Débit", "Crédit"}, {"Lastschrift", "Gutschrift"},
    {"-", "+"},
};
// -1 for a debit word, 1 for a credit word, 0 for one that says neither.
int CsvDirectionOf(const QString& word);
// Whether the first and second numbers of the dates say their order: a four-digit first number is a year, a
// number above 12 a day, '.' between them day first. `telling` is the date that decided.
std::optional<DateOrder> DateOrderOfValues(const QStringList& dates, QString* telling = nullptr);

} // namespace import
