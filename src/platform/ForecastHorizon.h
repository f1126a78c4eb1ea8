#pragma once
// How many days ahead the look ahead reaches: the forecast walks that far, the settings keep the user's choice
// within it, the command line takes --days within it. Here because this is the one folder all of them see.

namespace platform {

constexpr int DefaultHorizonDays = 30;
constexpr int MaxHorizonDays = 3660;

} // namespace platform
