#include "register/BalanceSeries.h"

#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <algorithm>
#include <cmath>

namespace {

struct Change {
    double day;
    int64_t cents;
};

// Appends the balance at the end of `day`, or updates the point already there for that day.
void EndOfDay(std::vector<BalancePoint>& points, double day, int64_t cents) {
    if (!points.empty() && points.back().day == day)
        points.back().cents = cents;
    else
        points.push_back({day, cents});
}

class Months {
public:
    Months(double first, double last) {
        const QDate from = platform::DateFromDayCount(first);
        const QDate to = platform::DateFromDayCount(last);
        if (!from.isValid() || !to.isValid())
            return;
        firstIndex = Index(from);
        for (int i = firstIndex; i <= Index(to); ++i)
            flows.push_back({i / 12, i % 12 + 1, 0, 0, 0, 0});
    }
    void Add(double day, int64_t cents, bool forecast) {
        const QDate date = platform::DateFromDayCount(day);
        if (!date.isValid())
            return;
        const int i = Index(date) - firstIndex;
        if (i < 0 || i >= int(flows.size()))
            return;
        MonthFlow& flow = flows[size_t(i)];
        int64_t& sum =
            cents >= 0 ? (forecast ? flow.forecastIn : flow.inCents) : (forecast ? flow.forecastOut : flow.outCents);
        sum = AddToBalance(sum, cents >= 0 ? cents : -cents);
    }
    std::vector<MonthFlow> flows;

private:
    static int Index(const QDate& date) { return date.year() * 12 + date.month() - 1; }
    int firstIndex = 0;
};

} // namespace

BalanceSeries MakeBalanceSeries(const std::vector<RegisterRow>& rows, int64_t startingCents, const Forecast& forecast,
                                double lockDate, double reconciledDate) {
    BalanceSeries series;
    series.today = forecast.today;
    series.through = forecast.through;
    series.lockDate = lockDate;
    series.reconciledDate = reconciledDate;
    series.lowest = {forecast.lowestDay, forecast.lowestCents};
    series.cut = forecast.cut;

    // The past, the register's later rows and the scheduled ones, each in date order.
    std::vector<Change> past;
    std::vector<Change> later;
    for (const RegisterRow& row : rows) {
        if (!row.dateDay)
            continue;
        const double day = std::floor(*row.dateDay);
        if (day > forecast.through)
            continue;
        (day <= forecast.today ? past : later).push_back({day, SignedCents(row.record)});
    }
    for (const UpcomingRow& upcoming : forecast.rows) {
        const int64_t cents = ledger::IsCredit(upcoming.typeCode) ? upcoming.amountCents : -upcoming.amountCents;
        // Due and overdue ones are not in today's balance: the forecast takes them on today.
        later.push_back({std::max(upcoming.occurrence.day, forecast.today), cents});
    }
    std::stable_sort(later.begin(), later.end(), [](const Change& a, const Change& b) { return a.day < b.day; });

    const double first = past.empty() ? forecast.today : past.front().day;
    Months months(first, std::max(first, forecast.through));
    int64_t balance = startingCents;
    for (const Change& change : past) {
        balance = AddToBalance(balance, change.cents);
        EndOfDay(series.past, change.day, balance);
        months.Add(change.day, change.cents, false);
    }
    if (!series.past.empty())
        EndOfDay(series.past, forecast.today, balance);

    series.forecast.push_back({forecast.today, forecast.todayCents});
    balance = forecast.todayCents;
    for (const Change& change : later) {
        balance = AddToBalance(balance, change.cents);
        // Due items drop the line at today itself: a point of their own after today's balance.
        if (change.day == forecast.today && series.forecast.size() == 1)
            series.forecast.push_back({change.day, balance});
        else
            EndOfDay(series.forecast, change.day, balance);
        months.Add(change.day, change.cents, true);
    }
    // The last balance holds to the horizon, so the forecast always reaches it.
    if (series.forecast.back().day < forecast.through)
        series.forecast.push_back({forecast.through, balance});
    series.months = std::move(months.flows);
    return series;
}

std::optional<BalancePoint> NearestPoint(const BalanceSeries& series, double day) {
    std::optional<BalancePoint> nearest;
    for (const std::vector<BalancePoint>* points : {&series.past, &series.forecast}) {
        const auto after = std::lower_bound(points->begin(), points->end(), day,
                                            [](const BalancePoint& point, double d) { return point.day < d; });
        for (const auto candidate : {after, after - (after != points->begin() ? 1 : 0)}) {
            if (candidate == points->end())
                continue;
            if (!nearest || std::fabs(candidate->day - day) < std::fabs(nearest->day - day) ||
                (std::fabs(candidate->day - day) == std::fabs(nearest->day - day) && candidate->day > nearest->day))
                nearest = *candidate;
        }
    }
    return nearest;
}
