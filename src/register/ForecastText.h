#pragma once
// The forecast in words, as the register window and the main window's status bar show it.

#include "platform/LocaleCodec.h"
#include "register/Forecast.h"

#include <QString>

// "Today's balance: 1,234.56    Lowest: 99.00 on 12/28/2026", then "    3 scheduled due" when some are, then what
// the bounds left out on a line of its own (ForecastCutText).
QString ForecastNote(const Forecast& forecast, const platform::LocaleCodec& codec);
// "3 scheduled due" when some are, else "Lowest: 99.00 on 12/28/2026"; " (forecast cut)" after either when the
// bounds left some out.
QString ForecastBrief(const Forecast& forecast, const platform::LocaleCodec& codec);
// What the bounds left out, a sentence for each; empty when nothing.
QString ForecastCutText(const ForecastCut& cut, const platform::LocaleCodec& codec);
// The lowest balance falls below zero or below the user's cushion: the window shows it in red, and tallix-cli
// forecast exits 3.
bool IsLowForecast(const Forecast& forecast, int64_t cushionCents);
