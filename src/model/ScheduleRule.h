#pragma once
// When a scheduled transaction falls due: every N days, weeks or months (on a day of the month or the nth weekday),
// from a first day, until a last day or a number of times, moved off weekends as the user chose. Pure date
// arithmetic on the program's day numbers (days since 30 December 1899); nothing here touches the ledger.

#include <cstdint>
#include <optional>
#include <vector>

namespace ledger {

enum class RepeatUnit : uint8_t { Days, Weeks, Months };
// Months only: the same day of each month, or the nth weekday of each month.
enum class MonthPlace : uint8_t { DayOfMonth, NthWeekday };
// An occurrence on a Saturday or Sunday stays there, moves to the Friday before or to the Monday after.
enum class WeekendShift : uint8_t { On, Before, After };

struct ScheduleRule {
    RepeatUnit unit = RepeatUnit::Months;
    int every = 1; // 1 to MaxRepeatEvery
    MonthPlace place = MonthPlace::DayOfMonth;
    int dayOfMonth = 1; // 1 to 31; a month without that day takes its last day ("the 31st" is April 30)
    int nth = 1;        // 1 to 4, or LastWeekOfMonth
    int weekday = 1;    // 1 Monday to 7 Sunday
    double start = 0;   // the first day an occurrence may fall on (before the weekend shift); a whole day
    double end = 0;     // the last day an occurrence may fall on (before the weekend shift); 0 for none
    int count = 0;      // the number of occurrences in all, counted from the first; 0 for no limit
    WeekendShift weekend = WeekendShift::On;
    bool operator==(const ScheduleRule&) const = default;
};
constexpr int MaxRepeatEvery = 999;
constexpr int LastWeekOfMonth = 5;
// A weekend moves an occurrence by at most this many days.
constexpr double MaxWeekendShift = 2;
// The most occurrences one listing walks, so that a rule from the year 100 costs no more than that.
constexpr int MaxOccurrencesListed = 100000;

// True when every field is in its range, start is a day the program can show and end, when set, is not before it.
bool IsValidRule(const ScheduleRule& rule);

// One occurrence of a rule: its number (0 for the first on or after start), the day the rule names, and the day it
// falls on after the weekend shift.
struct Occurrence {
    int index = 0;
    double nominal = 0;
    double day = 0;
    bool operator==(const Occurrence&) const = default;
};

// The occurrences whose nominal day comes after `afterNominal` and whose shifted day is on or before `through`,
// in order; at most `limit` of them. Empty for an invalid rule.
std::vector<Occurrence> OccurrencesBetween(const ScheduleRule& rule, double afterNominal, double through,
                                           int limit = MaxOccurrencesListed);
// The first occurrence whose nominal day comes after `afterNominal`, if the rule has one.
std::optional<Occurrence> OccurrenceAfter(const ScheduleRule& rule, double afterNominal);

} // namespace ledger
