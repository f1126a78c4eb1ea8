#pragma once
// The look ahead: the ledger's scheduled transactions that fall due up to a horizon, each with the running balance
// continuing from the register's last row, and the lowest balance the register's rows and those occurrences reach
// between today and the horizon. Nothing here is ever written to the data file.

#include "ledger/Schedules.h"
#include "register/RegisterRows.h"

#include <cstdint>
#include <vector>

struct UpcomingRow {
    int schedule = 0; // its index in the schedules
    ledger::Occurrence occurrence;
    // The transaction an Enter would add (the amount, when it varies, is the expected one).
    int16_t typeCode = ledger::CheckOrPayment;
    bool isCheck = false;
    QString description;
    int64_t amountCents = 0;
    bool amountVaries = false;
    int64_t balanceCents = 0; // the running balance after it
    bool due = false;         // falls on or before today (due or overdue)
    bool operator==(const UpcomingRow&) const = default;
};

// What the forecast's bounds left out; nothing when both are 0.
struct ForecastCut {
    double from = 0;          // occurrences falling on this day and later: there were more than MaxForecastRows
    double overdueBefore = 0; // overdue occurrences whose days come before this one
    bool operator==(const ForecastCut&) const = default;
};

// One change of the balance after today's, in the order the forecast takes them: a register row dated after today,
// or an upcoming occurrence (a due one on today).
struct ForecastStep {
    double day = 0;
    int64_t cents = 0;        // signed: credits plus, debits minus
    int64_t balanceCents = 0; // the balance after it
    bool operator==(const ForecastStep&) const = default;
};

struct Forecast {
    double today = 0;
    double through = 0;            // today + the horizon's days; the day before cut.from when that is later than today
    int64_t todayCents = 0;        // the balance at the end of today: the starting balance and the rows up to today
    std::vector<UpcomingRow> rows; // pending occurrences up to `through` (overdue ones too), by day then schedule
    int due = 0;                   // how many of them are due (on or before today)
    // The lowest balance after today through `through`, the register's later rows and the upcoming ones taken in
    // date order from todayCents (due ones as of today, the register's rows first on a day they share); today and
    // todayCents when nothing takes it lower.
    double lowestDay = 0;
    int64_t lowestCents = 0;
    // That walk from todayCents through `through`, step by step: the lowest point is its lowest, and the chart
    // draws it.
    std::vector<ForecastStep> steps;
    ForecastCut cut;
};

// Bounds no household's schedules reach, so that schedules from the year 100 (a companion file edited by hand or
// damaged) cost no more time and memory than these: at most MaxForecastRows occurrences in all, the later days left
// out whole; overdue ones at most MaxOverdueDays before today, the older ones left out.
constexpr int MaxForecastRows = 10000;
constexpr int MaxOverdueDays = 3660;

// `rows` sorted and balanced (BuildRegisterRows, or the register window's own); `startingCents` the ledger's
// starting balance in cents. Upcoming rows continue from the last row's balance (from startingCents without rows).
Forecast MakeForecast(const std::vector<RegisterRow>& rows, int64_t startingCents,
                      const std::vector<ledger::Schedule>& schedules, double today, int horizonDays);

// The forecast of the ledger in the store, from its starting balance and schedules, for `rows` (BuildRegisterRows,
// or the register window's own as edited).
Forecast StoreForecast(const std::vector<RegisterRow>& rows, double today, int horizonDays);

// The upcoming row as a register row, for its cells: a check shows its type, as it has no number until entered.
RegisterRow AsRegisterRow(const UpcomingRow& row);
