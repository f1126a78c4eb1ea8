#pragma once
// The register's rows as values: every live record of the ledger store in the register's order (date, then check
// number, then slot), with its running balance and what the register window changed in it. The register window,
// tallix-cli and print all take their rows from here, and nothing reads a row back from a text it was shown as.

#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "model/Category.h"
#include "platform/LocaleCodec.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct RegisterRow {
    // The record as the register holds it: the store's, with the user's edits applied.
    ledger::TransactionRecord record;
    int slot = 0;                                     // the record's place in the store, from 1
    bool isCheck = false;                             // shows its check number instead of a type (as loaded)
    std::optional<double> dateDay;                    // the day the register's text of the date reads as, if any
    int64_t balanceCents = 0;                         // running balance after this row, as last balanced
    bool changed = false;                             // edited or locked in the window: written back at close
    ledger::ClearMark mark = ledger::ClearMark::None; // as the store holds it; a locked row counts as reconciled
    // The description holds control characters: where they would act (on a terminal) they must be shown escaped.
    bool descriptionHasControls = false;
    // What the user typed into a cell, shown as typed (an amount typed as 12.5 shows as 12.5); null until then.
    QString typedCheckNumber;
    QString typedDescription;
    QString typedAmount;
    // A check's or payment's memo, as the store holds it (it takes a memo at once).
    QString memo;
    // The category or split, as the store holds it (it takes one at once). Most rows have none and carry nothing
    // for it: tens of thousands of rows are sorted by moving them.
    const ledger::CategoryAssignment& Category() const;
    // Rows built together share one copy of each category that is a single path, as most are.
    using SharedCategories = QHash<QString, std::shared_ptr<const ledger::CategoryAssignment>>;
    void SetCategory(const ledger::CategoryAssignment& assignment, SharedCategories* shared = nullptr);
    std::shared_ptr<const ledger::CategoryAssignment> category;

    bool IsLocked() const { return record.Locked != 0; }
    // Reconciled rows are the locked ones; cleared, an unlocked row the bank has shown (also one reconciled once
    // and unlocked since).
    bool IsReconciled() const { return IsLocked(); }
    bool IsCleared() const { return !IsLocked() && mark != ledger::ClearMark::None; }
    // The description as the register shows it: as typed, or the stored one without its surrounding spaces.
    QStringView Description() const {
        if (!typedDescription.isNull())
            return typedDescription;
        return QStringView(record.Description).mid(descriptionStart, descriptionSize);
    }
    // The check number the rows are ordered by: none counts as 0.
    int CheckNumberKey() const;

    // Kept from the store's order, where the texts lie in memory in sequence: printing measures every row first.
    qsizetype descriptionStart = 0;
    qsizetype descriptionSize = 0;
};

// Up to here a number of cents divided by 100 is the double that reading its text gives.
constexpr int64_t MaxExactCents = int64_t(1) << 53;

// One row per live record (at most the store's count of them, in slot order), sorted and balanced as the register
// window sorts and balances them. The day of a date that does not read back sorts as an empty date.
std::vector<RegisterRow> BuildRegisterRows(const platform::LocaleCodec& codec);
// The row of a record in the store's slot `slot`, unbalanced.
RegisterRow RowOfRecord(const ledger::TransactionRecord& record, int slot, const platform::LocaleCodec& codec,
                        RegisterRow::SharedCategories* shared = nullptr);
// The stored description without the spaces at its ends (only spaces: tabs and other blanks are the user's).
QStringView TrimSpaces(QStringView text);
// Puts the rows in the register's order: by date, then check number; rows that tie keep their order. Returns
// the previous index of the row now at each index.
std::vector<int> OrderRows(std::vector<RegisterRow>& rows);
// Puts the row that stood at previous[i] at index i, for every i (`previous` is a permutation of the indexes).
void PermuteRows(std::vector<RegisterRow>& rows, std::vector<int> previous);
// What a record adds to the balance in whole cents: its credit, or minus its debit.
int64_t SignedCents(const ledger::TransactionRecord& record);
// The balance after adding `cents`, held within the register's bounds (about ±4 x 10^16 dollars).
int64_t AddToBalance(int64_t balance, int64_t cents);
// The balance at the end of `day`: the store's starting balance and every row dated on or before it.
int64_t BalanceThrough(const std::vector<RegisterRow>& rows, double day);
// Running balances from the store's starting balance, in row order; returns the indexes whose balance changed.
std::vector<int> BalanceRows(std::vector<RegisterRow>& rows);
// The whole cents the register shows an amount as, when it shows them (not for NaN or beyond exact cents).
std::optional<int64_t> ShownCents(float amount);
// The key the register sorts a row's date by.
double DateSortKey(std::optional<double> day);
