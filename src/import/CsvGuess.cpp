// What a CSV statement's rows say before any columns are chosen: whether it is one, its header, and a first
// mapping to offer.
#include "import/CsvTable.h"
#include "import/StatementReading.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <set>

namespace import {

namespace {

using Words = std::initializer_list<const char*>;

// Names of columns as banks write them, in the languages of their statements, the likelier first.
constexpr Words DateNames = {"buchungstag", "date", "datum", "fecha", "dato", "päivämäärä", "päivä", "data"};
constexpr Words DirectionNames = {"af bij", "af/bij",    "debit/credit", "debet/credit", "credit/debit",
                                  "d/c",    "dr/cr",     "cr/dr",        "soll/haben",   "s/h",
                                  "in/out", "direction", "richting",     "cargo/abono"};
constexpr Words AmountNames = {"amount", "betrag", "montant", "bedrag", "importe", "beløp", "belopp",
                               "beløb",  "summa",  "määrä",   "umsatz", "net",     "gross"};
constexpr Words DebitNames = {"debit", "debet", "withdrawal", "soll",      "af",
                              "cargo", "débit", "paid out",   "money out", "out"};
constexpr Words CreditNames = {"credit", "deposit", "haben", "bij", "abono", "crédit", "paid in", "money in", "in"};
// Never the money a transaction moves.
constexpr Words NotAmountNames = {"fee",     "gebühr", "gebuehr", "frais",      "commission", "comisión", "comision",
                                  "balance", "saldo",  "solde",   "kontostand", "currency",   "währung",  "waehrung"};
constexpr Words PayeeNames = {"payee",        "empfänger",    "empfaenger",   "begünstigter", "beguenstigter",
                              "auftraggeber", "naam",         "name",         "merchant",     "counterparty",
                              "beneficiario", "bénéficiaire", "mottaker",     "mottagare",    "saaja",
                              "description",  "details",      "omschrijving", "buchungstext", "verwendungszweck",
                              "libellé",      "libelle",      "concepto",     "descripción",  "tekst",
                              "text",         "beskrivning",  "selitys",      "narrative",    "memo"};
// An account holder or number is not who was paid; nor is it a check number.
constexpr Words AccountNames = {"account", "konto", "rekening", "iban", "bic", "blz", "cuenta", "compte", "tili"};
constexpr Words CheckNames = {"check", "cheque", "chk", "scheck", "number", "nummer"};
constexpr Words TypeNames = {"type", "typ", "buchungsart", "umsatzart", "mutatiesoort", "tipo", "art"};
constexpr Words StatusNames = {"status", "state", "estado", "tila", "info"};
// "kategori" is also the start of the German, Finnish and Nordic names.
// Only the export's own column: a bank's "split" means something else.
constexpr Words SplitNames = {"split"};
constexpr Words CategoryNames = {"category", "kategori", "catégorie", "categorie", "categoría", "categoria"};

// Short words must stand alone ("In", "Net" are in "Internet"); longer ones may be part of a German compound.
bool NameHas(const QString& name, const char* word) {
    const QString w = QString::fromUtf8(word);
    if (w.size() >= 5)
        return name.contains(w, Qt::CaseInsensitive);
    const auto isWordCharacter = [&name](qsizetype i) {
        return i >= 0 && i < name.size() && (name[i].isLetterOrNumber() || name[i] == QLatin1Char('_'));
    };
    for (qsizetype at = name.indexOf(w, 0, Qt::CaseInsensitive); at >= 0;
         at = name.indexOf(w, at + 1, Qt::CaseInsensitive)) {
        if (!isWordCharacter(at - 1) && !isWordCharacter(at + w.size()))
            return true;
    }
    return false;
}

bool NameHasAny(const QString& name, Words words) {
    return std::any_of(words.begin(), words.end(), [&name](const char* w) { return NameHas(name, w); });
}

// Ten digits and more, or an IBAN: an account, never a check number or an amount.
bool IsAccountNumber(const QString& value) {
    static const QRegularExpression account(QStringLiteral(R"(^(\d{10,}|[A-Z]{2}\d{2}[A-Z0-9]{10,30})$)"));
    return account.match(QString(value).remove(QLatin1Char(' '))).hasMatch();
}

class ColumnGuess {
public:
    explicit ColumnGuess(const CsvTable& table) : table(table) {
        if (table.header >= 0)
            names = table.records[size_t(table.header)].fields;
        for (size_t r = size_t(table.body); r < table.records.size(); ++r)
            width = std::max(width, int(table.records[r].fields.size()));
        width = std::max(width, int(names.size()));
    }

    // The trimmed, non-empty values of a column below the header.
    QStringList Values(int column) const {
        QStringList values;
        for (size_t r = size_t(table.body); column >= 0 && r < table.records.size(); ++r) {
            const QString value = table.records[r].fields.value(column).trimmed();
            if (!value.isEmpty())
                values << value;
        }
        return values;
    }

    // The first free column whose name holds one of the words, the words tried in order; none named `not`.
    int ByName(Words words, Words not_ = {}) {
        for (const char* word : words) {
            for (int i = 0; i < names.size(); ++i) {
                if (!taken.count(i) && NameHas(names[i], word) && !NameHasAny(names[i], not_))
                    return Take(i);
            }
        }
        return -1;
    }

    // The first free column with values, every one of them as `fits` wants.
    template <typename Fits> int ByValues(Fits fits) {
        for (int i = 0; i < width; ++i) {
            const QStringList values = Values(i);
            if (!taken.count(i) && !values.isEmpty() && std::all_of(values.begin(), values.end(), fits))
                return Take(i);
        }
        return -1;
    }

