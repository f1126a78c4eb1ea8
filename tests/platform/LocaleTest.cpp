#include "platform/Locale.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

using namespace platform;

TEST(LocaleDates, DayCountsMatchTheCalendar) {
    EXPECT_EQ(DayCountFromDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(DayCountFromDate(QDate(2009, 1, 2)), 39815.0);
    EXPECT_EQ(DayCountFromDate(QDate(2009, 3, 15)), 39887.0);
    EXPECT_EQ(DayCountFromDate(QDate(2999, 1, 1)), 401404.0);
    EXPECT_EQ(DateFromDayCount(39887.0), QDate(2009, 3, 15));
    // A time of day does not move the calendar date.
    EXPECT_EQ(DateFromDayCount(39887.75), QDate(2009, 3, 15));
    EXPECT_EQ(DateFromDayCount(-237), QDate(1899, 5, 7));
}

TEST(LocaleDates, DayCountsBeyondTheCalendarGiveNoDate) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(DateFromDayCount(FirstDayCount), QDate(100, 1, 1));
    EXPECT_EQ(DateFromDayCount(LastDayCount + 0.5), QDate(9999, 12, 31));
    for (const double day : {nan, inf, -inf, FirstDayCount - 0.5, LastDayCount + 1, 1e300}) {
        EXPECT_FALSE(IsDayCountInRange(day)) << day;
        EXPECT_FALSE(DateFromDayCount(day).isValid()) << day;
        EXPECT_EQ(FormatShortDate(day), QString()) << day;
    }
}

TEST(LocaleDates, ShortFormAlwaysHasAFourDigitYear) {
    EXPECT_EQ(ShortDateFormat(), QStringLiteral("M/d/yyyy"));
    EXPECT_EQ(FormatShortDate(39887.0), QStringLiteral("3/15/2009"));
    EXPECT_EQ(FormatShortDate(DayCountFromDate(QDate(1999, 12, 31))), QStringLiteral("12/31/1999"));
    EXPECT_EQ(ParseShortDate(QStringLiteral("3/15/2009")), 39887.0);
    // 2000 was a leap year; a two-digit year would have read it as 1900.
    EXPECT_EQ(ParseShortDate(QStringLiteral("2/29/2000")), DayCountFromDate(QDate(2000, 2, 29)));
    EXPECT_EQ(ParseShortDate(QStringLiteral(" 01/01/2999 ")), 401404.0);
}

TEST(LocaleDates, RejectsTextThatIsNoDate) {
    EXPECT_FALSE(ParseShortDate(QString()));
    EXPECT_FALSE(ParseShortDate(QStringLiteral("2/30/2009")));
    EXPECT_FALSE(ParseShortDate(QStringLiteral("yesterday")));
}

TEST(LocaleDates, FollowsTheDefaultLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = FormatShortDate(39887.0);
    const auto back = ParseShortDate(text);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(text, QStringLiteral("15.03.2009"));
    EXPECT_EQ(back, 39887.0);
}

TEST(LocaleDates, TypedDatesTakeOrLeaveLeadingZerosButNeverBecomeAnotherDate) {
    struct Case {
        QLocale locale;
        const char* typed;
        QDate expected; // invalid: refused
    };
    const QLocale us(QLocale::English, QLocale::UnitedStates), de(QLocale::German, QLocale::Germany), c = QLocale::c();
    const Case cases[] = {
        {us, "3/4/2025", QDate(2025, 3, 4)},
        {us, "03/04/2025", QDate(2025, 3, 4)},
        {us, "2/30/2024", QDate()},
        {us, "3/4/25", QDate()},
        {us, "3/4/0025", QDate()},
        {us, "4.3.2025", QDate()},
        {de, "4.3.2025", QDate(2025, 3, 4)},
        {de, "04.03.2025", QDate(2025, 3, 4)},
        {de, "31.4.2025", QDate()},
        {c, "11 Nov 2026", QDate(2026, 11, 11)},
        {c, "1 Mar 2024", QDate(2024, 3, 1)},
        {c, "01 Mar 2024", QDate(2024, 3, 1)},
        {c, "30 Feb 2024", QDate()},
        {c, "1/3/2024", QDate()},
    };
    for (const Case& test : cases) {
        QLocale::setDefault(test.locale);
        const std::optional<double> day = ParseTypedDate(QString::fromLatin1(test.typed));
        QLocale::setDefault(us);
        if (test.expected.isValid())
            EXPECT_EQ(day, DayCountFromDate(test.expected)) << test.typed;
        else
            EXPECT_FALSE(day) << test.typed;
    }
}

