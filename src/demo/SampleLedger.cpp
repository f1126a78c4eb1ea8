#include "demo/SampleLedger.h"

#include "ledger/Categories.h"
#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "storage/LedgerFile.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <random>

namespace ledger {

namespace {
struct Payee {
    const char* name;
    float low;
    float high;
};

constexpr std::array<Payee, 6> Groceries{{{"Green Valley Market", 38, 160},
                                          {"Corner Grocer", 12, 55},
                                          {"Hilltop Pharmacy", 9, 48},
                                          {"Riverside Hardware", 15, 120},
                                          {"Maple Street Bakery", 6, 28},
                                          {"City Fuel", 30, 68}}};

// Where each payee's money goes, in the English names of DefaultCategories().
constexpr std::array<std::pair<const char*, const char*>, 15> PayeeCategories{{
    {"Paycheck - Northwind Supply", "Income:Salary"},
    {"Interest", "Income:Interest"},
    {"Oak Court Apartments", "Housing:Rent or mortgage"},
    {"Electric company", "Utilities:Electricity"},
    {"Water and sewer", "Utilities:Water"},
    {"Phone and internet", "Utilities:Phone and internet"},
    {"Mutual Auto Insurance", "Car:Insurance"},
    {"Monthly service charge", "Bank fees"},
    {"ATM withdrawal", "Cash"},
    {"Green Valley Market", "Food:Groceries"},
    {"Corner Grocer", "Food:Groceries"},
    {"Maple Street Bakery", "Food:Groceries"},
    {"Hilltop Pharmacy", "Health:Pharmacy"},
    {"Riverside Hardware", "Housing:Repairs"},
    {"City Fuel", "Car:Fuel"},
}};

// A default category as the user's language names it (DefaultCategories() translates the same texts).
QString DefaultCategory(const char* english) {
    return QCoreApplication::translate("Categories", english);
}

// The payee's category; the supermarket's larger bills also hold household goods, a part of their own.
CategoryAssignment SampleCategory(const TransactionRecord& record) {
    const QString payee = record.Description.trimmed();
    const auto found = std::find_if(PayeeCategories.begin(), PayeeCategories.end(),
                                    [&payee](const auto& each) { return payee == QLatin1String(each.first); });
    if (found == PayeeCategories.end())
        return {};
    const int64_t cents = ToCents(record.Amount);
    if (payee != QLatin1String(Groceries[0].name) || cents < 10000)
        return {DefaultCategory(found->second), {}};
    const int64_t household = cents / 4;
    return {{},
            {{DefaultCategory(found->second), {}, cents - household},
             {DefaultCategory("Shopping"), QStringLiteral("Household goods"), household}}};
}

float Cents(std::mt19937& random, float low, float high) {
    std::uniform_int_distribution<int> cents(int(low * 100), int(high * 100));
    return float(cents(random)) / 100.0f;
}

Schedule Monthly(const char* description, int64_t cents, const QDate& from, int dayOfMonth) {
    Schedule s;
    s.description = QString::fromLatin1(description);
    s.amountCents = cents;
    s.rule.start = platform::DayCountFromDate(from);
    s.rule.dayOfMonth = dayOfMonth;
    return s;
}

// The ledger's regular transactions from the day after its last on: they show up ahead of the register at once.
std::vector<Schedule> SampleSchedules(const QDate& firstDay, const QDate& lastDay) {
    const QDate from = lastDay.addDays(1);
    Schedule rent = Monthly("Oak Court Apartments", 115000, from, 1);
    rent.isCheck = true;
    Schedule pay = Monthly("Paycheck - Northwind Supply", 184217, from, 1);
    pay.typeCode = Deposit;
    pay.rule.unit = RepeatUnit::Weeks;
    pay.rule.every = 2;
    QDate payday = from;
    while (!(payday.dayOfWeek() == Qt::Friday && firstDay.daysTo(payday) % 14 < 7))
        payday = payday.addDays(1);
    pay.rule.start = platform::DayCountFromDate(payday);
    Schedule insurance = Monthly("Mutual Auto Insurance", 9640, from, 18);
    insurance.rule.weekend = WeekendShift::Before;
    Schedule electric = Monthly("Electric company", 10500, from, 5);
    electric.amountVaries = true;
    electric.toleranceCents = 4500;
    electric.rule.weekend = WeekendShift::After;
    return {rent, pay, insurance, electric};
}
} // namespace

void BuildSampleLedger(const QDate& lastDay) {
    NewLedger();
    SetStartingBalance(2500.0f);
    SetNextCheckNumber(1001);
    std::mt19937 random(uint32_t(lastDay.toJulianDay()));
    const QDate firstDay = lastDay.addYears(-1).addDays(1);
    int16_t check = 1001;
    const auto addCheck = [&](const QDate& day, const char* payee, float amount) {
        AddTransaction(check++, platform::DayCountFromDate(day), amount, QString::fromLatin1(payee), CheckOrPayment);
    };
    const auto add = [&](const QDate& day, const char* text, float amount, int16_t type) {
        AddTransaction(NewCheckNumber(type, false, 0), platform::DayCountFromDate(day), amount,
                       QString::fromLatin1(text), type);
    };

    for (QDate day = firstDay; day <= lastDay; day = day.addDays(1)) {
        if (day.dayOfWeek() == Qt::Friday && firstDay.daysTo(day) % 14 < 7)
            add(day, "Paycheck - Northwind Supply", 1842.17f, Deposit);
        if (day.day() == 1)
            addCheck(day, "Oak Court Apartments", 1150.00f);
        if (day.day() == 5)
            add(day, "Electric company", Cents(random, 62, 148), CheckOrPayment);
        if (day.day() == 12)
            add(day, "Water and sewer", Cents(random, 28, 46), CheckOrPayment);
        if (day.day() == 18)
            addCheck(day, "Mutual Auto Insurance", 96.40f);
        if (day.day() == 21)
            add(day, "Phone and internet", 79.99f, CheckOrPayment);
        if (day.day() == 25)
            add(day, "Monthly service charge", 4.95f, Fee);
        if (day.day() == day.daysInMonth())
            add(day, "Interest", Cents(random, 0.4f, 2.2f), Interest);
        if (day.dayOfWeek() == Qt::Saturday)
            add(day, "ATM withdrawal", float(20 * (1 + int(random() % 5))), Withdrawal);
        if (random() % 4 == 0) {
            const Payee& payee = Groceries[random() % Groceries.size()];
            addCheck(day, payee.name, Cents(random, payee.low, payee.high));
        }
    }

    // The first quarter has been reconciled with the bank's statement. Since then the bank has shown everything up
    // to the end of last month except the checks written in its last week: those are outstanding, and last
    // month's statement balances only when they are left so.
    const double lockDate = platform::DayCountFromDate(firstDay.addMonths(3).addDays(-1));
    const double lastStatement = platform::DayCountFromDate(QDate(lastDay.year(), lastDay.month(), 1).addDays(-1));
    ReconciledStatement firstQuarter{lockDate, ToCents(GetStartingBalance()), {}};
    TransactionRecord record;
    int16_t slot = 1;
    for (bool more = FirstTransaction(record); more; more = NextTransaction(record), ++slot) {
        SetCategory(slot, SampleCategory(record));
        if (record.Date <= lockDate) {
            UpdateTransaction(slot, record.CheckNumber, record.Date, record.Amount, record.Description, true);
            SetClearMark(slot, ClearMark::Reconciled);
            firstQuarter.slots.push_back(slot);
            firstQuarter.endingCents += SignedCents(record.TypeCode, ToCents(record.Amount));
        } else if (record.Date <= lastStatement &&
                   !(IsCheck(record.TypeCode, record.CheckNumber) && record.Date > lastStatement - 7)) {
            SetClearMark(slot, ClearMark::Cleared);
        }
    }
    SetLockDate(lockDate);
    RecordStatement(firstQuarter);
    SetSchedules(SampleSchedules(firstDay, lastDay));
    SetCategoryRules({{QStringLiteral("NORTHWIND"), DefaultCategory("Income:Salary")},
                      {QStringLiteral("FUEL"), DefaultCategory("Car:Fuel")}});
}

bool WriteSampleLedger(const QString& path, const QDate& lastDay) {
    BuildSampleLedger(lastDay);
    SetDataFileName(path);
    const bool saved = SaveLedger();
    NewLedger();
    return saved;
}

} // namespace ledger
