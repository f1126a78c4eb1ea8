#pragma once
// Which statement lines the ledger already holds. A line and a record are the same transaction when their signed
// amounts are equal, their days at most MatchDays apart, and either their check numbers agree (when both have
// one), or their payees (folded case, as stored) are equal or one contains the other.
//
// The pairing is optimal, not first come first served: each record stands for one line at most, as many lines as
// possible are paired, and among the pairings of that many lines the one with the most equal payees and then the
// nearest dates is taken. So a line never takes the record that another line needed, whatever their order.

#include <QString>
#include <cstdint>
#include <vector>

namespace import {

constexpr int MatchDays = 3;

struct MatchEntry {
    int64_t cents = 0; // signed, as the record reads back
    int64_t day = 0;
    int checkNumber = 0; // 0: none
    QString payee;       // folded case, no surrounding spaces
};

// For each line, the index of the record it pairs with, or -1.
std::vector<int> MatchLines(const std::vector<MatchEntry>& lines, const std::vector<MatchEntry>& records);

} // namespace import
