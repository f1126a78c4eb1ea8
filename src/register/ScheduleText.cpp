#include "register/ScheduleText.h"

#include "model/TransactionRules.h"
#include "platform/LocaleCodec.h"

int ScheduleKindIndex(const ledger::Schedule& schedule) {
    for (size_t i = 0; i < ScheduleKinds.size(); ++i) {
        const ScheduleKind& kind = ScheduleKinds[i];
        if (kind.typeCode == schedule.typeCode &&
            (kind.typeCode != ledger::CheckOrPayment || kind.isCheck == schedule.isCheck))
            return int(i);
    }
    return 0;
}

QString ScheduleKindText(const ScheduleKind& kind) {
    return ledger::TypeName(kind.typeCode, kind.isCheck ? 0 : ledger::PaymentCheckNumber);
}

QString OrdinalText(int number) {
    const int lastTwo = number % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (number % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return QString::number(number) + QLatin1String(suffix);
}

QString WeekOfMonthText(int nth) {
    static const char* const names[] = {"first", "second", "third", "fourth", "last"};
    return QLatin1String(names[qBound(1, nth, ledger::LastWeekOfMonth) - 1]);
}

QString WeekdayText(int weekday) {
    static const char* const names[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    return QLatin1String(names[qBound(1, weekday, 7) - 1]);
}

namespace {
QString EveryText(int every, const char* unit) {
    if (every == 1)
        return QStringLiteral("Every %1").arg(QLatin1String(unit));
    return QStringLiteral("Every %1 %2s").arg(every).arg(QLatin1String(unit));
}
} // namespace

QString RuleText(const ledger::ScheduleRule& rule, const platform::LocaleCodec& codec) {
    QString text;
    switch (rule.unit) {
    case ledger::RepeatUnit::Days:
        text = EveryText(rule.every, "day");
        break;
    case ledger::RepeatUnit::Weeks:
        text = EveryText(rule.every, "week");
        break;
    case ledger::RepeatUnit::Months:
        text = EveryText(rule.every, "month") + QStringLiteral(" on the ") +
               (rule.place == ledger::MonthPlace::DayOfMonth
                    ? OrdinalText(rule.dayOfMonth)
                    : WeekOfMonthText(rule.nth) + QLatin1Char(' ') + WeekdayText(rule.weekday));
        break;
    }
    if (rule.end != 0)
        text += QStringLiteral(", until ") + codec.FormatShortDate(rule.end);
    else if (rule.count == 1)
        text += QStringLiteral(", once");
    else if (rule.count > 1)
        text += QStringLiteral(", %1 times").arg(rule.count);
    return text;
}

QString ScheduleAmountText(const ledger::Schedule& schedule, const platform::LocaleCodec& codec) {
    const QString amount = codec.FormatCents(schedule.amountCents);
    return schedule.amountVaries ? amount + QStringLiteral(" (varies)") : amount;
}

QString NextDueText(const ledger::Schedule& schedule, const platform::LocaleCodec& codec) {
    const std::optional<ledger::Occurrence> next = ledger::NextDue(schedule);
    return next ? codec.FormatShortDate(next->day) : QStringLiteral("ended");
}
