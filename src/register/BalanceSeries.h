#pragma once
// What the balance chart shows, as values: the balance at the end of every day the register changed it, from the
// first transaction through today; the forecast from today's balance through the horizon (the register's later rows
// and the scheduled transactions due by then); its lowest point; the money in and out of every calendar month; and
// the lock date and the last reconciled statement, marked on the time axis. The window, print and tallix-cli draw
// the same series.

#include "platform/LocaleCodec.h"
#include "register/Forecast.h"
#include "register/RegisterRows.h"

#include <cstdint>
#include <optional>
#include <vector>

struct BalancePoint {
    double day = 0;
    int64_t cents = 0; // the balance at the end of that day
    bool operator==(const BalancePoint&) const = default;
};

struct MonthFlow {
    int year = 0;
    int month = 0;           // 1 to 12
    int64_t inCents = 0;     // credits dated through today
    int64_t outCents = 0;    // debits dated through today, unsigned
    int64_t forecastIn = 0;  // credits of the forecast: later rows and scheduled ones
    int64_t forecastOut = 0; // debits of the forecast, unsigned
    bool operator==(const MonthFlow&) const = default;
};

struct BalanceSeries {
    double today = 0;
    double through = 0; // the horizon's last day
    // Ascending days, one point per day with a change; ends with today's balance when the ledger has rows.
    std::vector<BalancePoint> past;
    // Today's balance, then one point per later day with a change, and the last balance again on `through`.
    std::vector<BalancePoint> forecast;
    BalancePoint lowest;           // the lowest point of the forecast (today's when nothing takes it lower)
    std::vector<MonthFlow> months; // ascending, every month from the first point's to the horizon's
    double lockDate = 0;           // 0: none
    double reconciledDate = 0;     // the last reconciled statement's closing day; 0: none
    ForecastCut cut;               // what the forecast's bounds left out
    bool operator==(const BalanceSeries&) const = default;
};

// `rows` sorted (BuildRegisterRows or the register window's); `startingCents` the ledger's starting balance; the
// forecast made from the same rows (MakeForecast), whose walk the series draws after today. Rows without a date
// that reads back are left out.
BalanceSeries MakeBalanceSeries(const std::vector<RegisterRow>& rows, int64_t startingCents, const Forecast& forecast,
                                double lockDate, double reconciledDate);
// The series of the ledger in the store, with its schedules, lock date and statements, `horizonDays` after today.
BalanceSeries StoreBalanceSeries(const platform::LocaleCodec& codec, double today, int horizonDays);
// The point of the past or the forecast whose day lies nearest `day` (the later one of two as near); none for an
// empty series.
std::optional<BalancePoint> NearestPoint(const BalanceSeries& series, double day);
// True when the point lies in the forecast (after today), not in the past.
inline bool IsForecastPoint(const BalanceSeries& series, const BalancePoint& point) {
    return point.day > series.today;
}
