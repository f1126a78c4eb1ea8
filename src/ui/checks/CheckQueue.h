#pragma once
// The store's side of printing checks: which checks there are to print, their renumbering onto the forms loaded in
// the printer, and what a print run leaves behind (printed ones leave the queue, spoiled forms become voided
// checks).

#include "print/LedgerChecks.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace checks {

// The numbers of forms from `firstForm` on, one per check; none when they would pass the highest check number a
// record holds.
std::optional<std::vector<int>> FormNumbers(size_t count, int firstForm);
// True when some check's number differs from its form's.
bool NeedsRenumbering(const std::vector<print::LedgerCheck>& checks, const std::vector<int>& forms);
// The first locked check among them: its number cannot change.
const print::LedgerCheck* FirstLocked(const std::vector<print::LedgerCheck>& checks);
// Gives each check its form's number (here and in the store, as one change); the next check number moves past the
// last form.
void Renumber(std::vector<print::LedgerCheck>& checks, const std::vector<int>& forms);

// After a print run of `printed`: those before `firstSpoiled` leave the queue, it and every later one wait to print
// again (none: all printed well). Each check of `voidForms` (printed ones) leaves a new voided check dated `today`,
// with its number and the payee that was printed on it; returns their slots.
std::vector<int16_t> FinishPrintRun(const std::vector<print::LedgerCheck>& printed, std::optional<size_t> firstSpoiled,
                                    const std::vector<print::LedgerCheck>& voidForms, double today);
// Undo and redo of a print run's voided checks, as one change each.
void TakeBackVoids(const std::vector<int16_t>& slots);
void PutBackVoids(const std::vector<int16_t>& slots);

} // namespace checks