    int Take(int column) {
        if (column >= 0)
            taken.insert(column);
        return column;
    }
    void Free(int column) { taken.erase(column); }
    bool Named() const { return !names.isEmpty(); }

private:
    const CsvTable& table;
    QStringList names;
    int width = 0;
    std::set<int> taken;
};

} // namespace

QString CsvProblem(const QByteArray& data) {
    const QString text = DecodeStatement(data);
    if (text.trimmed().isEmpty())
        return QCoreApplication::translate("CsvGuess", "the file is empty");
    if (std::any_of(text.begin(), text.end(), [](QChar c) {
            return ledger::IsControlCharacter(c.unicode()) && c != QLatin1Char('\n') && c != QLatin1Char('\t');
        }))
        return QCoreApplication::translate("CsvGuess", "not a text file");
    const CsvTable table = ReadCsvTable(data);
    if (std::none_of(table.records.begin(), table.records.end(),
                     [](const CsvRecord& r) { return r.fields.size() >= 2; }))
        return QCoreApplication::translate("CsvGuess", "no line of it has columns: not a CSV statement");
    return {};
}

QString CsvHeaderLine(const QByteArray& data) {
    const CsvTable table = ReadCsvTable(data);
    if (table.header >= 0)
        return SplitLines(table.text).value(table.records[size_t(table.header)].line - 1).trimmed();
    // Without a header the first line is a transaction, a new one each month: the mapping is remembered by what
    // stays, the number of columns and what separates them.
    const int columns =
        table.body < int(table.records.size()) ? int(table.records[size_t(table.body)].fields.size()) : 0;
    const QString delimiter =
        table.delimiter == QLatin1Char('\t') ? QStringLiteral("tabs") : QStringLiteral("'%1'").arg(table.delimiter);
    return QStringLiteral("no header: %1 columns separated by %2").arg(columns).arg(delimiter);
}

QStringList CsvHeaderFields(const QByteArray& data) {
    const CsvTable table = ReadCsvTable(data);
    return table.header >= 0 ? table.records[size_t(table.header)].fields : QStringList();
}

CsvColumns CsvTableColumns(const QByteArray& data, CsvHeader header) {
    CsvTable table = ReadCsvTable(data);
    ApplyHeaderChoice(table, header);
    CsvColumns columns;
    if (table.header >= 0)
        columns.names = table.records[size_t(table.header)].fields;
    for (size_t r = size_t(table.body); r < table.records.size() && columns.samples.isEmpty(); ++r) {
        if (!IsBlank(table.records[r]))
            columns.samples = table.records[r].fields;
    }
    for (QString& sample : columns.samples)
        sample = sample.trimmed();
    return columns;
}

CsvMapping GuessCsvMapping(const QByteArray& data) {
    const CsvTable table = ReadCsvTable(data);
    ColumnGuess guess(table);
    CsvMapping m;
    m.date = guess.ByName(DateNames);
    if (m.date < 0)
        m.date = guess.ByValues(IsCsvDate);
    m.direction = guess.ByName(DirectionNames);
    if (m.direction < 0)
        m.direction =
            guess.ByValues([](const QString& v) { return CsvDirectionOf(v) != 0 && v != QLatin1String("-"); });
    // "Debit Amount" and "Credit Amount" are two columns, not one signed one.
    m.debit = guess.ByName(DebitNames, NotAmountNames);
    m.credit = guess.ByName(CreditNames, NotAmountNames);
    if (m.debit < 0 && m.credit < 0)
        m.amount = guess.ByName(AmountNames, NotAmountNames);
    if (m.amount < 0 && m.debit < 0 && m.credit < 0 && !guess.Named())
        m.amount = guess.ByValues([](const QString& v) { return IsCsvAmount(v) && !IsAccountNumber(v); });
    m.status = guess.ByName(StatusNames);
    m.split = guess.ByName(SplitNames);
    m.category = guess.ByName(CategoryNames); // before the payee: "Category name" names no payee
    m.payee = guess.ByName(PayeeNames, AccountNames);
    if (m.payee < 0 && !guess.Named())
        m.payee = guess.ByValues(
            [](const QString& v) { return std::any_of(v.begin(), v.end(), [](QChar c) { return c.isLetter(); }); });
    m.checkNumber = guess.ByName(CheckNames, AccountNames);
    if (m.checkNumber >= 0) {
        const QStringList values = guess.Values(m.checkNumber);
        if (std::any_of(values.begin(), values.end(), IsAccountNumber)) {
            guess.Free(m.checkNumber);
            m.checkNumber = -1;
        }
    }
    m.type = guess.ByName(TypeNames);
    m.dateOrder = m.date >= 0 ? GuessCsvDateOrder(data, m.date) : LocaleDateOrder();
    QStringList amounts;
    for (const int money : {m.amount, m.debit, m.credit})
        amounts += guess.Values(money);
    const std::optional<QChar> decimal = DetectDecimalSeparator(amounts);
    // Without amounts that tell, a ';' between the fields is the mark of a decimal-comma locale.
    const bool amountsTell =
        std::any_of(amounts.begin(), amounts.end(), [](const QString& a) { return !DecimalVote(a).isNull(); });
    if (decimal && amountsTell)
        m.decimalSeparator = *decimal;
    else if (table.delimiter == QLatin1Char(';'))
        m.decimalSeparator = QLatin1Char(',');
    return m;
}

DateOrder GuessCsvDateOrder(const QByteArray& data, int column) {
    const CsvTable table = ReadCsvTable(data);
    return DateOrderOfValues(ColumnGuess(table).Values(column)).value_or(LocaleDateOrder());
}

DateOrder LocaleDateOrder() {
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(QLatin1Char('d')), month = format.indexOf(QLatin1Char('M'));
    return day >= 0 && month >= 0 && day < month ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
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

} // namespace import
