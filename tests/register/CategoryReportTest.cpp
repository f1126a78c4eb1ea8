// The report's figures against sums written out plainly over a random ledger of categorised and split transactions.
#include "support/RegisterTestSupport.h"

#include "ledger/Categories.h"
#include "model/TransactionRules.h"
#include "register/CategoryReport.h"

#include <QHash>
#include <QSet>
#include <gtest/gtest.h>
#include <random>

using namespace report;

namespace {

struct Entry {
    int slot;
    QDate date;
    QString payee;
    bool credit;
    QString category;
    int64_t balanceCents; // plus for a credit
};

// 400 records of every type over 2024 to 2026, each with no category, one, or a split (with negative and
// uncategorised parts); one deleted record keeps its category hidden. Returns every category's share as an entry.
std::vector<Entry> BuildRandomLedger() {
    const QStringList categories = {"Food",   "Food:Groceries", "Food:Dining",     "Car:Fuel",
                                    "Salary", "Salary:Bonus",   "Transfer:Savings"};
    const QStringList payees = {"Grocer", "Diner", "Employer", "Garage", "Bank"};
    std::mt19937 random(34);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    std::vector<Entry> entries;
    for (int slot = 1; slot <= 400; ++slot) {
        const int type = pick(5);
        const QDate date = QDate(2024, 1, 1).addDays(pick(3 * 366));
        const int64_t cents = pick(4) == 0 ? 0 : 1 + pick(90000);
        const QString payee = payees[pick(payees.size())];
        ledger::AddTransaction(type == 0 ? int16_t(slot) : 0, platform::DayCountFromDate(date), float(cents) / 100,
                               payee, int16_t(type));
        ledger::CategoryAssignment assignment;
        const int kind = pick(5);
        if (kind == 0 && cents > 0) {
            int64_t left = cents;
            for (int part = pick(3); part >= 0; --part) {
                const int64_t each = pick(int(cents)) - int64_t(cents / 3);
                assignment.parts.push_back({pick(4) == 0 ? QString() : categories[pick(categories.size())], {}, each});
                left -= each;
            }
            assignment.parts.push_back({categories[pick(categories.size())], {}, left});
        } else if (kind > 1) {
            const bool pay = ledger::IsCredit(type) && kind < 4;
            assignment.category = pay ? categories[4 + kind % 2] : categories[pick(categories.size())];
        }
        EXPECT_TRUE(ledger::SetCategory(int16_t(slot), assignment));
        EXPECT_EQ(ledger::PartsTotal(ledger::CategoryOf(int16_t(slot)).parts), assignment.IsSplit() ? cents : 0);
        if (slot == 200) {
            EXPECT_TRUE(ledger::DeleteTransaction(int16_t(slot)));
            continue;
        }
        const auto add = [&](const QString& category, int64_t part) {
            entries.push_back({slot, date, payee, ledger::IsCredit(type), category, ledger::SignedCents(type, part)});
        };
        if (assignment.IsSplit())
            for (const ledger::SplitPart& part : assignment.parts)
                add(part.category, part.cents);
        else
            add(assignment.category, cents);
    }
    return entries;
}

struct Expected {
    int64_t cents = 0, own = 0, previous = 0;
    QSet<int> slots;
};

TEST(CategoryReportTest, EveryFigureIsTheDirectSumOfItsTransactionsForEveryPeriod) {
    ledger::NewLedger();
    const std::vector<Entry> entries = BuildRandomLedger();
    QHash<QString, int64_t> topBalance;
    for (const Entry& e : entries)
        if (!e.category.isEmpty())
            topBalance[e.category.section(':', 0, 0)] += e.balanceCents;
    const auto isIncome = [&](const Entry& e) {
        return e.category.isEmpty() ? e.balanceCents > 0 || (e.balanceCents == 0 && e.credit)
                                    : topBalance[e.category.section(':', 0, 0)] > 0;
    };
    EXPECT_TRUE(IsIncomeCategory("Salary:Bonus"));
    EXPECT_FALSE(IsIncomeCategory("Food"));

    const QDate today(2025, 3, 15);
    const struct {
        PeriodKind kind;
        Period period, previous;
    } cases[] = {
        {PeriodKind::ThisMonth, {{2025, 3, 1}, {2025, 3, 31}}, {{2025, 2, 1}, {2025, 2, 28}}},
        {PeriodKind::LastMonth, {{2025, 2, 1}, {2025, 2, 28}}, {{2025, 1, 1}, {2025, 1, 31}}},
        {PeriodKind::ThisYear, {{2025, 1, 1}, {2025, 12, 31}}, {{2024, 1, 1}, {2024, 12, 31}}},
        {PeriodKind::LastYear, {{2024, 1, 1}, {2024, 12, 31}}, {{2023, 1, 1}, {2023, 12, 31}}},
        {PeriodKind::Last12Months, {{2024, 3, 16}, {2025, 3, 15}}, {{2023, 3, 16}, {2024, 3, 15}}},
        {PeriodKind::Dates, {{2024, 11, 20}, {2025, 2, 10}}, {{2024, 8, 29}, {2024, 11, 19}}},
        {PeriodKind::Dates, {{2025, 1, 31}, {2025, 2, 27}}, {{2024, 12, 31}, {2025, 1, 30}}}, // a month to its end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period.from.toString(Qt::ISODate).toStdString());
        const Period period = PeriodOf(c.kind, today, c.period.to, c.period.from);
        ASSERT_EQ(period, c.period);
        ASSERT_EQ(PreviousPeriod(period), c.previous);

        QHash<QString, Expected> expected[2]; // spending, income; "no category" under ""
        int64_t totals[2] = {}, previousTotals[2] = {};
        QHash<QString, Expected> payees;
        for (const Entry& e : entries) {
            const bool now = e.date >= c.period.from && e.date <= c.period.to;
            if (!now && !(e.date >= c.previous.from && e.date <= c.previous.to))
                continue;
            const bool income = isIncome(e);
            const int64_t cents = income ? e.balanceCents : -e.balanceCents;
            (now ? totals : previousTotals)[income] += cents;
            const QStringList paths = e.category.isEmpty() ? QStringList{""} : ledger::CategoryAndParents(e.category);
            for (const QString& path : paths) {
                Expected& x = expected[income][path];
                (now ? x.cents : x.previous) += cents;
                if (now) {
                    x.own += path == e.category ? cents : 0;
                    x.slots.insert(e.slot);
                }
            }
            Expected& p = payees[e.payee]; // a record's shares add up to its amount
            (now ? p.cents : p.previous) -= e.balanceCents;
            if (now)
                p.slots.insert(e.slot);
        }

        const CategoryReport report = ByCategory(period);
        const CategorySide* sides[2] = {&report.spending, &report.income};
        for (int income = 0; income < 2; ++income) {
            const CategorySide& side = *sides[income];
            EXPECT_EQ(side.totalCents, totals[income]);
            EXPECT_EQ(side.previousTotalCents, previousTotals[income]);
            ASSERT_EQ(side.lines.size(), size_t(expected[income].size()));
            for (size_t i = 0; i < side.lines.size(); ++i) {
                const CategoryLine& line = side.lines[i];
                SCOPED_TRACE(line.path.toStdString());
                ASSERT_TRUE(expected[income].contains(line.path));
                const Expected& x = expected[income][line.path];
                EXPECT_EQ(line.cents, x.cents);
                EXPECT_EQ(line.ownCents, x.own);
                EXPECT_EQ(line.previousCents, x.previous);
                EXPECT_EQ(line.transactions, x.slots.size());
                EXPECT_EQ(line.depth, line.path.count(':'));
                if (i > 0 && line.depth == 0 && !line.path.isEmpty()) {
                    EXPECT_LT(QString::localeAwareCompare(side.lines[i - 1].path.section(':', 0, 0), line.path), 0);
                }
                EXPECT_EQ(SlotsInCategory(line.path, period).size(),
                          size_t((expected[0].value(line.path).slots + expected[1].value(line.path).slots).size()));
            }
            EXPECT_TRUE(!expected[income].contains("") || side.lines.back().path.isEmpty()) << "comes last";
        }

        int64_t monthSums[4] = {};
        for (const MonthLine& m : ByMonth(period)) {
            EXPECT_EQ(m.month.day(), 1);
            monthSums[0] += m.spendingCents, monthSums[1] += m.incomeCents;
            monthSums[2] += m.previousSpendingCents, monthSums[3] += m.previousIncomeCents;
        }
        EXPECT_EQ(monthSums[0], totals[0]);
        EXPECT_EQ(monthSums[1], totals[1]);
        EXPECT_EQ(monthSums[2], previousTotals[0]);
        EXPECT_EQ(monthSums[3], previousTotals[1]);

        for (const PayeeLine& line : ByPayee(period)) {
            SCOPED_TRACE(line.payee.toStdString());
            ASSERT_TRUE(payees.contains(line.payee));
            EXPECT_EQ(line.spendingCents, payees[line.payee].cents);
            EXPECT_EQ(line.previousSpendingCents, payees[line.payee].previous);
            EXPECT_EQ(line.transactions, payees[line.payee].slots.size());
        }
    }
    ledger::NewLedger();
}

} // namespace
