// The ledger's schedules.
#include "ledger/Schedules.h"

#include "ledger/LedgerState.h"

#include <algorithm>

namespace ledger {

const std::vector<Schedule>& Schedules() {
    return State().Schedules;
}

bool SetSchedules(const std::vector<Schedule>& schedules) {
    if (!std::all_of(schedules.begin(), schedules.end(), IsValidSchedule))
        return false;
    LedgerState& s = State();
    if (s.Schedules != schedules) {
        s.Schedules = schedules;
        s.Modified = true;
        ShowJournalFailure(JournalSchedules());
    }
    return true;
}

} // namespace ledger
