#pragma once
// The ledger's categories (model/Category.h): each transaction's category or split, kept by slot like the marks
// (hidden while a slot is deleted), the ledger's list of categories and its import rules. Saved in the companion
// file beside the ledger and journalled; every change marks the ledger modified. GUI thread only, as the store.

#include "model/Category.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace ledger {

// None for a slot not in use.
CategoryAssignment CategoryOf(int16_t slot);
// False (nothing changes) for a slot not in use, a category that is not empty or a path (IsCategoryPath), or parts
// that do not fit the record's amount in cents (PartsFit). A new path joins the list.
bool SetCategory(int16_t slot, const CategoryAssignment& assignment);

// Every category of the ledger, sorted, each with the categories above it: those in its list and every one in use
// by a live transaction, a part or a rule.
QStringList CategoryList();
// The list as kept (without those only in use); a new ledger starts with DefaultCategories().
QStringList KeptCategories();
// Adds a path (and the categories above it) to the list. False for what is not a path.
bool AddCategory(const QString& path);
// Moves every use of `from` and of the categories under it to `to` (transactions, parts, rules and the list) as one
// entry of the recovery journal: a rename, or a merge when `to` is already there. False (nothing changes) when
// `from` is not in the list, `to` is not a path, or `to` lies under `from`.
bool MoveCategory(const QString& from, const QString& to);
// Takes `path` and the categories under it out of the list; their transactions and parts move to `moveTo` (a path,
// or empty: no category), rules naming them are dropped. False (nothing changes) for a path not in the list or a
// `moveTo` in `path`.
bool DeleteCategory(const QString& path, const QString& moveTo);

// How many live transactions (a split counting once for each category it has a part in) and how many cents (in the
// balance's sense: credits plus, debits minus) each category holds, its own only (not those under it).
struct CategoryUse {
    QString path;
    int transactions = 0;
    int64_t cents = 0;
};
std::vector<CategoryUse> CategoryUses();

std::vector<CategoryRule> CategoryRules();
// False (nothing changes) when a rule's text is empty or longer than MaxRulePatternLength, or its category is not a
// path. The rules' categories join the list.
bool SetCategoryRules(const std::vector<CategoryRule>& rules);

// The category of the newest transaction (by date, then slot) whose description is `payee` (as the register shows
// it, trailing blanks left out) and that has a single category; empty when none has.
QString LastCategoryOf(const QString& payee);

// Everything above at once, for the Categories window's undo: taken before a change, put back to undo it (one entry
// of the recovery journal).
struct CategorySnapshot {
    QStringList kept;
    std::vector<CategoryRule> rules;
    std::vector<CategoryAssignment> bySlot;
    bool operator==(const CategorySnapshot&) const = default;
};
CategorySnapshot TakeCategories();
void RestoreCategories(const CategorySnapshot& snapshot);

} // namespace ledger
