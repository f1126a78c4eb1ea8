#include "register/ForecastText.h"

#include "platform/Locale.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace {
QString Lowest(const Forecast& forecast, const platform::LocaleCodec& codec) {
    return QCoreApplication::translate("ForecastText", "Lowest: %1 on %2")
        .arg(platform::FormatCents(forecast.lowestCents), codec.FormatShortDate(forecast.lowestDay));
}

QString Due(const Forecast& forecast) {
    return QCoreApplication::translate("ForecastText", "%1 scheduled due").arg(forecast.due);
}
} // namespace

QString ForecastNote(const Forecast& forecast, const platform::LocaleCodec& codec) {
    const QString gap = QStringLiteral("    ");
    QString note = QCoreApplication::translate("ForecastText", "Today's balance: %1")
                       .arg(platform::FormatCents(forecast.todayCents)) +
                   gap + Lowest(forecast, codec);
    if (forecast.due > 0)
        note += gap + Due(forecast);
    if (const QString cut = ForecastCutText(forecast.cut, codec); !cut.isEmpty())
        note += QLatin1Char('\n') + cut;
    return note;
}

QString ForecastBrief(const Forecast& forecast, const platform::LocaleCodec& codec) {
    const QString brief = forecast.due > 0 ? Due(forecast) : Lowest(forecast, codec);
    return forecast.cut == ForecastCut() ? brief
                                         : QCoreApplication::translate("ForecastText", "%1 (forecast cut)").arg(brief);
}

QString ForecastCutText(const ForecastCut& cut, const platform::LocaleCodec& codec) {
    QStringList said;
    if (cut.overdueBefore != 0)
        said << QCoreApplication::translate("ForecastText",
                                            "Overdue scheduled transactions before %1 are left out: edit the "
                                            "schedules that start before then.")
                    .arg(codec.FormatShortDate(cut.overdueBefore));
    if (cut.from != 0)
        said << QCoreApplication::translate(
                    "ForecastText", "More than %1 scheduled transactions fall due: those from %2 on are left out.")
                    .arg(QString::number(MaxForecastRows), codec.FormatShortDate(cut.from));
    return said.join(QLatin1Char(' '));
}

bool IsLowForecast(const Forecast& forecast, int64_t cushionCents) {
    return forecast.lowestCents < std::max<int64_t>(0, cushionCents);
}
