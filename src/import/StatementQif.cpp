// QIF as personal-finance programs export it: lists (categories, classes, memorized transactions) before or between
// the accounts, several accounts each after its !Account header, and investment accounts a register does not keep.
#include "import/StatementReading.h"

#include "platform/Locale.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace import {

namespace {

enum class Section {
    None,          // before any header, or after an account's own fields
    AccountFields, // an !Account header's fields, up to its "^"
    Skipped,       // a list: categories, classes, memorized transactions, securities, prices, an account list
    Transactions,  // a bank, cash, credit card or other asset or liability account
    Investment,    // counted, not read
};

std::optional<Section> SectionOfType(const QString& type) {
    static const QStringList cash = {QStringLiteral("Bank"), QStringLiteral("Cash"), QStringLiteral("CCard"),
                                     QStringLiteral("Oth A"), QStringLiteral("Oth L")};
    static const QStringList lists = {QStringLiteral("Cat"), QStringLiteral("Class"), QStringLiteral("Memorized"),
                                      QStringLiteral("Security"), QStringLiteral("Prices")};
    const QString t = type.simplified();
    if (cash.contains(t, Qt::CaseInsensitive))
        return Section::Transactions;
    if (lists.contains(t, Qt::CaseInsensitive))
        return Section::Skipped;
    if (t.compare(QLatin1String("Invst"), Qt::CaseInsensitive) == 0)
        return Section::Investment;
    return std::nullopt;
}

struct WrittenDate {
    QString text;
    int line = 0;
};

struct OrderFound {
    DateOrder order = DateOrder::MonthDayYear;
    QString note;  // which order, and why; empty when no date is ambiguous
    QString error; // the dates disagree
};

// QIF writes no order. A day above 12 tells it; without one, dates written with dots are day first (as the programs
// of the countries that write them so), others month first (as QIF usually is).
OrderFound DateOrderOf(const std::vector<WrittenDate>& dates) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d{1,2})\s*[/.\-]\s*(\d{1,2})\s*[/.\-']\s*\d{1,4}\s*$)"));
    const WrittenDate *dayFirst = nullptr, *monthFirst = nullptr, *ambiguous = nullptr;
    for (const WrittenDate& d : dates) {
        const auto m = form.match(d.text);
        if (!m.hasMatch())
            continue;
        const int a = m.captured(1).toInt(), b = m.captured(2).toInt();
        if (a > 12 && b <= 12 && !dayFirst)
            dayFirst = &d;
        else if (b > 12 && a <= 12 && !monthFirst)
            monthFirst = &d;
        else if (!ambiguous)
            ambiguous = &d;
    }
    OrderFound found;
    const auto number = [](const WrittenDate& d, int part) {
        return d.text.split(QRegularExpression(QStringLiteral(R"(\D+)")), Qt::SkipEmptyParts).value(part).toInt();
    };
    if (dayFirst && monthFirst) {
        const WrittenDate& later = dayFirst->line > monthFirst->line ? *dayFirst : *monthFirst;
        found.error =
            QCoreApplication::translate(
                "QifStatement", "line %1: the dates are written in both orders: %2 is day first, %3 month first")
                .arg(QString::number(later.line), Shown(dayFirst->text.trimmed()), Shown(monthFirst->text.trimmed()));
    } else if (dayFirst) {
        found.order = DateOrder::DayMonthYear;
        found.note = QCoreApplication::translate("QifStatement", "Dates read day first (%1 has no month %2).")
                         .arg(Shown(dayFirst->text.trimmed()), QString::number(number(*dayFirst, 0)));
    } else if (monthFirst) {
        found.note = QCoreApplication::translate("QifStatement", "Dates read month first (%1 has no month %2).")
                         .arg(Shown(monthFirst->text.trimmed()), QString::number(number(*monthFirst, 1)));
    } else if (ambiguous && ambiguous->text.contains(QLatin1Char('.'))) {
        found.order = DateOrder::DayMonthYear;
        found.note =
            QCoreApplication::translate("QifStatement", "Dates read day first, as dates written with dots are (%1).")
                .arg(Shown(ambiguous->text.trimmed()));
    } else if (ambiguous) {
        found.note =
            QCoreApplication::translate("QifStatement", "Dates read month first, as QIF usually writes them (%1).")
                .arg(Shown(ambiguous->text.trimmed()));
    }
    return found;
}

// QIF's category field: "Category/Class" keeps the category, "[NAME]" is a transfer to the account NAME, and
// "--Split--" says only that the split lines follow.
QString QifCategory(const QString& written, bool* cut) {
    const QString value = written.trimmed();
    *cut = false;
    if (value == QLatin1String("--Split--"))
        return {};
    if (value.startsWith(QLatin1Char('['))) {
        const QString account = value.mid(1, value.indexOf(QLatin1Char(']')) - 1).trimmed();
        return account.isEmpty() ? QString() : StatementCategory(QStringLiteral("Transfer:") + account, cut);
    }
    return StatementCategory(value.section(QLatin1Char('/'), 0, 0), cut);
}

