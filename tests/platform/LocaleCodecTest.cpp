// The prepared codec must give exactly what the Locale.h functions give, fast path or not.
#include "platform/LocaleCodec.h"
#include "platform/Locale.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <random>

namespace {

class LocaleCodecTest : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

void ExpectSameAsLocale(const platform::LocaleCodec& codec) {
    for (double day = -700000; day <= 2958465; day += 997) {
        const QString text = platform::FormatShortDate(day);
        ASSERT_EQ(codec.FormatShortDate(day), text) << day;
        ASSERT_EQ(codec.ParseShortDate(text), platform::ParseShortDate(text)) << text.toStdString();
    }
    std::mt19937 random(7);
    std::uniform_real_distribution<float> amounts(-2e6f, 2e6f);
    for (int i = 0; i < 20000; ++i) {
        const float amount = i < 1000 ? float(i) * 0.005f : amounts(random);
        const QString text = platform::FormatMoney(double(amount));
        ASSERT_EQ(codec.FormatMoney(amount), text) << amount;
        ASSERT_EQ(codec.ToDouble(text), platform::ToDouble(text)) << text.toStdString();
    }
}

TEST_F(LocaleCodecTest, AgreesWithLocaleInUsEnglish) {
    ExpectSameAsLocale(platform::LocaleCodec());
}

TEST_F(LocaleCodecTest, AgreesWithLocaleInOtherForms) {
    for (const QLocale& locale :
         {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Swedish, QLocale::Sweden),
          QLocale(QLocale::Arabic, QLocale::Egypt), QLocale(QLocale::English, QLocale::India)}) {
        QLocale::setDefault(locale);
        SCOPED_TRACE(locale.name().toStdString());
        ExpectSameAsLocale(platform::LocaleCodec());
    }
}

TEST_F(LocaleCodecTest, TextsOutsideThePlainFormsTakeTheLocalePath) {
    const platform::LocaleCodec codec;
    for (const char* text : {"01/02/2009", " 1/2/2009 ", "2/30/2009", "1/2/09", "13/1/2009", "", "x"})
        EXPECT_EQ(codec.ParseShortDate(QString::fromLatin1(text)), platform::ParseShortDate(QString::fromLatin1(text)))
            << text;
    for (const char* text : {"12.", ".5", ".", "", "1,2345", "12,34.5", "0,123", "-5", " 7 ", "1e3", "$12.50",
                             "12345678901234567890", "0.0000000000000000000000001", "1,234,567.891", "007"})
        EXPECT_EQ(codec.ToDouble(QString::fromLatin1(text)), platform::ToDouble(QString::fromLatin1(text))) << text;
}

TEST_F(LocaleCodecTest, CentsFormatWithGroupsAndSign) {
    const platform::LocaleCodec codec;
    EXPECT_EQ(codec.FormatCents(0), QStringLiteral("0.00"));
    EXPECT_EQ(codec.FormatCents(-1), QStringLiteral("-0.01"));
    EXPECT_EQ(codec.FormatCents(99999999), QStringLiteral("999,999.99"));
    EXPECT_EQ(codec.FormatCents(INT64_MIN), QStringLiteral("-92,233,720,368,547,758.08"));
}

} // namespace
