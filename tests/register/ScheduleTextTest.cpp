// A schedule in words: ordinals, rules, amounts and next dates, in the locale's forms.
#include "support/RegisterTestSupport.h"

#include "platform/LocaleCodec.h"
#include "register/ScheduleText.h"
#include "support/ScopedLocale.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

using tallix::test::Day;

TEST(ScheduleTextTest, Ordinals) {
    const std::pair<int, const char*> cases[] = {{1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},
                                                 {11, "11th"}, {12, "12th"}, {13, "13th"}, {21, "21st"},
                                                 {22, "22nd"}, {23, "23rd"}, {31, "31st"}, {111, "111th"}};
    for (const auto& [number, text] : cases)
        EXPECT_EQ(OrdinalText(number), QLatin1String(text)) << number;
}

TEST(ScheduleTextTest, RulesInWordsWithTheEndInTheLocalesDates) {
    using ledger::RepeatUnit;
    ledger::ScheduleRule monthly; // every month on the 1st
    ledger::ScheduleRule biweekly{.unit = RepeatUnit::Weeks, .every = 2};
    ledger::ScheduleRule lastFriday{
        .place = ledger::MonthPlace::NthWeekday, .nth = ledger::LastWeekOfMonth, .weekday = 5};
    ledger::ScheduleRule quarterly{.every = 3, .dayOfMonth = 31, .end = Day(2027, 12, 31)};
    ledger::ScheduleRule secondTuesday{.place = ledger::MonthPlace::NthWeekday, .nth = 2, .weekday = 2, .count = 12};
    ledger::ScheduleRule daily{.unit = RepeatUnit::Days, .count = 1};
    ledger::ScheduleRule tenDays{.unit = RepeatUnit::Days, .every = 10};
    const std::pair<ledger::ScheduleRule, const char*> cases[] = {
        {monthly, "Every month on the 1st"},
        {biweekly, "Every 2 weeks"},
        {lastFriday, "Every month on the last Friday"},
        {quarterly, "Every 3 months on the 31st, until 12/31/2027"},
        {secondTuesday, "Every month on the second Tuesday, 12 times"},
        {daily, "Every day, once"},
        {tenDays, "Every 10 days"},
    };
    for (const auto& [rule, text] : cases)
        EXPECT_EQ(RuleText(rule, platform::LocaleCodec()), QLatin1String(text));
    const tallix::test::ScopedLocale locale(QStringLiteral("de_DE"));
    EXPECT_EQ(RuleText(quarterly, platform::LocaleCodec()),
              QStringLiteral("Every 3 months on the 31st, until 31.12.2027"));
}

TEST(ScheduleTextTest, AmountsAndNextDates) {
    ledger::Schedule rent;
    rent.description = QStringLiteral("Rent");
    rent.amountCents = 123450;
    rent.rule.start = Day(2027, 1, 1);
    rent.rule.count = 2;
    ledger::Schedule power = rent;
    power.amountVaries = true;
    ledger::Schedule ended = rent;
    ended.doneThrough = Day(2027, 2, 1);

    EXPECT_EQ(ScheduleAmountText(rent, platform::LocaleCodec()), QStringLiteral("1,234.50"));
    EXPECT_EQ(ScheduleAmountText(power, platform::LocaleCodec()), QStringLiteral("1,234.50 (varies)"));
    EXPECT_EQ(NextDueText(rent, platform::LocaleCodec()), QStringLiteral("1/1/2027"));
    EXPECT_EQ(NextDueText(ended, platform::LocaleCodec()), QStringLiteral("ended"));
    const tallix::test::ScopedLocale locale(QStringLiteral("de_DE"));
    EXPECT_EQ(ScheduleAmountText(power, platform::LocaleCodec()), QStringLiteral("1.234,50 (varies)"));
    EXPECT_EQ(NextDueText(rent, platform::LocaleCodec()), QStringLiteral("01.01.2027"));
}

// Marks every text it gives while installed: a word that bypasses the translation shows up unmarked.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }
};

TEST(ScheduleTextTest, RulesAreWholeTranslatedPhrases) {
    const MarkingTranslator translator;
    ledger::ScheduleRule lastFriday{
        .place = ledger::MonthPlace::NthWeekday, .nth = ledger::LastWeekOfMonth, .weekday = 5, .count = 2};
    ledger::ScheduleRule quarterly{.every = 3, .dayOfMonth = 21, .end = Day(2027, 12, 31)};
    ledger::ScheduleRule daily{.unit = ledger::RepeatUnit::Days, .count = 1};
    const std::pair<ledger::ScheduleRule, const char*> cases[] = {
        {lastFriday, "[[Every month on the [last] [Friday]], 2 times]"},
        {quarterly, "[[Every 3 months on the [21st]], until 12/31/2027]"},
        {daily, "[[Every day], once]"},
    };
    for (const auto& [rule, text] : cases)
        EXPECT_EQ(RuleText(rule, platform::LocaleCodec()), QLatin1String(text));
}
