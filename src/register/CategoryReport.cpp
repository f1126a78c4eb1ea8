// The report's figures from the store: one pass over the records gathers those in the period and the one before,
// and the sides of the top-level categories over the whole ledger; every figure is then summed in whole cents.
#include "register/CategoryReport.h"

#include "ledger/Categories.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace report {

namespace {

// The calendar months the period touches.
int MonthsIn(const Period& period) {
    return (period.to.year() - period.from.year()) * 12 + period.to.month() - period.from.month() + 1;
}

// How many months the period spans when it runs from a day to the day before the same day months later (whole
// calendar months, the last 12 months); 0 when it does not.
int WholeMonthsIn(const Period& period) {
    for (const int months : {MonthsIn(period) - 1, MonthsIn(period)})
        if (months > 0 && period.from.addMonths(months) == period.to.addDays(1))
            return months;
    return 0;
}

bool IsValid(const Period& period) {
    return period.from.isValid() && period.to.isValid() && period.from <= period.to;
}

QString TopLevelOf(const QString& path) {
    return path.section(ledger::CategorySeparator, 0, 0);
}

// A transaction the report may count: in the period or the one before.
struct Row {
    int16_t slot = 0;
    QDate date;
    int typeCode = 0;
    int64_t cents = 0; // the record's own, unsigned
    QString description;
    ledger::CategoryAssignment assignment;
};

struct Gathered {
    std::vector<Row> rows;
    QHash<QString, int64_t> topLevelBalance; // over the whole ledger, in the balance's sense
};

// Every live record dated in one of `periods` (invalid ones hold nothing), and the balance of every top-level
// category over the whole ledger.
Gathered Gather(std::initializer_list<Period> periods) {
    Gathered gathered;
    std::vector<std::pair<double, double>> ranges;
    for (const Period& period : periods)
        if (IsValid(period))
            ranges.emplace_back(platform::DayCountFromDate(period.from), platform::DayCountFromDate(period.to));
    ledger::TransactionRecord record;
    int16_t slot = 1;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record), ++slot) {
        if (!ledger::IsTypeCode(record.TypeCode))
            continue;
        const int64_t cents = ledger::ToCents(record.Amount);
        ledger::CategoryAssignment assignment = ledger::CategoryOf(slot);
        if (assignment.IsSplit()) {
            for (const ledger::SplitPart& part : assignment.parts)
                if (!part.category.isEmpty())
                    gathered.topLevelBalance[TopLevelOf(part.category)] +=
                        ledger::SignedCents(record.TypeCode, part.cents);
        } else if (!assignment.category.isEmpty()) {
            gathered.topLevelBalance[TopLevelOf(assignment.category)] += ledger::SignedCents(record.TypeCode, cents);
        }
        const double day = std::floor(record.Date);
        if (std::none_of(ranges.begin(), ranges.end(),
                         [day](const auto& range) { return day >= range.first && day <= range.second; }))
            continue;
        gathered.rows.push_back({slot, platform::DateFromDayCount(record.Date), record.TypeCode, cents,
                                 record.Description, std::move(assignment)});
    }
    return gathered;
}

// What one category (or "no category", an empty path) of a row counts on its side: more spending on the spending
// side, more income on the income side.
struct Share {
    QString path;
    bool income = false;
    int64_t cents = 0;
};

class Sides {
public:
    explicit Sides(const QHash<QString, int64_t>& topLevelBalance) : balance(topLevelBalance) {}

    std::vector<Share> SharesOf(const Row& row) const {
        std::vector<Share> shares;
        if (row.assignment.IsSplit()) {
            for (const ledger::SplitPart& part : row.assignment.parts)
                shares.push_back(ShareOf(row, part.category, part.cents));
        } else {
            shares.push_back(ShareOf(row, row.assignment.category, row.cents));
        }
        return shares;
    }

private:
    Share ShareOf(const Row& row, const QString& path, int64_t cents) const {
        const int64_t signedCents = ledger::SignedCents(row.typeCode, cents);
        const bool income = path.isEmpty() ? signedCents > 0 || (signedCents == 0 && ledger::IsCredit(row.typeCode))
                                           : balance.value(TopLevelOf(path)) > 0;
        return {path, income, income ? signedCents : -signedCents};
    }
    const QHash<QString, int64_t>& balance;
};

