// The look ahead: pending occurrences after the register's rows, and the lowest the balance goes on the way.
#include "register/Forecast.h"

#include "model/TransactionRules.h"

#include <algorithm>
#include <cmath>

namespace {

// Sorts the rows by day (schedules in order on one day, as each schedule's are in order and were added in order)
// and, over MaxForecastRows, cuts the day of the first row beyond it and every later one, so that no day is half
// shown. Returns the last day kept whole.
double SortAndCut(Forecast& f, double last) {
    std::stable_sort(f.rows.begin(), f.rows.end(),
                     [](const UpcomingRow& a, const UpcomingRow& b) { return a.occurrence.day < b.occurrence.day; });
    if (f.rows.size() <= size_t(MaxForecastRows))
        return last;
    const double cutDay = f.rows[size_t(MaxForecastRows)].occurrence.day;
    f.rows.erase(std::lower_bound(f.rows.begin(), f.rows.end(), cutDay,
                                  [](const UpcomingRow& row, double day) { return row.occurrence.day < day; }),
                 f.rows.end());
    f.cut.from = cutDay;
    return cutDay - 1;
}

// The pending occurrences of all schedules, within the bounds: no schedule walks more than MaxForecastRows + 1, and
// no more than three times MaxForecastRows are kept at once; once days are cut, the next schedules stop before them.
void CollectRows(Forecast& f, const std::vector<ledger::Schedule>& schedules) {
    const double overdueFrom = f.today - MaxOverdueDays;
    double last = f.through;
    for (size_t i = 0; i < schedules.size(); ++i) {
        const ledger::Schedule& s = schedules[i];
        if (s.rule.start < overdueFrom) {
            const std::optional<ledger::Occurrence> next = ledger::NextDue(s);
            if (next && next->nominal < overdueFrom)
                f.cut.overdueBefore = overdueFrom;
        }
        for (const ledger::Occurrence& o : ledger::PendingBetween(s, overdueFrom, last, MaxForecastRows + 1))
            f.rows.push_back(
                {int(i), o, s.typeCode, s.isCheck, s.description, s.amountCents, s.amountVaries, 0, o.day <= f.today});
        if (f.rows.size() > 2 * size_t(MaxForecastRows))
            last = SortAndCut(f, last);
    }
    SortAndCut(f, last);
    if (f.cut.from != 0)
        f.through = std::max(f.today, std::min(f.through, f.cut.from - 1));
}

} // namespace

Forecast MakeForecast(const std::vector<RegisterRow>& rows, int64_t startingCents,
                      const std::vector<ledger::Schedule>& schedules, double today, int horizonDays) {
    Forecast f;
    f.today = std::floor(today);
    f.through = f.today + std::clamp(horizonDays, 0, MaxHorizonDays);
    CollectRows(f, schedules);
    const auto signedCents = [](const UpcomingRow& row) {
        return ledger::IsCredit(row.typeCode) ? row.amountCents : -row.amountCents;
    };
    int64_t balance = rows.empty() ? startingCents : rows.back().balanceCents;
    for (UpcomingRow& row : f.rows) {
        balance = AddToBalance(balance, signedCents(row));
        row.balanceCents = balance;
        f.due += row.due ? 1 : 0;
    }

    // From today's balance: the due occurrences as of today, then the later rows and occurrences merged by day,
    // the register's rows first on a day they share.
    size_t real = 0;
    f.todayCents = startingCents;
    for (; real < rows.size() && DateSortKey(rows[real].dateDay) <= f.today; ++real)
        f.todayCents = AddToBalance(f.todayCents, SignedCents(rows[real].record));
    f.lowestDay = f.today;
    f.lowestCents = f.todayCents;
    balance = f.todayCents;
    const auto reach = [&f, &balance](double day, int64_t cents) {
        balance = AddToBalance(balance, cents);
        f.steps.push_back({day, cents, balance});
        if (balance < f.lowestCents) {
            f.lowestCents = balance;
            f.lowestDay = day;
        }
    };
    for (size_t next = 0;;) {
        const double realDay = real < rows.size() ? DateSortKey(rows[real].dateDay) : INFINITY;
        const double upcomingDay = next < f.rows.size() ? std::max(f.today, f.rows[next].occurrence.day) : INFINITY;
        if (std::min(realDay, upcomingDay) > f.through)
            break;
        if (realDay <= upcomingDay)
            reach(realDay, SignedCents(rows[real++].record));
        else
            reach(upcomingDay, signedCents(f.rows[next++]));
    }
    return f;
}

RegisterRow AsRegisterRow(const UpcomingRow& upcoming) {
    RegisterRow row;
    row.record.TypeCode = upcoming.typeCode;
    row.record.CheckNumber = upcoming.typeCode != ledger::CheckOrPayment ? 0
                             : upcoming.isCheck                          ? 1
                                                                         : ledger::PaymentCheckNumber;
    row.record.Date = upcoming.occurrence.day;
    row.record.Amount = float(double(upcoming.amountCents) / 100.0);
    row.dateDay = upcoming.occurrence.day;
    row.balanceCents = upcoming.balanceCents;
    row.typedDescription = upcoming.description;
    return row;
}
