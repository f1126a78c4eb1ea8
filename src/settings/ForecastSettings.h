#pragma once
// How far the look ahead reaches and the balance below which the lowest projected one is shown as a warning, kept
// in the program's settings (section "Forecast").

#include "platform/ForecastHorizon.h"
#include "platform/Locale.h"

#include <cstdint>

namespace settings {

struct ForecastSettings {
    int horizonDays = platform::DefaultHorizonDays; // 1 to platform::MaxHorizonDays
    int64_t cushionCents = 0;                       // 0 to MaxCushionCents
    bool operator==(const ForecastSettings&) const = default;
};
constexpr int64_t MaxCushionCents = int64_t(platform::MaxMoney) * 100; // the largest amount

// The stored values; the default for one that is missing or out of range.
ForecastSettings ReadForecastSettings();
// False when the store could not take them (or they are out of range).
bool WriteForecastSettings(const ForecastSettings& forecast);

} // namespace settings
