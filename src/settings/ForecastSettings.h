#pragma once
// How far the look ahead reaches and the balance below which the lowest projected one is shown as a warning, kept
// in the program's settings (section "Forecast").

#include <cstdint>

namespace settings {

struct ForecastSettings {
    int horizonDays = 30;     // 1 to LastHorizonDays
    int64_t cushionCents = 0; // 0 to MaxCushionCents
    bool operator==(const ForecastSettings&) const = default;
};
// The forecast's own bounds (register/Forecast.h), which this folder cannot see.
constexpr int LastHorizonDays = 3660;
constexpr int64_t MaxCushionCents = 100'000'000'000'000; // the largest amount, 10^12

// The stored values; the default for one that is missing or out of range.
ForecastSettings ReadForecastSettings();
// False when the store could not take them (or they are out of range).
bool WriteForecastSettings(const ForecastSettings& forecast);

} // namespace settings
