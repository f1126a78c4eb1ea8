#include "register/RegisterFind.h"

#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "register/RegisterGrid.h"

#include <cmath>

using namespace RegisterColumn;

RegisterFind::RegisterFind(const QString& text) : needle(text.trimmed()) {
    if (needle.isEmpty())
        return;
    // A check number is compared as the cell shows it: digits without leading zeros.
    bool isNumber = false;
    const int number = needle.toInt(&isNumber);
    if (isNumber && number > 0)
        checkNumber = QString::number(number);
    const std::optional<double> amount = platform::ToDouble(needle);
    if (amount && std::isfinite(*amount) && std::fabs(*amount) <= platform::MaxMoney)
        cents = ledger::ToCents(std::fabs(*amount));
}

bool RegisterFind::Matches(const platform::FlexGrid& grid, int row) const {
    if (needle.isEmpty())
        return false;
    if (!checkNumber.isEmpty() && grid.TextMatrix(row, CheckNumber) == checkNumber)
        return true;
    if (cents) {
        for (const int col : {Debit, Credit}) {
            const std::optional<double> value = grid.CellNumber(row, col);
            if (value && ledger::ToCents(*value) == *cents)
                return true;
        }
    }
    return grid.TextMatrix(row, Description).contains(needle, Qt::CaseInsensitive) ||
           grid.TextMatrix(row, Memo).contains(needle, Qt::CaseInsensitive) ||
           grid.TextMatrix(row, Date).contains(needle, Qt::CaseInsensitive);
}

std::optional<RegisterFind::Hit> RegisterFind::Step(const platform::FlexGrid& grid, int from, bool forward) const {
    const int first = grid.FixedRows();
    const int last = grid.Rows() - 1;
    if (last < first || needle.isEmpty())
        return std::nullopt;
    // From a row outside the data rows (the header) the search starts at one end, without going round.
    int at = from;
    if (from < first || from > last)
        at = forward ? first - 1 : last + 1;
    bool wrapped = false;
    for (int i = 0; i <= last - first; ++i) {
        if (forward && at >= last) {
            at = first;
            wrapped = true;
        } else if (!forward && at <= first) {
            at = last;
            wrapped = true;
        } else {
            at += forward ? 1 : -1;
        }
        if (Matches(grid, at))
            return Hit{at, wrapped};
    }
    return std::nullopt;
}
