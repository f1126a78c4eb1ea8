#pragma once
// Categories say where the money went: a path of names from the general to the particular ("Food:Groceries"), one
// per transaction, or a split of the transaction into parts that each have their own. They are kept beside the
// ledger (ledger/Categories.h), never in its 64-byte records.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace ledger {

constexpr QChar CategorySeparator = u':';
// A whole path, separators included.
constexpr int MaxCategoryLength = 120;
constexpr int MaxSplitParts = 100;
constexpr int MaxPartMemoLength = 60;
constexpr int MaxRulePatternLength = 60;

// One part of a split transaction. `cents` is in the transaction's own sense, as its record's amount is (a check of
// 50.00 split into 30.00 and 20.00): the parts add up to that amount. A part may be negative (cash back on a
// purchase) and may have no category.
struct SplitPart {
    QString category;
    QString memo;
    int64_t cents = 0;
    bool operator==(const SplitPart&) const = default;
};

// A transaction's category: one path (or none), or parts, when `category` is empty.
struct CategoryAssignment {
    QString category;
    std::vector<SplitPart> parts;
    bool IsSplit() const { return !parts.empty(); }
    bool IsEmpty() const { return category.isEmpty() && parts.empty(); }
    bool operator==(const CategoryAssignment&) const = default;
};

// An import rule: a statement line whose description contains `contains` (ignoring case) takes `category`.
struct CategoryRule {
    QString contains;
    QString category;
    bool operator==(const CategoryRule&) const = default;
};

// A typed path made tidy: each name trimmed, empty names dropped, control characters left out ("Food : Groceries:"
// becomes "Food:Groceries"). Empty when nothing is left.
QString NormalizedCategory(const QString& typed);
// A path NormalizedCategory keeps as it is, not empty and not longer than MaxCategoryLength.
bool IsCategoryPath(const QString& path);
// `path` is `root` or one of the categories under it ("Food:Groceries" is in "Food", "Foodstuff" is not).
bool IsInCategory(const QString& path, const QString& root);
// A path in `from` (itself or under it) moved to `to`, what renaming `from` does to it: "Food:Groceries" with
// "Food" renamed "Household" becomes "Household:Groceries". Any other path is returned as it is.
QString MovedCategory(const QString& path, const QString& from, const QString& to);
// The path and every category above it, the most general first: "A:B:C" gives "A", "A:B", "A:B:C".
QStringList CategoryAndParents(const QString& path);
// The last name of a path ("Groceries" of "Food:Groceries").
QString CategoryLeaf(const QString& path);

// The sum of the parts' cents.
int64_t PartsTotal(const std::vector<SplitPart>& parts);
// Parts that can be kept for a transaction of `cents`: at least two and at most MaxSplitParts, each category empty
// or a path, each memo at most MaxPartMemoLength, adding up to `cents` exactly.
bool PartsFit(const std::vector<SplitPart>& parts, int64_t cents);
// The parts scaled to a new amount in proportion to their cents, each rounded to a cent so that they still add up
// exactly (the largest remainders get the leftover cents). Parts adding up to 0 keep their cents but the last,
// which takes the difference.
std::vector<SplitPart> ScaledParts(const std::vector<SplitPart>& parts, int64_t cents);
// The parts with the last one taking the whole difference to a new amount.
std::vector<SplitPart> PartsWithDifferenceInLast(const std::vector<SplitPart>& parts, int64_t cents);

// The category of the first rule whose text the description contains, ignoring case; empty when none does.
QString RuleCategoryFor(const std::vector<CategoryRule>& rules, const QString& description);

// The list a new ledger starts with, in the user's language: a short one that fits a household checkbook.
QStringList DefaultCategories();

} // namespace ledger
