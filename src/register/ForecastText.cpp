#include "register/ForecastText.h"

#include "platform/Locale.h"

#include <algorithm>

namespace {
QString Lowest(const Forecast& forecast, const platform::LocaleCodec& codec) {
    return QStringLiteral("Lowest: %1 on %2")
        .arg(platform::FormatCents(forecast.lowestCents), codec.FormatShortDate(forecast.lowestDay));
}

QString Due(const Forecast& forecast) {
    return QStringLiteral("%1 scheduled due").arg(forecast.due);
}
} // namespace

QString ForecastNote(const Forecast& forecast, const platform::LocaleCodec& codec) {
    QString note = QStringLiteral("Today's balance: %1    ").arg(platform::FormatCents(forecast.todayCents)) +
                   Lowest(forecast, codec);
    if (forecast.due > 0)
        note += QStringLiteral("    ") + Due(forecast);
    return note;
}

QString ForecastBrief(const Forecast& forecast, const platform::LocaleCodec& codec) {
    return forecast.due > 0 ? Due(forecast) : Lowest(forecast, codec);
}

bool IsLowForecast(const Forecast& forecast, int64_t cushionCents) {
    return forecast.lowestCents < std::max<int64_t>(0, cushionCents);
}
