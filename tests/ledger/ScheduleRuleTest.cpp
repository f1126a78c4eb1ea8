// The days a schedule's rule names: month ends, leap years, nth weekdays, weekend shifts, counts and end dates.
#include "model/ScheduleRule.h"
#include "support/RegisterTestSupport.h"

#include <gtest/gtest.h>

using namespace ledger;
using tallix::test::Day;

namespace {

// "index:nominal", and ">day" when the weekend moved it.
std::string Listed(const std::vector<Occurrence>& occurrences) {
    const auto text = [](double day) { return platform::DateFromDayCount(day).toString(Qt::ISODate).toStdString(); };
    std::string out;
    for (const Occurrence& o : occurrences)
        out += (out.empty() ? "" : " ") + std::to_string(o.index) + ":" + text(o.nominal) +
               (o.day != o.nominal ? ">" + text(o.day) : "");
    return out;
}

TEST(ScheduleRuleTest, OccurrencesOfATableOfRules) {
    using enum RepeatUnit;
    const auto monthly = [](int y, int m, int d, int dayOfMonth) {
        return ScheduleRule{.dayOfMonth = dayOfMonth, .start = Day(y, m, d)};
    };
    const auto nth = [](int nth, int weekday) {
        return ScheduleRule{.place = MonthPlace::NthWeekday, .nth = nth, .weekday = weekday, .start = Day(2024, 1, 1)};
    };
    const auto june1 = [](WeekendShift shift) { return ScheduleRule{.start = Day(2024, 6, 1), .weekend = shift}; };
    const auto every = [](RepeatUnit unit, int every, double start, double end = 0, int count = 0) {
        return ScheduleRule{.unit = unit, .every = every, .dayOfMonth = 31, .start = start, .end = end, .count = count};
    };
    const ScheduleRule lateStart{.start = Day(2024, 1, 15), .count = 2}; // the 1st of each month
    const struct {
        const char* what;
        ScheduleRule rule;
        double after;
        double through;
        const char* expected;
    } cases[] = {
        {"the 31st in short months", monthly(2024, 1, 31, 31), 0, Day(2024, 5, 1),
         "0:2024-01-31 1:2024-02-29 2:2024-03-31 3:2024-04-30"},
        {"2100 is no leap year", monthly(2100, 1, 29, 29), 0, Day(2100, 3, 1), "0:2100-01-29 1:2100-02-28"},
        {"2000 is one", monthly(2000, 1, 29, 29), 0, Day(2000, 3, 1), "0:2000-01-29 1:2000-02-29"},
        {"second Tuesday", nth(2, 2), 0, Day(2024, 3, 31), "0:2024-01-09 1:2024-02-13 2:2024-03-12"},
        {"last Friday", nth(LastWeekOfMonth, 5), 0, Day(2024, 3, 31), "0:2024-01-26 1:2024-02-23 2:2024-03-29"},
        {"weekend before", june1(WeekendShift::Before), 0, Day(2024, 9, 30),
         "0:2024-06-01>2024-05-31 1:2024-07-01 2:2024-08-01 3:2024-09-01>2024-08-30"},
        {"weekend after", june1(WeekendShift::After), 0, Day(2024, 9, 30),
         "0:2024-06-01>2024-06-03 1:2024-07-01 2:2024-08-01 3:2024-09-01>2024-09-02"},
        {"every 2 weeks until an end", every(Weeks, 2, Day(2024, 1, 5), Day(2024, 2, 16)), 0, Day(2024, 12, 31),
         "0:2024-01-05 1:2024-01-19 2:2024-02-02 3:2024-02-16"},
        {"every 3 months", every(Months, 3, Day(2024, 1, 15)), 0, Day(2024, 12, 31),
         "0:2024-01-31 1:2024-04-30 2:2024-07-31 3:2024-10-31"},
        {"every 10 days, 3 times", every(Days, 10, Day(2024, 2, 25), 0, 3), 0, Day(2024, 12, 31),
         "0:2024-02-25 1:2024-03-06 2:2024-03-16"},
        {"a start after the day skips its month and counts from the next", lateStart, 0, Day(2024, 12, 31),
         "0:2024-02-01 1:2024-03-01"},
        {"after a nominal day, far from the start", every(Weeks, 1, Day(2024, 1, 1)), Day(2030, 1, 7), Day(2030, 1, 21),
         "315:2030-01-14 316:2030-01-21"},
        {"after a nominal day in months", every(Months, 5, Day(2024, 1, 31)), Day(2025, 4, 30), Day(2026, 4, 30),
         "4:2025-09-30 5:2026-02-28"},
        {"the last day the program shows", monthly(9999, 11, 30, 30), 0, platform::LastDayCount,
         "0:9999-11-30 1:9999-12-30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Listed(OccurrencesBetween(c.rule, c.after, c.through)), c.expected);
    }
    const ScheduleRule thrice = every(Months, 1, Day(2024, 1, 31), 0, 3);
    EXPECT_EQ(Listed({*OccurrenceAfter(thrice, Day(2024, 2, 28))}), "1:2024-02-29");
    EXPECT_FALSE(OccurrenceAfter(thrice, Day(2024, 3, 31)));
    EXPECT_EQ(Listed(OccurrencesBetween(thrice, 0, Day(2030, 1, 1), 2)), "0:2024-01-31 1:2024-02-29");
}

TEST(ScheduleRuleTest, InvalidRulesNameNoDays) {
    const double start = Day(2024, 1, 1);
    const ScheduleRule bad[] = {{.every = 0, .start = start},
                                {.every = MaxRepeatEvery + 1, .start = start},
                                {.dayOfMonth = 32, .start = start},
                                {.nth = LastWeekOfMonth + 1, .start = start},
                                {.weekday = 0, .start = start},
                                {.start = start + 0.5},
                                {.start = start, .end = start - 1},
                                {.start = start, .count = -1},
                                {.start = 1e9},
                                {.start = start, .weekend = WeekendShift(3)}};
    EXPECT_TRUE(IsValidRule({.start = start}));
    for (const ScheduleRule& rule : bad)
        EXPECT_TRUE(!IsValidRule(rule) && OccurrencesBetween(rule, 0, Day(2025, 1, 1)).empty());
}

} // namespace
