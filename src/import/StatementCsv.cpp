#include "import/CsvTable.h"
#include "import/SplitNotation.h"
#include "import/StatementReading.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace import {

namespace {
// The parts of a split the row's split column holds become the line's when they add up to its amount; otherwise the
// line is added whole, with a note, as a QIF split that does not add up.
void KeepSplit(const QString& cell, StatementLine& line, QStringList& notes) {
    const auto parts = ReadSplitNotation(cell);
    QString problem;
    if (!parts)
        problem = QCoreApplication::translate("CsvStatement", "not in the form CATEGORY=AMOUNT|CATEGORY=AMOUNT");
    else if (parts->empty())
        return;
    else if (parts->size() > size_t(ledger::MaxSplitParts))
        problem = QCoreApplication::translate("CsvStatement", "more than %1 parts").arg(ledger::MaxSplitParts);
    else if (ledger::PartsTotal(*parts) != line.cents)
        problem = PartsDoNotAddUp(ledger::PartsTotal(*parts), line.cents);
    if (!problem.isEmpty()) {
        notes << SplitLeftOutNote(line.source, problem);
        return;
    }
    if (parts->size() == 1) {
        if (!parts->front().category.isEmpty())
            line.category = parts->front().category;
        return;
    }
    line.category.clear();
    line.parts = *parts;
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

QString KnownDirections() {
    QStringList pairs;
    for (const auto& [debit, credit] : CsvDirectionWords)
        pairs << QString::fromUtf8(debit) + QLatin1Char('/') + QString::fromUtf8(credit);
    return pairs.join(QStringLiteral(", "));
}

// What a status column says of a row the bank has not booked yet.
bool IsPending(const QString& status) {
    static const char* const words[] = {"pending",       "vorgemerkt", "ausstehend", "en attente", "pendiente",
                                        "in afwachting", "reserviert", "authori",    "odottaa",    "väntande"};
    return std::any_of(std::begin(words), std::end(words), [&status](const char* word) {
        return status.contains(QString::fromUtf8(word), Qt::CaseInsensitive);
    });
}

// Whole sentences for each order, so that a translation may put the order's words where its language wants them.
QString ChosenOrderNote(DateOrder order) {
    switch (order) {
    case DateOrder::MonthDayYear:
        return QCoreApplication::translate("CsvStatement", "Dates read month first, as chosen.");
    case DateOrder::DayMonthYear:
        return QCoreApplication::translate("CsvStatement", "Dates read day first, as chosen.");
    case DateOrder::YearMonthDay:
        break;
    }
    return QCoreApplication::translate("CsvStatement", "Dates read year first, as chosen.");
}

QString LocaleOrderNote(DateOrder order) {
    switch (order) {
    case DateOrder::MonthDayYear:
        return QCoreApplication::translate(
            "CsvStatement", "Dates read month first, as the locale writes dates: no date in the statement tells.");
    case DateOrder::DayMonthYear:
        return QCoreApplication::translate(
            "CsvStatement", "Dates read day first, as the locale writes dates: no date in the statement tells.");
    case DateOrder::YearMonthDay:
        break;
    }
    return QCoreApplication::translate(
        "CsvStatement", "Dates read year first, as the locale writes dates: no date in the statement tells.");
}

// The date order to read with, and the note that says which it is and why; no note where every date starts with
// its year, since then the order never mattered.
DateOrder ChooseDateOrder(const CsvMapping& mapping, const QStringList& dates, QStringList& notes) {
    static const QRegularExpression yearFirst(QStringLiteral(R"(^\s*\d{4}(\D|\d{4}))"));
    static const QRegularExpression numbers(QStringLiteral(R"(^\s*(\d+)\D+(\d+))"));
    const bool ambiguous = std::any_of(dates.begin(), dates.end(),
                                       [](const QString& d) { return !d.isEmpty() && !yearFirst.match(d).hasMatch(); });
    if (mapping.dateOrder) {
        if (ambiguous)
            notes << ChosenOrderNote(*mapping.dateOrder);
        return *mapping.dateOrder;
    }
    QString telling;
    if (const std::optional<DateOrder> order = DateOrderOfValues(dates, &telling)) {
        const auto m = numbers.match(telling);
        if (*order == DateOrder::DayMonthYear && m.captured(1).toInt() > 12)
            notes << QCoreApplication::translate("CsvStatement", "Dates read day first (%1 has no month %2).")
                         .arg(Shown(telling), m.captured(1));
        else if (*order == DateOrder::DayMonthYear)
            notes << QCoreApplication::translate("CsvStatement",
                                                 "Dates read day first, as dates written with dots are (%1).")
                         .arg(Shown(telling));
        else if (*order == DateOrder::MonthDayYear)
            notes << QCoreApplication::translate("CsvStatement", "Dates read month first (%1 has no month %2).")
                         .arg(Shown(telling), m.captured(2));
        return *order;
    }
    const DateOrder order = LocaleDateOrder();
    if (ambiguous)
        notes << LocaleOrderNote(order);
    return order;
}

QString LinesBeforeNote(int count) {
    return count == 1 ? QCoreApplication::translate("CsvStatement", "1 line before the table skipped.")
                      : QCoreApplication::translate("CsvStatement", "%1 lines before the table skipped.").arg(count);
}

QString LinesAfterNote(int count) {
    return count == 1 ? QCoreApplication::translate("CsvStatement", "1 line after the table skipped.")
                      : QCoreApplication::translate("CsvStatement", "%1 lines after the table skipped.").arg(count);
}

} // namespace

ReadResult ReadCsv(const QByteArray& data, const CsvMapping& mapping) {
    CsvTable table = ReadCsvTable(data);
    if (table.unclosedQuoteLine)
        return Failure(table.unclosedQuoteLine,
                       QCoreApplication::translate("CsvStatement", "a quoted field is never closed"));
    ApplyHeaderChoice(table, mapping.header);
    const std::vector<CsvRecord>& records = table.records;
    const int count = int(records.size());
    if (count == 0)
        return Failure(1, QCoreApplication::translate("CsvStatement", "no header row"));
    if (mapping.date < 0)
        return Failure(1, QCoreApplication::translate("CsvStatement", "no date column chosen"));
    if (mapping.amount < 0 && mapping.debit < 0 && mapping.credit < 0)
        return Failure(1, QCoreApplication::translate("CsvStatement", "no amount, debit or credit column chosen"));
    const auto cell = [&records](int row, int column) {
        const QStringList& fields = records[size_t(row)].fields;
        return column >= 0 && column < fields.size() ? fields[column].trimmed() : QString();
    };
    const auto hasDate = [&](int row) { return IsCsvDate(cell(row, mapping.date)); };
    // A row that reads as a transaction is never taken for a line above the table.
    if (table.header < 0) {
        for (int r = table.body - 1; r >= 0 && (IsBlank(records[size_t(r)]) || hasDate(r)); --r) {
            if (hasDate(r))
                table.body = r;
        }
    }
    // Rows below the last transaction whose date cell holds no number are totals, balances or blank lines.
    int end = table.body;
    for (int r = table.body; r < count; ++r) {
        const QString date = cell(r, mapping.date);
        if (!IsBlank(records[size_t(r)]) && !date.isEmpty() && date[0].isDigit())
            end = r + 1;
    }
    const int width =
        int(records[size_t(table.header >= 0 ? table.header : std::min(table.body, count - 1))].fields.size());
    for (const int column :
         {mapping.date, mapping.amount, mapping.debit, mapping.credit, mapping.payee, mapping.payeeMore,
          mapping.checkNumber, mapping.type, mapping.direction, mapping.status, mapping.category, mapping.split}) {
        if (column >= width)
            return Failure(table.header >= 0 ? records[size_t(table.header)].line : 1,
                           (table.header >= 0
                                ? QCoreApplication::translate("CsvStatement", "the header has no column %1")
                                : QCoreApplication::translate("CsvStatement", "the first row has no column %1"))
                               .arg(column + 1));
    }

    ReadResult result;
    const int before = table.header >= 0 ? table.header : table.body;
    if (before > 0)
        result.notes << LinesBeforeNote(before);
    QChar decimal = mapping.decimalSeparator;
    QStringList dates;
    for (int r = table.body; r < end; ++r)
        dates << cell(r, mapping.date);
    if (mapping.decimalSeparator.isNull()) { // the amounts themselves tell, when they all agree
        decimal = QChar();
        for (int r = table.body; r < end; ++r) {
            for (const int money : {mapping.amount, mapping.debit, mapping.credit}) {
                const QChar vote = DecimalVote(cell(r, money));
                if (!vote.isNull() && !decimal.isNull() && vote != decimal)
                    return Failure(records[size_t(r)].line,
                                   QCoreApplication::translate("CsvStatement",
                                                               "the amounts use both '.' and ',' before their cents: "
                                                               "say which is the decimal separator"));
                if (!vote.isNull())
                    decimal = vote;
            }
        }
        if (decimal.isNull())
            decimal = QLatin1Char('.');
    }
    const DateOrder order = ChooseDateOrder(mapping, dates, result.notes);
    if (mapping.direction >= 0) {
        for (int r = table.body; r < end; ++r) {
            const QString word = cell(r, mapping.direction);
            if (!word.isEmpty() && CsvDirectionOf(word) == 0)
                return Failure(records[size_t(r)].line,
                               QCoreApplication::translate("CsvStatement",
                                                           "\"%1\" in the direction column says neither debit nor "
                                                           "credit; the words known are %2")
                                   .arg(Shown(word), KnownDirections()));
        }
    }

    int firstCut = 0; // the first line whose category was cut
    for (int r = table.body; r < end; ++r) {
        const CsvRecord& record = records[size_t(r)];
        if (IsBlank(record))
            continue;
        StatementLine line;
        line.source = record.line;
        const QString dateText = cell(r, mapping.date);
        const auto date = ParseCsvDate(dateText, order);
        if (!date)
            return Failure(record.line,
                           QCoreApplication::translate("CsvStatement", "not a date: %1").arg(Shown(dateText)));
        line.date = *date;
        line.payee = (cell(r, mapping.payee) + QLatin1Char(' ') + cell(r, mapping.payeeMore)).trimmed();
        line.checkNumber = cell(r, mapping.checkNumber);
        bool cut = false;
        line.category = StatementCategory(cell(r, mapping.category), &cut);
        if (cut && !firstCut)
            firstCut = record.line;
        // A pending row keeps the amount it shows, but one that is no amount does not refuse the statement.
        const QString status = cell(r, mapping.status);
        const bool pending = IsPending(status);
        const int sign = CsvDirectionOf(cell(r, mapping.direction));
        const bool signedAmount = mapping.amount >= 0; // over debit and credit columns, if both were given
        const QString texts[] = {cell(r, mapping.amount), signedAmount ? QString() : cell(r, mapping.debit),
                                 signedAmount ? QString() : cell(r, mapping.credit)};
        for (int k = 0; k < 3; ++k) {
            if (texts[k].isEmpty())
                continue;
            auto cents = ParseStatementCents(texts[k], decimal);
            // One amount finer than a cent is that line's fault, not the statement's.
            if (!cents && !pending && (cents = FinerThanCentAmount(texts[k], decimal)))
                line.refusal = FinerThanCentRefusal(texts[k]);
            if (!cents && !pending)
                return Failure(record.line,
                               QCoreApplication::translate("CsvStatement", "not an amount: %1").arg(Shown(texts[k])));
            // Banks show debits with or without a minus; the column, or the direction word, decides the sign.
            const int64_t value = cents.value_or(0);
            line.cents += k == 1 ? -std::abs(value) : k == 2 ? std::abs(value) : sign ? sign * std::abs(value) : value;
        }
        KeepSplit(cell(r, mapping.split), line, result.notes);
        if (pending)
            line.skipped = QCoreApplication::translate("CsvStatement", "pending at the bank (%1)").arg(Shown(status));
        else if (std::all_of(std::begin(texts), std::end(texts), [](const QString& t) { return t.isEmpty(); }))
            line.skipped = QCoreApplication::translate("CsvStatement", "no amount");
        const QString type = cell(r, mapping.type);
        if (type.compare(QLatin1String("Opening"), Qt::CaseInsensitive) == 0 && result.lines.empty() &&
            !result.openingCents && line.skipped.isEmpty()) {
            result.openingCents = line.cents;
            continue;
        }
        line.bankType = BankTypeOf(type);
        if (result.lines.size() >= MaxStatementLines)
            return Failure(record.line, TooManyLines());
        result.lines.push_back(line);
    }
    int after = 0;
    for (int r = end; r < count; ++r) {
        if (!IsBlank(records[size_t(r)]))
            after = r - end + 1;
    }
    if (after > 0)
        result.notes << LinesAfterNote(after);
    if (firstCut)
        result.notes << CategoriesCutNote(firstCut);
    return result;
}

} // namespace import
