#pragma once
// How a schedule reads wherever it is listed: its kind, its amount, its rule in words and its next date. Words from
// the translation (whole phrases, so that a language can order them its way), amounts and dates in the locale's
// forms.

#include "ledger/Schedules.h"

#include <QString>
#include <array>
#include <cstdint>

namespace platform {
class LocaleCodec;
}

// The kinds of transaction a schedule can make, in the order the windows offer them.
struct ScheduleKind {
    int16_t typeCode;
    bool isCheck;
};
constexpr std::array<ScheduleKind, 6> ScheduleKinds{{
    {ledger::CheckOrPayment, true},
    {ledger::CheckOrPayment, false},
    {ledger::Deposit, false},
    {ledger::Withdrawal, false},
    {ledger::Fee, false},
    {ledger::Interest, false},
}};
// The schedule's place in ScheduleKinds.
int ScheduleKindIndex(const ledger::Schedule& schedule);
// "Check", "Payment", "Deposit"...: the register's name of the type.
QString ScheduleKindText(const ScheduleKind& kind);

// "1st", "2nd", "3rd", "4th", "11th", "21st"...
QString OrdinalText(int number);
// "first" to "fourth", and "last" for LastWeekOfMonth.
QString WeekOfMonthText(int nth);
// "Monday" to "Sunday" for 1 to 7.
QString WeekdayText(int weekday);
// "Every month on the 1st", "Every 2 weeks", "Every month on the last Friday", then ", until 12/31/2027" or
// ", 12 times" when the rule ends.
QString RuleText(const ledger::ScheduleRule& rule, const platform::LocaleCodec& codec);
// The amount as the register shows it, "(varies)" after it when it varies.
QString ScheduleAmountText(const ledger::Schedule& schedule, const platform::LocaleCodec& codec);
// The day of the first occurrence neither entered nor skipped, or "ended" when the rule has no more.
QString NextDueText(const ledger::Schedule& schedule, const platform::LocaleCodec& codec);
