#pragma once
// The ledger's balance on a day, as a bank statement closing that day shows it.

#include <cstdint>

// The balance in whole cents at the end of `day`: the starting balance and every live record dated on or before
// it, each rounded to whole cents as the register does.
int64_t BalanceOn(double day);
