#pragma once
// The register's rows as values: every live record of the ledger store in the register's order (date, then check
// number, then slot), with its running balance. The register window fills its grid from them and tallix-cli prints
// and exports them, so the two cannot disagree, and neither reads back a text it wrote.

#include "ledger/Ledger.h"
#include "platform/LocaleCodec.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

struct RegisterRow {
    ledger::TransactionRecord record;
    int slot = 0;                  // the record's place in the store, from 1
    bool isCheck = false;          // shows its check number instead of a type
    std::optional<double> dateDay; // the day the register's text of the date reads as, if any
    int64_t balanceCents = 0;      // running balance after this row
    // The description holds control characters: where they would act (on a terminal) they must be shown escaped.
    bool descriptionHasControls = false;
    // The description without its surrounding white space, as the register shows it.
    QStringView Description() const { return QStringView(record.Description).mid(descriptionStart, descriptionSize); }

    // Kept from the store's order, where the texts lie in memory in sequence: printing measures every row first.
    qsizetype descriptionStart = 0;
    qsizetype descriptionSize = 0;
};

// Up to here a number of cents divided by 100 is the double that reading its text gives.
constexpr int64_t MaxExactCents = int64_t(1) << 53;

// A money cell: its text, and the number it reads as where that is known without reading the text.
struct MoneyCell {
    QString text;
    std::optional<double> number;
};

// One row per live record (at most the store's count of them, in slot order), sorted and balanced as the register
// window sorts and balances them. The day of a date that does not read back sorts as an empty date.
std::vector<RegisterRow> BuildRegisterRows(const platform::LocaleCodec& codec);
// The whole cents the register shows an amount as, when it shows them (not for NaN or beyond exact cents).
std::optional<int64_t> ShownCents(float amount);
// The register's text of an amount, and of a balance.
MoneyCell AmountCell(const platform::LocaleCodec& codec, float amount);
MoneyCell BalanceCell(const platform::LocaleCodec& codec, int64_t cents);
// The key the register sorts a row's date by.
double DateSortKey(std::optional<double> day);
