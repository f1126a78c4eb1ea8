#pragma once
// Dates as users type them into a date box that holds 5/20/2024 (US English), and what the box must hold after
// the typing is taken. Shared by the tests of every date box, so that they all answer alike.

#include <QDate>
#include <QLocale>
#include <QString>
#include <vector>

namespace tallix::test {

inline const QDate TypedDatesStart(2024, 5, 20);

struct TypedDate {
    const char* typed;
    QDate expected; // TypedDatesStart when the text must be refused
};

inline const std::vector<TypedDate> TypedDates = {
    {"3/4/2025", QDate(2025, 3, 4)},   {"12/25/2025", QDate(2025, 12, 25)}, {"10/1/2024", QDate(2024, 10, 1)},
    {"5/25/2024", QDate(2024, 5, 25)}, {"6/7/2024", QDate(2024, 6, 7)},     {"1/1/2000", QDate(2000, 1, 1)},
    {"03/04/2025", QDate(2025, 3, 4)}, {" 2/29/2024 ", QDate(2024, 2, 29)}, {"2/30/2024", TypedDatesStart},
    {"2/29/2023", TypedDatesStart},    {"4/31/2025", TypedDatesStart},      {"13/1/2024", TypedDatesStart},
    {"3/4/25", TypedDatesStart},       {"today", TypedDatesStart},          {"", TypedDatesStart},
};

// Pins the default locale for one test and restores US English.
class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;
};

} // namespace tallix::test
