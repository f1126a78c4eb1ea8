// The look ahead: pending occurrences after the register's rows, and the lowest the balance goes on the way.
#include "register/Forecast.h"

#include "ledger/TransactionRules.h"

#include <algorithm>
#include <cmath>

Forecast MakeForecast(const std::vector<RegisterRow>& rows, int64_t startingCents,
                      const std::vector<ledger::Schedule>& schedules, double today, int horizonDays) {
    Forecast f;
    f.today = std::floor(today);
    f.through = f.today + std::clamp(horizonDays, 0, MaxHorizonDays);
    for (size_t i = 0; i < schedules.size(); ++i) {
        const ledger::Schedule& s = schedules[i];
        for (const ledger::Occurrence& occurrence : ledger::PendingThrough(s, f.through))
            f.rows.push_back({int(i), occurrence, s.typeCode, s.isCheck, s.description, s.amountCents, s.amountVaries,
                              0, occurrence.day <= f.today});
    }
    // Each schedule's occurrences are in order already: a stable sort by day keeps schedules in order on one day.
    std::stable_sort(f.rows.begin(), f.rows.end(),
                     [](const UpcomingRow& a, const UpcomingRow& b) { return a.occurrence.day < b.occurrence.day; });
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
