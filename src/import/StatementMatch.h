#pragma once
// Which statement lines the ledger already holds. A line and a record are the same transaction when their signed
// amounts are equal, their days at most MatchDays apart, and either their bank ids are equal (when both have one:
// another id is another transaction, however alike the rest), or their check numbers agree (when both have one), or
// their payees (folded case, as stored) are equal or one contains the other.
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
    QString bankId;      // empty: none
};

// For each line, the index of the record it pairs with, or -1.
std::vector<int> MatchLines(const std::vector<MatchEntry>& lines, const std::vector<MatchEntry>& records);

// A line and a pending occurrence of a schedule are the same transaction when both are debits or both credits, the
// line's amount is within the schedule's tolerance of its amount, and their days are at most MatchDays apart.
struct ScheduledEntry {
    bool credit = false;   // a line of 0.00 is one
    int64_t cents = 0;     // signed, the schedule's amount
    int64_t tolerance = 0; // in cents
    int64_t day = 0;       // the day the occurrence falls on
};
// For each line, the index of the occurrence it enters, or -1: each occurrence at most one line, the nearest days
// first, then the nearest amounts, then in order.
std::vector<int> MatchScheduled(const std::vector<MatchEntry>& lines, const std::vector<ScheduledEntry>& occurrences);

} // namespace import
