// The register's commands on scheduled transactions: entering an upcoming occurrence, skipping one, and adding a
// schedule made from a row. Each is one step of the history, as the row commands are.
#include "register/RegisterModel.h"

#include "ledger/ChangeBatch.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "register/RegisterCells.h"

#include <algorithm>

bool RegisterModel::ChangeSchedules(std::vector<ledger::Schedule> after) {
    Change change;
    change.kind = Kind::Schedules;
    change.schedules[0] = ledger::Schedules();
    if (!ledger::SetSchedules(after))
        return false;
    change.schedules[1] = std::move(after);
    Record(std::move(change));
    return true;
}

bool RegisterModel::Skip(const UpcomingRow& upcoming) {
    std::vector<ledger::Schedule> after = ledger::Schedules();
    if (upcoming.schedule < 0 || size_t(upcoming.schedule) >= after.size())
        return false;
    ledger::Schedule& schedule = after[size_t(upcoming.schedule)];
    schedule = ledger::WithDone(schedule, upcoming.occurrence.nominal, true);
    return ChangeSchedules(std::move(after));
}

bool RegisterModel::AddSchedule(const ledger::Schedule& schedule) {
    std::vector<ledger::Schedule> after = ledger::Schedules();
    after.push_back(schedule);
    return ChangeSchedules(std::move(after));
}

int RegisterModel::Enter(const UpcomingRow& upcoming, RegisterUpdate& update) {
    const std::vector<ledger::Schedule>& schedules = ledger::Schedules();
    if (upcoming.schedule < 0 || size_t(upcoming.schedule) >= schedules.size() || !ledger::CanAddTransaction())
        return -1;
    Change change;
    change.kind = Kind::Enter;
    change.schedules[0] = schedules;
    change.schedules[1] = schedules;
    ledger::Schedule& schedule = change.schedules[1][size_t(upcoming.schedule)];
    schedule = ledger::WithDone(schedule, upcoming.occurrence.nominal, true);

    ledger::TransactionRecord record;
    record.TypeCode = upcoming.typeCode;
    record.CheckNumber = upcoming.isCheck                              ? ledger::GetNextCheckNumber()
                         : upcoming.typeCode == ledger::CheckOrPayment ? ledger::PaymentCheckNumber
                                                                       : int16_t(0);
    record.Date = upcoming.occurrence.day;
    record.Amount = float(double(upcoming.amountCents) / 100.0);
    record.Description = ledger::FixDescription(upcoming.description);
    {
        // The record and its schedule's step are one change for the recovery journal.
        const ledger::ChangeBatch batch;
        change.nextCheckNumber[0] = ledger::GetNextCheckNumber();
        change.slot = ledger::AddTransaction(record.CheckNumber, record.Date, record.Amount, upcoming.description,
                                             record.TypeCode);
        ledger::SetSchedules(change.schedules[1]);
        change.nextCheckNumber[1] = ledger::GetNextCheckNumber();
    }
    RegisterRow row = RowOfRecord(record, change.slot, codec);
    // The new row goes after the rows of its day, as a record added last sorts among equals.
    const auto at = std::upper_bound(rows.begin(), rows.end(), row, [](const RegisterRow& a, const RegisterRow& b) {
        const double dayA = DateSortKey(a.dateDay);
        const double dayB = DateSortKey(b.dateDay);
        return dayA != dayB ? dayA < dayB : a.CheckNumberKey() < b.CheckNumberKey();
    });
    change.index = int(at - rows.begin());
    rows.insert(at, row);
    RebuildSlotIndex();
    update.inserted = change.index;
    update.rows.push_back(change.index);
    Rebalance(update);
    change.deleted = rows[size_t(change.index)];
    update.current = change.index;
    update.column = ledger::IsCredit(record.TypeCode) ? RegisterColumn::Credit : RegisterColumn::Debit;
    Record(std::move(change));
    return update.current;
}

ledger::Schedule RegisterModel::RepeatOf(const RegisterRow& row) {
    ledger::Schedule schedule;
    schedule.typeCode = row.record.TypeCode;
    schedule.isCheck = row.isCheck;
    schedule.description = row.Description().toString().left(ledger::DescriptionLength);
    schedule.amountCents = std::max<int64_t>(0, ShownCents(row.record.Amount).value_or(0));
    const double day = DateSortKey(row.dateDay);
    schedule.rule.unit = ledger::RepeatUnit::Months;
    schedule.rule.place = ledger::MonthPlace::DayOfMonth;
    schedule.rule.dayOfMonth = platform::DateFromDayCount(day).day();
    schedule.rule.start = day;
    // The row is this occurrence: the schedule starts with the next.
    schedule.doneThrough = day;
    return schedule;
}
