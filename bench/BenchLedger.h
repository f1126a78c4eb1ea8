#pragma once
// Ledgers of a given size for the benchmarks: a mix of every kind of transaction over many dates, so that sorting
// and balancing do real work, with a lock date and some locked records.

#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "platform/Prompt.h"

#include <QString>
#include <string>

namespace bench {

inline void BuildLedger(int transactions) {
    static const char* const payees[] = {"Grocer",   "Electric company", "Rent",      "Gas station",
                                         "Pharmacy", "Hardware store",   "Insurance", "Café “Zoë”"};
    ledger::NewLedger();
    ledger::SetStartingBalance(2500);
    for (int i = 0; i < transactions; ++i) {
        const int16_t type = int16_t(i % 5);
        const int16_t number = type == ledger::CheckOrPayment ? int16_t(1000 + i % 30000) : int16_t(0);
        // Dates jump about, as entries made late would, so the register has to sort them.
        const double date = 40000 + (i * 7919) % (transactions / 3 + 1);
        ledger::AddTransaction(number, date, float(i % 997) + 0.25f,
                               QString::fromUtf8(payees[i % 8]) + QStringLiteral(" %1").arg(i), type);
    }
    ledger::SetLockDate(40000);
}

// 50 schedules of every kind of rule, each done up to a month before `today`: a month of overdue occurrences, then
// whatever the horizon takes.
inline std::vector<ledger::Schedule> Schedules(double today) {
    std::vector<ledger::Schedule> schedules;
    for (int i = 0; i < 50; ++i) {
        ledger::Schedule s;
        s.typeCode = int16_t(i % 5);
        s.description = QStringLiteral("Schedule %1").arg(i);
        s.amountCents = 1000 + i * 1337;
        s.rule.start = today - 400 + i;
        s.rule.weekend = ledger::WeekendShift(i % 3);
        switch (i % 4) {
        case 0:
            s.rule.unit = ledger::RepeatUnit::Days;
            s.rule.every = 3 + i % 11;
            break;
        case 1:
            s.rule.unit = ledger::RepeatUnit::Weeks;
            s.rule.every = 1 + i % 3;
            break;
        case 2:
            s.rule.dayOfMonth = 1 + i % 31;
            break;
        default:
            s.rule.place = ledger::MonthPlace::NthWeekday;
            s.rule.nth = 1 + i % 5;
            s.rule.weekday = 1 + i % 7;
        }
        if (const std::optional<ledger::Occurrence> first = ledger::OccurrenceAfter(s.rule, s.rule.start - 1))
            s.doneThrough = first->nominal;
        for (const ledger::Occurrence& o : ledger::OccurrencesBetween(s.rule, s.doneThrough, today - 30))
            s.doneThrough = o.nominal;
        schedules.push_back(s);
    }
    return schedules;
}

// Any message box means the operation failed; a benchmark stops instead of timing a failure.
class FailOnPrompt : public platform::PromptBackend {
public:
    platform::Answer ShowMessage(const platform::MessageRequest& request) override {
        failure = request.text.toStdString();
        return platform::Answer::Ok;
    }
    QString ShowFileDialog(const platform::FileDialogRequest&) override { return {}; }
    std::string failure;
};

inline FailOnPrompt& Prompts() {
    static FailOnPrompt prompts;
    platform::SetPromptBackend(&prompts);
    return prompts;
}

} // namespace bench
