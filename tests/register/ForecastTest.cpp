// The look ahead: pending occurrences after the register's rows with their balances, and the lowest balance.
#include "register/Forecast.h"
#include "support/RegisterTestSupport.h"

#include <gtest/gtest.h>

using namespace ledger;
using tallix::test::Day;

namespace {

Schedule Monthly(const char* description, int16_t typeCode, int64_t cents, int dayOfMonth) {
    Schedule s;
    s.typeCode = typeCode;
    s.description = QString::fromLatin1(description);
    s.amountCents = cents;
    s.rule.start = Day(2024, 1, 1);
    s.rule.dayOfMonth = dayOfMonth;
    return s;
}

// Balanced from 1000.00 as the register would.
std::vector<RegisterRow> Rows(const std::vector<std::tuple<double, int16_t, float>>& records) {
    std::vector<RegisterRow> rows;
    int64_t balance = 100000;
    for (const auto& [day, typeCode, amount] : records) {
        RegisterRow& row = rows.emplace_back();
        row.record.Date = day;
        row.record.TypeCode = typeCode;
        row.record.Amount = amount;
        row.dateDay = day;
        balance = AddToBalance(balance, SignedCents(row.record));
        row.balanceCents = balance;
    }
    return rows;
}

std::string Listed(const Forecast& f) {
    std::string out;
    for (const UpcomingRow& row : f.rows)
        out += platform::FormatShortDate(row.occurrence.day).toStdString() + " " + row.description.toStdString() + " " +
               std::to_string(row.balanceCents) + (row.due ? " due" : "") + "\n";
    return out + "today " + std::to_string(f.todayCents) + ", due " + std::to_string(f.due) + ", lowest " +
           std::to_string(f.lowestCents) + " on " + platform::FormatShortDate(f.lowestDay).toStdString();
}

TEST(ForecastTest, UpcomingRowsAndTheLowestBalance) {
    Schedule rent = Monthly("Rent", CheckOrPayment, 90000, 1);
    rent.doneThrough = Day(2024, 3, 1);
    Schedule pay = Monthly("Pay", Deposit, 150000, 15);
    pay.doneThrough = Day(2024, 2, 15);
    const Schedule phone = Monthly("Phone", Fee, 5000, 15);
    const std::vector<Schedule> schedules = {rent, pay};
    const struct {
        const char* what;
        std::vector<std::tuple<double, int16_t, float>> records;
        std::vector<Schedule> schedules;
        int horizon;
        const char* expected;
    } cases[] = {
        {"no rows, no schedules", {}, {}, 30, "today 100000, due 0, lowest 100000 on 3/10/2024"},
        {"within 30 days",
         {{Day(2024, 3, 2), Withdrawal, 200}},
         schedules,
         30,
         "3/15/2024 Pay 230000\n4/1/2024 Rent 140000\n"
         "today 80000, due 0, lowest 80000 on 3/10/2024"},
        {"a later row takes it lower, before the pay",
         {{Day(2024, 3, 2), Withdrawal, 200}, {Day(2024, 3, 12), CheckOrPayment, 900}},
         schedules,
         30,
         "3/15/2024 Pay 140000\n4/1/2024 Rent 50000\n"
         "today 80000, due 0, lowest -10000 on 3/12/2024"},
        {"overdue ones count from today; one day's occurrences by schedule",
         {},
         {Monthly("Rent", CheckOrPayment, 90000, 1), pay, phone},
         10,
         "1/1/2024 Rent 10000 due\n1/15/2024 Phone 5000 due\n2/1/2024 Rent -85000 due\n"
         "2/15/2024 Phone -90000 due\n3/1/2024 Rent -180000 due\n3/15/2024 Pay -30000\n3/15/2024 Phone -35000\n"
         "today 100000, due 5, lowest -180000 on 3/10/2024"},
        {"horizon 0", {}, schedules, 0, "today 100000, due 0, lowest 100000 on 3/10/2024"},
        {"rows after the horizon are left out",
         {{Day(2024, 6, 1), CheckOrPayment, 5000}},
         {rent},
         30,
         "4/1/2024 Rent -490000\ntoday 100000, due 0, lowest 10000 on 4/1/2024"},
    };
    const double today = Day(2024, 3, 10);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Listed(MakeForecast(Rows(c.records), 100000, c.schedules, today + 0.5, c.horizon)), c.expected);
    }
}

} // namespace
