#include "settings/ForecastSettings.h"

#include "settings/ProgramSettings.h"

namespace settings {

namespace {
const QString Section = QStringLiteral("Forecast");
const QString HorizonName = QStringLiteral("HorizonDays");
const QString CushionName = QStringLiteral("CushionCents");

bool IsValid(const ForecastSettings& f) {
    return f.horizonDays >= 1 && f.horizonDays <= platform::MaxHorizonDays && f.cushionCents >= 0 &&
           f.cushionCents <= MaxCushionCents;
}
} // namespace

ForecastSettings ReadForecastSettings() {
    ForecastSettings read;
    bool ok = false;
    if (const std::optional<QString> days = ReadProgramText(Section, HorizonName)) {
        const ForecastSettings f{days->toInt(&ok), read.cushionCents};
        if (ok && IsValid(f))
            read.horizonDays = f.horizonDays;
    }
    if (const std::optional<QString> cents = ReadProgramText(Section, CushionName)) {
        const ForecastSettings f{read.horizonDays, cents->toLongLong(&ok)};
        if (ok && IsValid(f))
            read.cushionCents = f.cushionCents;
    }
    return read;
}

bool WriteForecastSettings(const ForecastSettings& forecast) {
    return IsValid(forecast) && WriteProgramText(Section, HorizonName, QString::number(forecast.horizonDays)) &&
           WriteProgramText(Section, CushionName, QString::number(forecast.cushionCents));
}

} // namespace settings
