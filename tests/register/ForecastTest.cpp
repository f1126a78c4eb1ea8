// The look ahead: pending occurrences after the register's rows with their balances, and the lowest balance.
#include "register/Forecast.h"
#include "platform/ForecastHorizon.h"
#include "support/RegisterTestSupport.h"

#include <gtest/gtest.h>

using namespace ledger;
using tallix::test::Day;

namespace {

Schedule Monthly(const char* description, int16_t typeCode, int64_t cents, int dayOfMonth, double doneThrough = 0) {
    return {.typeCode = typeCode,
            .description = description,
            .amountCents = cents,
            .rule = {.dayOfMonth = dayOfMonth, .start = Day(2024, 1, 1)},
            .doneThrough = doneThrough};
}

TEST(ForecastTest, UpcomingRowsAndTheLowestBalance) {
    const Schedule rent = Monthly("Rent", CheckOrPayment, 90000, 1, Day(2024, 3, 1));
    const Schedule pay = Monthly("Pay", Deposit, 150000, 15, Day(2024, 2, 15));
    const struct {
        const char* what;
        std::vector<std::tuple<double, int16_t, float>> records; // balanced from 1000.00
        std::vector<Schedule> schedules;
        int horizon;
        const char* expected;
    } cases[] = {
        {"nothing ahead", {}, {rent, pay}, 0, "today 100000, due 0, lowest 100000 on 3/10/2024"},
        {"a later row takes it lowest, before the pay",
         {{Day(2024, 3, 2), Withdrawal, 200}, {Day(2024, 3, 12), CheckOrPayment, 900}},
         {rent, pay},
         30,
         "3/15/2024 Pay 140000\n4/1/2024 Rent 50000\ntoday 80000, due 0, lowest -10000 on 3/12/2024"},
        {"overdue ones count from today; one day's occurrences by schedule",
         {},
         {Monthly("Rent", CheckOrPayment, 90000, 1), pay, Monthly("Phone", Fee, 5000, 15)},
         10,
         "1/1/2024 Rent 10000 due\n1/15/2024 Phone 5000 due\n2/1/2024 Rent -85000 due\n"
         "2/15/2024 Phone -90000 due\n3/1/2024 Rent -180000 due\n3/15/2024 Pay -30000\n3/15/2024 Phone -35000\n"
         "today 100000, due 5, lowest -180000 on 3/10/2024"},
        {"rows after the horizon are left out",
         {{Day(2024, 6, 1), CheckOrPayment, 5000}},
         {rent},
         30,
         "4/1/2024 Rent -490000\ntoday 100000, due 0, lowest 10000 on 4/1/2024"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<RegisterRow> rows;
        int64_t balance = 100000;
        for (const auto& [day, typeCode, amount] : c.records) {
            RegisterRow& row = rows.emplace_back();
            row.record = {.TypeCode = typeCode, .Date = day, .Amount = amount};
            row.dateDay = day;
            row.balanceCents = balance = AddToBalance(balance, SignedCents(row.record));
        }
        const Forecast f = MakeForecast(rows, 100000, c.schedules, Day(2024, 3, 10) + 0.5, c.horizon);
        std::string out;
        for (const UpcomingRow& row : f.rows)
            out += platform::FormatShortDate(row.occurrence.day).toStdString() + " " + row.description.toStdString() +
                   " " + std::to_string(row.balanceCents) + (row.due ? " due" : "") + "\n";
        EXPECT_EQ(out + "today " + std::to_string(f.todayCents) + ", due " + std::to_string(f.due) + ", lowest " +
                      std::to_string(f.lowestCents) + " on " + platform::FormatShortDate(f.lowestDay).toStdString(),
                  c.expected);
        EXPECT_EQ(f.cut, ForecastCut());
    }
}

// Three daily deposits: 3333 whole days make 9999 rows, the most under MaxForecastRows; the next day is cut, and
// a payment after it no longer takes the balance lowest.
TEST(ForecastTest, ManyOccurrencesAreCutToWholeDaysAndOldOverdueOnesLeftOut) {
    const double today = Day(2024, 3, 10), overdueFrom = today - MaxOverdueDays;
    const struct {
        double start;
        int horizon;
        ForecastCut cut;
        double through;
        int due;
    } cases[] = {
        {Day(100, 1, 1), 30, {overdueFrom + 3333, overdueFrom}, today, 9999},
        {today - 10, platform::MaxHorizonDays, {today - 10 + 3333, 0}, today - 10 + 3332, 33},
    };
    for (const auto& c : cases) {
        const Schedule daily{.typeCode = Deposit,
                             .description = "Interest",
                             .amountCents = 1,
                             .rule = {.unit = RepeatUnit::Days, .start = c.start}};
        RegisterRow payment;
        payment.record = {.TypeCode = CheckOrPayment, .Date = today + 3500, .Amount = 5000};
        payment.dateDay = payment.record.Date;
        const Forecast f = MakeForecast({payment}, 100000, {daily, daily, daily}, today, c.horizon);
        EXPECT_EQ(f.rows.size(), 9999u);
        EXPECT_EQ(f.rows.front().occurrence.day, std::max(c.start, overdueFrom));
        EXPECT_EQ(f.rows.back().occurrence.day, c.cut.from - 1);
        EXPECT_EQ(std::tie(f.cut, f.through, f.due, f.lowestCents), std::tie(c.cut, c.through, c.due, f.todayCents));
    }
}

} // namespace
