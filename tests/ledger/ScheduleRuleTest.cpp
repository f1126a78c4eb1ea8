// The days a schedule's rule names: month ends, leap years, nth weekdays, weekend shifts, counts and end dates.
#include "ledger/ScheduleRule.h"
#include "support/RegisterTestSupport.h"

#include <gtest/gtest.h>

using namespace ledger;
using tallix::test::Day;

namespace {

std::string DateText(double day) {
    return platform::DateFromDayCount(day).toString(Qt::ISODate).toStdString();
}

// "index:nominal" and ">day" when the weekend moved it.
std::string Listed(const std::vector<Occurrence>& occurrences) {
    std::string out;
    for (const Occurrence& o : occurrences) {
        out += (out.empty() ? "" : " ") + std::to_string(o.index) + ":" + DateText(o.nominal);
        if (o.day != o.nominal)
            out += ">" + DateText(o.day);
    }
    return out;
}

ScheduleRule Monthly(double start, int dayOfMonth) {
    ScheduleRule rule;
    rule.start = start;
    rule.dayOfMonth = dayOfMonth;
    return rule;
}

ScheduleRule Nth(double start, int nth, int weekday) {
    ScheduleRule rule = Monthly(start, 1);
    rule.place = MonthPlace::NthWeekday;
    rule.nth = nth;
    rule.weekday = weekday;
    return rule;
}

ScheduleRule Every(RepeatUnit unit, int every, double start) {
    ScheduleRule rule = Monthly(start, 1);
    rule.unit = unit;
    rule.every = every;
    return rule;
}

template <typename F> ScheduleRule With(ScheduleRule rule, F change) {
    change(rule);
    return rule;
}

TEST(ScheduleRuleTest, OccurrencesOfATableOfRules) {
    const struct {
        const char* what;
        ScheduleRule rule;
        double after;
        double through;
        const char* expected;
    } cases[] = {
        {"the 31st in short months", Monthly(Day(2024, 1, 31), 31), 0, Day(2024, 5, 1),
         "0:2024-01-31 1:2024-02-29 2:2024-03-31 3:2024-04-30"},
        {"February of a common year", Monthly(Day(2023, 1, 30), 30), 0, Day(2023, 3, 1), "0:2023-01-30 1:2023-02-28"},
        {"2100 is no leap year", Monthly(Day(2100, 1, 29), 29), 0, Day(2100, 3, 1), "0:2100-01-29 1:2100-02-28"},
        {"2000 is one", Monthly(Day(2000, 1, 29), 29), 0, Day(2000, 3, 1), "0:2000-01-29 1:2000-02-29"},
        {"a start after the day skips its month", Monthly(Day(2024, 1, 15), 1), 0, Day(2024, 3, 1),
         "0:2024-02-01 1:2024-03-01"},
        {"second Tuesday", Nth(Day(2024, 1, 1), 2, 2), 0, Day(2024, 3, 31), "0:2024-01-09 1:2024-02-13 2:2024-03-12"},
        {"last Friday", Nth(Day(2024, 1, 1), LastWeekOfMonth, 5), 0, Day(2024, 3, 31),
         "0:2024-01-26 1:2024-02-23 2:2024-03-29"},
        {"fourth Thursday, start on the day", Nth(Day(2024, 11, 28), 4, 4), 0, Day(2024, 12, 31),
         "0:2024-11-28 1:2024-12-26"},
        {"weekend before", With(Monthly(Day(2024, 6, 1), 1), [](auto& r) { r.weekend = WeekendShift::Before; }), 0,
         Day(2024, 9, 30), "0:2024-06-01>2024-05-31 1:2024-07-01 2:2024-08-01 3:2024-09-01>2024-08-30"},
        {"weekend after", With(Monthly(Day(2024, 6, 1), 1), [](auto& r) { r.weekend = WeekendShift::After; }), 0,
         Day(2024, 9, 30), "0:2024-06-01>2024-06-03 1:2024-07-01 2:2024-08-01 3:2024-09-01>2024-09-02"},
        {"moved past `through`", With(Monthly(Day(2024, 6, 1), 1), [](auto& r) { r.weekend = WeekendShift::After; }), 0,
         Day(2024, 6, 2), ""},
        {"every 2 weeks until an end",
         With(Every(RepeatUnit::Weeks, 2, Day(2024, 1, 5)), [](auto& r) { r.end = Day(2024, 2, 16); }), 0,
         Day(2024, 12, 31), "0:2024-01-05 1:2024-01-19 2:2024-02-02 3:2024-02-16"},
        {"every month on the 15th", Monthly(Day(2024, 1, 15), 15), 0, Day(2024, 4, 15),
         "0:2024-01-15 1:2024-02-15 2:2024-03-15 3:2024-04-15"},
        {"every 3 months", With(Monthly(Day(2024, 1, 15), 15), [](auto& r) { r.every = 3; }), 0, Day(2024, 12, 31),
         "0:2024-01-15 1:2024-04-15 2:2024-07-15 3:2024-10-15"},
        {"every 10 days, 3 times", With(Every(RepeatUnit::Days, 10, Day(2024, 2, 25)), [](auto& r) { r.count = 3; }), 0,
         Day(2024, 12, 31), "0:2024-02-25 1:2024-03-06 2:2024-03-16"},
        {"a count after a missed first month", With(Monthly(Day(2024, 1, 15), 1), [](auto& r) { r.count = 2; }), 0,
         Day(2024, 12, 31), "0:2024-02-01 1:2024-03-01"},
        {"after a nominal day, far from the start", Every(RepeatUnit::Days, 7, Day(2024, 1, 1)), Day(2030, 1, 7),
         Day(2030, 1, 21), "315:2030-01-14 316:2030-01-21"},
        {"after a nominal day in months", With(Monthly(Day(2024, 1, 31), 31), [](auto& r) { r.every = 5; }),
         Day(2025, 4, 30), Day(2026, 4, 30), "4:2025-09-30 5:2026-02-28"},
        {"the last day the program shows", Monthly(Day(9999, 11, 30), 30), 0, platform::LastDayCount,
         "0:9999-11-30 1:9999-12-30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Listed(OccurrencesBetween(c.rule, c.after, c.through)), c.expected);
    }
}

TEST(ScheduleRuleTest, NextOccurrenceAndLimits) {
    const ScheduleRule rule = With(Monthly(Day(2024, 1, 31), 31), [](auto& r) { r.count = 3; });
    EXPECT_EQ(Listed({*OccurrenceAfter(rule, Day(2024, 2, 28))}), "1:2024-02-29");
    EXPECT_FALSE(OccurrenceAfter(rule, Day(2024, 3, 31)));
    EXPECT_EQ(Listed(OccurrencesBetween(rule, 0, Day(2030, 1, 1), 2)), "0:2024-01-31 1:2024-02-29");
}

TEST(ScheduleRuleTest, InvalidRulesNameNoDays) {
    const ScheduleRule good = Monthly(Day(2024, 1, 1), 1);
    const std::function<void(ScheduleRule&)> spoil[] = {
        [](auto& r) { r.every = 0; },         [](auto& r) { r.every = MaxRepeatEvery + 1; },
        [](auto& r) { r.dayOfMonth = 32; },   [](auto& r) { r.nth = LastWeekOfMonth + 1; },
        [](auto& r) { r.weekday = 0; },       [](auto& r) { r.start += 0.5; },
        [](auto& r) { r.end = r.start - 1; }, [](auto& r) { r.count = -1; },
        [](auto& r) { r.start = 1e9; },       [](auto& r) { r.weekend = WeekendShift(3); },
    };
    EXPECT_TRUE(IsValidRule(good));
    for (const auto& change : spoil) {
        const ScheduleRule bad = With(good, change);
        EXPECT_FALSE(IsValidRule(bad));
        EXPECT_TRUE(OccurrencesBetween(bad, 0, Day(2025, 1, 1)).empty());
    }
}

} // namespace
