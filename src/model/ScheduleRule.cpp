// The days a rule names: each candidate period (every N days, weeks or months from the start) gives one nominal day;
// those before the start are no occurrences, and the weekend shift moves the day it falls on.
#include "model/ScheduleRule.h"

#include "platform/Locale.h"

#include <cmath>

namespace ledger {

namespace {
bool IsWholeDay(double day) {
    return platform::IsDayCountInRange(day) && day == std::floor(day);
}

double ShiftedDay(const ScheduleRule& rule, const QDate& nominal) {
    const int weekday = nominal.dayOfWeek();
    const double day = platform::DayCountFromDate(nominal);
    if (weekday < 6 || rule.weekend == WeekendShift::On)
        return day;
    if (rule.weekend == WeekendShift::Before)
        return day - (weekday - 5);
    return day + (8 - weekday);
}

// The rule's day in the month of `first` (the first of a month).
QDate DayInMonth(const ScheduleRule& rule, const QDate& first) {
    const int last = first.daysInMonth();
    if (rule.place == MonthPlace::DayOfMonth)
        return first.addDays(std::min(rule.dayOfMonth, last) - 1);
    int day = 1 + (rule.weekday - first.dayOfWeek() + 7) % 7;
    if (rule.nth == LastWeekOfMonth) {
        while (day + 7 <= last)
            day += 7;
    } else {
        day += 7 * (rule.nth - 1);
    }
    return first.addDays(day - 1);
}

// The nominal day of the rule's `period`th period from the start (0 the start's own); invalid past the last day
// the program can show.
QDate PeriodDay(const ScheduleRule& rule, const QDate& start, int64_t period) {
    switch (rule.unit) {
    case RepeatUnit::Days:
    case RepeatUnit::Weeks: {
        const int64_t step = rule.every * (rule.unit == RepeatUnit::Weeks ? 7 : 1);
        const double day = platform::DayCountFromDate(start) + double(period * step);
        return day <= platform::LastDayCount ? platform::DateFromDayCount(day) : QDate();
    }
    case RepeatUnit::Months: {
        const int64_t months = int64_t(start.year()) * 12 + start.month() - 1 + period * rule.every;
        if (months / 12 > 9999)
            return {};
        return DayInMonth(rule, QDate(int(months / 12), int(months % 12) + 1, 1));
    }
    }
    return {};
}

// The period from which the search for nominal days after `afterNominal` may start: never later than the first one.
int64_t FirstPeriodAfter(const ScheduleRule& rule, const QDate& start, double afterNominal) {
    const double startDay = platform::DayCountFromDate(start);
    if (afterNominal < startDay)
        return 0;
    if (rule.unit == RepeatUnit::Months) {
        const QDate after = platform::DateFromDayCount(afterNominal);
        const int64_t months = (after.year() - start.year()) * 12 + after.month() - start.month();
        return std::max<int64_t>(0, months / rule.every - 1);
    }
    const int64_t step = rule.every * (rule.unit == RepeatUnit::Weeks ? 7 : 1);
    return int64_t(std::floor((afterNominal - startDay) / double(step)));
}
} // namespace

bool IsValidRule(const ScheduleRule& rule) {
    return rule.unit <= RepeatUnit::Months && rule.every >= 1 && rule.every <= MaxRepeatEvery &&
           rule.place <= MonthPlace::NthWeekday && rule.dayOfMonth >= 1 && rule.dayOfMonth <= 31 && rule.nth >= 1 &&
           rule.nth <= LastWeekOfMonth && rule.weekday >= 1 && rule.weekday <= 7 && IsWholeDay(rule.start) &&
           (rule.end == 0 || (IsWholeDay(rule.end) && rule.end >= rule.start)) && rule.count >= 0 &&
           rule.weekend <= WeekendShift::After;
}

std::vector<Occurrence> OccurrencesBetween(const ScheduleRule& rule, double afterNominal, double through, int limit) {
    std::vector<Occurrence> out;
    if (!IsValidRule(rule) || std::isnan(afterNominal) || std::isnan(through))
        return out;
    const QDate start = platform::DateFromDayCount(rule.start);
    // In months, the start's own month has no occurrence when the rule's day in it comes before the start.
    const bool startMonthMissed =
        rule.unit == RepeatUnit::Months && DayInMonth(rule, start.addDays(1 - start.day())) < start;
    for (int64_t period = FirstPeriodAfter(rule, start, afterNominal); int(out.size()) < limit; ++period) {
        const QDate nominal = PeriodDay(rule, start, period);
        if (!nominal.isValid())
            break;
        const double day = platform::DayCountFromDate(nominal);
        if (day < rule.start)
            continue;
        const int64_t index = startMonthMissed ? period - 1 : period;
        if ((rule.count > 0 && index >= rule.count) || (rule.end != 0 && day > rule.end) ||
            day > through + MaxWeekendShift)
            break;
        const double shifted = ShiftedDay(rule, nominal);
        if (day > afterNominal && shifted <= through)
            out.push_back({int(index), day, shifted});
    }
    return out;
}

std::optional<Occurrence> OccurrenceAfter(const ScheduleRule& rule, double afterNominal) {
    const std::vector<Occurrence> next = OccurrencesBetween(rule, afterNominal, platform::LastDayCount, 1);
    if (next.empty())
        return std::nullopt;
    return next.front();
}

} // namespace ledger
