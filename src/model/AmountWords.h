#pragma once
// A check's amount written out in English as US and Canadian checks write it: "One hundred one and 00/100".

#include <QString>
#include <cstdint>

namespace ledger {

// The whole dollars in words (first word capitalised, hyphens from twenty-one to ninety-nine, no "and" inside the
// whole part), then " and NN/100" for the cents; "Zero and 05/100" under a dollar. A negative amount is written as
// its size. Data printed on the check: never translated.
QString AmountInWords(int64_t cents);

} // namespace ledger
