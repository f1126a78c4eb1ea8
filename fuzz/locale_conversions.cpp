// Fuzzes every text-to-number and text-to-date conversion, in two locales, and checks that what they give back
// formats and reads again to the same value.
#include "platform/Locale.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}

void Exercise(const QString& text) {
    if (const auto value = platform::ToDouble(text)) {
        Require(std::isfinite(*value));
        Require(platform::IsNumericText(text));
        platform::FormatMoney(*value);
    }
    if (const auto value = platform::ToSingle(text)) {
        Require(std::isfinite(*value));
        const QString general = platform::FormatGeneral(*value);
        const auto back = platform::ToSingle(general);
        Require(back.has_value());
        // Seven significant digits bring a float back to within one part in a million.
        Require(std::fabs(double(*back) - double(*value)) <= std::fabs(double(*value)) * 1e-6 + 1e-30);
    }
    if (const auto value = platform::ToInteger(text))
        Require(platform::ToInteger(QString::number(*value)) == value);
    if (const auto day = platform::ParseShortDate(text)) {
        Require(*day == std::floor(*day));
        Require(platform::ParseShortDate(platform::FormatShortDate(*day)) == day);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 256)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Exercise(text);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Exercise(text);
    return 0;
}