TEST(LocaleMoney, GroupsThousandsAndShowsTwoDecimals) {
    EXPECT_EQ(FormatMoney(1234.5), QStringLiteral("1,234.50"));
    EXPECT_EQ(FormatMoney(0), QStringLiteral("0.00"));
    EXPECT_EQ(FormatMoney(0.5), QStringLiteral("0.50"));
    EXPECT_EQ(FormatMoney(-12), QStringLiteral("-12.00"));
    EXPECT_EQ(FormatMoney(999999.99), QStringLiteral("999,999.99"));
    EXPECT_EQ(FormatMoney(double(25.5f)), QStringLiteral("25.50"));
}

TEST(LocaleMoney, NegativeZeroShowsWithoutSign) {
    EXPECT_EQ(FormatMoney(-0.0), QStringLiteral("0.00"));
    EXPECT_EQ(FormatMoney(-0.004), QStringLiteral("0.00"));
}

TEST(LocaleGeneral, FewestDigitsThatReadBackWithoutSeparators) {
    EXPECT_EQ(FormatGeneral(100.0f), QStringLiteral("100"));
    EXPECT_EQ(FormatGeneral(1234.5f), QStringLiteral("1234.5"));
    EXPECT_EQ(FormatGeneral(0.25f), QStringLiteral("0.25"));
    EXPECT_EQ(FormatGeneral(0.0f), QStringLiteral("0"));
    EXPECT_EQ(FormatGeneral(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(FormatGeneral(1000000.0f), QStringLiteral("1000000"));
    EXPECT_EQ(FormatGeneral(100000.01f), QStringLiteral("100000.01"));
    EXPECT_EQ(FormatGeneral(-0.0f), QStringLiteral("0"));
}

TEST(LocaleNumbers, AcceptTheLocaleForms) {
    EXPECT_EQ(ToDouble(QStringLiteral("12.5")), 12.5);
    EXPECT_EQ(ToDouble(QStringLiteral(" 1,234.5 ")), 1234.5);
    EXPECT_EQ(ToDouble(QStringLiteral("-3")), -3.0);
    EXPECT_EQ(ToDouble(QStringLiteral("+3")), 3.0);
    EXPECT_EQ(ToDouble(QStringLiteral("$12.50")), 12.5);
    EXPECT_EQ(ToDouble(QStringLiteral("-$12.50")), -12.5);
    EXPECT_EQ(ToDouble(QStringLiteral("12.")), 12.0);
}

TEST(LocaleNumbers, MoneyStaysWithinWhatTheLedgerAddsUp) {
    EXPECT_EQ(ToMoney(QStringLiteral("1,000,000,000,000")), 1e12f);
    EXPECT_EQ(ToMoney(QStringLiteral("-1000000000000")), -1e12f);
    EXPECT_EQ(ToMoney(QStringLiteral("$12.50")), 12.5f);
    for (const char* bad : {"1000000000000.01", "-2e12", "3e38", "nan", "", "x"})
        EXPECT_FALSE(ToMoney(QString::fromLatin1(bad))) << bad;
}

TEST(LocaleNumbers, MoneyIsTakenOnlyWhenItsFloatKeepsTheCents) {
    for (const double kept : {0.1, 0.29, 131071.99, -131071.99, 131072.0, 131072.5, 200000.0, 16777216.0})
        EXPECT_EQ(MoneyKeptToTheCent(kept), float(kept)) << kept;
    for (const double lost : {131072.01, -131072.01, 200000.01, 1234567.89, 99999999.99, 1e12, 2e12})
        EXPECT_FALSE(MoneyKeptToTheCent(lost)) << lost;
}

TEST(LocaleNumbers, RejectWhatIsNoNumber) {
    for (const char* text : {"", " ", ".", "abc", "12a", "inf", "nan", "$", "1.2.3", "--1"})
        EXPECT_FALSE(ToDouble(QString::fromLatin1(text))) << text;
    EXPECT_FALSE(IsNumericText(QString()));
    EXPECT_TRUE(IsNumericText(QStringLiteral("$1,000")));
    EXPECT_FALSE(ToSingle(QStringLiteral("1e39")));
    EXPECT_EQ(ToSingle(QStringLiteral("12.34")), 12.34f);
}

TEST(LocaleNumbers, WholeNumbersRoundHalfToEvenWithinRange) {
    EXPECT_EQ(ToInteger(QStringLiteral("101")), int16_t(101));
    EXPECT_EQ(ToInteger(QStringLiteral("12.5")), int16_t(12));
    EXPECT_EQ(ToInteger(QStringLiteral("13.5")), int16_t(14));
    EXPECT_EQ(ToInteger(QStringLiteral("-2.5")), int16_t(-2));
    EXPECT_EQ(ToInteger(QStringLiteral("32767")), int16_t(32767));
    EXPECT_EQ(ToInteger(QStringLiteral("-32768")), int16_t(-32768));
    EXPECT_FALSE(ToInteger(QStringLiteral("32768")));
    EXPECT_FALSE(ToInteger(QStringLiteral("40000")));
    EXPECT_FALSE(ToInteger(QString()));
}
