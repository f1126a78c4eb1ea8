// The column mappings of CSV statements, remembered in the settings by the file's header line, and the text they
// are kept as.
#include "import/Statement.h"
#include "settings/ProgramSettings.h"

#include <set>

namespace import {

namespace {

const QString MappingSection = QStringLiteral("CsvMappings");
const char* const OrderNames[] = {"MDY", "DMY", "YMD"};
const char* const HeaderNames[] = {"detect", "yes", "no"};

int IndexOf(const QString& value, const char* const (&names)[3]) {
    for (int i = 0; i < 3; ++i) {
        if (value == QLatin1String(names[i]))
            return i;
    }
    return -1;
}

} // namespace

std::optional<CsvMapping> StoredCsvMapping(const QString& headerLine) {
    const std::optional<QString> text = settings::ReadProgramText(MappingSection, headerLine);
    return text ? CsvMappingFromText(*text) : std::nullopt;
}

bool StoreCsvMapping(const QString& headerLine, const CsvMapping& mapping) {
    return settings::WriteProgramText(MappingSection, headerLine, CsvMappingText(mapping));
}

QString CsvMappingText(const CsvMapping& m) {
    return QStringLiteral("date=%1;order=%2;amount=%3;debit=%4;credit=%5;payee=%6;check=%7;decimal=%8;type=%9")
               .arg(m.date)
               .arg(m.dateOrder ? QLatin1String(OrderNames[int(*m.dateOrder)]) : QLatin1String(""))
               .arg(m.amount)
               .arg(m.debit)
               .arg(m.credit)
               .arg(m.payee)
               .arg(m.checkNumber)
               .arg(m.decimalSeparator.isNull() ? QString() : QString(m.decimalSeparator))
               .arg(m.type) +
           QStringLiteral(";payee2=%1;direction=%2;status=%3;header=%4;category=%5;split=%6")
               .arg(m.payeeMore)
               .arg(m.direction)
               .arg(m.status)
               .arg(QLatin1String(HeaderNames[int(m.header)]))
               .arg(m.category)
               .arg(m.split);
}

std::optional<CsvMapping> CsvMappingFromText(const QString& text) {
    CsvMapping m;
    // Mappings remembered before the type column lack it, and before the header choice and the columns after it
    // those too: they keep their meaning, with the header found from the rows (and no category column).
    const std::set<QString> required = {"date", "order", "amount", "debit", "credit", "payee", "check", "decimal"};
    std::set<QString> seen;
    for (const QString& part : text.split(QLatin1Char(';'))) {
        const QString key = part.section(QLatin1Char('='), 0, 0);
        const QString value = part.section(QLatin1Char('='), 1);
        if (!seen.insert(key).second)
            return std::nullopt;
        bool ok = true;
        const int number = value.toInt(&ok);
        int* const columns[] = {&m.date,        &m.amount, &m.debit,     &m.credit, &m.payee,    &m.payeeMore,
                                &m.checkNumber, &m.type,   &m.direction, &m.status, &m.category, &m.split};
        const char* const columnKeys[] = {"date",  "amount", "debit",     "credit", "payee",    "payee2",
                                          "check", "type",   "direction", "status", "category", "split"};
        const auto column = std::find_if(std::begin(columnKeys), std::end(columnKeys),
                                         [&key](const char* k) { return key == QLatin1String(k); });
        if (key == QLatin1String("order")) {
            const int index = IndexOf(value, OrderNames);
            if (index < 0 && !value.isEmpty())
                return std::nullopt;
            m.dateOrder = index < 0 ? std::nullopt : std::optional(DateOrder(index));
        } else if (key == QLatin1String("header")) {
            const int index = IndexOf(value, HeaderNames);
            if (index < 0)
                return std::nullopt;
            m.header = CsvHeader(index);
        } else if (key == QLatin1String("decimal")) {
            if (value != QLatin1String(".") && value != QLatin1String(",") && !value.isEmpty())
                return std::nullopt;
            m.decimalSeparator = value.isEmpty() ? QChar() : value[0];
        } else if (column != std::end(columnKeys) && ok && number >= -1) {
            *columns[column - std::begin(columnKeys)] = number;
        } else {
            return std::nullopt;
        }
    }
    const bool complete =
        std::all_of(required.begin(), required.end(), [&seen](const QString& k) { return seen.count(k); });
    if (!complete || m.date < 0)
        return std::nullopt;
    return m;
}

} // namespace import
