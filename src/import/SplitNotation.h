#pragma once
// How a CSV cell holds a split transaction's parts: `CATEGORY=AMOUNT[=MEMO]` for each part, joined by `|`, with a
// `\` before any `\`, `|` or `=` inside a name or memo. Amounts are plain (a point, two decimals, a minus for a
// debit), signed as the row's amount is. The CSV export writes it and a CSV import reads it back.

#include "model/Category.h"

#include <QString>
#include <optional>
#include <vector>

namespace import {

// Parts whose cents are signed as the balance is (credits plus).
QString WriteSplitNotation(const std::vector<ledger::SplitPart>& signedParts);
// The parts a cell holds, their cents signed as written; none when the cell is not in the notation (a part without
// an amount, an amount that is not one, a stray `\` at the end). An empty cell holds no parts.
std::optional<std::vector<ledger::SplitPart>> ReadSplitNotation(const QString& cell);

} // namespace import