// A split's amount, signed as the transaction's; none, with `problem` set, for one finer than a cent.
std::optional<int64_t> SplitCents(const QString& value, QString& problem) {
    const QChar vote = DecimalVote(value);
    const QChar separator = vote.isNull() ? QLatin1Char('.') : vote;
    const auto cents = ParseStatementCents(value, separator);
    if (!cents && FinerThanCentAmount(value, separator))
        problem = FinerThanCentRefusal(value);
    return cents;
}

} // namespace

ReadResult ReadQif(const QByteArray& data, std::optional<DateOrder> dateOrder) {
    const QStringList lines = SplitLines(DecodeStatement(data));
    ReadResult result;
    Section section = Section::None;
    bool accountList = false; // between !Option:AutoSwitch and !Clear:AutoSwitch, !Account lists accounts
    StatementLine current;
    QString account;
    bool started = false, hasDate = false, hasAmount = false;
    QString memo, category;
    // The split lines (S, E, $) of the transaction: each S starts a part, as does an E or $ the part already has.
    std::vector<ledger::SplitPart> parts;
    bool partHasMemo = false, partHasCents = false;
    QString splitProblem;           // why the parts cannot be kept, other than their sum
    int firstCut = 0;               // the first line whose category was cut
    std::vector<WrittenDate> dates; // of result.lines, read once the order is known
    WrittenDate date;
    int investments = 0;

    // The parts become the line's when they add up to its amount; a single part is a category. Otherwise the
    // transaction is still added, whole, and a note says why its split is not: its money is what the bank booked.
    const auto keepSplit = [&] {
        if (parts.empty() || !current.refusal.isEmpty())
            return;
        const int64_t total = ledger::PartsTotal(parts);
        QString problem = splitProblem;
        if (problem.isEmpty() && parts.size() > size_t(ledger::MaxSplitParts))
            problem = QCoreApplication::translate("QifStatement", "more than %1 parts").arg(ledger::MaxSplitParts);
        else if (problem.isEmpty() && total != current.cents)
            problem = PartsDoNotAddUp(total, current.cents);
        if (!problem.isEmpty()) {
            result.notes.append(SplitLeftOutNote(current.source, problem));
        } else if (parts.size() == 1) {
            if (!parts[0].category.isEmpty())
                current.category = parts[0].category;
        } else {
            current.parts = parts;
        }
    };
    const auto splitPart = [&](bool forMemo, bool forCents) {
        if (parts.empty() || (forMemo && partHasMemo) || (forCents && partHasCents)) {
            parts.emplace_back();
            partHasMemo = partHasCents = false;
        }
        partHasMemo = partHasMemo || forMemo;
        partHasCents = partHasCents || forCents;
        return &parts.back();
    };

    auto finish = [&]() -> std::optional<ReadResult> {
        if (!hasDate)
            return Failure(current.source,
                           QCoreApplication::translate("QifStatement", "transaction without a date (D)"));
        if (!hasAmount)
            return Failure(current.source,
                           QCoreApplication::translate("QifStatement", "transaction without an amount (T)"));
        if (current.payee.isEmpty())
            current.payee = memo;
        bool cut = false;
        current.category = QifCategory(category, &cut);
        if (cut && !firstCut)
            firstCut = current.source;
        keepSplit();
        // QIF's opening balance is a transfer from the account itself: the balance it starts from, no transaction.
        // The statement's is the first account's; another account's is left out.
        if (current.payee == QLatin1String("Opening Balance") && category.startsWith(QLatin1Char('[')) &&
            (result.lines.empty() || result.lines.back().account != current.account) && current.refusal.isEmpty()) {
            if (result.lines.empty() && !result.openingCents)
                result.openingCents = current.cents;
        } else if (result.lines.size() >= MaxStatementLines) {
            return Failure(current.source, TooManyLines());
        } else {
            result.lines.push_back(current);
            dates.push_back(date);
        }
        current = {};
        memo.clear();
        category.clear();
        parts.clear();
        splitProblem.clear();
        started = hasDate = hasAmount = partHasMemo = partHasCents = false;
        return std::nullopt;
    };

    for (int i = 0; i < lines.size(); ++i) {
        const int n = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('!'))) {
            if (started && section == Section::Transactions) { // a transaction without its closing "^"
                if (auto failure = finish())
                    return *failure;
            }
            started = false;
            if (line.startsWith(QLatin1String("!Type:"), Qt::CaseInsensitive)) {
                const auto kind = SectionOfType(line.mid(6));
                if (!kind)
                    return Failure(
                        n, QCoreApplication::translate("QifStatement", "%1 is no bank, cash or credit card account")
                               .arg(Shown(line)));
                section = *kind;
                if (section == Section::Transactions && !account.isEmpty() && !result.accounts.contains(account))
                    result.accounts.append(account);
            } else if (line.startsWith(QLatin1String("!Account"), Qt::CaseInsensitive)) {
                section = accountList ? Section::Skipped : Section::AccountFields;
                if (!accountList)
                    account.clear();
            } else if (line.startsWith(QLatin1String("!Option:"), Qt::CaseInsensitive) ||
                       line.startsWith(QLatin1String("!Clear:"), Qt::CaseInsensitive)) {
                // Options hold no records of their own: the section goes on.
                if (line.mid(line.indexOf(QLatin1Char(':')) + 1)
                        .trimmed()
                        .compare(QLatin1String("AutoSwitch"), Qt::CaseInsensitive) == 0)
                    accountList = line.startsWith(QLatin1String("!Option:"), Qt::CaseInsensitive);
            } else {
                return Failure(n, QCoreApplication::translate("QifStatement", "unknown header %1").arg(Shown(line)));
            }
            continue;
        }
        if (section == Section::Skipped)
            continue;
        if (section == Section::Investment) {
            // Counted, not read: what they hold is shares, not the register's cash.
            if (line == QLatin1String("^")) {
                started = false;
            } else if (!started) {
                started = true;
                ++investments;
            }
            continue;
        }
        if (section == Section::AccountFields) {
            if (line == QLatin1String("^"))
                section = Section::None;
            else if (line.startsWith(QLatin1Char('N')))
                account = line.mid(1).trimmed();
            continue;
        }
        if (section == Section::None)
            return Failure(
                n, QCoreApplication::translate(
                       "QifStatement", "no !Type:Bank, !Type:Cash or !Type:CCard line before the transactions"));
        const QChar code = line[0].toUpper();
        const QString value = line.mid(1).trimmed();
        if (!started && code != QLatin1Char('^')) {
            started = true;
            current.source = n;
            current.account = account;
        }
        switch (code.unicode()) {
        case 'D':
            // The order is known once every date is read; what is no date in any order is refused here.
            if (!ParseStatementDate(value, DateOrder::MonthDayYear) &&
                !ParseStatementDate(value, DateOrder::DayMonthYear))
                return Failure(n, QCoreApplication::translate("QifStatement", "not a date: %1").arg(Shown(value)));
            date = {value, n};
            hasDate = true;
            break;
        case 'T':
        case 'U': {
            // QIF amounts use a decimal point; a file from a decimal-comma program writes "-12,50" or "1.000,00".
            const QChar vote = DecimalVote(value);
            const QChar separator = vote.isNull() ? QLatin1Char('.') : vote;
            const auto cents = ParseStatementCents(value, separator);
            const auto finer = cents ? std::nullopt : FinerThanCentAmount(value, separator);
            if (!cents && !finer)
                return Failure(n, QCoreApplication::translate("QifStatement", "not an amount: %1").arg(Shown(value)));
            current.cents = cents ? *cents : *finer;
            current.refusal = cents ? QString() : FinerThanCentRefusal(value);
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
        case 'S': {
            bool cut = false;
            parts.push_back({QifCategory(value, &cut), {}, 0});
            partHasMemo = partHasCents = false;
            if (cut && !firstCut)
                firstCut = n;
            break;
        }
        case 'E':
            splitPart(true, false)->memo =
                ledger::ControlCharactersAsSpaces(value).simplified().left(ledger::MaxPartMemoLength);
            break;
        case '$': {
            QString finer;
            const std::optional<int64_t> cents = SplitCents(value, finer);
            if (!cents && finer.isEmpty())
                return Failure(n, QCoreApplication::translate("QifStatement", "not an amount: %1").arg(Shown(value)));
            if (splitProblem.isEmpty())
                splitProblem = finer;
            splitPart(false, true)->cents = cents.value_or(0);
            break;
        }
        case '^':
            if (started) {
                if (auto failure = finish())
                    return *failure;
            }
            break;
        default: // cleared flag, address: nothing the register keeps
            break;
        }
    }
    if (started && section == Section::Transactions) { // a last transaction without its closing "^"
        if (auto failure = finish())
            return *failure;
    }

    OrderFound found;
    if (dateOrder)
        found.order = *dateOrder;
    else
        found = DateOrderOf(dates);
    if (!found.error.isEmpty())
        return {{}, found.error};
    for (size_t k = 0; k < result.lines.size(); ++k) {
        const auto day = ParseStatementDate(dates[k].text, found.order);
        if (!day)
            return Failure(dates[k].line,
                           QCoreApplication::translate("QifStatement", "not a date: %1").arg(Shown(dates[k].text)));
        result.lines[k].date = *day;
    }
    if (!found.note.isEmpty())
        result.notes.prepend(found.note);
    if (firstCut)
        result.notes.append(CategoriesCutNote(firstCut));
    if (investments > 0)
        result.notes.append(InvestmentNote(investments, result.lines.empty()));
    else if (result.lines.empty())
        result.notes.append(
            QCoreApplication::translate("QifStatement", "The file holds no bank, cash or credit card transactions."));
    return result;
}

} // namespace import
