#include "import/StatementReading.h"

#include "platform/Locale.h"

#include <QRegularExpression>

namespace import {

ReadResult ReadQif(const QByteArray& data, std::optional<DateOrder> dateOrder) {
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
            const auto date = ParseStatementDate(value, dateOrder.value_or(DateOrder::MonthDayYear));
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

} // namespace import
