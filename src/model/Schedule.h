#pragma once
// Scheduled transactions: a transaction template and a rule of dates (ScheduleRule.h). Which occurrences were
// already entered into the ledger or skipped is kept with each schedule, so that neither comes back.

#include "model/ScheduleRule.h"
#include "model/TransactionRecord.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace ledger {

struct Schedule {
    int16_t typeCode = CheckOrPayment; // 0 to 4, as a record's
    bool isCheck = false;              // CheckOrPayment: a check (entered with the next check number), or a payment
    QString description;               // at most DescriptionLength characters, no spaces at its ends
    int64_t amountCents = 0;           // unsigned, as a record's; the expected amount when it varies
    bool amountVaries = false;
    int64_t toleranceCents = 0; // an imported amount this close to amountCents matches an occurrence
    ScheduleRule rule;
    // Entered or skipped: every occurrence whose nominal day is on or before doneThrough (0: none yet), and those
    // after it whose nominal days are in doneAfter (ascending).
    double doneThrough = 0;
    std::vector<double> doneAfter = {};
    bool operator==(const Schedule&) const = default;
};

// A valid rule, a type code 0 to 4 (isCheck only with CheckOrPayment), a description that fits a record (not empty),
// an amount and a tolerance from 0 to MaxAmount in cents (the amount one that a record keeps to the cent), doneAfter
// ascending and after doneThrough.
bool IsValidSchedule(const Schedule& schedule);
// Whether an occurrence of the schedule (by its nominal day) was entered or skipped.
bool IsDone(const Schedule& schedule, double nominal);
// The schedule with that occurrence entered or skipped (done) or not (undone); doneAfter folds into doneThrough
// where it can, so the list stays short.
Schedule WithDone(Schedule schedule, double nominal, bool done);
// The first occurrence neither entered nor skipped, if there is one.
std::optional<Occurrence> NextDue(const Schedule& schedule);
// The occurrences neither entered nor skipped whose nominal day is on or after `from` and whose shifted day is on
// or before `through`, in order; at most `limit` of them. Only the ones listed are walked, so a window far after
// the start of an old rule costs no more than a near one.
std::vector<Occurrence> PendingBetween(const Schedule& schedule, double from, double through,
                                       int limit = MaxOccurrencesListed);

} // namespace ledger
