#pragma once
// Helpers shared by the register's tests.

#include "platform/Locale.h"

#include <QDate>

namespace tallix::test {

// A calendar date as the ledger holds it.
inline double Day(int year, int month, int day) { return platform::DayCountFromDate(QDate(year, month, day)); }

} // namespace tallix::test
