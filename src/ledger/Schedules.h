#pragma once
// The ledger's scheduled transactions (model/Schedule.h), kept in the companion file beside the ledger
// (ClearMarks.h), never in the data file.
//
// Like the marks, every change marks the ledger modified and goes to the recovery journal; a save writes the
// companion when the ledger has marks or schedules. These operations run on the GUI thread.

#include "model/Schedule.h"

#include <vector>

namespace ledger {

// The ledger's schedules, in the order the user made them.
const std::vector<Schedule>& Schedules();
// Replaces them all; false (nothing changes) when one is not valid. Equal lists change nothing.
bool SetSchedules(const std::vector<Schedule>& schedules);

} // namespace ledger