bool Contains(const Period& period, const QDate& date) {
    return IsValid(period) && date >= period.from && date <= period.to;
}

QString ParentOf(const QString& path) {
    const qsizetype last = path.lastIndexOf(ledger::CategorySeparator);
    return last < 0 ? QString() : path.left(last);
}

struct Node {
    int64_t cents = 0;
    int64_t ownCents = 0;
    int64_t previousCents = 0;
    int transactions = 0;
};

// A side's categories, "no category" under the empty path.
struct SideNodes {
    QHash<QString, Node> nodes;
    bool hasUncategorised = false;
};

CategorySide SideOf(const SideNodes& side) {
    CategorySide result;
    QHash<QString, QStringList> children;
    for (auto it = side.nodes.cbegin(); it != side.nodes.cend(); ++it)
        if (!it.key().isEmpty())
            children[ParentOf(it.key())] << it.key();
    for (QStringList& names : children)
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            const int order = QString::localeAwareCompare(ledger::CategoryLeaf(a), ledger::CategoryLeaf(b));
            return order != 0 ? order < 0 : a < b; // names the locale ranks alike still come in one order
        });
    const auto put = [&](const QString& path, int depth) {
        const Node node = side.nodes.value(path);
        result.lines.push_back({path, depth, node.cents, node.ownCents, node.previousCents, node.transactions, 0});
        if (depth == 0) {
            result.totalCents += node.cents;
            result.previousTotalCents += node.previousCents;
        }
    };
    const auto putTree = [&](const QString& path, int depth, const auto& self) -> void {
        put(path, depth);
        for (const QString& child : children.value(path))
            self(child, depth + 1, self);
    };
    for (const QString& top : children.value(QString()))
        putTree(top, 0, putTree);
    if (side.hasUncategorised)
        put(QString(), 0);
    for (CategoryLine& line : result.lines)
        line.share = result.totalCents == 0 ? 0 : double(line.cents) / double(result.totalCents);
    return result;
}

// The day of the period that `date` of the previous period stands for, as PreviousPeriod moved it back.
QDate MovedForward(const Period& period, const Period& previous, const QDate& date) {
    const int months = WholeMonthsIn(period);
    return months > 0 ? date.addMonths(months) : date.addDays(previous.from.daysTo(period.from));
}

QString PayeeOf(const QString& description) {
    qsizetype end = description.size();
    while (end > 0 && description.at(end - 1).isSpace())
        --end;
    return description.left(end);
}

} // namespace

Period PeriodOf(PeriodKind kind, QDate today, QDate from, QDate to) {
    const QDate month(today.year(), today.month(), 1);
    const QDate year(today.year(), 1, 1);
    switch (kind) {
    case PeriodKind::ThisMonth:
        return {month, month.addMonths(1).addDays(-1)};
    case PeriodKind::LastMonth:
        return {month.addMonths(-1), month.addDays(-1)};
    case PeriodKind::ThisYear:
        return {year, year.addYears(1).addDays(-1)};
    case PeriodKind::LastYear:
        return {year.addYears(-1), year.addDays(-1)};
    case PeriodKind::Last12Months:
        return {today.addYears(-1).addDays(1), today};
    case PeriodKind::Dates:
        break;
    }
    if (from.isValid() && to.isValid() && to < from)
        std::swap(from, to);
    return {from, to};
}

Period PreviousPeriod(const Period& period) {
    if (!IsValid(period))
        return {};
    if (const int months = WholeMonthsIn(period))
        return {period.from.addMonths(-months), period.from.addDays(-1)};
    const qint64 days = period.from.daysTo(period.to) + 1;
    return {period.from.addDays(-days), period.from.addDays(-1)};
}

