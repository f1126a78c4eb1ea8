#pragma once
// Where the money went over a period: spending and income by category, by month and by payee, each with the same
// figures for the period before it. Computed from the store's live transactions and their categories
// (ledger/Categories.h) in whole cents, so that every total is the exact sum of its lines.
//
// Spending and income. A category's kind is that of its top-level category over the whole ledger: income when the
// transactions and parts in it and under it add to the balance (credits above debits), spending otherwise; so a
// category keeps its side from one period to the next and a refund lowers its spending. A spending category's
// amount is its debits less its credits in the period; an income category's its credits less its debits. A
// transaction without a category counts as "no category": its debits on the spending side, its credits on the
// income side (a 0.00 one by its type). Each part of a split counts in its own category, and a part without one
// on the side its sign in the balance says.

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace report {

// Both days included.
struct Period {
    QDate from;
    QDate to;
    bool operator==(const Period&) const = default;
};

enum class PeriodKind { ThisMonth, LastMonth, ThisYear, LastYear, Last12Months, Dates };

// The period of a kind as seen on `today`; Dates takes `from` and `to` as they are (swapped when reversed). This
// month and this year are whole, days after today included. The last 12 months end with today and start the day
// after the same day a year before. A period with an invalid date holds nothing.
Period PeriodOf(PeriodKind kind, QDate today, QDate from = {}, QDate to = {});
// The period of the same length just before: the months before when `period` spans whole months, from a day to the
// day before the same day months later (the month before a calendar month, the year before a year, the 12 months
// before the last 12 months); else as many days.
Period PreviousPeriod(const Period& period);

// One row of a side's tree: a category with its subtotal (itself and every category under it). `path` is empty for
// "no category", which has no parent and comes last.
struct CategoryLine {
    QString path;
    int depth = 0;             // 0 for a top-level category
    int64_t cents = 0;         // the subtotal in the period
    int64_t ownCents = 0;      // the category's own, without those under it
    int64_t previousCents = 0; // the subtotal in the previous period
    int transactions = 0;      // in the period, itself and under it
    double share = 0;          // cents over the side's total (0 when that is 0)
};

struct CategorySide {
    std::vector<CategoryLine> lines; // depth first, siblings by their names (QString::localeAwareCompare)
    int64_t totalCents = 0;
    int64_t previousTotalCents = 0;
};

struct CategoryReport {
    Period period;
    Period previous;
    CategorySide spending;
    CategorySide income;
};

struct MonthLine {
    QDate month; // its first day
    int64_t incomeCents = 0;
    int64_t spendingCents = 0;
    // The same days moved back as PreviousPeriod moves the period (by whole months, else by days), so that the
    // lines' previous figures add up to the previous period's totals.
    int64_t previousIncomeCents = 0;
    int64_t previousSpendingCents = 0;
};

struct PayeeLine {
    QString payee;             // as the register shows it, trailing blanks left out
    int64_t spendingCents = 0; // its debits less its credits
    int64_t previousSpendingCents = 0;
    int transactions = 0;
};

// Categories only in the list (never used in the period or the previous one) are left out. A category whose
// transactions are all split into others appears only through its parts.
CategoryReport ByCategory(const Period& period);
// Every calendar month the period touches, first to last; the sides' totals of ByCategory for the same days.
std::vector<MonthLine> ByMonth(const Period& period);
// Payees with a debit (a check, payment, withdrawal or fee) in the period or the previous one, most spent first,
// then by name.
std::vector<PayeeLine> ByPayee(const Period& period);

// The transactions (slots) a category holds in a period, itself and under it, a split counting when one of its
// parts does; an empty path asks for those without a category (or with a part without one). In slot order, for the
// register's filtered view.
std::vector<int16_t> SlotsInCategory(const QString& path, const Period& period);

// Whether a category is on the income side: that of its top-level category, over the whole ledger. False for an
// empty path. One pass over the store: callers asking for many keep the answer per top-level category.
bool IsIncomeCategory(const QString& path);

} // namespace report
