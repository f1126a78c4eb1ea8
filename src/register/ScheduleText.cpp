#include "register/ScheduleText.h"

#include "model/TransactionRules.h"
#include "platform/LocaleCodec.h"

#include <QCoreApplication>

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

// English chooses an ordinal's suffix by its last digits; each choice is a text of its own, so that a language writes
// its ordinals its own way ("15." in German). 1 is apart from 21 and 31: French writes "1er" but "21".
QString OrdinalText(int number) {
    const int lastTwo = number % 100;
    if (lastTwo < 11 || lastTwo > 13) {
        switch (number % 10) {
        case 1:
            return (number == 1 ? QCoreApplication::translate("ScheduleText", "%1st", "ordinal: 1st")
                                : QCoreApplication::translate("ScheduleText", "%1st", "ordinal: 21st, 31st, 101st..."))
                .arg(number);
        case 2:
            return QCoreApplication::translate("ScheduleText", "%1nd", "ordinal: 2nd, 22nd, 32nd...").arg(number);
        case 3:
            return QCoreApplication::translate("ScheduleText", "%1rd", "ordinal: 3rd, 23rd, 33rd...").arg(number);
        default:
            break;
        }
    }
    return QCoreApplication::translate("ScheduleText", "%1th", "ordinal: 4th, 11th, 12th, 13th, 20th...").arg(number);
}

namespace {
struct TableText {
    const char* source;
    const char* comment;
};
// Both where the editor offers them ("On the [first] [Monday]") and in a rule in words.
constexpr TableText WeeksOfMonth[] = {
    QT_TRANSLATE_NOOP3("ScheduleText", "first", "week of the month, as in: on the first Monday"),
    QT_TRANSLATE_NOOP3("ScheduleText", "second", "week of the month, as in: on the first Monday"),
    QT_TRANSLATE_NOOP3("ScheduleText", "third", "week of the month, as in: on the first Monday"),
    QT_TRANSLATE_NOOP3("ScheduleText", "fourth", "week of the month, as in: on the first Monday"),
    QT_TRANSLATE_NOOP3("ScheduleText", "last", "week of the month, as in: on the first Monday"),
};
constexpr const char* Weekdays[] = {
    QT_TRANSLATE_NOOP("ScheduleText", "Monday"),    QT_TRANSLATE_NOOP("ScheduleText", "Tuesday"),
    QT_TRANSLATE_NOOP("ScheduleText", "Wednesday"), QT_TRANSLATE_NOOP("ScheduleText", "Thursday"),
    QT_TRANSLATE_NOOP("ScheduleText", "Friday"),    QT_TRANSLATE_NOOP("ScheduleText", "Saturday"),
    QT_TRANSLATE_NOOP("ScheduleText", "Sunday"),
};

// "Every 2 months on the 15th", "Every month on the last Friday": the month's day or week and weekday.
QString MonthlyText(const ledger::ScheduleRule& rule) {
    if (rule.place == ledger::MonthPlace::DayOfMonth) {
        const QString day = OrdinalText(rule.dayOfMonth);
        return rule.every == 1 ? QCoreApplication::translate("ScheduleText", "Every month on the %1").arg(day)
                               : QCoreApplication::translate("ScheduleText", "Every %1 months on the %2")
                                     .arg(QString::number(rule.every), day);
    }
    const QString week = WeekOfMonthText(rule.nth);
    const QString weekday = WeekdayText(rule.weekday);
    return rule.every == 1
               ? QCoreApplication::translate("ScheduleText", "Every month on the %1 %2", "on the first Monday")
                     .arg(week, weekday)
               : QCoreApplication::translate("ScheduleText", "Every %1 months on the %2 %3", "on the first Monday")
                     .arg(QString::number(rule.every), week, weekday);
}
} // namespace

QString WeekOfMonthText(int nth) {
    const TableText& name = WeeksOfMonth[qBound(1, nth, ledger::LastWeekOfMonth) - 1];
    return QCoreApplication::translate("ScheduleText", name.source, name.comment);
}

QString WeekdayText(int weekday) {
    return QCoreApplication::translate("ScheduleText", Weekdays[qBound(1, weekday, 7) - 1]);
}

QString RuleText(const ledger::ScheduleRule& rule, const platform::LocaleCodec& codec) {
    QString text;
    switch (rule.unit) {
    case ledger::RepeatUnit::Days:
        text = rule.every == 1 ? QCoreApplication::translate("ScheduleText", "Every day")
                               : QCoreApplication::translate("ScheduleText", "Every %1 days").arg(rule.every);
        break;
    case ledger::RepeatUnit::Weeks:
        text = rule.every == 1 ? QCoreApplication::translate("ScheduleText", "Every week")
                               : QCoreApplication::translate("ScheduleText", "Every %1 weeks").arg(rule.every);
        break;
    case ledger::RepeatUnit::Months:
        text = MonthlyText(rule);
        break;
    }
    if (rule.end != 0)
        return QCoreApplication::translate("ScheduleText", "%1, until %2", "Every week, until 12/31/2027")
            .arg(text, codec.FormatShortDate(rule.end));
    if (rule.count == 1)
        return QCoreApplication::translate("ScheduleText", "%1, once", "Every week, once").arg(text);
    if (rule.count > 1)
        return QCoreApplication::translate("ScheduleText", "%1, %2 times", "Every week, 12 times")
            .arg(text, QString::number(rule.count));
    return text;
}

QString ScheduleAmountText(const ledger::Schedule& schedule, const platform::LocaleCodec& codec) {
    const QString amount = codec.FormatCents(schedule.amountCents);
    return schedule.amountVaries
               ? QCoreApplication::translate("ScheduleText", "%1 (varies)", "an amount that varies").arg(amount)
               : amount;
}

QString NextDueText(const ledger::Schedule& schedule, const platform::LocaleCodec& codec) {
    const std::optional<ledger::Occurrence> next = ledger::NextDue(schedule);
    return next ? codec.FormatShortDate(next->day)
                : QCoreApplication::translate("ScheduleText", "ended", "a schedule with no next date");
}