CategoryReport ByCategory(const Period& period) {
    const Period previous = PreviousPeriod(period);
    const Gathered gathered = Gather({period, previous});
    const Sides sides(gathered.topLevelBalance);
    SideNodes spending;
    SideNodes income;
    for (const Row& row : gathered.rows) {
        const bool current = Contains(period, row.date);
        QSet<std::pair<bool, QString>> counted;
        for (const Share& share : sides.SharesOf(row)) {
            SideNodes& side = share.income ? income : spending;
            side.hasUncategorised = side.hasUncategorised || share.path.isEmpty();
            const QStringList paths =
                share.path.isEmpty() ? QStringList{QString()} : ledger::CategoryAndParents(share.path);
            for (const QString& path : paths) {
                Node& node = side.nodes[path];
                if (!current) {
                    node.previousCents += share.cents;
                    continue;
                }
                node.cents += share.cents;
                if (path == share.path)
                    node.ownCents += share.cents;
                if (!counted.contains({share.income, path})) {
                    counted.insert({share.income, path});
                    node.transactions += 1;
                }
            }
        }
    }
    return {period, previous, SideOf(spending), SideOf(income)};
}

std::vector<MonthLine> ByMonth(const Period& period) {
    if (!IsValid(period))
        return {};
    const Period previous = PreviousPeriod(period);
    std::vector<MonthLine> lines(size_t(MonthsIn(period)));
    const QDate first(period.from.year(), period.from.month(), 1);
    for (size_t i = 0; i < lines.size(); ++i)
        lines[i].month = first.addMonths(int(i));
    const Gathered gathered = Gather({period, previous});
    const Sides sides(gathered.topLevelBalance);
    for (const Row& row : gathered.rows) {
        const bool current = Contains(period, row.date);
        const QDate date = current ? row.date : MovedForward(period, previous, row.date);
        // A day moved by whole months may pass the period's last day (January 30 + 1 month = February 28), never
        // its last month.
        MonthLine& line = lines[size_t((date.year() - first.year()) * 12 + date.month() - first.month())];
        for (const Share& share : sides.SharesOf(row))
            (current ? (share.income ? line.incomeCents : line.spendingCents)
                     : (share.income ? line.previousIncomeCents : line.previousSpendingCents)) += share.cents;
    }
    return lines;
}

std::vector<PayeeLine> ByPayee(const Period& period) {
    const Period previous = PreviousPeriod(period);
    QHash<QString, PayeeLine> payees;
    QSet<QString> spent;
    for (const Row& row : Gather({period, previous}).rows) {
        const QString payee = PayeeOf(row.description);
        PayeeLine& line = payees[payee];
        line.payee = payee;
        const int64_t spending = -ledger::SignedCents(row.typeCode, row.cents);
        if (!ledger::IsCredit(row.typeCode))
            spent.insert(payee);
        if (Contains(period, row.date)) {
            line.spendingCents += spending;
            line.transactions += 1;
        } else {
            line.previousSpendingCents += spending;
        }
    }
    std::vector<PayeeLine> lines;
    for (const PayeeLine& line : payees)
        if (spent.contains(line.payee))
            lines.push_back(line);
    std::sort(lines.begin(), lines.end(), [](const PayeeLine& a, const PayeeLine& b) {
        if (a.spendingCents != b.spendingCents)
            return a.spendingCents > b.spendingCents;
        return QString::localeAwareCompare(a.payee, b.payee) < 0;
    });
    return lines;
}

std::vector<int16_t> SlotsInCategory(const QString& path, const Period& period) {
    std::vector<int16_t> slots;
    for (const Row& row : Gather({period}).rows) {
        const auto holds = [&](const QString& category) {
            return path.isEmpty() ? category.isEmpty() : ledger::IsInCategory(category, path);
        };
        const ledger::CategoryAssignment& assignment = row.assignment;
        if (assignment.IsSplit() ? std::any_of(assignment.parts.begin(), assignment.parts.end(),
                                               [&](const ledger::SplitPart& part) { return holds(part.category); })
                                 : holds(assignment.category))
            slots.push_back(row.slot);
    }
    return slots;
}

bool IsIncomeCategory(const QString& path) {
    return !path.isEmpty() && Gather({}).topLevelBalance.value(TopLevelOf(path)) > 0;
}

} // namespace report
